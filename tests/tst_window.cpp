// The window as its design lays it out: the controls shown at start-up, their geometry
// in twips, the focus order's start, the stacking and the look under any scheme.
#include "support/harness.h"

#include "toolkit/controls/twips.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QListWidget>
#include <QPalette>

using namespace pizarrin;
using namespace pizarrin::testing;

class TestWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startsShowingOnlyTheDesignsVisibleControls_data();
    void startsShowingOnlyTheDesignsVisibleControls();
    void opensWithTheFocusInTheResultsList();
    void keepsItsFixedSize();
    void placesControlsAtTheirTwips_data();
    void placesControlsAtTheirTwips();
    void keepsTwipsExactlyAsWritten();
    void stacksHelpUnderListAndPanelAboveIt();
    void usesFixedPitchForTheResultsList();
    void looksTheSameUnderAnyColourScheme_data();
    void looksTheSameUnderAnyColourScheme();
};

void TestWindow::startsShowingOnlyTheDesignsVisibleControls_data()
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

void TestWindow::startsShowingOnlyTheDesignsVisibleControls()
{
    QFETCH(QString, name);
    QFETCH(bool, shown);
    Window window;
    auto* control = window->findChild<QWidget*>(name);
    QVERIFY2(control, qPrintable(name));
    QCOMPARE(!control->isHidden(), shown);
}

void TestWindow::opensWithTheFocusInTheResultsList()
{
    Window window;
    QVERIFY(window.open());
    QCOMPARE(focusName(), u"List1"_s);
}

void TestWindow::keepsItsFixedSize()
{
    Window window;
    QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
    // A title bar that draws a maximise button anyway and asks for it changes nothing.
    window->setWindowState(Qt::WindowMaximized);
    QVERIFY(!window->windowState().testFlag(Qt::WindowMaximized));
    QCOMPARE(window->size(), QSize(686, 450));
}

void TestWindow::placesControlsAtTheirTwips_data()
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

void TestWindow::placesControlsAtTheirTwips()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, property);
    QFETCH(int, twips);
    Window window;
    auto* control = window->findChild<QWidget*>(name);
    QVERIFY2(control, qPrintable(name));
    QCOMPARE(control->property(property.constData()).toInt(), twips);
}

void TestWindow::keepsTwipsExactlyAsWritten()
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

void TestWindow::stacksHelpUnderListAndPanelAboveIt()
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

void TestWindow::usesFixedPitchForTheResultsList()
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

void TestWindow::looksTheSameUnderAnyColourScheme_data()
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

void TestWindow::looksTheSameUnderAnyColourScheme()
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

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
