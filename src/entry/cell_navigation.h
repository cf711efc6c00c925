// Moving between the answer cells at key-down: Left and Right along a row, Up and Down
// between rows keeping the cell index, and out of a zero row on any other key.
#pragma once

namespace pizarrin {

class Form1Controls;

void Text1_KeyDown(Form1Controls& form, int index, int keyCode, int shift);
void Text2_KeyDown(Form1Controls& form, int index, int keyCode, int shift);
void Text3_KeyDown(Form1Controls& form, int index, int keyCode, int shift);
void Text4_KeyDown(Form1Controls& form, int index, int keyCode, int shift);
void Text5_KeyDown(Form1Controls& form, int index, int keyCode, int shift);
void Text6_KeyDown(Form1Controls& form, int index, int keyCode, int shift);
void Text7_KeyDown(Form1Controls& form, int index, int keyCode, int shift);

} // namespace pizarrin
