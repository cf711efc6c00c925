// "Terminar": every row read as one number and marked, the verdict, the grade, the
// time and the results line, and "MAL" leaving the page on the timer.
#include "grading/results.h"
#include "support/harness.h"

using namespace pizarrin;
using namespace pizarrin::testing;

namespace {

const QStringList right512By407 {u"Text1(0):4853"_s, u"Text3(0):8402"_s, u"Text7(0):483802"_s};

} // namespace

class TestGrading : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsEachRowAsOneNumber_data();
    void readsEachRowAsOneNumber();
    void leavesWhatItReadInTheHiddenPanel();
    void correctsTheWorkedExampleToBien();
    void lowersTheGradeDownToZero_data();
    void lowersTheGradeDownToZero();
    void alignsTheResultsLineUnderTheHeader_data();
    void alignsTheResultsLineUnderTheHeader();
    void countsTimePastMidnight();
    void keepsBienOnScreenAfterAQuickCorrection();
    void bringsBackTheListAndTheNextExercise();
    void malLeavesThePageAfterTwoSeconds();
};

void TestGrading::readsEachRowAsOneNumber_data()
{
    QTest::addColumn<qlonglong>("first");
    QTest::addColumn<qlonglong>("second");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("marks");
    QTest::addColumn<QString>("verdict");

    QTest::newRow("all empty") << 12LL << 34LL << QStringList {} << u"XX....X"_s << u"MAL"_s;
    QTest::newRow("all right, zero row empty")
        << 512LL << 407LL << right512By407 << u"TTT...T"_s << u"BIEN"_s;
    QTest::newRow("zero row holding 0")
        << 512LL << 407LL << (QStringList {u"Text2(0):0"_s} + right512By407) << u"TTT...T"_s
        << u"BIEN"_s;
    QTest::newRow("zero row holding 7")
        << 512LL << 407LL << (QStringList {u"Text2(0):7"_s} + right512By407) << u"TXT...T"_s
        << u"MAL"_s;
    QTest::newRow("digits shifted one cell left")
        << 512LL << 407LL
        << QStringList {u"Text1(1):4853"_s, u"Text3(0):8402"_s, u"Text7(0):483802"_s}
        << u"TTT...T"_s << u"BIEN"_s;
    QTest::newRow("leading zeros")
        << 512LL << 407LL
        << QStringList {u"Text1(0):48530"_s, u"Text3(0):8402"_s, u"Text7(0):4838020"_s}
        << u"TTT...T"_s << u"BIEN"_s;
    QTest::newRow("row 3 wrong") << 512LL << 407LL
                                 << QStringList {u"Text1(0):4853"_s, u"Text3(0):4802"_s,
                                        u"Text7(0):483802"_s}
                                 << u"TTX...T"_s << u"MAL"_s;
    QTest::newRow("a gap closes up: 1, empty, 5 is 15")
        << 35LL << 3LL << QStringList {u"Text1(0):5{Enter}1"_s} << u"X......"_s << u"MAL"_s;
    QTest::newRow("a letter ends the number")
        << 35LL << 3LL << QStringList {u"Text1(0):5x1"_s} << u"X......"_s << u"MAL"_s;
    QTest::newRow("a letter after the right number")
        << 35LL << 3LL << QStringList {u"Text1(0):x501"_s} << u"T......"_s << u"BIEN"_s;
    QTest::newRow("one-digit second factor: no product row")
        << 35LL << 3LL << QStringList {u"Text1(0):501"_s} << u"T......"_s << u"BIEN"_s;
    QTest::newRow("second factor 30: one line, no product row")
        << 47LL << 30LL << QStringList {u"Text2(0):141"_s} << u"TT....."_s << u"BIEN"_s;
}

void TestGrading::readsEachRowAsOneNumber()
{
    QFETCH(qlonglong, first);
    QFETCH(qlonglong, second);
    QFETCH(QStringList, entries);

    Window window;
    QVERIFY(window.open());
    window.start(first, second);
    fill(*window, entries);
    window.finish();

    QTEST(marks(*window), "marks");
    QTEST(window->verdict()->caption(), "verdict");
    QVERIFY(window->verdict()->isShown());
    QCOMPARE(
        window->errorFlag()->caption(), window->verdict()->caption() == u"MAL" ? u"1"_s : u"0"_s);
    // Marks stand beside their rows' units cells; an unused product mark keeps no picture.
    for (int k = 0; k < 6; ++k)
        QCOMPARE(window->Image1[k]->topTwips(), window->row(k + 1)[0]->topTwips());
    QCOMPARE(window->Image1[6]->topTwips(), window->Text7[0]->topTwips());
    for (const Image* mark : window->Image1)
        QCOMPARE(mark->leftTwips(), 5175);
    if (window->Text7[0]->isHidden())
        QCOMPARE(window->Image1[6]->pictureName(), QString());
}

