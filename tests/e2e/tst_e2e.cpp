// The whole program on a real X server: real platform services (but for the random
// draws, so that the factors are known), driven by real X keystrokes and clicks sent by
// a separate process, xdotool, through the XTEST extension. Run by run-under-xvfb.
#include "support/harness.h"

#include <QApplication>
#include <QInputDialog>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <utility>

using namespace pizarrin;
using namespace Qt::StringLiterals;

namespace {

constexpr int deadline = 15000; // every wait ends, in milliseconds

// Runs one xdotool command to its end; the events it sends reach the window once the
// test waits for their effect.
bool xdotool(const QStringList& arguments)
{
    QProcess process;
    process.start(u"xdotool"_s, arguments);
    return process.waitForFinished(deadline) && process.exitStatus() == QProcess::NormalExit
        && process.exitCode() == 0;
}

bool click(const QWidget* widget, QPoint local)
{
    const QPoint at = widget->mapToGlobal(local);
    return xdotool(
        {u"mousemove"_s, QString::number(at.x()), QString::number(at.y()), u"click"_s, u"1"_s});
}

bool click(const QWidget* widget)
{
    return click(widget, widget->rect().center());
}

bool keys(const QStringList& names)
{
    return xdotool(QStringList {u"key"_s, u"--delay"_s, u"40"_s} + names);
}

bool type(const QString& text)
{
    return xdotool({u"type"_s, u"--delay"_s, u"40"_s, u"--"_s, text});
}

// What a window manager does when a dialog closes: the keyboard goes back to the window.
bool focusWindow(const QWidget* window)
{
    return xdotool({u"windowfocus"_s, QString::number(window->winId())});
}

// The window a dialog is transient for, read from the X server with xprop.
WId transientForOf(WId dialog)
{
    QProcess xprop;
    xprop.start(u"xprop"_s, {u"-id"_s, QString::number(dialog), u"WM_TRANSIENT_FOR"_s});
    if (!xprop.waitForFinished(deadline))
        return 0;
    const QString said = QString::fromLatin1(xprop.readAllStandardOutput());
    const QRegularExpression id(u"window id # (0x[0-9a-fA-F]+)"_s);
    const QRegularExpressionMatch match = id.match(said);
    return match.hasMatch() ? WId(match.captured(1).toULongLong(nullptr, 16)) : 0;
}

// What the window tells a window manager it may do and draw (_MOTIF_WM_HINTS): its
// functions and its decorations, or -1 each when unreadable.
std::pair<long, long> motifHints(WId window)
{
    QProcess xprop;
    xprop.start(u"xprop"_s, {u"-id"_s, QString::number(window), u"_MOTIF_WM_HINTS"_s});
    if (!xprop.waitForFinished(deadline))
        return {-1, -1};
    const QStringList fields
        = QString::fromLatin1(xprop.readAllStandardOutput()).section(u'=', 1).split(u',');
    if (fields.size() < 3)
        return {-1, -1};
    return {fields[1].trimmed().toLong(nullptr, 16), fields[2].trimmed().toLong(nullptr, 16)};
}

QString focusName()
{
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

// Shows the window and waits until it has the keyboard, with the focus in the list.
bool openOnScreen(Form1& form)
{
    form.show();
    form.activateWindow();
    return QTest::qWaitForWindowActive(&form, deadline)
        && QTest::qWaitFor([] { return focusName() == u"List1"; }, deadline);
}

// Whether the keys were sent and the focus then arrives at the control named `name`.
bool focusArrives(bool sent, const QString& name)
{
    if (sent && QTest::qWaitFor([&] { return focusName() == name; }, deadline))
        return true;
    qWarning().noquote() << "the focus is on" << focusName() << "instead of" << name;
    return false;
}

// Presses `key` (Tab or shift+Tab) one press at a time, as a pupil does, until the focus
// reaches `target`; false when the focus stops or comes round without reaching it.
bool tabTo(const QString& target, const QString& key = u"Tab"_s)
{
    QStringList passed;
    while (focusName() != target) {
        const QString from = focusName();
        if (passed.contains(from) || !keys({key}))
            return false;
        passed += from;
        if (!QTest::qWaitFor([&] { return focusName() != from; }, deadline))
            return false;
    }
    return true;
}

// Answers the next real input dialog by typing into it from outside, once it has the
// keyboard; remembers what the dialog showed. A dialog still open at the deadline is
// cancelled, so that a test fails instead of waiting for ever.
class DialogAnswerer : public QObject {
public:
    explicit DialogAnswerer(QString answer)
        : answer_(std::move(answer))
    {
        timer_.setInterval(50);
        connect(&timer_, &QTimer::timeout, this, [this] { poll(); });
        timer_.start();
        watchdog_.setSingleShot(true);
        connect(&watchdog_, &QTimer::timeout, this, [] {
            // Closing the window ends the asking; cancelling the dialog alone would only
            // bring the pupil prompt back.
            for (QWidget* window : QApplication::topLevelWidgets())
                if (qobject_cast<Form1*>(window))
                    window->close();
            if (auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget()))
                dialog->reject();
        });
        watchdog_.start(deadline);
    }

    bool answered = false;
    WId transientFor = 0; // as the X server has it (WM_TRANSIENT_FOR)
    QString title;
    QString label;
    QLineEdit::EchoMode echo = QLineEdit::Normal;

private:
    // Types the answer once the dialog has the keyboard, and confirms it with Return
    // only once every character has arrived.
    void poll()
    {
        auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        if (!dialog->isActiveWindow()) {
            dialog->activateWindow(); // with no window manager, nobody else gives it the keyboard
            return;
        }
        if (typist_.state() != QProcess::NotRunning)
            return;
        if (!typing_) {
            title = dialog->windowTitle();
            label = dialog->labelText();
            transientFor = transientForOf(dialog->winId());
            echo = dialog->textEchoMode();
            typist_.start(u"xdotool"_s, {u"type"_s, u"--delay"_s, u"40"_s, answer_});
            typing_ = true;
        } else if (dialog->textValue() == answer_) {
            timer_.stop();
            typist_.start(u"xdotool"_s, {u"key"_s, u"--clearmodifiers"_s, u"Return"_s});
            typist_.waitForFinished(deadline);
            answered = true;
        }
    }

    QString answer_;
    QTimer timer_;
    QTimer watchdog_;
    bool typing_ = false;
    QProcess typist_;
};

} // namespace

