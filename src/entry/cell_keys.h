// Typing into the answer cells: one character per cell, and after each character the
// focus moves to where the next digit goes (one cell to the left, or out of a zero row
// into the next row's units cell).
#pragma once

namespace pizarrin {

class Form1Controls;

void Text1_KeyPress(Form1Controls& form, int index, int characterCode);
void Text2_KeyPress(Form1Controls& form, int index, int characterCode);
void Text3_KeyPress(Form1Controls& form, int index, int characterCode);
void Text4_KeyPress(Form1Controls& form, int index, int characterCode);
void Text5_KeyPress(Form1Controls& form, int index, int characterCode);
void Text6_KeyPress(Form1Controls& form, int index, int characterCode);
void Text7_KeyPress(Form1Controls& form, int index, int characterCode);

void Text1_Change(Form1Controls& form, int index);
void Text2_Change(Form1Controls& form, int index);
void Text3_Change(Form1Controls& form, int index);
void Text4_Change(Form1Controls& form, int index);
void Text5_Change(Form1Controls& form, int index);
void Text6_Change(Form1Controls& form, int index);
void Text7_Change(Form1Controls& form, int index);

} // namespace pizarrin
