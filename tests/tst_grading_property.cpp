// For random exercises of every digit-count pair: the right digits, typed as a pupil
// types them, give "BIEN" at the first press; one wrong digit gives "MAL" and a cross on
// exactly its row, and correcting it gives "BIEN" with one point less.
#include "support/harness.h"

#include <QRandomGenerator>

using namespace pizarrin;
using namespace pizarrin::testing;

namespace {

struct Row {
    int r = 0; // 1 to 6, or 7 for the product row
    QString digits;
};

// The rows as the pupil must write them, worked out here from the factors alone.
QList<Row> rightRows(long long first, long long second, bool productRow)
{
    QList<Row> rows;
    const QString secondDigits = QString::number(second);
    for (int r = 1; r <= secondDigits.size(); ++r) {
        const long long digit = secondDigits[secondDigits.size() - r].digitValue();
        rows.append({r, QString::number(digit * first)});
    }
    if (productRow)
        rows.append({7, QString::number(first * second)});
    return rows;
}

long long randomFactor(QRandomGenerator& generator, int digits)
{
    long long low = 1;
    for (int d = 1; d < digits; ++d)
        low *= 10;
    // A six-digit factor is at most 999998, the largest the set-up can draw.
    const long long high = digits == 6 ? 999998 : low * 10 - 1;
    return low + generator.bounded(high - low + 1);
}

} // namespace

class TestGradingProperty : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void rightDigitsPassAndOneWrongDigitFailsItsRow();
};

void TestGradingProperty::rightDigitsPassAndOneWrongDigitFailsItsRow()
{
    QRandomGenerator generator(4071512);
    Window window;
    QVERIFY(window.open());
    int exercises = 0;
    for (int m = 1; m <= 6; ++m) {
        for (int n = 1; n <= 6; ++n) {
            for (int k = 0; k < 6; ++k, ++exercises) {
                const long long first = randomFactor(generator, m);
                const long long second = randomFactor(generator, n);
                window.start(first, second);
                QCOMPARE(window->firstFactor()->caption(), QString::number(first));
                QCOMPARE(window->secondFactor()->caption(), QString::number(second));

                const QList<Row> rows = rightRows(first, second, window->Text7[0]->isShown());
                const bool spoil = k % 2 == 1;
                const Row& spoiled = rows[generator.bounded(int(rows.size()))];
                const int place = generator.bounded(int(spoiled.digits.size()));
                for (const Row& row : rows) {
                    QString digits = row.digits;
                    if (spoil && row.r == spoiled.r) {
                        const int right = digits[place].digitValue();
                        digits[place] = QChar(u'0' + (right + 1 + generator.bounded(9)) % 10);
                    }
                    fill(*window, {writing(window->row(row.r)[0], digits)});
                }
                window.finish();
                const QString context = u"%1 x %2"_s.arg(first).arg(second);
                if (!spoil) {
                    QVERIFY2(window->verdict()->caption() == u"BIEN", qPrintable(context));
                    QCOMPARE(window->grade()->caption(), u"10"_s);
                    continue;
                }
                QVERIFY2(window->verdict()->caption() == u"MAL", qPrintable(context));
                for (const Row& row : rows) {
                    const Image* mark = window->Image1[row.r - 1];
                    QVERIFY(mark->isShown());
                    QCOMPARE(mark->pictureName(), row.r == spoiled.r ? u"Image3"_s : u"Image2"_s);
                }

                // The pupil goes back to the wrong digit and writes the right one.
                Cell* cell = window->row(spoiled.r)[spoiled.digits.size() - 1 - place];
                QTest::mouseClick(cell, Qt::LeftButton);
                QTest::keyClick(cell, Qt::Key_End);
                QTest::keyClick(cell, Qt::Key_Backspace);
                QTest::keyClick(cell, spoiled.digits[place].toLatin1());
                window.finish();
                QVERIFY2(window->verdict()->caption() == u"BIEN", qPrintable(context));
                QCOMPARE(window->grade()->caption(), u"9"_s);
            }
        }
    }
    QCOMPARE(exercises, 216);
    QCOMPARE(window->List1->count(), 1 + exercises);
}

QTEST_MAIN(TestGradingProperty)
#include "tst_grading_property.moc"
