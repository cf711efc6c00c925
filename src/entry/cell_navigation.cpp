#include "entry/cell_navigation.h"

#include "window/worksheet.h"

#include <algorithm>

namespace pizarrin {

namespace {

// Up from the product row lands in the last partial-product row, at most at its last cell.
void productRowKeyDown(Form1Controls& form, int j, int keyCode)
{
    if (keyCode == KeyUp) {
        const int rows = rowsInUse(form);
        if (rows >= 1)
            form.row(rows)[std::min(j, cellsPerRow - 1)]->giveFocus();
        return;
    }
    form.Text7[j]->giveFocus();
}

// Shift is ignored: Shift with an arrow acts as the arrow alone.
void keyDown(Form1Controls& form, int r, int index, int keyCode)
{
    const auto cells = form.row(r);
    const int leftmost = int(cells.size()) - 1;
    int j = index;
    if (keyCode == KeyRight && j > 0)
        --j;
    if (keyCode == KeyLeft && j < leftmost)
        ++j;

    if (r == productRow) {
        productRowKeyDown(form, j, keyCode);
        return;
    }
    if (keyCode == KeyDown) {
        // Down falls through a row without a shown cell there to the product row;
        // from row 1 it counts as any other key instead.
        Cell* below = r < maxRows ? form.row(r + 1)[j] : nullptr;
        if (below && below->isShown()) {
            below->giveFocus();
            return;
        }
        if (r >= 2) {
            form.Text7[j]->giveFocus();
            return;
        }
    } else if (keyCode == KeyUp && r >= 2) {
        form.row(r - 1)[j]->giveFocus();
        return;
    }
    // Any other key: a zero row sends the pupil on to the next row's units cell.
    if (isZeroRow(form, r))
        form.row(r + 1)[0]->giveFocus();
    else
        cells[j]->giveFocus();
}

} // namespace

void Text1_KeyDown(Form1Controls& form, int index, int keyCode, int)
{
    keyDown(form, 1, index, keyCode);
}
void Text2_KeyDown(Form1Controls& form, int index, int keyCode, int)
{
    keyDown(form, 2, index, keyCode);
}
void Text3_KeyDown(Form1Controls& form, int index, int keyCode, int)
{
    keyDown(form, 3, index, keyCode);
}
void Text4_KeyDown(Form1Controls& form, int index, int keyCode, int)
{
    keyDown(form, 4, index, keyCode);
}
void Text5_KeyDown(Form1Controls& form, int index, int keyCode, int)
{
    keyDown(form, 5, index, keyCode);
}
void Text6_KeyDown(Form1Controls& form, int index, int keyCode, int)
{
    keyDown(form, 6, index, keyCode);
}
void Text7_KeyDown(Form1Controls& form, int index, int keyCode, int)
{
    keyDown(form, productRow, index, keyCode);
}

} // namespace pizarrin
