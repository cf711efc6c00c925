// The teacher's hidden panel: the access code asked for on the verdict, and the panel's
// free surface that closes it.
#include "support/harness.h"

using namespace pizarrin;
using namespace pizarrin::testing;

class TestTeacher : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void opensThePanelOnlyForTheExactCode_data();
    void opensThePanelOnlyForTheExactCode();
    void aHiddenVerdictCannotBeClicked();
    void panelClosesOnlyOnItsFreeSurface();
    void aPressReleasedElsewhereIsNoClick_data();
    void aPressReleasedElsewhereIsNoClick();
    void panelStaysOpenAcrossANewExercise();
};

void TestTeacher::opensThePanelOnlyForTheExactCode_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("opens");
    QTest::newRow("exact") << u"lapicero"_s << true;
    QTest::newRow("capitals") << u"LAPICERO"_s << false;
    QTest::newRow("capital first letter") << u"Lapicero"_s << false;
    QTest::newRow("trailing space") << u"lapicero "_s << false;
    QTest::newRow("leading space") << u" lapicero"_s << false;
    QTest::newRow("empty or cancelled") << QString() << false;
    QTest::newRow("near miss") << u"lapicer"_s << false;
}

void TestTeacher::opensThePanelOnlyForTheExactCode()
{
    QFETCH(QString, answer);
    Window window;
    QVERIFY(window.open());
    window.start(512, 407);
    window.finish(); // "MAL": the verdict label is on the page
    window.script->answers = {answer};
    window.script->prompts.clear();
    QTest::mouseClick(window->verdict(), Qt::LeftButton);

    QCOMPARE(window.script->prompts.size(), 1);
    QCOMPARE(window.script->prompts[0].message, u"Clave:"_s);
    QCOMPARE(window.script->prompts[0].title, u"ATENCIÓN"_s);
    QVERIFY(window.script->prompts[0].secret);
    QTEST(window->Picture1->isShown(), "opens");
    if (window->Picture1->isShown()) {
        // Drawn above the results list: what lies over the list is the panel.
        const QPoint overList = window->List1->geometry().center();
        QWidget* top = window->childAt(overList);
        QVERIFY(top == window->Picture1 || top->parentWidget() == window->Picture1);
        QCOMPARE(window->product()->caption(), u"208384"_s);
    }
}

void TestTeacher::aHiddenVerdictCannotBeClicked()
{
    Window window;
    QVERIFY(window.open());
    window.script->answers = {u"lapicero"_s};
    // Clicks go to the window as the window system delivers them, to whatever is shown
    // under the pointer: at start the verdict is hidden, so its place is the bare page.
    const QPoint where
        = window->verdict()->mapTo(window.form.get(), window->verdict()->rect().center());
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, where);
    QVERIFY(window.script->prompts.isEmpty());
    QVERIFY(window->Picture1->isHidden());

    // The same click once the verdict is shown asks for the code.
    window.start(35, 3);
    window.finish();
    window.script->answers = {u"lapicero"_s};
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, where);
    QCOMPARE(window.script->prompts.size(), 2);
    QVERIFY(window->Picture1->isShown());
}

void TestTeacher::panelClosesOnlyOnItsFreeSurface()
{
    Window window;
    QVERIFY(window.open());
    window.start(512, 407);
    window.finish();
    window.script->answers = {u"lapicero"_s};
    QTest::mouseClick(window->verdict(), Qt::LeftButton);
    QVERIFY(window->Picture1->isShown());

    QTest::mouseClick(window->product(), Qt::LeftButton);
    QVERIFY(window->Picture1->isShown());
    QTest::mouseClick(window->rowAsRead(5), Qt::LeftButton);
    QVERIFY(window->Picture1->isShown());
    // Beside the labels, near the panel's bottom-left corner.
    QTest::mouseClick(
        window->Picture1, Qt::LeftButton, {}, QPoint(10, window->Picture1->height() - 10));
    QVERIFY(window->Picture1->isHidden());
}

void TestTeacher::aPressReleasedElsewhereIsNoClick_data()
{
    QTest::addColumn<bool>("onPanel");
    QTest::newRow("verdict") << false;
    QTest::newRow("panel") << true;
}

void TestTeacher::aPressReleasedElsewhereIsNoClick()
{
    QFETCH(bool, onPanel);
    Window window;
    QVERIFY(window.open());
    window.start(512, 407);
    window.finish();
    window.script->answers = {u"lapicero"_s};
    if (onPanel)
        QTest::mouseClick(window->verdict(), Qt::LeftButton);
    QWidget* target = onPanel ? static_cast<QWidget*>(window->Picture1) : window->verdict();
    const int promptsBefore = int(window.script->prompts.size());
    // Pressed on its free corner, released beyond its right edge: the pupil slid off it.
    const QPoint inside(4, target->height() - 4);
    QTest::mousePress(target, Qt::LeftButton, {}, inside);
    QTest::mouseRelease(target, Qt::LeftButton, {}, QPoint(target->width() + 5, inside.y()));
    QCOMPARE(int(window.script->prompts.size()), promptsBefore);
    QCOMPARE(window->Picture1->isShown(), onPanel);
}

void TestTeacher::panelStaysOpenAcrossANewExercise()
{
    Window window;
    QVERIFY(window.open());
    window.start(35, 3);
    fill(*window, {u"Text1(0):501"_s});
    window.finish(); // "BIEN" stays, and the panel can still be opened through it
    window.script->answers = {u"lapicero"_s};
    QTest::mouseClick(window->verdict(), Qt::LeftButton);
    QVERIFY(window->Picture1->isShown());

    window.start(512, 407);
    QVERIFY(window->Picture1->isShown());
    QCOMPARE(window->firstFactor()->caption(), u"512"_s);
    QCOMPARE(window->expectedPartialProduct(1)->caption(), u"3584"_s);
    QCOMPARE(window->expectedPartialProduct(2)->caption(), u"0"_s);
    QCOMPARE(window->expectedPartialProduct(3)->caption(), u"2048"_s);
    QCOMPARE(window->product()->caption(), u"208384"_s);
}

QTEST_MAIN(TestTeacher)
#include "tst_teacher.moc"