void TestGrading::leavesWhatItReadInTheHiddenPanel()
{
    Window window;
    QVERIFY(window.open());
    window.start(512, 407);
    fill(*window, {u"Text1(1):4853"_s, u"Text3(0):4802"_s, u"Text7(0):483802"_s});
    window.finish();
    QCOMPARE(window->rowAsRead(1)->caption(), u"3584"_s);
    QCOMPARE(window->rowAsRead(2)->caption(), QString());
    QCOMPARE(window->rowAsRead(3)->caption(), u"2084"_s);
    QCOMPARE(window->rowAsRead(4)->caption(), u"Label26(3)"_s); // rows not in use are not read
    QCOMPARE(window->rowAsRead(7)->caption(), u"208384"_s);
    QCOMPARE(window->rowBeingRead()->caption(), u"208384"_s);
    QCOMPARE(window->errorFlag()->caption(), u"1"_s);
}

void TestGrading::correctsTheWorkedExampleToBien()
{
    Window window;
    QVERIFY(window.open());
    window.script->clock = 500.5F;
    window.start(512, 407);
    fill(*window, {u"Text1(0):4853"_s, u"Text3(0):4802"_s, u"Text7(0):483802"_s});
    window.finish();
    QCOMPARE(marks(*window), u"TTX...T"_s);
    QCOMPARE(window->Image1[1]->topTwips(), window->Image1[2]->topTwips());
    QCOMPARE(window->verdict()->caption(), u"MAL"_s);
    QCOMPARE(window->grade()->caption(), u"9"_s);
    QVERIFY(window->Timer1->isActive());

    // The pupil goes back to row 3 with the keyboard and rewrites its first two digits.
    QTest::mouseClick(window->Text3[1], Qt::LeftButton);
    keys(u"{Right}{Backspace}8{Backspace}4"_s);
    QCOMPARE(window->Text3[1]->text() + window->Text3[0]->text(), u"48"_s);
    window.script->clock = 595.0F;
    window.finish();
    QCOMPARE(marks(*window), u"TTT...T"_s);
    QCOMPARE(window->verdict()->caption(), u"BIEN"_s);
    QCOMPARE(window->List1->line(1), u"7 Abcd       09 (3-3) 95 s"_s);
}

void TestGrading::lowersTheGradeDownToZero_data()
{
    QTest::addColumn<int>("wrongPresses");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("inLine");
    QTest::newRow("right at the first press") << 0 << u"10"_s << u"10"_s;
    QTest::newRow("one wrong press") << 1 << u"9"_s << u"09"_s;
    QTest::newRow("ten wrong presses") << 10 << u"0"_s << u"00"_s;
    QTest::newRow("twelve wrong presses") << 12 << u"0"_s << u"00"_s;
}

void TestGrading::lowersTheGradeDownToZero()
{
    QFETCH(int, wrongPresses);
    QFETCH(QString, inLine);
    Window window;
    QVERIFY(window.open());
    window.start(35, 3);
    for (int k = 0; k < wrongPresses; ++k) {
        window.finish();
        QCOMPARE(window->grade()->caption(), QString::number(std::max(0, 9 - k)));
    }
    QTEST(window->grade()->caption(), "shown");
    fill(*window, {u"Text1(0):501"_s});
    window.finish();
    QTEST(window->grade()->caption(), "shown");
    QCOMPARE(window->List1->line(1).mid(13, 2), inLine);
}

