// "Empezar": asks for the pupil, draws the factors and lays out the notebook page.
#pragma once

namespace pizarrin {

class Form1Controls;

void Command1_Click(Form1Controls& form);

} // namespace pizarrin
