// Start-up: the window as Form_Load leaves it, before the pupil asks for anything; and
// a tap on a touch screen, which reaches every control as a click does.
#include "grading/results.h"
#include "support/harness.h"

#include <QListWidget>
#include <QPointingDevice>

using namespace pizarrin;
using namespace pizarrin::testing;

class TestApp : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startsWithHeaderHelpEmptyCellsAndSeededGenerator();
    void aTapActsAsAClick_data();
    void aTapActsAsAClick();

private:
    std::unique_ptr<QPointingDevice> touchScreen {QTest::createTouchDevice()};
};

void TestApp::startsWithHeaderHelpEmptyCellsAndSeededGenerator()
{
    Window fresh;

    auto* list = fresh->findChild<QListWidget*>(u"List1"_s);
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->item(0)->text(), resultsHeader);
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
    QCOMPARE(fresh->windowTitle(), mainWindowTitle);
    // Nothing in the window starts before the pupil asks for it.
    QVERIFY(fresh.script->prompts.isEmpty());
    QVERIFY(!fresh->findChild<QTimer*>(u"Timer1"_s)->isActive());
}

void TestApp::aTapActsAsAClick_data()
{
    // Where the window stands, the control tapped, and where on it, as a fraction of its
    // size: the scroll bars' arrows lie at their ends, their track beside the thumb.
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QPointF>("at");
    const QPointF middle(0.5, 0.5);
    QTest::newRow("Empezar") << u"ready"_s << u"Command1"_s << middle;
    QTest::newRow("Terminar") << u"started"_s << u"Command2"_s << middle;
    QTest::newRow("?") << u"started"_s << u"Command3"_s << middle;
    QTest::newRow("a cell") << u"started"_s << u"Text1(2)"_s << middle;
    QTest::newRow("a scroll bar's arrow") << u"ready"_s << u"HScroll2"_s << QPointF(0.97, 0.5);
    QTest::newRow("a scroll bar's track") << u"ready"_s << u"HScroll1"_s << QPointF(0.4, 0.5);
    QTest::newRow("the results list") << u"graded"_s << u"List1"_s << QPointF(0.5, 0.05);
    QTest::newRow("the verdict") << u"graded"_s << u"Label14"_s << middle;
    QTest::newRow("the panel's free surface") << u"panel"_s << u"Picture1"_s << QPointF(0.02, 0.97);
}

void TestApp::aTapActsAsAClick()
{
    QFETCH(QString, before);
    QFETCH(QString, target);
    QFETCH(QPointF, at);
    // What a pupil can tell apart after the touch: prompts, scroll bars, focus, marks,
    // the list, the help and the panel.
    const auto observed = [](const Window& window) {
        return QStringList {QString::number(window.script->prompts.size()),
            QString::number(window->HScroll1->value()), QString::number(window->HScroll2->value()),
            focusName(), marks(*window), window->verdict()->caption(),
            QString::number(window->List1->lineCount()),
            QString::number(window->List1->currentRow()),
            window->List1->isShown() ? u"list"_s : u"help"_s,
            window->Picture1->isShown() ? u"panel"_s : u"no panel"_s}
            .join(u" | "_s);
    };
    // The same window twice, one clicked, one tapped, through the window system.
    const auto play = [&](bool tap, QString* untouched) {
        Window window;
        if (!window.open())
            return u"the window did not open"_s;
        if (before == u"ready")
            window.prepare(35, 3);
        else
            window.start(35, 3);
        if (before == u"graded" || before == u"panel")
            window.finish();
        window.script->answers = {u"lapicero"_s};
        if (before == u"panel")
            QTest::mouseClick(window->verdict(), Qt::LeftButton);
        QWidget* widget = target.startsWith(u"Text")
            ? static_cast<QWidget*>(cellNamed(*window, target))
            : window->findChild<QWidget*>(target);
        const QPoint where = widget->mapTo(window.form.get(),
            QPoint(int(at.x() * widget->width()), int(at.y() * widget->height())));
        *untouched = observed(window);
        if (tap) {
            QTest::touchEvent(window->windowHandle(), touchScreen.get()).press(0, where);
            QTest::touchEvent(window->windowHandle(), touchScreen.get()).release(0, where);
        } else {
            QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, where);
        }
        return observed(window);
    };
    QString untouched;
    const QString clicked = play(false, &untouched);
    QVERIFY2(clicked != untouched, qPrintable(u"the click changed nothing: "_s + clicked));
    QCOMPARE(play(true, &untouched), clicked);
}

QTEST_MAIN(TestApp)
#include "tst_app.moc"
