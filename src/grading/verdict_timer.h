// The verdict timer: a wrong verdict leaves the page after 2 seconds.
#pragma once

namespace pizarrin {

class Form1Controls;

void Timer1_Timer(Form1Controls& form);

} // namespace pizarrin
