// The page before and at "Empezar": the digit-count scroll bars, the pupil prompt, the
// factors and the notebook page laid out for them.
#include "support/harness.h"
#include "window/worksheet.h"

#include <QRandomGenerator>

using namespace pizarrin;
using namespace pizarrin::testing;

class TestStart : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void keepsTwelveCharactersOfThePupilsAnswer_data();
    void keepsTwelveCharactersOfThePupilsAnswer();
    void showsAnEmptyAnswerWhileAskingAgain();
    void stopsAskingWhenTheWindowCloses();
    void stopsAskingWhenTheApplicationQuits();
    void laysOutThePage_data();
    void laysOutThePage();
    void switchesToTheExerciseState();
    void showsAnEmptyProductRowAfterOneThatWasHidden();
    void drawsFactorsOfTheChosenLengthsWhoseRowsAddUp();
    void scrollBarsPrepareThePage_data();
    void scrollBarsPrepareThePage();
};

void TestStart::keepsTwelveCharactersOfThePupilsAnswer_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("pupil");

    QTest::newRow("five padded with seven spaces") << QStringList {u"Maria"_s} << u"Maria       "_s;
    QTest::newRow("nineteen cut to twelve")
        << QStringList {u"1234567890123456789"_s} << u"123456789012"_s;
    QTest::newRow("exactly twelve unchanged")
        << QStringList {u"Ana Martínez"_s} << u"Ana Martínez"_s;
    QTest::newRow("a single space") << QStringList {u" "_s} << QString(12, u' ');
    QTest::newRow("empty and cancelled ask again")
        << QStringList {u""_s, QString(), u"7 Abcd"_s} << u"7 Abcd      "_s;
    QTest::newRow("emoji as the twelfth character")
        << QStringList {u"ABCDEFGHIJK\U0001F600Z"_s} << u"ABCDEFGHIJK\U0001F600"_s;
    QTest::newRow("emoji as the thirteenth character")
        << QStringList {u"ABCDEFGHIJKL\U0001F600"_s} << u"ABCDEFGHIJKL"_s;
    QTest::newRow("combining accent on the twelfth character")
        << QStringList {u"ABCDEFGHIJKe\u0301Z"_s} << u"ABCDEFGHIJKe\u0301"_s;
    QTest::newRow("emoji padded by characters")
        << QStringList {u"\U0001F600"_s} << u"\U0001F600"_s + QString(11, u' ');
    QTest::newRow("markup shows as typed") << QStringList {u"<i>Ana</i>"_s} << u"<i>Ana</i>  "_s;
}

void TestStart::keepsTwelveCharactersOfThePupilsAnswer()
{
    QFETCH(QStringList, answers);
    Window window;
    window.script->answers = answers;
    QTest::mouseClick(window->Command1, Qt::LeftButton);

    QTEST(window->pupil()->caption(), "pupil");
    // Shown as typed: "<i>" is three characters on screen, never italics.
    QCOMPARE(window->pupil()->textFormat(), Qt::PlainText);
    QCOMPARE(window.script->prompts.size(), answers.size());
    for (const Prompt& prompt : window.script->prompts) {
        QCOMPARE(prompt.message, u"Entra tu número y nombre"_s);
        QCOMPARE(prompt.title, u"ATENCIÓN"_s);
        QVERIFY(!prompt.secret);
    }
}

void TestStart::showsAnEmptyAnswerWhileAskingAgain()
{
    Window window;
    window.script->answers = {u""_s, u"Luis"_s};
    QStringList seen;
    window.script->onPrompt = [&] {
        seen << window->pupil()->caption();
        // Nothing else has changed while the pupil is still being asked.
        QVERIFY(window->Command1->isShown());
        QVERIFY(window->HScroll1->isShown());
        QCOMPARE(window->firstFactor()->caption(), u"Label1"_s);
    };
    QTest::mouseClick(window->Command1, Qt::LeftButton);
    QCOMPARE(seen, (QStringList {u"Nombre"_s, u""_s}));
    QCOMPARE(window->pupil()->caption(), u"Luis        "_s);
}

void TestStart::stopsAskingWhenTheWindowCloses()
{
    Window window;
    QVERIFY(window.open());
    window.script->answers = {u""_s, u""_s, u"Luis"_s};
    window.script->onPrompt = [&] { window->close(); };
    QTest::mouseClick(window->Command1, Qt::LeftButton);
    QCOMPARE(window.script->prompts.size(), 1);
    QVERIFY(window->Command1->isShown());
    QVERIFY(window->Command2->isHidden());
}

