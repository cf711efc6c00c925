#include "start/start_exercise.h"

#include "text/characters.h"
#include "text/numeric_value.h"
#include "window/worksheet.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace pizarrin {

namespace {

constexpr int pupilWidth = 12;
constexpr int productRowGap = 30; // the product row stands just below its rule

// Asks until the pupil answers something (spaces count); each answer shows at once.
// Returns "" only when the window is closing, which ends the asking.
QString askPupil(Form1Controls& form)
{
    QString answer;
    do {
        answer = form.platform().inputBox(u"Entra tu número y nombre"_s, u"ATENCIÓN"_s, false);
        form.pupil()->setCaption(answer);
        if (form.isClosing())
            return {};
    } while (answer.isEmpty());
    return answer;
}

// The first `digits` digits of a random six-digit number that never begins with 0.
QString randomFactor(float r, int digits)
{
    const double unit = std::isfinite(r) ? std::clamp(static_cast<double>(r), 0.0, 1.0) : 0.0;
    const double n = std::floor(unit * 899999.0) + 100000.0;
    return QString::number(static_cast<long long>(n)).left(digits);
}

// " 4 0 7" for 407: each digit preceded by a space.
QString spacedDigits(const QString& digits)
{
    QString spaced;
    for (QChar digit : digits)
        spaced += u' ' + QString(digit);
    return spaced;
}

// Empties every partial-product cell and puts each row back on its home line, ready
// for a new layout; the marks of the last exercise leave the page.
void resetRows(Form1Controls& form)
{
    for (int i = 0; i < cellsPerRow; ++i) {
        form.Image1[i]->hide();
        for (int r = 1; r <= maxRows; ++r) {
            Cell* cell = form.row(r)[i];
            cell->setText({});
            cell->setTopTwips(form.rowLine(r)->topTwips());
        }
    }
    form.zeroRowCount()->setCaption(u"0"_s);
    for (int r = 1; r <= maxRows; ++r)
        form.rowLine(r)->setCaption(u"0"_s);
}

// Every row in use shows its seven cells, but a zero row only its units cell; rows
// beyond the second factor's digits are hidden. Each cell's visibility is set once, to
// its final value: hiding a row and showing it again would repaint the page twice.
void showCellsInUse(Form1Controls& form, int rows)
{
    const QString second = form.secondFactor()->caption();
    for (int r = 1; r <= maxRows; ++r) {
        const bool inUse = r <= rows;
        const bool zeroRow = inUse && r < rows && second.at(rows - r) == u'0';
        const auto cells = form.row(r);
        for (std::size_t i = 0; i < cells.size(); ++i)
            cells[i]->setVisible(inUse && (i == 0 || !zeroRow));
    }
}

// Expected values, zero rows, and each row placed on its notebook line: a row after
// a zero row moves up onto that row's line and continues it to the left.
void placeRows(Form1Controls& form, int rows)
{
    const QString first = form.firstFactor()->caption();
    const QString second = form.secondFactor()->caption();
    const long long firstFactor = first.toLongLong();
    for (int r = 1; r <= rows; ++r) {
        const long long digit = second.at(rows - r).digitValue();
        const long long expected = digit * firstFactor;
        form.expectedPartialProduct(r)->setCaption(QString::number(expected));

        const auto cells = form.row(r);
        if (r >= 2) {
            const int zeroRowsAbove
                = boundedInt(NumericValue(form.zeroRowCount()->caption()), 0, r - 1);
            const int top = form.rowLine(r - zeroRowsAbove)->topTwips();
            for (Cell* cell : cells)
                cell->setTopTwips(top);
        }
        if (r < rows && expected == 0) {
            form.rowLine(r)->setCaption(u"1"_s);
            form.zeroRowCount()->setCaption(
                numberText(NumericValue(form.zeroRowCount()->caption()) + 1));
        }
    }
}

// The rule above the product lies one line below the last row; when the last row
// is still on the first line, that line already reads as the product.
void placeProductRow(Form1Controls& form, int rows)
{
    const auto lastRow = form.row(rows);
    const int ruleY = lastRow[0]->topTwips() + lineSpacing;
    form.Line1->setY1Twips(ruleY);
    form.Line1->setY2Twips(ruleY);
    form.Line1->setX1Twips(lastRow[cellsPerRow - 1]->leftTwips());

    const bool productRowInUse = form.Text1[0]->topTwips() + lineSpacing != form.Line1->y1Twips();
    form.Line1->setVisible(productRowInUse);
    for (Cell* cell : form.Text7) {
        if (productRowInUse) {
            cell->setTopTwips(form.Line1->y1Twips() + productRowGap);
            cell->setText({});
        }
        cell->setVisible(productRowInUse);
    }
}

} // namespace

void Command1_Click(Form1Controls& form)
{
    const QString answer = askPupil(form);
    if (answer.isEmpty())
        return;
    form.pupil()->setCaption(fitToCharacters(answer, pupilWidth));

    form.Command1->hide();
    form.Command2->show();

    const int m = boundedInt(NumericValue(form.firstDigitCount()->caption()), minDigits, maxDigits);
    form.firstFactor()->setCaption(randomFactor(form.platform().random(), m));
    const int n
        = boundedInt(NumericValue(form.secondDigitCount()->caption()), minDigits, maxDigits);
    form.secondFactor()->setCaption(randomFactor(form.platform().random(), n));

    form.HScroll1->hide();
    form.HScroll2->hide();

    // Row 1's expected value is always written below; rows 2 to 6 only while in use.
    for (int r = 2; r <= maxRows; ++r)
        form.expectedPartialProduct(r)->setCaption({});
    for (Label* label : {form.Label12, form.Label13, form.verdict()})
        label->setCaption({});
    form.grade()->setCaption(u"10"_s);

    resetRows(form);

    form.Label12->setCaption(spacedDigits(form.firstFactor()->caption()));
    form.Label13->setCaption(spacedDigits(form.secondFactor()->caption()));

    const int rows = rowsInUse(form);
    showCellsInUse(form, rows);
    for (int r = 2; r <= rows; ++r)
        form.lastRowLeft()->setCaption(QString::number(form.row(r)[m]->leftTwips()));

    const long long product
        = form.firstFactor()->caption().toLongLong() * form.secondFactor()->caption().toLongLong();
    form.product()->setCaption(QString::number(product));
    form.rowCount()->setCaption(QString::number(rows));

    placeRows(form, rows);
    placeProductRow(form, rows);

    form.Line2->setX1Twips(form.Text1[m]->leftTwips());
    form.Image1[productRow - 1]->setTopTwips(form.Line1->y1Twips() + productRowGap);

    form.startSecond()->setCaption(
        numberText(std::floor(static_cast<double>(form.platform().clock()))));

    form.Text1[0]->giveFocus();
}

} // namespace pizarrin
