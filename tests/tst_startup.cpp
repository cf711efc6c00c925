// The window in its start-up state, its geometry in twips, and the two digit-count
// scroll bars.
#include "support/harness.h"

#include "toolkit/controls/twips.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QListWidget>
#include <QPalette>

using namespace pizarrin;
using namespace pizarrin::testing;

class TestStartup : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startsShowingOnlyTheDesignsVisibleControls_data();
    void startsShowingOnlyTheDesignsVisibleControls();
    void startsWithHeaderHelpEmptyCellsAndSeededGenerator();
    void opensWithTheFocusInTheResultsList();
    void placesControlsAtTheirTwips_data();
    void placesControlsAtTheirTwips();
    void keepsTwipsExactlyAsWritten();
    void stacksHelpUnderListAndPanelAboveIt();
    void usesFixedPitchForTheResultsList();
    void scrollBarsPrepareThePage_data();
    void scrollBarsPrepareThePage();
    void looksTheSameUnderAnyColourScheme_data();
    void looksTheSameUnderAnyColourScheme();
};

void TestStartup::startsShowingOnlyTheDesignsVisibleControls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("shown");
    for (const char* name : {"Command1", "Command3", "HScroll1", "HScroll2", "List1", "Label12",
             "Label13", "Label23", "Line1", "Line2", "Line3(0)", "Line4(15)", "Text1(0)",
             "Text6(6)", "Text7(12)", "Picture2", "Shape1"})
        QTest::newRow(name) << QString::fromLatin1(name) << true;
    for (const char* name : {"Command2", "Label14", "Label18", "Label19", "Label24(0)",
             "Label24(5)", "Label25", "Image1(0)", "Image1(6)", "Image2", "Image3", "Picture1"})
        QTest::newRow(name) << QString::fromLatin1(name) << false;
}

void TestStartup::startsShowingOnlyTheDesignsVisibleControls()
{
    QFETCH(QString, name);
    QFETCH(bool, shown);
    Window window;
    auto* control = window->findChild<QWidget*>(name);
    QVERIFY2(control, qPrintable(name));
    QCOMPARE(!control->isHidden(), shown);
}

void TestStartup::startsWithHeaderHelpEmptyCellsAndSeededGenerator()
{
    Window fresh;

    auto* list = fresh->findChild<QListWidget*>(u"List1"_s);
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->item(0)->text(), u"Nombre      Nota Dif. Tiempo"_s);
    QCOMPARE(fresh->firstDigitCount()->caption(), u"6"_s);
    QCOMPARE(fresh->secondDigitCount()->caption(), u"3"_s);
    QCOMPARE(fresh->Label17->caption().size(), 303);
    QVERIFY(fresh->Label17->caption().startsWith(u"Realizar la multiplicación igual"_s));
    QVERIFY(fresh->Label17->caption().endsWith(u"Para terminar pulsar (Terminar)."_s));
    const auto cells = fresh->findChildren<QLineEdit*>();
    QCOMPARE(cells.size(), 55);
    for (const QLineEdit* cell : cells)
        QVERIFY2(cell->text().isEmpty(), qPrintable(cell->objectName()));
    QCOMPARE(fresh.script->seeds, QList<float> {fresh.script->clock});
    // The window carries the application's icon, from the library's own resources.
    QVERIFY(fresh->windowIcon().availableSizes().contains(QSize(48, 48)));
    QCOMPARE(fresh->windowTitle(), u"Realiza la multiplicación"_s);
    // Nothing in the window starts before the pupil asks for it.
    QVERIFY(fresh.script->prompts.isEmpty());
    QVERIFY(!fresh->findChild<QTimer*>(u"Timer1"_s)->isActive());
}

void TestStartup::opensWithTheFocusInTheResultsList()
{
    Window window;
    QVERIFY(window.open());
    QCOMPARE(focusName(), u"List1"_s);
}

void TestStartup::placesControlsAtTheirTwips_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<int>("twips");
    auto row = [](const char* name, const char* property, int twips) {
        QTest::addRow("%s.%s", name, property)
            << QString::fromLatin1(name) << QByteArray(property) << twips;
    };
    row("Text1(0)", "leftTwips", 4860); // the one exception to the column rule
    row("Text1(0)", "topTwips", 1210);
    row("Text1(1)", "leftTwips", 4495);
    row("Text3(4)", "leftTwips", 2770);
    row("Text3(4)", "topTwips", 2410);
    row("Text6(6)", "leftTwips", 1045);
    row("Text6(6)", "topTwips", 4210);
    row("Text7(0)", "leftTwips", 4840);
    row("Text7(0)", "topTwips", 4810);
    row("Text7(12)", "leftTwips", 700);
    row("Text7(12)", "topTwips", 4830);
    row("Text5(3)", "widthTwips", 310);
    row("Text5(3)", "heightTwips", 555);
    row("Label24(0)", "topTwips", 1210); // moved onto the home lines at start-up
    row("Label24(5)", "topTwips", 4210);
    row("Line3(0)", "y1Twips", 600);
    row("Line3(8)", "y2Twips", 5400);
    row("Line3(8)", "x2Twips", 5980);
    row("Line4(0)", "x1Twips", 345);
    row("Line4(3)", "y2Twips", 6220);
    row("Line4(4)", "y2Twips", 5760);
    row("Line4(15)", "x2Twips", 5520);
    row("Line1", "y1Twips", 2995);
    row("Line2", "x1Twips", 2745);
    row("Image1(6)", "topTwips", 4800);
    row("Picture1", "leftTwips", 6405);
    row("List1", "widthTwips", 3540);
    row("Label3", "heightTwips", 375);
    row("Label26(6)", "leftTwips", 2175);
    row("Label26(2)", "topTwips", 2415);
    row("Command2", "leftTwips", 2760);
}

