// What a screen reader is told: Spanish names for the controls a pupil uses, right and
// wrong in words, and nothing of the hidden panel while it is hidden.
#include "support/harness.h"

#include <QAccessible>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>

using namespace pizarrin;
using namespace pizarrin::testing;

namespace {

QString accessibleName(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

// Every text of every node of the accessibility tree below `node`.
void collectTexts(QAccessibleInterface* node, QStringList& texts, int depth = 0)
{
    if (!node || depth > 20)
        return;
    for (auto kind :
        {QAccessible::Name, QAccessible::Description, QAccessible::Value, QAccessible::Help})
        if (const QString text = node->text(kind); !text.isEmpty())
            texts << text;
    for (int k = 0; k < node->childCount(); ++k)
        collectTexts(node->child(k), texts, depth + 1);
}

QStringList treeTexts(Form1& form)
{
    QStringList texts;
    collectTexts(QAccessible::queryAccessibleInterface(&form), texts);
    return texts;
}

} // namespace

class TestToolkitAccessibility : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void namesControlsInSpanish_data();
    void namesControlsInSpanish();
    void saysRightAndWrongInWords();
    void hiddenPanelValuesStayHidden();
    void tabNeverReachesThePanel();
    void operatesOnlyWhatIsOnView_data();
    void operatesOnlyWhatIsOnView();
    void reportsOnlyWhatThePupilSees();
};

void TestToolkitAccessibility::namesControlsInSpanish_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::newRow("row 1 units") << u"Text1(0)"_s << u"Fila 1, unidades"_s;
    QTest::newRow("row 2 first cell is the tens") << u"Text2(0)"_s << u"Fila 2, decenas"_s;
    QTest::newRow("row 3 cell 2") << u"Text3(2)"_s << u"Fila 3, decenas de millar"_s;
    QTest::newRow("row 6 leftmost") << u"Text6(6)"_s << u"Fila 6, centenas de millar de millón"_s;
    QTest::newRow("product units") << u"Text7(0)"_s << u"Producto, unidades"_s;
    QTest::newRow("product leftmost") << u"Text7(12)"_s << u"Producto, unidades de billón"_s;
    QTest::newRow("first bar") << u"HScroll1"_s << u"Cifras del primer factor"_s;
    QTest::newRow("second bar") << u"HScroll2"_s << u"Cifras del segundo factor"_s;
    QTest::newRow("start") << u"Command1"_s << u"Empezar"_s;
    QTest::newRow("finish") << u"Command2"_s << u"Terminar"_s;
    QTest::newRow("help") << u"Command3"_s << u"Ayuda"_s;
    QTest::newRow("results") << u"List1"_s << u"Resultados"_s;
    QTest::newRow("grade") << u"Label16"_s << u"10"_s;
}

void TestToolkitAccessibility::namesControlsInSpanish()
{
    QFETCH(QString, control);
    Window window;
    QVERIFY(window.open());
    QTEST(accessibleName(window->findChild<QWidget*>(control)), "name");
}

void TestToolkitAccessibility::saysRightAndWrongInWords()
{
    Window window;
    QVERIFY(window.open());
    window.start(512, 407);
    fill(*window, {u"Text1(0):4853"_s, u"Text3(0):4802"_s, u"Text7(0):483802"_s});
    window.finish();
    QCOMPARE(accessibleName(window->Image1[0]), u"Fila 1: bien"_s);
    QCOMPARE(accessibleName(window->Image1[2]), u"Fila 3: mal"_s);
    QCOMPARE(accessibleName(window->Image1[6]), u"Producto: bien"_s);
    QCOMPARE(accessibleName(window->verdict()), u"MAL"_s);
    QCOMPARE(
        QAccessible::queryAccessibleInterface(window->verdict())->text(QAccessible::Description),
        u"Corrección"_s);
    // Once the verdict has left the page it says nothing.
    window->verdict()->hide();
    QCOMPARE(accessibleName(window->verdict()), QString());
}

void TestToolkitAccessibility::hiddenPanelValuesStayHidden()
{
    Window window;
    QVERIFY(window.open());
    window.start(512, 407);
    window.finish();
    const QStringList secrets {u"208384"_s, u"3584"_s, u"2048"_s};
    for (const QString& text : treeTexts(*window))
        for (const QString& secret : secrets)
            QVERIFY2(!text.contains(secret), qPrintable(text));
    QCOMPARE(accessibleName(window->product()), QString());
    QVERIFY(QAccessible::queryAccessibleInterface(window->product())->state().invisible);

    // With the access code the panel reads like any other.
    window.script->answers = {u"lapicero"_s};
    QTest::mouseClick(window->verdict(), Qt::LeftButton);
    QVERIFY(window->Picture1->isShown());
    QVERIFY(treeTexts(*window).contains(u"208384"_s));
    QCOMPARE(accessibleName(window->product()), u"208384"_s);
}

