// Reading captions and cell texts as numbers, and writing numbers back as captions.
#pragma once

#include <QString>
#include <QStringView>

namespace pizarrin {

// The leading number of a text; never fails. Blanks (space, tab, line feed) are
// ignored wherever they stand; then come an optional sign, digits, a decimal point
// and digits, and an exponent (E or D in either case, optional sign, digits), or a
// number with the prefix &H (hexadecimal) or &O (octal). Reading stops at the first
// character that cannot continue the number. A text that does not begin with a number
// gives 0; a number too large for a double gives an infinite value.
double NumericValue(QStringView text);

// A whole number within [low, high]: what a count read from a caption may be used as,
// whatever the caption holds (infinite and out-of-range values are clamped).
int boundedInt(double value, int low, int high);

// Plain decimal text: no leading zeros, no separators, no decimal point for whole
// numbers, a minus sign only when negative.
QString numberText(double value);

} // namespace pizarrin