void TestStart::stopsAskingWhenTheApplicationQuits()
{
    Window window;
    QVERIFY(window.open());
    window.script->answers = {u""_s, u""_s, u"Luis"_s};
    window.script->onPrompt = [] { QCoreApplication::quit(); };
    QTimer::singleShot(
        0, window.form.get(), [&] { QTest::mouseClick(window->Command1, Qt::LeftButton); });
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); }); // a hang fails, not blocks
    QCOMPARE(QCoreApplication::exec(), 0);
    QCOMPARE(window.script->prompts.size(), 1);
    QVERIFY(window->Command2->isHidden());
}

// One exercise's page after "Empezar", field by field.
struct Page {
    long long first = 0;
    long long second = 0;
    QStringList shown; // rows 1 to 6, units cell first
    QList<int> tops; // rows 1 to 6
    QString zeroFlags; // Label24(0) to Label24(5)
    QStringList expected; // Label5 to Label10
    QString product;
    int ruleY = 0;
    bool productRowShown = false;
    int ruleLeft = 0;
    int factorRuleLeft = 0;
    QString lastRowLeft;
};

void TestStart::laysOutThePage_data()
{
    QTest::addColumn<Page>("page");

    const QString all = u"1111111"_s;
    const QString zero = u"1000000"_s;
    const QString none = u"0000000"_s;
    const QList<int> home {1210, 1810, 2410, 3010, 3610, 4210};

    QTest::newRow("1 x 1") << Page {.first = 7,
        .second = 8,
        .shown = {all, none, none, none, none, none},
        .tops = home,
        .zeroFlags = u"000000"_s,
        .expected = {u"56"_s, {}, {}, {}, {}, {}},
        .product = u"56"_s,
        .ruleY = 1810,
        .productRowShown = false,
        .ruleLeft = 2770,
        .factorRuleLeft = 4495,
        .lastRowLeft = u"0"_s};
    QTest::newRow("512 x 407") << Page {.first = 512,
        .second = 407,
        .shown = {all, zero, all, none, none, none},
        .tops = {1210, 1810, 1810, 3010, 3610, 4210},
        .zeroFlags = u"010000"_s,
        .expected = {u"3584"_s, u"0"_s, u"2048"_s, {}, {}, {}},
        .product = u"208384"_s,
        .ruleY = 2410,
        .productRowShown = true,
        .ruleLeft = 2080,
        .factorRuleLeft = 3805,
        .lastRowLeft = u"3115"_s};
    QTest::newRow("47 x 30") << Page {.first = 47,
        .second = 30,
        .shown = {zero, all, none, none, none, none},
        .tops = {1210, 1210, 2410, 3010, 3610, 4210},
        .zeroFlags = u"100000"_s,
        .expected = {u"0"_s, u"141"_s, {}, {}, {}, {}},
        .product = u"1410"_s,
        .ruleY = 1810,
        .productRowShown = false,
        .ruleLeft = 2425,
        .factorRuleLeft = 4150,
        .lastRowLeft = u"3805"_s};
    QTest::newRow("123 x 300") << Page {.first = 123,
        .second = 300,
        .shown = {zero, zero, all, none, none, none},
        .tops = {1210, 1210, 1210, 3010, 3610, 4210},
        .zeroFlags = u"110000"_s,
        .expected = {u"0"_s, u"0"_s, u"369"_s, {}, {}, {}},
        .product = u"36900"_s,
        .ruleY = 1810,
        .productRowShown = false,
        .ruleLeft = 2080,
        .factorRuleLeft = 3805,
        .lastRowLeft = u"3115"_s};
    QTest::newRow("1234 x 2030, zero rows apart") << Page {.first = 1234,
        .second = 2030,
        .shown = {zero, all, zero, all, none, none},
        .tops = {1210, 1210, 1810, 1810, 3610, 4210},
        .zeroFlags = u"101000"_s,
        .expected = {u"0"_s, u"3702"_s, u"0"_s, u"2468"_s, {}, {}},
        .product = u"2505020"_s,
        .ruleY = 2410,
        .productRowShown = true,
        .ruleLeft = 1735,
        .factorRuleLeft = 3460,
        .lastRowLeft = u"2425"_s};
    QTest::newRow("6 x 6") << Page {.first = 987654,
        .second = 123456,
        .shown = {all, all, all, all, all, all},
        .tops = home,
        .zeroFlags = u"000000"_s,
        .expected
        = {u"5925924"_s, u"4938270"_s, u"3950616"_s, u"2962962"_s, u"1975308"_s, u"987654"_s},
        .product = u"121931812224"_s,
        .ruleY = 4810,
        .productRowShown = true,
        .ruleLeft = 1045,
        .factorRuleLeft = 2770,
        .lastRowLeft = u"1045"_s};
}

