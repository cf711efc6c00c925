// The Worksheet, the state of one exercise, as the window holds it: every field lives in
// a control (Form1Controls names each one), and these read what several handlers need.
#pragma once

#include "window/form1_controls.h"

namespace pizarrin {

// A factor has 1 to 6 digits, and each digit of the second one has its row.
inline constexpr int minDigits = 1;
inline constexpr int maxDigits = 6;
inline constexpr int maxRows = maxDigits; // partial-product rows; the product row is row 7
inline constexpr int productRow = 7;
inline constexpr int answerRows = productRow; // rows 1 to 7: the partial products, the product
inline constexpr int cellsPerRow = 7; // a partial-product row's cells; the product row has 13
// The notebook's squares, in twips: the lines are 600 apart, the columns 345.
inline constexpr int lineSpacing = 600;
inline constexpr int columnWidth = 345;

// A zero row (its digit of the second factor is 0) shows only its units cell. The last
// row's digit leads the factor and is never 0, so row 6 and the product row never are.
inline bool isZeroRow(const Form1Controls& form, int r)
{
    return r < maxRows && form.rowLine(r)->caption() == u"1";
}

// The number of partial-product rows of the exercise: the second factor's digits.
inline int rowsInUse(const Form1Controls& form)
{
    return static_cast<int>(std::min<qsizetype>(form.secondFactor()->caption().size(), maxRows));
}

} // namespace pizarrin
