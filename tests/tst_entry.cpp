// Typing into the answer cells and moving between them, through real key events on
// whichever cell has the focus.
#include "support/harness.h"

#include <QClipboard>
#include <QInputMethodEvent>

using namespace pizarrin;
using namespace pizarrin::testing;

class TestEntry : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void typingKeepsOneCharacterAndMovesOn_data();
    void typingKeepsOneCharacterAndMovesOn();
    void arrowsMoveBetweenCells_data();
    void arrowsMoveBetweenCells();
    void anyEditLeavingTwoCharactersEmptiesTheCell();
    void inputMethodTextIsTypedToo();
    void focusOnlyGoesToShownCells();
    void workedExample123By204();
    void overviewWalk512By407();
};

void TestEntry::typingKeepsOneCharacterAndMovesOn_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QStringList>("texts"); // "Text1(0)=4"

    QTest::newRow("a digit moves left")
        << u"Text1(0):4"_s << u"Text1(1)"_s << QStringList {u"Text1(0)=4"_s};
    QTest::newRow("a character into a filled cell empties it and moves on")
        << u"Text1(0):4{Right}5"_s << u"Text1(1)"_s << QStringList {u"Text1(0)="_s};
    QTest::newRow("cell 6 keeps the focus")
        << u"Text1(6):7"_s << u"Text1(6)"_s << QStringList {u"Text1(6)=7"_s};
    QTest::newRow("a second character in cell 6 empties it")
        << u"Text1(6):78"_s << u"Text1(6)"_s << QStringList {u"Text1(6)="_s};
    QTest::newRow("product cell 12 keeps the focus")
        << u"Text7(12):1"_s << u"Text7(12)"_s << QStringList {u"Text7(12)=1"_s};
    QTest::newRow("product cells walk left")
        << u"Text7(0):48"_s << u"Text7(2)"_s << QStringList {u"Text7(0)=4"_s, u"Text7(1)=8"_s};
    QTest::newRow("backspace deletes without moving")
        << u"Text1(0):4{Right}{Backspace}"_s << u"Text1(0)"_s << QStringList {u"Text1(0)="_s};
    QTest::newRow("backspace in a zero row deletes there and moves on")
        << u"Text2(0):0{Up}{Backspace}"_s << u"Text3(0)"_s << QStringList {u"Text2(0)="_s};
    QTest::newRow("delete acts in the cell")
        << u"Text1(0):4{Right}{Home}{Delete}"_s << u"Text1(0)"_s << QStringList {u"Text1(0)="_s};
    QTest::newRow("enter skips a cell")
        << u"Text1(0):{Enter}5"_s << u"Text1(2)"_s << QStringList {u"Text1(0)="_s, u"Text1(1)=5"_s};
    QTest::newRow("letters and punctuation stay")
        << u"Text1(0):a, -"_s << u"Text1(4)"_s
        << QStringList {u"Text1(0)=a"_s, u"Text1(1)=,"_s, u"Text1(2)= "_s, u"Text1(3)=-"_s};
    QTest::newRow("an emoji is one character")
        << u"Text1(0):\U0001F600"_s << u"Text1(1)"_s << QStringList {u"Text1(0)=\U0001F600"_s};
    QTest::newRow("a zero row sends any character on")
        << u"Text2(0):x"_s << u"Text3(0)"_s << QStringList {u"Text2(0)=x"_s};
    QTest::newRow("tab into a filled cell selects nothing")
        << u"Text1(0):4{Tab}5"_s << u"Text1(1)"_s << QStringList {u"Text1(0)="_s};
}

void TestEntry::typingKeepsOneCharacterAndMovesOn()
{
    QFETCH(QString, input);
    QFETCH(QStringList, texts);

    Window window;
    QVERIFY(window.open());
    window.start(512, 407);
    fill(*window, {input});

    QTEST(focusName(), "focus");
    for (const QString& expected : texts) {
        const QString name = expected.section(u'=', 0, 0);
        QCOMPARE(cellNamed(*window, name)->text(), expected.section(u'=', 1));
    }
}

