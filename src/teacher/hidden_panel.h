// The teacher's hidden panel with the exercise's values: a click on the verdict and the
// access code open it, a click on its free surface closes it.
#pragma once

namespace pizarrin {

class Form1Controls;

void Label14_Click(Form1Controls& form);
void Picture1_Click(Form1Controls& form);

} // namespace pizarrin
