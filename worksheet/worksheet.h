// Where the Worksheet, the state of one exercise, keeps its per-row fields: every field
// lives in a control of the window, so that each handler reads it back from there.
#pragma once

#include "app/form1.h"

namespace pizarrin {

inline constexpr int maxRows = 6; // partial-product rows; the product row is row 7
inline constexpr int productRow = 7;

// The expected partial product of row r (1 to 6), in the hidden panel.
inline Label* expectedValueLabel(const Form1& form, int r)
{
    const std::array<Label*, maxRows> labels {
        form.Label5, form.Label6, form.Label7, form.Label8, form.Label9, form.Label10};
    return labels[static_cast<std::size_t>(r - 1)];
}

// A zero row (its digit of the second factor is 0) shows only its units cell.
inline bool isZeroRow(const Form1& form, int r)
{
    return form.Label24[static_cast<std::size_t>(r - 1)]->caption() == u"1";
}

// The number of partial-product rows of the exercise: the second factor's digits.
inline int rowsInUse(const Form1& form)
{
    return static_cast<int>(std::min<qsizetype>(form.Label2->caption().size(), maxRows));
}

} // namespace pizarrin
