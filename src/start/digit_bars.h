// The two digit-count scroll bars, which prepare the page for "Empezar": each factor
// shows as one question mark per chosen digit.
#pragma once

namespace pizarrin {

class Form1Controls;

void HScroll1_Change(Form1Controls& form);
void HScroll2_Change(Form1Controls& form);

} // namespace pizarrin
