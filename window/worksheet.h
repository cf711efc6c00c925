// The Worksheet, the state of one exercise, as the window holds it: every field lives in
// a control (Form1Controls names each one), and these read what several handlers need.
#pragma once

#include "window/form1_controls.h"

namespace pizarrin {

inline constexpr int maxRows = 6; // partial-product rows; the product row is row 7
inline constexpr int productRow = 7;
inline constexpr int answerRows = productRow; // rows 1 to 7: the partial products, the product
inline constexpr int cellsPerRow = 7; // a partial-product row's cells; the product row has 13
inline constexpr int lineSpacing = 600; // between the notebook lines, in twips

// A zero row (its digit of the second factor is 0) shows only its units cell.
inline bool isZeroRow(const Form1Controls& form, int r)
{
    return form.rowLine(r)->caption() == u"1";
}

// The number of partial-product rows of the exercise: the second factor's digits.
inline int rowsInUse(const Form1Controls& form)
{
    return static_cast<int>(std::min<qsizetype>(form.secondFactor()->caption().size(), maxRows));
}

} // namespace pizarrin