void TestGrading::alignsTheResultsLineUnderTheHeader_data()
{
    QTest::addColumn<QString>("pupil");
    QTest::addColumn<float>("begin");
    QTest::addColumn<float>("end");
    QTest::addColumn<QString>("line");
    QTest::newRow("short name") << u"7 Abcd"_s << 1000.5F << 1095.9F
                                << u"7 Abcd       10 (2-1) 95 s"_s;
    QTest::newRow("twelve characters, four-digit time")
        << u"Ana Martínez"_s << 1000.5F << 2234.0F << u"Ana Martínez 10 (2-1) 1234 s"_s;
    QTest::newRow("longer name is cut")
        << u"Bartolomé de las Casas"_s << 1000.5F << 1000.999F << u"Bartolomé de 10 (2-1) 0 s"_s;
    QTest::newRow("the same whole second")
        << u"7 Abcd"_s << 1000.0F << 1000.0F << u"7 Abcd       10 (2-1) 0 s"_s;
    QTest::newRow("a name with a percent sign is text")
        << u"%1 %2"_s << 1000.0F << 1000.0F << u"%1 %2        10 (2-1) 0 s"_s;
}

void TestGrading::alignsTheResultsLineUnderTheHeader()
{
    QFETCH(QString, pupil);
    QFETCH(float, begin);
    QFETCH(float, end);
    Window window;
    QVERIFY(window.open());
    window.script->clock = begin;
    window.start(35, 3, pupil);
    fill(*window, {u"Text1(0):501"_s});
    window.script->clock = end;
    window.finish();

    QCOMPARE(window->List1->count(), 2);
    const QString header = window->List1->line(0);
    const QString line = window->List1->line(1);
    QTEST(line, "line");
    QCOMPARE(header, resultsHeader);
    QCOMPARE(header.indexOf(u"Nota"), 12);
    QCOMPARE(header.indexOf(u"Dif."), 17);
    QCOMPARE(header.indexOf(u"Tiempo"), 22);
    QCOMPARE(line.mid(16, 5), u"(2-1)"_s);
}

void TestGrading::countsTimePastMidnight()
{
    Window window;
    QVERIFY(window.open());
    window.script->clock = 86390.5F;
    window.start(35, 3);
    QCOMPARE(window->startSecond()->caption(), u"86390"_s);
    fill(*window, {u"Text1(0):501"_s});
    window.script->clock = 15.25F;
    window.finish();
    QCOMPARE(window->startSecond()->caption(), u"25"_s);
    QVERIFY(window->List1->line(1).endsWith(u" 25 s"_s));
}

void TestGrading::keepsBienOnScreenAfterAQuickCorrection()
{
    Window window;
    QVERIFY(window.open());
    window.start(35, 3);
    window.finish();
    QVERIFY(window->Timer1->isActive());
    fill(*window, {u"Text1(0):501"_s});
    window.finish();
    QCOMPARE(window->verdict()->caption(), u"BIEN"_s);
    QVERIFY(!window->Timer1->isActive());
    QVERIFY(window->verdict()->isShown());
}

void TestGrading::bringsBackTheListAndTheNextExercise()
{
    Window window;
    QVERIFY(window.open());
    window.start(512, 407);
    QTest::mouseClick(window->Command3, Qt::LeftButton);
    QVERIFY(window->List1->isHidden());
    fill(*window, right512By407);
    window.finish();

    QVERIFY(window->List1->isShown());
    QCOMPARE(window->List1->count(), 2);
    QVERIFY(window->Command1->isShown());
    QVERIFY(window->Command2->isHidden());
    QVERIFY(window->HScroll1->isShown());
    QVERIFY(window->HScroll2->isShown());
    // The finished worksheet stays on the page with its marks until the next start.
    QCOMPARE(marks(*window), u"TTT...T"_s);
    QCOMPARE(window->Text1[3]->text(), u"3"_s);

    window.start(21, 43, u"Luis"_s);
    QCOMPARE(marks(*window), u"......."_s);
    QCOMPARE(window->verdict()->caption(), QString());
    QCOMPARE(window->grade()->caption(), u"10"_s);
}

void TestGrading::malLeavesThePageAfterTwoSeconds()
{
    Window window;
    QVERIFY(window.open());
    window.start(35, 3);
    window.finish();
    QCOMPARE(window->verdict()->caption(), u"MAL"_s);
    QVERIFY(window->verdict()->isShown());
    QCOMPARE(window->Timer1->interval(), 2000);
    QTRY_VERIFY_WITH_TIMEOUT(window->verdict()->isHidden(), 3000);
    QVERIFY(!window->Timer1->isActive());
}

QTEST_MAIN(TestGrading)
#include "tst_grading.moc"
