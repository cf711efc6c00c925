#include "grading/check_rows.h"

#include "grading/results.h"
#include "text/numeric_value.h"
#include "window/worksheet.h"

using namespace Qt::StringLiterals;

namespace pizarrin {

namespace {

// A row is right when its number equals the expected one; a wrong row raises the
// error flag. The mark takes the tick's or the cross's picture.
void markRow(Form1Controls& form, Image* mark, const QString& expected, const QString& written)
{
    if (NumericValue(expected) == NumericValue(written)) {
        mark->takePictureOf(*form.Image2);
    } else {
        mark->takePictureOf(*form.Image3);
        form.errorFlag()->setCaption(u"1"_s);
    }
}

} // namespace

QString ReadRow(std::span<Cell* const> cells, Label* readBack, Label* rowText)
{
    QString text;
    for (auto cell = cells.rbegin(); cell != cells.rend(); ++cell)
        text += (*cell)->text();
    rowText->setCaption(text);
    readBack->setCaption(text);
    return text;
}

void Command2_Click(Form1Controls& form)
{
    form.errorFlag()->setCaption(u"0"_s);

    const int rows = rowsInUse(form);
    for (int r = 1; r <= rows; ++r) {
        const QString written = ReadRow(form.row(r), form.rowAsRead(r), form.rowBeingRead());
        markRow(form, form.Image1[r - 1], form.expectedPartialProduct(r)->caption(), written);
    }

    // With one line of partial products that line is the product, and the product row
    // is hidden: it is neither read nor marked.
    const double rowCount = NumericValue(form.rowCount()->caption());
    const bool productInUse = rowCount > 1 && form.Text7[0]->isShown();
    if (productInUse) {
        const QString written
            = ReadRow(form.Text7, form.rowAsRead(productRow), form.rowBeingRead());
        markRow(form, form.Image1[productRow - 1], form.product()->caption(), written);
    }

    for (int k = 0; k < maxRows; ++k)
        form.Image1[k]->setTopTwips(form.row(k + 1)[0]->topTwips());
    form.Image1[productRow - 1]->setTopTwips(form.Text7[0]->topTwips());
    const int marked = boundedInt(rowCount, 0, maxRows);
    for (int k = 0; k < marked; ++k)
        form.Image1[k]->show();
    if (productInUse)
        form.Image1[productRow - 1]->show();

    if (NumericValue(form.errorFlag()->caption()) == 0) {
        recordTimeTaken(form);
        form.verdict()->setCaption(u"BIEN"_s);
        form.verdict()->show();
        // A pending "MAL" timer must not take the new "BIEN" off the page.
        form.Timer1->disable();
        appendResultsLine(form);
        endExercise(form);
    } else {
        form.verdict()->setCaption(u"MAL"_s);
        form.verdict()->show();
        form.Timer1->enable();
        lowerGrade(form);
    }
}

} // namespace pizarrin
