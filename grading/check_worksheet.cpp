#include "grading/check_worksheet.h"

#include "grading/numeric_value.h"
#include "grading/results.h"
#include "worksheet/worksheet.h"

using namespace Qt::StringLiterals;

namespace pizarrin {

namespace {

// A row is right when its number equals the expected one; a wrong row raises the
// error flag. The mark takes the tick's or the cross's picture.
void markRow(Form1& form, Image* mark, const QString& expected, const QString& written)
{
    if (NumericValue(expected) == NumericValue(written)) {
        mark->takePictureOf(*form.Image2);
    } else {
        mark->takePictureOf(*form.Image3);
        form.Label20->setCaption(u"1"_s);
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

void Command2_Click(Form1& form)
{
    form.Label20->setCaption(u"0"_s);

    const int rows = rowsInUse(form);
    for (int r = 1; r <= rows; ++r) {
        const QString written = ReadRow(form.row(r), form.Label26[r - 1], form.Label11);
        markRow(form, form.Image1[r - 1], expectedValueLabel(form, r)->caption(), written);
    }

    // With one line of partial products that line is the product, and the product row
    // is hidden: it is neither read nor marked.
    const double rowCount = NumericValue(form.Label4->caption());
    const bool productInUse = rowCount > 1 && form.Text7[0]->isShown();
    if (productInUse) {
        const QString written = ReadRow(form.Text7, form.Label26[6], form.Label11);
        markRow(form, form.Image1[6], form.Label3->caption(), written);
    }

    for (int k = 0; k < maxRows; ++k)
        form.Image1[k]->setTopTwips(form.row(k + 1)[0]->topTwips());
    form.Image1[6]->setTopTwips(form.Text7[0]->topTwips());
    const int marked = boundedInt(rowCount, 0, maxRows);
    for (int k = 0; k < marked; ++k)
        form.Image1[k]->show();
    if (productInUse)
        form.Image1[6]->show();

    if (NumericValue(form.Label20->caption()) == 0) {
        recordTimeTaken(form);
        form.Label14->setCaption(u"BIEN"_s);
        form.Label14->show();
        // A pending "MAL" timer must not take the new "BIEN" off the page.
        form.Timer1->disable();
        appendResultsLine(form);
        endExercise(form);
    } else {
        form.Label14->setCaption(u"MAL"_s);
        form.Label14->show();
        form.Timer1->enable();
        lowerGrade(form);
    }
}

} // namespace pizarrin