class TestEndToEnd : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void pupilPlaysAnExerciseAndTeacherOpensThePanel();
    void pupilPlaysWithTheKeyboardAlone();
};

void TestEndToEnd::pupilPlaysAnExerciseAndTeacherOpensThePanel()
{
    QCOMPARE(QGuiApplication::platformName(), u"xcb"_s);
    Form1 form(testing::systemDrawing(512, 407));
    QVERIFY(openOnScreen(form));
    // A window of fixed size: a window manager may not maximise it, nor offer to.
    const auto [functions, decorations] = motifHints(form.winId());
    QVERIFY(functions >= 0 && decorations >= 0);
    QVERIFY(!(functions & 0x10)); // MWM_FUNC_MAXIMIZE
    QVERIFY(!(decorations & 0x40)); // MWM_DECOR_MAXIMIZE

    // Three clicks on the left arrow of the first bar: 6 digits become 3.
    const QPoint leftArrow(6, form.HScroll1->height() / 2);
    for (int k = 0; k < 3; ++k)
        QVERIFY(click(form.HScroll1, leftArrow));
    QTRY_COMPARE_WITH_TIMEOUT(form.firstDigitCount()->caption(), u"3"_s, deadline);
    QCOMPARE(form.Label12->caption(), u" ? ? ?"_s);

    // "Empezar", and the name typed into the real dialog.
    {
        DialogAnswerer answerer(u"7 Abcd"_s);
        QVERIFY(click(form.Command1));
        QTRY_VERIFY_WITH_TIMEOUT(form.Command2->isVisible(), deadline);
        QVERIFY(answerer.answered);
        QCOMPARE(answerer.title, u"ATENCIÓN"_s);
        QCOMPARE(answerer.label, u"Entra tu número y nombre"_s);
        QCOMPARE(answerer.transientFor, form.winId());
        QCOMPARE(answerer.echo, QLineEdit::Normal);
    }
    QVERIFY(focusWindow(&form));
    QCOMPARE(form.pupil()->caption(), u"7 Abcd      "_s);
    QCOMPARE(form.Label13->caption(), u" 4 0 7"_s);
    QTRY_COMPARE_WITH_TIMEOUT(focusName(), u"Text1(0)"_s, deadline);

    // Row 1, back with the arrows, the zero row, row 3 wrong, and the product.
    QVERIFY(focusArrives(type(u"4853"_s), u"Text1(4)"_s));
    QVERIFY(focusArrives(
        keys({u"Right"_s, u"Right"_s, u"Right"_s, u"Right"_s, u"Down"_s}), u"Text2(0)"_s));
    QVERIFY(focusArrives(type(u"04802"_s), u"Text3(4)"_s));
    QVERIFY(focusArrives(
        keys({u"Down"_s, u"Right"_s, u"Right"_s, u"Right"_s, u"Right"_s}), u"Text7(0)"_s));
    QVERIFY(focusArrives(type(u"483802"_s), u"Text7(6)"_s));
    QCOMPARE(form.Text2[0]->text(), u"0"_s);

    QVERIFY(click(form.Command2));
    QTRY_COMPARE_WITH_TIMEOUT(form.verdict()->caption(), u"MAL"_s, deadline);
    QCOMPARE(testing::marks(form), u"TTX...T"_s);
    QCOMPARE(form.grade()->caption(), u"9"_s);

    // The correction: a click in row 3, then keys only.
    QVERIFY(click(form.Text3[1]));
    QTRY_COMPARE_WITH_TIMEOUT(focusName(), u"Text3(1)"_s, deadline);
    QVERIFY(keys({u"Right"_s, u"BackSpace"_s}));
    QTRY_COMPARE_WITH_TIMEOUT(form.Text3[0]->text(), QString(), deadline);
    QVERIFY(focusArrives(type(u"8"_s), u"Text3(1)"_s));
    QVERIFY(keys({u"BackSpace"_s}));
    QVERIFY(type(u"4"_s));
    QTRY_COMPARE_WITH_TIMEOUT(form.Text3[1]->text(), u"4"_s, deadline);
    QCOMPARE(form.Text3[0]->text(), u"8"_s);

    QVERIFY(click(form.Command2));
    QTRY_COMPARE_WITH_TIMEOUT(form.verdict()->caption(), u"BIEN"_s, deadline);
    QCOMPARE(testing::marks(form), u"TTT...T"_s);
    QCOMPARE(form.List1->count(), 2);
    const QRegularExpression line(u"^7 Abcd       09 \\(3-3\\) \\d+ s$"_s);
    QVERIFY2(line.match(form.List1->item(1)->text()).hasMatch(),
        qPrintable(form.List1->item(1)->text()));
    QVERIFY(form.Command1->isVisible());

    // The teacher: the verdict, the masked access-code dialog, the panel, and a click
    // on its free surface.
    {
        DialogAnswerer answerer(u"lapicero"_s);
        QVERIFY(click(form.verdict()));

        QTRY_VERIFY_WITH_TIMEOUT(form.Picture1->isVisible(), deadline);
        QCOMPARE(answerer.title, u"ATENCIÓN"_s);
        QCOMPARE(answerer.label, u"Clave:"_s);
        QCOMPARE(answerer.transientFor, form.winId());
        QCOMPARE(answerer.echo, QLineEdit::Password);
    }
    QVERIFY(focusWindow(&form));
    QCOMPARE(form.product()->caption(), u"208384"_s);
    QVERIFY(click(form.Picture1, QPoint(12, form.Picture1->height() - 12)));
    QTRY_VERIFY_WITH_TIMEOUT(form.Picture1->isHidden(), deadline);
}

