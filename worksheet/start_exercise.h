// "Empezar": asks for the pupil, draws the factors and lays out the notebook page.
#pragma once

namespace pizarrin {

class Form1;

void Command1_Click(Form1& form);

} // namespace pizarrin