void TestStart::laysOutThePage()
{
    QFETCH(Page, page);

    Window window;
    QVERIFY(window.open());
    window.script->clock = 4000.75F;
    window.start(page.first, page.second);

    for (int r = 1; r <= 6; ++r) {
        QCOMPARE(shownCells(*window, r), page.shown[r - 1]);
        for (const Cell* cell : window->row(r))
            QCOMPARE(cell->topTwips(), page.tops[r - 1]);
    }
    QString flags;
    for (int r = 1; r <= maxRows; ++r)
        flags += window->rowLine(r)->caption();
    QCOMPARE(flags, page.zeroFlags);
    QCOMPARE(window->zeroRowCount()->caption(), QString::number(flags.count(u'1')));
    for (int r = 1; r <= maxRows; ++r)
        QCOMPARE(window->expectedPartialProduct(r)->caption(), page.expected[r - 1]);

    QCOMPARE(window->firstFactor()->caption(), QString::number(page.first));
    QCOMPARE(window->secondFactor()->caption(), QString::number(page.second));
    QCOMPARE(window->product()->caption(), page.product);
    QCOMPARE(window->rowCount()->caption(), QString::number(digitCount(page.second)));
    QCOMPARE(window->lastRowLeft()->caption(), page.lastRowLeft);

    QCOMPARE(window->Line1->y1Twips(), page.ruleY);
    QCOMPARE(window->Line1->y2Twips(), page.ruleY);
    QCOMPARE(window->Line1->x1Twips(), page.ruleLeft);
    QCOMPARE(window->Line1->x2Twips(), 5190);
    QCOMPARE(window->Line1->isShown(), page.productRowShown);
    QCOMPARE(window->Line2->x1Twips(), page.factorRuleLeft);
    QCOMPARE(window->Image1[6]->topTwips(), page.ruleY + 30);
    for (const Cell* cell : window->Text7) {
        QCOMPARE(cell->isShown(), page.productRowShown);
        if (page.productRowShown)
            QCOMPARE(cell->topTwips(), page.ruleY + 30);
    }

    QString spaced;
    for (QChar digit : QString::number(page.second))
        spaced += u' ' + QString(digit);
    QCOMPARE(window->Label13->caption(), spaced);
    QCOMPARE(window->startSecond()->caption(), u"4000"_s);
    QCOMPARE(focusName(), u"Text1(0)"_s);
}

void TestStart::switchesToTheExerciseState()
{
    Window window;
    QVERIFY(window.open());
    window.start(512, 407);
    QVERIFY(window->Command1->isHidden());
    QVERIFY(window->Command2->isShown());
    QVERIFY(window->HScroll1->isHidden());
    QVERIFY(window->HScroll2->isHidden());
    QCOMPARE(window->Label12->caption(), u" 5 1 2"_s);
    QCOMPARE(window->Label13->caption(), u" 4 0 7"_s);
    QCOMPARE(window->grade()->caption(), u"10"_s);
    QCOMPARE(window->verdict()->caption(), QString());
    for (const Image* mark : window->Image1)
        QVERIFY(mark->isHidden());
    // The results list, the hidden panel and the timer are not the set-up's business.
    QCOMPARE(window->List1->count(), 1);
    QVERIFY(window->Picture1->isHidden());
}

void TestStart::showsAnEmptyProductRowAfterOneThatWasHidden()
{
    Window window;
    QVERIFY(window.open());
    window.start(12, 34); // rows 48 and 36, product 408
    fill(*window, {u"Text1(0):84"_s, u"Text2(0):63"_s, u"Text7(0):804"_s});
    window.finish();
    QVERIFY(window->Command1->isShown());

    window.start(47, 30); // one line of partial products: no product row
    QVERIFY(window->Text7[0]->isHidden());
    QCOMPARE(window->Text7[2]->text(), u"4"_s); // left behind, hidden and unread
    fill(*window, {u"Text1(0):0"_s, u"Text2(0):141"_s});
    window.finish();
    QVERIFY(window->Command1->isShown());

    window.start(21, 43);
    QVERIFY(window->Line1->isShown());
    for (const Cell* cell : window->Text7) {
        QVERIFY(cell->isShown());
        QVERIFY(cell->text().isEmpty());
    }
}

