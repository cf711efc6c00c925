// The real desktop services: the standard input box, the clock and the generator.
#include "support/harness.h"

#include "toolkit/platform/application.h"

#include <QContextMenuEvent>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

using namespace pizarrin;
using namespace pizarrin::testing;

namespace {

// Answers the next input box that opens, as a person would, and records what it showed.
struct DialogAnswer {
    QString title;
    QString label;
    QString preset;
    QLineEdit::EchoMode echo = QLineEdit::Normal;
    QStringList buttons;
    QWidget* owner = nullptr;
    Qt::WindowFlags flags;
};

void answerNextDialog(DialogAnswer& seen, const QString& typed, bool accept)
{
    QTimer::singleShot(0, qApp, [&seen, typed, accept] {
        auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return answerNextDialog(seen, typed, accept);
        QStringList buttons;
        for (const QPushButton* button : dialog->findChildren<QPushButton*>())
            buttons << button->text().remove(u'&');
        seen = {dialog->windowTitle(), dialog->labelText(), dialog->textValue(),
            dialog->textEchoMode(), buttons, dialog->parentWidget(), dialog->windowFlags()};
        auto* field = dialog->findChild<QLineEdit*>();
        QTest::keyClicks(field, typed);
        QTest::keyClick(field, accept ? Qt::Key_Return : Qt::Key_Escape);
    });
}

// Every entry of a menu: none of them may be Qt's English.
bool speaksEnglish(const QMenu* menu)
{
    static const QStringList english {u"Undo"_s, u"Redo"_s, u"Cut"_s, u"Copy"_s, u"Paste"_s,
        u"Delete"_s, u"Select All"_s, u"Scroll here"_s, u"Left edge"_s, u"Right edge"_s,
        u"Page left"_s, u"Page right"_s, u"Scroll left"_s, u"Scroll right"_s};
    for (const QAction* action : menu->actions())
        if (english.contains(action->text().remove(u'&').section(u'\t', 0, 0)))
            return true;
    return false;
}

} // namespace

class TestToolkitPlatform : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void inputBoxReturnsWhatWasTyped_data();
    void inputBoxReturnsWhatWasTyped();
    void promptsBelongToTheWindowAndSpeakSpanish();
    void menusSpeakSpanish();
    void randomStaysBelowOneAndRepeatsForOneSeed();
    void clockCountsSecondsSinceMidnight();
};

void TestToolkitPlatform::inputBoxReturnsWhatWasTyped_data()
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

void TestToolkitPlatform::inputBoxReturnsWhatWasTyped()
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

void TestToolkitPlatform::promptsBelongToTheWindowAndSpeakSpanish()
{
    QVERIFY(!installQtTranslation(u":/no/such/translation.qm"_s)); // a quiet fallback
    QVERIFY(installQtTranslation());
    // The real services, handed the window as the program hands them, and the window
    // not active: the prompt still belongs to it.
    Form1 form(Platform::system());
    DialogAnswer seen;
    answerNextDialog(seen, u"Ana"_s, true);
    QCOMPARE(
        form.platform().inputBox(u"Entra tu número y nombre"_s, u"ATENCIÓN"_s, false), u"Ana"_s);
    QCOMPARE(seen.owner, &form);
    QCOMPARE(seen.buttons, (QStringList {u"Aceptar"_s, u"Cancelar"_s}));
    QVERIFY(!(seen.flags & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint)));
}

void TestToolkitPlatform::menusSpeakSpanish()
{
    QVERIFY(installQtTranslation());
    Window window;
    QVERIFY(window.open());
    // What a right click on a cell shows.
    std::unique_ptr<QMenu> cellMenu(window->Text1[0]->createStandardContextMenu());
    QVERIFY(!cellMenu->actions().isEmpty());
    QVERIFY(!speaksEnglish(cellMenu.get()));
    // A scroll bar builds its menu as it opens it: read it while it is open.
    bool seen = false;
    bool english = true;
    QTimer::singleShot(0, qApp, [&] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            seen = true;
            english = speaksEnglish(menu);
            menu->close();
        }
    });
    QContextMenuEvent rightClick(
        QContextMenuEvent::Mouse, QPoint(20, 5), window->HScroll1->mapToGlobal(QPoint(20, 5)));
    QCoreApplication::sendEvent(window->HScroll1, &rightClick);
    QVERIFY(seen);
    QVERIFY(!english);
}

void TestToolkitPlatform::randomStaysBelowOneAndRepeatsForOneSeed()
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

void TestToolkitPlatform::clockCountsSecondsSinceMidnight()
{
    const Platform platform = Platform::system();
    const float before = float(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0F;
    const float clock = platform.clock();
    QVERIFY(clock >= 0.0F && clock < 86400.0F);
    QVERIFY(std::abs(clock - before) < 2.0F || before > 86398.0F);
}

QTEST_MAIN(TestToolkitPlatform)
#include "tst_toolkit_platform.moc"
