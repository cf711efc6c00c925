// Start-up: the window as Form_Load leaves it, before the pupil asks for anything.
#include "grading/results.h"
#include "support/harness.h"

#include <QListWidget>

using namespace pizarrin;
using namespace pizarrin::testing;

class TestApp : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startsWithHeaderHelpEmptyCellsAndSeededGenerator();
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

QTEST_MAIN(TestApp)
#include "tst_app.moc"