void TestStart::drawsFactorsOfTheChosenLengthsWhoseRowsAddUp()
{
    Window window;
    QRandomGenerator generator(20261208);
    for (int m = 1; m <= 6; ++m) {
        for (int n = 1; n <= 6; ++n) {
            window->HScroll1->setValue(m);
            window->HScroll2->setValue(n);
            for (int draw = 0; draw < 25; ++draw) {
                // Both ends of the generator's range, then ordinary draws.
                const float r1 = draw == 0 ? 0.0F
                    : draw == 1            ? 0.99999994F
                                           : float(generator.generateDouble());
                const float r2 = draw == 0 ? 0.99999994F
                    : draw == 1            ? 0.0F
                                           : float(generator.generateDouble());
                window.script->randoms = {r1, r2};
                window->Command1->click();

                const QString first = window->firstFactor()->caption();
                const QString second = window->secondFactor()->caption();
                QCOMPARE(first.size(), m);
                QCOMPARE(second.size(), n);
                QVERIFY(first.front() != u'0' && second.front() != u'0');
                const long long product = first.toLongLong() * second.toLongLong();
                QCOMPARE(window->product()->caption(), QString::number(product));
                const std::array expectedLabels {window->expectedPartialProduct(1),
                    window->expectedPartialProduct(2), window->expectedPartialProduct(3),
                    window->expectedPartialProduct(4), window->expectedPartialProduct(5),
                    window->expectedPartialProduct(6)};
                long long sum = 0;
                long long place = 1;
                for (int r = 1; r <= n; ++r, place *= 10) {
                    sum += expectedLabels[r - 1]->caption().toLongLong() * place;
                    const bool zero = second[n - r] == u'0';
                    QCOMPARE(window->rowLine(r)->caption(), zero ? u"1"_s : u"0"_s);
                }
                QCOMPARE(sum, product);
                // The product row is in use exactly when the rows take more than one line.
                QCOMPARE(window->Text7[0]->isShown(), window->row(n)[0]->topTwips() != 1210);
            }
        }
    }
}

void TestStart::scrollBarsPrepareThePage_data()
{
    QTest::addColumn<QList<int>>("firstMoves");
    QTest::addColumn<QList<int>>("secondMoves");
    QTest::addColumn<QString>("firstDisplay");
    QTest::addColumn<QString>("secondDisplay");
    QTest::addColumn<int>("signLeft");
    QTest::addColumn<int>("ruleY");
    QTest::addColumn<bool>("ruleShown");

    const QString designFirst = u"? ? ? ? ? ?"_s;
    const QString designSecond = u"? ? ?"_s;
    QTest::newRow("design state") << QList<int> {} << QList<int> {} << designFirst << designSecond
                                  << 3825 << 2995 << true;
    QTest::newRow("first to 1 leaves the rest")
        << QList<int> {1} << QList<int> {} << u" ?"_s << designSecond << 3825 << 2995 << true;
    QTest::newRow("first to 1 and back to 6")
        << QList<int> {1, 6} << QList<int> {} << u" ? ? ? ? ? ?"_s << designSecond << 3825 << 2995
        << true;
    QTest::newRow("second to 1 hides the rule")
        << QList<int> {} << QList<int> {1} << designFirst << u" ?"_s << 4495 << 1800 << false;
    QTest::newRow("second to 1 then 2 shows it")
        << QList<int> {} << QList<int> {1, 2} << designFirst << u" ? ?"_s << 4150 << 2400 << true;
    QTest::newRow("second back to 3")
        << QList<int> {} << QList<int> {4, 3} << designFirst << u" ? ? ?"_s << 3805 << 3000 << true;
    QTest::newRow("second to 6") << QList<int> {} << QList<int> {6} << designFirst
                                 << u" ? ? ? ? ? ?"_s << 2770 << 4800 << true;
    QTest::newRow("both moved") << QList<int> {2} << QList<int> {5} << u" ? ?"_s << u" ? ? ? ? ?"_s
                                << 3115 << 4200 << true;
}

void TestStart::scrollBarsPrepareThePage()
{
    QFETCH(QList<int>, firstMoves);
    QFETCH(QList<int>, secondMoves);
    Window window;
    for (int value : firstMoves)
        window->HScroll1->setValue(value);
    for (int value : secondMoves)
        window->HScroll2->setValue(value);

    QTEST(window->Label12->caption(), "firstDisplay");
    QTEST(window->Label13->caption(), "secondDisplay");
    QTEST(window->Label23->leftTwips(), "signLeft");
    QTEST(window->Line1->y1Twips(), "ruleY");
    QTEST(window->Line1->y2Twips(), "ruleY");
    QTEST(window->Line1->isShown(), "ruleShown");
    QCOMPARE(window->Line1->x1Twips(), 360);
    if (!firstMoves.isEmpty())
        QCOMPARE(window->firstDigitCount()->caption(), QString::number(firstMoves.last()));
    if (!secondMoves.isEmpty())
        QCOMPARE(window->secondDigitCount()->caption(), QString::number(secondMoves.last()));
}

QTEST_MAIN(TestStart)
#include "tst_start.moc"