// A pupil without a mouse: focus moves with Tab and shift+Tab, the arrow keys set the
// scroll bars and move between cells, Enter and Space press the buttons.
void TestEndToEnd::pupilPlaysWithTheKeyboardAlone()
{
    Form1 form(testing::systemDrawing(305, 26));
    QVERIFY(openOnScreen(form));

    QVERIFY(tabTo(u"HScroll1"_s));
    QVERIFY(keys({u"Left"_s, u"Left"_s, u"Left"_s}));
    QTRY_COMPARE_WITH_TIMEOUT(form.firstDigitCount()->caption(), u"3"_s, deadline);
    QVERIFY(tabTo(u"HScroll2"_s, u"shift+Tab"_s));
    QVERIFY(keys({u"Left"_s}));
    QTRY_COMPARE_WITH_TIMEOUT(form.Label13->caption(), u" ? ?"_s, deadline);

    {
        DialogAnswerer answerer(u"7 Abcd"_s);
        QVERIFY(tabTo(u"Command1"_s));
        QVERIFY(keys({u"Return"_s}));
        QTRY_VERIFY_WITH_TIMEOUT(form.Command2->isVisible(), deadline);
        QVERIFY(answerer.answered);
    }
    QVERIFY(focusWindow(&form)); // as a window manager gives the keyboard back
    QTRY_COMPARE_WITH_TIMEOUT(focusName(), u"Text1(0)"_s, deadline);

    // 305 x 26: 1830, 610 one place left, and 7930.
    QVERIFY(focusArrives(type(u"0381"_s), u"Text1(4)"_s));
    QVERIFY(focusArrives(
        keys({u"Right"_s, u"Right"_s, u"Right"_s, u"Right"_s, u"Down"_s}), u"Text2(0)"_s));
    QVERIFY(focusArrives(type(u"016"_s), u"Text2(3)"_s));
    QVERIFY(focusArrives(keys({u"Down"_s, u"Right"_s, u"Right"_s, u"Right"_s}), u"Text7(0)"_s));
    QVERIFY(type(u"0397"_s));
    QTRY_COMPARE_WITH_TIMEOUT(form.Text7[3]->text(), u"7"_s, deadline);

    QVERIFY(tabTo(u"Command2"_s, u"shift+Tab"_s));
    QVERIFY(keys({u"space"_s}));
    QTRY_COMPARE_WITH_TIMEOUT(form.verdict()->caption(), u"BIEN"_s, deadline);
    QCOMPARE(form.List1->count(), 2);
    const QRegularExpression line(u"^7 Abcd +10 \\(3-2\\) \\d+ s$"_s);
    QVERIFY2(line.match(form.List1->item(1)->text()).hasMatch(),
        qPrintable(form.List1->item(1)->text()));

    // "?" swaps the list for the help text, and back.
    QVERIFY(tabTo(u"Command3"_s));
    QVERIFY(keys({u"space"_s}));
    QTRY_VERIFY_WITH_TIMEOUT(form.List1->isHidden(), deadline);
    QVERIFY(keys({u"Return"_s}));
    QTRY_VERIFY_WITH_TIMEOUT(form.List1->isVisible(), deadline);
}

QTEST_MAIN(TestEndToEnd)
#include "tst_e2e.moc"
