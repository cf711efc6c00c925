// Start-up and the two digit-count scroll bars, which prepare the page for "Empezar".
#pragma once

namespace pizarrin {

class Form1;

void Form_Load(Form1& form);
void HScroll1_Change(Form1& form);
void HScroll2_Change(Form1& form);

} // namespace pizarrin
