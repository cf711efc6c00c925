// "Terminar": reads every row in use as one number, marks it with a tick or a cross,
// and gives the verdict.
#pragma once

#include <QString>
#include <span>

namespace pizarrin {

class Cell;
class Form1Controls;
class Label;

// The row's cell texts joined from the leftmost cell to the units cell (an empty cell
// adds nothing). `cells` is indexed from the units cell; the text is also left in the
// row's read-back label and in `rowText`.
QString ReadRow(std::span<Cell* const> cells, Label* readBack, Label* rowText);

void Command2_Click(Form1Controls& form);

} // namespace pizarrin
