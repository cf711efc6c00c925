#include "app/startup.h"

#include "window/worksheet.h"

using namespace Qt::StringLiterals;

namespace pizarrin {

namespace {

const QString resultsHeader = u"Nombre      Nota Dif. Tiempo"_s;

const QString helpText
    = u"Realizar la multiplicación igual que lo haríamos en un cuaderno. Elegir los dígitos "
      u"que queramos que tengan los factores desde las barras de la izquierda. Para empezar "
      u"pulsar sobre (Empezar). Cuando multipliquemos el cero poner cero o dejar vacío, "
      u"continuar normalmente. Para terminar pulsar (Terminar)."_s;

} // namespace

void Form_Load(Form1Controls& form)
{
    form.List1->appendLine(resultsHeader);
    form.firstDigitCount()->setCaption(QString::number(form.HScroll1->value()));
    form.secondDigitCount()->setCaption(QString::number(form.HScroll2->value()));
    for (int r = 1; r <= answerRows; ++r)
        for (Cell* cell : form.row(r))
            cell->setText({});
    // The home lines on which each exercise places its rows.
    for (int r = 1; r <= maxRows; ++r)
        form.rowLine(r)->setTopTwips(form.row(r)[0]->topTwips());
    form.Label17->setCaption(helpText);
    form.platform().seedRandom(form.platform().clock());
}

} // namespace pizarrin
