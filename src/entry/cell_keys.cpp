#include "entry/cell_keys.h"

#include "text/characters.h"
#include "window/worksheet.h"

namespace pizarrin {

namespace {

void keyPress(Form1Controls& form, int r, int index, int characterCode)
{
    if (characterCode == KeyBackspace)
        return;
    const auto cells = form.row(r);
    Cell* cell = cells[index];
    if (characterCount(cell->text()) > 1)
        cell->setText({});
    if (isZeroRow(form, r)) {
        form.row(r + 1)[0]->giveFocus();
        return;
    }
    // The leftmost cell keeps the focus.
    if (index + 1 < int(cells.size()))
        cells[index + 1]->giveFocus();
}

// Any edit that leaves more than one character in a cell leaves it empty instead.
void change(Form1Controls& form, int r, int index)
{
    Cell* cell = form.row(r)[index];
    if (characterCount(cell->text()) > 1)
        cell->setText({});
}

} // namespace

void Text1_KeyPress(Form1Controls& form, int index, int code)
{
    keyPress(form, 1, index, code);
}
void Text2_KeyPress(Form1Controls& form, int index, int code)
{
    keyPress(form, 2, index, code);
}
void Text3_KeyPress(Form1Controls& form, int index, int code)
{
    keyPress(form, 3, index, code);
}
void Text4_KeyPress(Form1Controls& form, int index, int code)
{
    keyPress(form, 4, index, code);
}
void Text5_KeyPress(Form1Controls& form, int index, int code)
{
    keyPress(form, 5, index, code);
}
void Text6_KeyPress(Form1Controls& form, int index, int code)
{
    keyPress(form, 6, index, code);
}
void Text7_KeyPress(Form1Controls& form, int index, int code)
{
    keyPress(form, productRow, index, code);
}

void Text1_Change(Form1Controls& form, int index)
{
    change(form, 1, index);
}
void Text2_Change(Form1Controls& form, int index)
{
    change(form, 2, index);
}
void Text3_Change(Form1Controls& form, int index)
{
    change(form, 3, index);
}
void Text4_Change(Form1Controls& form, int index)
{
    change(form, 4, index);
}
void Text5_Change(Form1Controls& form, int index)
{
    change(form, 5, index);
}
void Text6_Change(Form1Controls& form, int index)
{
    change(form, 6, index);
}
void Text7_Change(Form1Controls& form, int index)
{
    change(form, productRow, index);
}

} // namespace pizarrin
