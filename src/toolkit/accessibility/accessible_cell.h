// What a screen reader reads of an answer cell and how it writes into one: its text,
// caret and selection, editable like a paste while the cell is on view. A hidden cell
// still reads (a cell only ever holds what the pupil wrote) but refuses every change.
#pragma once

class QAccessibleInterface;

namespace pizarrin {

class Cell;

QAccessibleInterface* accessibleCell(Cell* cell);

} // namespace pizarrin
