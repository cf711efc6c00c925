// The help button, the access-coded hidden panel and the verdict timer.
#pragma once

namespace pizarrin {

class Form1;

void Command3_Click(Form1& form);
void Label14_Click(Form1& form);
void Picture1_Click(Form1& form);
void Timer1_Timer(Form1& form);

} // namespace pizarrin
