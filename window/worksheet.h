// The Worksheet, the state of one exercise, as the window holds it: every field lives in
// a control (Form1Controls names each one), and these read what several handlers need.
#pragma once

#include "window/form1_controls.h"

namespace pizarrin {

inline constexpr int maxRows = 6; // partial-product rows; the product row is row 7
inline constexpr int productRow = 7;

// A zero row (its digit of the second factor is 0) shows only its units cell.
inline bool isZeroRow(const Form1Controls& form, int r)
{
    return form.zeroRowFlag(r)->caption() == u"1";
}

// The number of partial-product rows of the exercise: the second factor's digits.
inline int rowsInUse(const Form1Controls& form)
{
    return static_cast<int>(std::min<qsizetype>(form.secondFactor()->caption().size(), maxRows));
}

} // namespace pizarrin