void TestStartup::placesControlsAtTheirTwips()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, property);
    QFETCH(int, twips);
    Window window;
    auto* control = window->findChild<QWidget*>(name);
    QVERIFY2(control, qPrintable(name));
    QCOMPARE(control->property(property.constData()).toInt(), twips);
}

void TestStartup::keepsTwipsExactlyAsWritten()
{
    Window window;
    Cell* cell = window->Text2[3];
    cell->setProperty("topTwips", 1211);
    QCOMPARE(cell->property("topTwips").toInt(), 1211);
    // 1211 twips lie nearest to pixel 81, like 1210.
    QCOMPARE(cell->geometry().top(), 81);
    QCOMPARE(pixelRect({4860, 1210, 310, 555}), QRect(324, 81, 21, 37));
    // Inside the sunken panel, labels are placed relative to its client area.
    QCOMPARE(window->firstFactor()->geometry().topLeft(),
        QPoint(4, 3) + window->Picture1->contentsRect().topLeft());
}

void TestStartup::stacksHelpUnderListAndPanelAboveIt()
{
    Window window;
    const QPoint helpCentre = window->Label17->geometry().center();
    auto onTop = [&](QPoint at) {
        QWidget* w = window->childAt(at);
        while (w && w->parentWidget() != window.form.get())
            w = w->parentWidget();
        return w ? w->objectName() : QString();
    };
    QCOMPARE(onTop(helpCentre), u"List1"_s);
    window->List1->hide();
    QCOMPARE(onTop(helpCentre), u"Label17"_s);
    window->List1->show();
    window->Picture1->show();
    QCOMPARE(onTop(helpCentre), u"Picture1"_s);
}

void TestStartup::usesFixedPitchForTheResultsList()
{
    Window window;
    const QFontMetrics metrics(window->List1->font());
    QCOMPARE(metrics.horizontalAdvance(u'i'), metrics.horizontalAdvance(u'W'));
    QVERIFY(QFontInfo(window->List1->font()).fixedPitch());
    // Sized in pixels at 96 dpi, so the window looks the same at any logical DPI.
    QCOMPARE(window->List1->font().pixelSize(), 12);
    QCOMPARE(window->Text1[0]->font().pixelSize(), 32);
    QCOMPARE(window->verdict()->font().pixelSize(), 37);
}

void TestStartup::scrollBarsPrepareThePage_data()
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

void TestStartup::scrollBarsPrepareThePage()
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

void TestStartup::looksTheSameUnderAnyColourScheme_data()
{
    QTest::addColumn<QPalette>("scheme");
    // A dark desktop: light text on dark grey fields and buttons.
    QPalette dark(QColor(0x32, 0x32, 0x32), QColor(0x32, 0x32, 0x32));
    dark.setColor(QPalette::Base, QColor(0x24, 0x24, 0x24));
    dark.setColor(QPalette::Text, QColor(0xF0, 0xF0, 0xF0));
    dark.setColor(QPalette::ButtonText, QColor(0xF0, 0xF0, 0xF0));
    QTest::newRow("dark") << dark;
    // A high-contrast inverse desktop: white and yellow on black.
    QPalette contrast(Qt::black, Qt::black);
    contrast.setColor(QPalette::WindowText, Qt::white);
    contrast.setColor(QPalette::Text, Qt::yellow);
    contrast.setColor(QPalette::ButtonText, Qt::white);
    contrast.setColor(QPalette::Mid, Qt::black);
    QTest::newRow("high contrast") << contrast;
}

void TestStartup::looksTheSameUnderAnyColourScheme()
{
    QFETCH(QPalette, scheme);
    // At start-up, and with a digit typed into the first cell (the caret has moved on).
    auto render = [](const Window& window) {
        QList<QImage> frames {window->grab().toImage()};
        QTest::mouseClick(window->Text1[0], Qt::LeftButton);
        QTest::keyClick(focused(), '7');
        frames << window->grab().toImage();
        return frames;
    };
    const QPalette desktop = QApplication::palette();
    Window light;
    QVERIFY(light.open());
    const QList<QImage> expected = render(light);
    // The classic light colours themselves, which a colour both schemes shared would hide:
    // a button's face (shaded down to it at the bottom) and the page of a cell.
    auto pixel = [&](const QWidget* control, QPoint at) {
        return QColor(expected.first().pixel(control->mapTo(light.operator->(), at)));
    };
    const QColor face = pixel(light->Command1, {4, light->Command1->height() - 4});
    QVERIFY2(face.red() == face.blue() && qAbs(face.red() - 239) <= 3, qPrintable(face.name()));
    QCOMPARE(pixel(light->Text1[1], {10, 10}).name(), u"#ffffff"_s);
    QApplication::setPalette(scheme);
    Window changed;
    QVERIFY(changed.open());
    const QList<QImage> seen = render(changed);
    // A window already open when the scheme changes keeps its look too.
    const QImage relit = light->grab().toImage();
    QApplication::setPalette(desktop);
    QCOMPARE(seen.size(), expected.size());
    for (int k = 0; k < seen.size(); ++k)
        QVERIFY2(seen[k] == expected[k], qPrintable(u"frame %1 differs"_s.arg(k)));
    QVERIFY(relit == light->grab().toImage());
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
