// The "?" button: the help text in place of the results list, and back.
#include "grading/results.h"
#include "support/harness.h"

using namespace pizarrin;
using namespace pizarrin::testing;

class TestHelp : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void helpButtonSwapsListAndHelp();
};

void TestHelp::helpButtonSwapsListAndHelp()
{
    Window window;
    QVERIFY(window.open());
    window.start(35, 3);
    QTest::mouseClick(window->Command3, Qt::LeftButton);
    QVERIFY(window->List1->isHidden());
    QVERIFY(window->Label17->isVisible()); // the help text, no longer covered
    QTest::mouseClick(window->Command3, Qt::LeftButton);
    QVERIFY(window->List1->isShown());
    QCOMPARE(window->List1->count(), 1);
    QCOMPARE(window->List1->line(0), resultsHeader);
}

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
