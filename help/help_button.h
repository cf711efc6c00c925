// The "?" button: the help text beneath the results list.
#pragma once

namespace pizarrin {

class Form1Controls;

void Command3_Click(Form1Controls& form);

} // namespace pizarrin