void TestToolkitAccessibility::tabNeverReachesThePanel()
{
    Window window;
    QVERIFY(window.open());
    window.start(512, 407);
    for (int k = 0; k < 120; ++k) {
        QTest::keyClick(focused(), Qt::Key_Tab);
        QVERIFY(!window->Picture1->isAncestorOf(focused()));
    }
    for (const QWidget* widget : window->findChildren<QWidget*>())
        QVERIFY2(widget->toolTip().isEmpty(), qPrintable(widget->objectName()));
}

void TestToolkitAccessibility::operatesOnlyWhatIsOnView_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("duringExercise");
    QTest::addColumn<bool>("onView");
    QTest::addColumn<bool>("rightWorkPressedTwice");
    QTest::newRow("Terminar before an exercise") << u"Command2"_s << false << false << false;
    QTest::newRow("Empezar during an exercise") << u"Command1"_s << true << false << false;
    QTest::newRow("Empezar before an exercise") << u"Command1"_s << false << true << false;
    QTest::newRow("Terminar during an exercise") << u"Command2"_s << true << true << false;
    // A screen reader's double activation: the second press is queued before the first
    // grades and hides the button, and finds it gone when it runs.
    QTest::newRow("Terminar twice on right work") << u"Command2"_s << true << true << true;
    QTest::newRow("help") << u"Command3"_s << false << true << false;
    QTest::newRow("cell of a hidden row") << u"Text4(0)"_s << true << false << false;
    QTest::newRow("cell of a shown row") << u"Text1(0)"_s << true << true << false;
    QTest::newRow("bar during an exercise") << u"HScroll1"_s << true << false << false;
    QTest::newRow("bar before an exercise") << u"HScroll2"_s << false << true << false;
}

void TestToolkitAccessibility::operatesOnlyWhatIsOnView()
{
    QFETCH(QString, control);
    QFETCH(bool, duringExercise);
    QFETCH(bool, onView);
    QFETCH(bool, rightWorkPressedTwice);
    Window window;
    QVERIFY(window.open());
    if (duringExercise)
        window.start(512, 407);
    if (rightWorkPressedTwice)
        fill(*window, {u"Text1(0):4853"_s, u"Text3(0):8402"_s, u"Text7(0):483802"_s});
    QWidget* widget = window->findChild<QWidget*>(control);
    QAccessibleInterface* node = QAccessible::queryAccessibleInterface(widget);
    QCOMPARE(!node->state().invisible, onView);
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        QCOMPARE(node->actionInterface()->actionNames().contains(
                     QAccessibleActionInterface::pressAction()),
            onView);
        QSignalSpy clicks(button, &QPushButton::clicked);
        node->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        if (rightWorkPressedTwice)
            node->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE_WITH_TIMEOUT(clicks.size(), onView ? 1 : 0, 200);
        QTest::qWait(20);
        QCOMPARE(clicks.size(), onView ? 1 : 0);
        QCOMPARE(window->List1->count(), rightWorkPressedTwice ? 2 : 1); // graded once
    } else if (auto* cell = qobject_cast<QLineEdit*>(widget)) {
        QCOMPARE(node->actionInterface()->actionNames().isEmpty(), !onView);
        node->editableTextInterface()->insertText(0, u"5"_s);
        node->setText(QAccessible::Value, u"6"_s);
        QCOMPARE(cell->text(), onView ? u"6"_s : QString());
    } else if (auto* bar = qobject_cast<QScrollBar*>(widget)) {
        const int before = bar->value();
        node->valueInterface()->setCurrentValue(2);
        node->actionInterface()->doAction(QAccessibleActionInterface::increaseAction());
        QCOMPARE(bar->value(), onView ? 3 : before);
    }
}

void TestToolkitAccessibility::reportsOnlyWhatThePupilSees()
{
    Window window;
    QVERIFY(window.open());
    // The help text lies under the results list until "?" takes the list away.
    QAccessibleInterface* help = QAccessible::queryAccessibleInterface(window->Label17);
    QVERIFY(help->state().invisible);
    QTest::mouseClick(window->Command3, Qt::LeftButton);
    QVERIFY(!help->state().invisible);
    QTest::mouseClick(window->Command3, Qt::LeftButton);

    // With the focus in a cell, nothing of the list claims it.
    window.start(512, 407);
    QCOMPARE(focused(), window->Text1[0]);
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(window->List1);
    for (int k = 0; k < list->childCount(); ++k)
        QVERIFY(!list->child(k)->state().focused);
    QVERIFY(QAccessible::queryAccessibleInterface(window->Text1[0])->state().focused);
}

QTEST_MAIN(TestToolkitAccessibility)
#include "tst_toolkit_accessibility.moc"
