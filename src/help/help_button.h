// The "?" button: the help text beneath the results list.
#pragma once

#include <QStringView>

namespace pizarrin {

class Form1Controls;

// What the pupil reads when "?" uncovers it.
inline constexpr QStringView helpText
    = u"Realizar la multiplicación igual que lo haríamos en un cuaderno. Elegir los dígitos "
      u"que queramos que tengan los factores desde las barras de la izquierda. Para empezar "
      u"pulsar sobre (Empezar). Cuando multipliquemos el cero poner cero o dejar vacío, "
      u"continuar normalmente. Para terminar pulsar (Terminar).";

void Command3_Click(Form1Controls& form);

} // namespace pizarrin
