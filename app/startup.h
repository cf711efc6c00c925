// Start-up and the two digit-count scroll bars, which prepare the page for "Empezar".
#pragma once

namespace pizarrin {

class Form1Controls;

void Form_Load(Form1Controls& form);
void HScroll1_Change(Form1Controls& form);
void HScroll2_Change(Form1Controls& form);

} // namespace pizarrin
