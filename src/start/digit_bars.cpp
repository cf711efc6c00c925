#include "start/digit_bars.h"

#include "text/numeric_value.h"
#include "window/worksheet.h"

using namespace Qt::StringLiterals;

namespace pizarrin {

namespace {

// One " ?" per chosen digit; the right-aligned label hides the leading space.
QString questionMarks(int digits)
{
    QString marks;
    for (int k = 0; k < digits; ++k)
        marks = u" ?"_s + marks;
    return marks;
}

} // namespace

void HScroll1_Change(Form1Controls& form)
{
    form.Label12->setCaption({});
    form.firstDigitCount()->setCaption(QString::number(form.HScroll1->value()));
    const int digits
        = boundedInt(NumericValue(form.firstDigitCount()->caption()), minDigits, maxDigits);
    form.Label12->setCaption(questionMarks(digits));
}

void HScroll2_Change(Form1Controls& form)
{
    form.Label13->setCaption({});
    form.Line1->show();
    form.secondDigitCount()->setCaption(QString::number(form.HScroll2->value()));
    const int digits
        = boundedInt(NumericValue(form.secondDigitCount()->caption()), minDigits, maxDigits);
    form.Label13->setCaption(questionMarks(digits));
    // The sign stands one column left of the second factor's leading digit.
    form.Label23->setLeftTwips(form.Text1[digits]->leftTwips());
    // A one-digit second factor has a single row, which already is the product.
    if (digits == 1)
        form.Line1->hide();
    form.Line1->setY1Twips(lineSpacing * digits + form.Line2->y1Twips());
    form.Line1->setY2Twips(lineSpacing * digits + form.Line2->y2Twips());
}

} // namespace pizarrin
