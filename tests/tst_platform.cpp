// The real desktop services: the standard input box, the clock and the generator.
#include "harness.h"

#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>

using namespace pizarrin;
using namespace pizarrin::testing;

namespace {

// Answers the next input box that opens, as a person would, and records what it showed.
struct DialogAnswer {
    QString title;
    QString label;
    QString preset;
    QLineEdit::EchoMode echo = QLineEdit::Normal;
};

void answerNextDialog(DialogAnswer& seen, const QString& typed, bool accept)
{
    QTimer::singleShot(0, qApp, [&seen, typed, accept] {
        auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return answerNextDialog(seen, typed, accept);
        seen = {dialog->windowTitle(), dialog->labelText(), dialog->textValue(),
            dialog->textEchoMode()};
        auto* field = dialog->findChild<QLineEdit*>();
        QTest::keyClicks(field, typed);
        QTest::keyClick(field, accept ? Qt::Key_Return : Qt::Key_Escape);
    });
}

} // namespace

class TestPlatform : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void inputBoxReturnsWhatWasTyped_data();
    void inputBoxReturnsWhatWasTyped();
    void randomStaysBelowOneAndRepeatsForOneSeed();
    void clockCountsSecondsSinceMidnight();
};

void TestPlatform::inputBoxReturnsWhatWasTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accept");
    QTest::addColumn<bool>("secret");
    QTest::addColumn<QString>("answer");
    QTest::newRow("typed and confirmed") << u"7 Abcd"_s << true << false << u"7 Abcd"_s;
    QTest::newRow("spaces kept") << u"  "_s << true << false << u"  "_s;
    QTest::newRow("cancelled") << u"Ana"_s << false << false << QString();
    QTest::newRow("masked access code") << u"lapicero"_s << true << true << u"lapicero"_s;
}

void TestPlatform::inputBoxReturnsWhatWasTyped()
{
    QFETCH(QString, typed);
    QFETCH(bool, accept);
    QFETCH(bool, secret);
    const Platform platform = Platform::system();
    DialogAnswer seen;
    answerNextDialog(seen, typed, accept);
    const QString answer = platform.inputBox(u"Entra tu número y nombre"_s, u"ATENCIÓN"_s, secret);
    QTEST(answer, "answer");
    QCOMPARE(seen.title, u"ATENCIÓN"_s);
    QCOMPARE(seen.label, u"Entra tu número y nombre"_s);
    QCOMPARE(seen.preset, QString());
    QCOMPARE(seen.echo, secret ? QLineEdit::Password : QLineEdit::Normal);
}

void TestPlatform::randomStaysBelowOneAndRepeatsForOneSeed()
{
    Platform platform = Platform::system();
    Platform twin = Platform::system();
    platform.seedRandom(12345.678F);
    twin.seedRandom(12345.678F);
    float lowest = 1.0F;
    float highest = 0.0F;
    for (int k = 0; k < 200000; ++k) {
        const float r = platform.random();
        QCOMPARE(twin.random(), r);
        QVERIFY(r >= 0.0F && r < 1.0F);
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
    }
    // Evenly spread: both ends of the interval are reached closely.
    QVERIFY(lowest < 0.001F);
    QVERIFY(highest > 0.999F);
}

void TestPlatform::clockCountsSecondsSinceMidnight()
{
    const Platform platform = Platform::system();
    const float before = float(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0F;
    const float clock = platform.clock();
    QVERIFY(clock >= 0.0F && clock < 86400.0F);
    QVERIFY(std::abs(clock - before) < 2.0F || before > 86398.0F);
}

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
