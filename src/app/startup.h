// Start-up: the results list's header, the help text and the page at rest.
#pragma once

namespace pizarrin {

class Form1Controls;

void Form_Load(Form1Controls& form);

} // namespace pizarrin