void TestEntry::arrowsMoveBetweenCells_data()
{
    QTest::addColumn<qlonglong>("first");
    QTest::addColumn<qlonglong>("second");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("focus");

    auto row = [](const char* tag, qlonglong first, qlonglong second, const char* start,
                   const char* key, const char* focus) {
        QTest::newRow(tag) << first << second << QString::fromLatin1(start)
                           << QString::fromLatin1(key) << QString::fromLatin1(focus);
    };
    // 512 x 407: row 2 is a zero row, row 3 continues its line, the product row is shown.
    row("left along a row", 512, 407, "Text1(0)", "{Left}", "Text1(1)");
    row("right along a row", 512, 407, "Text1(3)", "{Right}", "Text1(2)");
    row("right in cell 0 stays", 512, 407, "Text1(0)", "{Right}", "Text1(0)");
    row("left in cell 6 stays", 512, 407, "Text3(6)", "{Left}", "Text3(6)");
    row("left in product cell 12 stays", 512, 407, "Text7(12)", "{Left}", "Text7(12)");
    row("shift+left acts as left", 512, 407, "Text7(3)", "{Shift+Left}", "Text7(4)");
    row("up in a normal row 1 stays", 512, 407, "Text1(2)", "{Up}", "Text1(2)");
    row("down from row 1 into a zero row's units", 512, 407, "Text1(0)", "{Down}", "Text2(0)");
    row("down from row 1 over a zero row stays", 512, 407, "Text1(2)", "{Down}", "Text1(2)");
    row("up into a zero row beside its cell stays", 512, 407, "Text3(2)", "{Up}", "Text3(2)");
    row("down from the last row to the product row", 512, 407, "Text3(4)", "{Down}", "Text7(4)");
    row("down in the product row stays", 512, 407, "Text7(3)", "{Down}", "Text7(3)");
    row("up from the product row to the last row", 512, 407, "Text7(3)", "{Up}", "Text3(3)");
    row("right in a zero row moves on", 512, 407, "Text2(0)", "{Right}", "Text3(0)");
    row("left in a zero row moves on", 512, 407, "Text2(0)", "{Left}", "Text3(0)");
    row("delete in a zero row moves on", 512, 407, "Text2(0)", "{Delete}", "Text3(0)");
    row("up from a zero row 2", 512, 407, "Text2(0)", "{Up}", "Text1(0)");
    // 47 x 30: row 1 is a zero row, row 2 shares its line; no product row.
    row("up in a zero row 1 moves on", 47, 30, "Text1(0)", "{Up}", "Text2(0)");
    row("up from row 2 over a zero row 1 stays", 47, 30, "Text2(3)", "{Up}", "Text2(3)");
    row("down from the last row without product row stays", 47, 30, "Text2(3)", "{Down}",
        "Text2(3)");
    // 1234 x 2030: row 3 is a zero row between rows 2 and 4.
    row("down over a zero row falls to the product row", 1234, 2030, "Text2(2)", "{Down}",
        "Text7(2)");
    row("down from row 2 into a zero row's units", 1234, 2030, "Text2(0)", "{Down}", "Text3(0)");
    // 1234 x 1111: four rows, no zero row.
    row("up from product cell 9 lands on cell 6 of row 4", 1234, 1111, "Text7(9)", "{Up}",
        "Text4(6)");
    row("down keeps the index, not the column", 1234, 1111, "Text2(3)", "{Down}", "Text3(3)");
    // 6 x 6: the sixth row.
    row("down from row 6 to the product row", 987654, 123456, "Text6(2)", "{Down}", "Text7(2)");
    row("up from row 6", 987654, 123456, "Text6(2)", "{Up}", "Text5(2)");
}

void TestEntry::arrowsMoveBetweenCells()
{
    QFETCH(qlonglong, first);
    QFETCH(qlonglong, second);
    QFETCH(QString, start);
    QFETCH(QString, key);

    Window window;
    QVERIFY(window.open());
    window.start(first, second);
    Cell* cell = cellNamed(*window, start);
    QVERIFY(cell->isShown());
    QTest::mouseClick(cell, Qt::LeftButton);
    QCOMPARE(focusName(), start);
    keys(key);
    QTEST(focusName(), "focus");
}

void TestEntry::anyEditLeavingTwoCharactersEmptiesTheCell()
{
    Window window;
    QVERIFY(window.open());
    window.start(512, 407);

    QGuiApplication::clipboard()->setText(u"12"_s);
    keys(u"{Paste}"_s);
    QCOMPARE(window->Text1[0]->text(), QString());

    QGuiApplication::clipboard()->setText(u"7"_s);
    QTest::mouseClick(window->Text1[3], Qt::LeftButton);
    keys(u"{Paste}"_s);
    QCOMPARE(window->Text1[3]->text(), u"7"_s);

    // Text put there by the program, by undo or by a drop counts the same.
    window->Text1[4]->setText(u"34"_s);
    QCOMPARE(window->Text1[4]->text(), QString());
    window->Text1[4]->insert(u"ab"_s);
    QCOMPARE(window->Text1[4]->text(), QString());
    window->Text1[5]->setText(u"e\u0301"_s); // one letter with its accent
    QCOMPARE(window->Text1[5]->text(), u"e\u0301"_s);
}

void TestEntry::inputMethodTextIsTypedToo()
{
    Window window;
    QVERIFY(window.open());
    window.start(512, 407);

    QInputMethodEvent composing(u"´"_s, {});
    QCoreApplication::sendEvent(focused(), &composing);
    QCOMPARE(focusName(), u"Text1(0)"_s); // still composing: nothing typed yet
    QInputMethodEvent committed;
    committed.setCommitString(u"e\u0301"_s);
    QCoreApplication::sendEvent(focused(), &committed);
    QCOMPARE(window->Text1[0]->text(), u"e\u0301"_s);
    QCOMPARE(focusName(), u"Text1(1)"_s);

    // In a zero row a composed character moves on like a typed one: row 2 of 512 x 407,
    // and row 5 of 12 x 102345.
    auto commitInZeroRow = [](Cell* zeroRowCell) {
        QTest::mouseClick(zeroRowCell, Qt::LeftButton);
        QInputMethodEvent zero;
        zero.setCommitString(u"ñ"_s);
        QCoreApplication::sendEvent(focused(), &zero);
        return zeroRowCell->text();
    };
    QCOMPARE(commitInZeroRow(window->Text2[0]), u"ñ"_s);
    QCOMPARE(focusName(), u"Text3(0)"_s);
    window.start(12, 102345);
    QCOMPARE(commitInZeroRow(window->Text5[0]), u"ñ"_s);
    QCOMPARE(focusName(), u"Text6(0)"_s);
}

void TestEntry::focusOnlyGoesToShownCells()
{
    // Row 2 is the last row and has no row 3 beneath: a zero-row flag left on it by
    // hand must not send the focus into a hidden cell.
    Window window;
    QVERIFY(window.open());
    window.start(12, 34);
    window->rowLine(2)->setCaption(u"1"_s);
    QTest::mouseClick(window->Text2[2], Qt::LeftButton);
    keys(u"5"_s);
    QCOMPARE(focusName(), u"Text2(2)"_s);
    QCOMPARE(window->Text2[2]->text(), u"5"_s);
}

void TestEntry::workedExample123By204()
{
    Window window;
    QVERIFY(window.open());
    window.start(123, 204);
    QCOMPARE(focusName(), u"Text1(0)"_s);

    const QList<std::pair<QString, QString>> steps {
        {u"2"_s, u"Text1(1)"_s},
        {u"9"_s, u"Text1(2)"_s},
        {u"4"_s, u"Text1(3)"_s},
        {u"{Right}"_s, u"Text1(2)"_s},
        {u"{Right}"_s, u"Text1(1)"_s},
        {u"{Right}"_s, u"Text1(0)"_s},
        {u"{Down}"_s, u"Text2(0)"_s},
        {u"0"_s, u"Text3(0)"_s},
        {u"6"_s, u"Text3(1)"_s},
        {u"4"_s, u"Text3(2)"_s},
        {u"2"_s, u"Text3(3)"_s},
        {u"{Down}"_s, u"Text7(3)"_s},
        {u"{Right}"_s, u"Text7(2)"_s},
        {u"{Right}"_s, u"Text7(1)"_s},
        {u"{Right}"_s, u"Text7(0)"_s},
        {u"2"_s, u"Text7(1)"_s},
        {u"9"_s, u"Text7(2)"_s},
        {u"0"_s, u"Text7(3)"_s},
        {u"5"_s, u"Text7(4)"_s},
        {u"2"_s, u"Text7(5)"_s},
    };
    for (const auto& [key, focus] : steps) {
        keys(key);
        QVERIFY2(focusName() == focus, qPrintable(key + u" -> "_s + focusName()));
    }
    QCOMPARE(window->Text2[0]->text(), u"0"_s);
    QCOMPARE(
        window->Text1[2]->text() + window->Text1[1]->text() + window->Text1[0]->text(), u"492"_s);
    QCOMPARE(
        window->Text3[2]->text() + window->Text3[1]->text() + window->Text3[0]->text(), u"246"_s);
    window.finish();
    QCOMPARE(window->verdict()->caption(), u"BIEN"_s);
}

void TestEntry::overviewWalk512By407()
{
    Window window;
    QVERIFY(window.open());
    window.start(512, 407);
    const QStringList input {u"4"_s, u"8"_s, u"5"_s, u"3"_s, u"{Right}"_s, u"{Right}"_s,
        u"{Right}"_s, u"{Right}"_s, u"{Down}"_s, u"0"_s, u"8"_s, u"4"_s, u"0"_s, u"2"_s,
        u"{Down}"_s, u"{Right}"_s, u"{Right}"_s, u"{Right}"_s, u"{Right}"_s, u"4"_s, u"8"_s, u"3"_s,
        u"8"_s, u"0"_s, u"2"_s};
    const QStringList focus {u"Text1(1)"_s, u"Text1(2)"_s, u"Text1(3)"_s, u"Text1(4)"_s,
        u"Text1(3)"_s, u"Text1(2)"_s, u"Text1(1)"_s, u"Text1(0)"_s, u"Text2(0)"_s, u"Text3(0)"_s,
        u"Text3(1)"_s, u"Text3(2)"_s, u"Text3(3)"_s, u"Text3(4)"_s, u"Text7(4)"_s, u"Text7(3)"_s,
        u"Text7(2)"_s, u"Text7(1)"_s, u"Text7(0)"_s, u"Text7(1)"_s, u"Text7(2)"_s, u"Text7(3)"_s,
        u"Text7(4)"_s, u"Text7(5)"_s, u"Text7(6)"_s};
    for (int k = 0; k < input.size(); ++k) {
        keys(input[k]);
        QVERIFY2(focusName() == focus[k], qPrintable(u"key %1: "_s.arg(k) + focusName()));
    }
    window.finish();
    QCOMPARE(window->verdict()->caption(), u"BIEN"_s);
    QVERIFY(window->List1->line(1).startsWith(u"7 Abcd       10 (3-3) "_s));
}

QTEST_MAIN(TestEntry)
#include "tst_entry.moc"
