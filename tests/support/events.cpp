#include "support/events.h"

#include "grading/results.h"
#include "grading/verdict_timer.h"
#include "text/characters.h"
#include "text/numeric_value.h"
#include "window/worksheet.h"

#include <QClipboard>
#include <QRegularExpression>

namespace pizarrin::testing {

QString randomText(Choices& choose, int maxLength)
{
    static const QStringList pool {
        u"0"_s,
        u"1"_s,
        u"2"_s,
        u"5"_s,
        u"9"_s,
        u" "_s,
        u"a"_s,
        u"Z"_s,
        u"x"_s,
        u"E"_s,
        u"D"_s,
        u"&"_s,
        u"H"_s,
        u"."_s,
        u"-"_s,
        u"+"_s,
        u","_s,
        u"\t"_s,
        u"\n"_s,
        u"á"_s,
        u"ñ"_s,
        u"Ü"_s,
        u"e\u0301"_s,
        u"\u0301"_s,
        u"\U0001F600"_s,
        u"\U0001F469\u200D\U0001F4BB"_s,
        u"ع"_s,
        u"ש"_s,
        u"\u200F"_s,
        u"中"_s,
        u"\uFFFD"_s,
        u"<b>"_s,
        u"%1"_s,
    };
    const int pieces = choose.below(maxLength + 1);
    QString text;
    for (int k = 0; k < pieces; ++k)
        text += pool[choose.below(int(pool.size()))];
    return text;
}

QString randomAnswer(Choices& choose)
{
    switch (choose.below(8)) {
    case 0:
        return {};
    case 1:
        return QString(1 + choose.below(20), u' ');
    case 2:
        return randomText(choose, 400);
    case 3:
        return u"lapicero"_s;
    case 4:
        return u"LAPICERO"_s;
    case 5:
        return u"lapicero "_s;
    case 6:
        return u"lapicer"_s;
    default:
        break;
    }
    return randomText(choose, 14);
}

Event randomEvent(Choices& choose)
{
    static const std::array namedKeys {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down,
        Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Return, Qt::Key_Home, Qt::Key_End, Qt::Key_Tab,
        Qt::Key_Escape};
    Event event;
    // Keys and text come most often, as from a child at the keyboard.
    const int roll = choose.below(40);
    event.kind = roll < 14 ? EventKind::Key
        : roll < 26        ? EventKind::Type
                           : EventKind(choose.below(int(EventKind::Count)));
    switch (event.kind) {
    case EventKind::Key:
        event.key = namedKeys[std::size_t(choose.below(int(namedKeys.size())))];
        event.shift = choose.below(3) == 0;
        break;
    case EventKind::Type:
        event.text
            = choose.below(3) ? QString(QChar(u' ' + choose.below(95))) : randomText(choose, 1);
        if (event.text.isEmpty())
            event.text = u"7"_s;
        break;
    case EventKind::Paste:
    case EventKind::SetText:
        event.value = choose.below(55);
        event.text = choose.below(10) ? randomText(choose, 3) : randomText(choose, 10000);
        break;
    case EventKind::ClickButton:
        for (int k = choose.below(3); k > 0; --k)
            event.answers << randomAnswer(choose);
        event.answers << randomAnswer(choose);
        event.random1 = choose.unit();
        event.random2 = choose.unit();
        event.clock = float(choose.below(86400)) + choose.unit();
        break;
    case EventKind::ClickVerdict:
        event.answers << randomAnswer(choose);
        break;
    case EventKind::ClickPanel:
    case EventKind::ClickCell:
    case EventKind::WriteRightRow:
        event.value = choose.below(1 << 16);
        break;
    case EventKind::Scroll:
        event.key = 1 + choose.below(2);
        event.value = 1 + choose.below(6);
        break;
    case EventKind::ClickHelp:
    case EventKind::TimerTick:
    case EventKind::Count:
        break;
    }
    return event;
}

QString describe(const Event& event)
{
    auto shown = [](const QString& text) {
        QString s = text.left(40);
        s.replace(u'\n', u"\\n"_s).replace(u'\t', u"\\t"_s);
        return u'"' + s + (text.size() > 40 ? u"…\" (%1 code units)"_s.arg(text.size()) : u"\""_s);
    };
    switch (event.kind) {
    case EventKind::Key:
        return u"key %1%2"_s.arg(event.shift ? u"Shift+"_s : QString())
            .arg(QKeySequence(event.key).toString());
    case EventKind::Type:
        return u"type "_s + shown(event.text);
    case EventKind::Paste:
        return u"paste "_s + shown(event.text);
    case EventKind::SetText:
        return u"set cell %1 to "_s.arg(event.value) + shown(event.text);
    case EventKind::ClickButton: {
        QStringList answers;
        for (const QString& answer : event.answers)
            answers << shown(answer);
        return u"click Empezar/Terminar (answers %1; draws %2, %3; clock %4)"_s
            .arg(answers.join(u", "))
            .arg(event.random1)
            .arg(event.random2)
            .arg(event.clock, 0, 'f', 3);
    }
    case EventKind::ClickHelp:
        return u"click ?"_s;
    case EventKind::ClickVerdict:
        return u"click the verdict (answer %1)"_s.arg(shown(event.answers.value(0)));
    case EventKind::ClickPanel:
        return u"click the panel at %1"_s.arg(event.value);
    case EventKind::ClickCell:
        return u"click cell %1"_s.arg(event.value % 55);
    case EventKind::WriteRightRow:
        if (event.value % 4 == 0)
            return u"write every row right and press the button"_s;
        return u"write row %1 right"_s.arg(1 + event.value % 7);
    case EventKind::TimerTick:
        return u"timer tick"_s;
    case EventKind::Scroll:
        return u"scroll bar %1 to %2"_s.arg(event.key).arg(event.value);
    case EventKind::Count:
        break;
    }
    return u"?"_s;
}

Cell* nthCell(const Form1& form, int n)
{
    n %= 55;
    return n < 42 ? form.row(1 + n / 7)[std::size_t(n % 7)] : form.Text7[std::size_t(n - 42)];
}

void clickAt(Form1& form, const QWidget* control, QPoint local)
{
    QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, control->mapTo(&form, local));
}

void writeRightRow(Form1& form, int r)
{
    const Cell* units = form.row(r)[0];
    if (!units->isShown() || form.Command2->isHidden())
        return;
    for (const Cell* cell : form.row(r)) {
        if (cell->isHidden() || cell->text().isEmpty())
            continue;
        clickAt(form, cell, cell->rect().center());
        QTest::keyClick(const_cast<Cell*>(cell), Qt::Key_End);
        QTest::keyClick(const_cast<Cell*>(cell), Qt::Key_Backspace);
    }
    const QString expected
        = r == 7 ? form.product()->caption() : form.expectedPartialProduct(r)->caption();
    clickAt(form, units, units->rect().center());
    for (auto digit = expected.crbegin(); digit != expected.crend(); ++digit)
        if (QWidget* target = QApplication::focusWidget())
            QTest::keyClick(target, digit->toLatin1());
}

void apply(Window& window, const Event& event)
{
    Form1& form = *window;
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &form;
    switch (event.kind) {
    case EventKind::Key:
        QTest::keyClick(
            target, Qt::Key(event.key), event.shift ? Qt::ShiftModifier : Qt::NoModifier);
        break;
    case EventKind::Type:
        QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, event.text, Qt::NoModifier);
        break;
    case EventKind::Paste:
        QGuiApplication::clipboard()->setText(event.text);
        QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
        break;
    case EventKind::SetText:
        nthCell(form, event.value)->setText(event.text);
        break;
    case EventKind::ClickButton:
        window.script->answers = event.answers;
        window.script->randoms = {event.random1, event.random2};
        window.script->clock = event.clock;
        clickAt(form, form.Command1, form.Command1->rect().center());
        break;
    case EventKind::ClickHelp:
        clickAt(form, form.Command3, form.Command3->rect().center());
        break;
    case EventKind::ClickVerdict:
        window.script->answers = event.answers;
        clickAt(form, form.verdict(), form.verdict()->rect().center());
        break;
    case EventKind::ClickPanel: {
        // Only the part of the panel inside the window can be clicked.
        const int width = std::min(form.Picture1->width(), form.width() - form.Picture1->x());
        clickAt(form, form.Picture1,
            {event.value % width, (event.value / 256) % form.Picture1->height()});
        break;
    }
    case EventKind::WriteRightRow:
        if (event.value % 4 == 0) {
            for (int r = 1; r <= 7; ++r)
                writeRightRow(form, r);
            clickAt(form, form.Command2, form.Command2->rect().center());
        } else {
            writeRightRow(form, 1 + event.value % 7);
        }
        break;
    case EventKind::ClickCell: {
        const Cell* cell = nthCell(form, event.value);
        clickAt(form, cell, cell->rect().center());
        break;
    }
    case EventKind::TimerTick:
        if (form.Timer1->isActive())
            Timer1_Timer(form);
        break;
    case EventKind::Scroll:
        // A hidden bar cannot be moved.
        if (ScrollBar* bar = event.key == 1 ? form.HScroll1 : form.HScroll2; bar->isShown())
            bar->setValue(event.value);
        break;
    case EventKind::Count:
        break;
    }
}

QString brokenInvariant(const Form1& form)
{
    for (int n = 0; n < 55; ++n) {
        const Cell* cell = nthCell(form, n);
        if (characterCount(cell->text()) > 1)
            return cell->objectName() + u" holds %1 characters"_s.arg(characterCount(cell->text()));
    }
    if (const QWidget* focus = QApplication::focusWidget(); focus && focus->isHidden())
        return u"the focus is on the hidden "_s + focus->objectName();
    const QString grade = form.grade()->caption();
    const double value = NumericValue(grade);
    if (!(value >= 0 && value <= 10) || numberText(value) != grade)
        return u"the grade reads "_s + grade;
    if (form.Command1->isShown() == form.Command2->isShown())
        return u"Empezar and Terminar are both shown or both hidden"_s;
    if (form.HScroll1->isShown() != form.Command1->isShown()
        || form.HScroll2->isShown() != form.Command1->isShown())
        return u"the scroll bars do not follow Empezar"_s;
    if (form.List1->line(0) != resultsHeader)
        return u"the list lost its header"_s;
    static const QRegularExpression resultTail(u"^ \\d\\d \\([1-6]-[1-6]\\) \\d+ s$"_s);
    for (int k = 1; k < form.List1->lineCount(); ++k) {
        const QString line = form.List1->line(k);
        const QString pupil = fitToCharacters(line, 12);
        if (!line.startsWith(pupil) || !resultTail.match(line.mid(pupil.size())).hasMatch())
            return u"results line %1 is malformed: "_s.arg(k) + line;
    }
    return {};
}

QString applyAndCheck(Window& window, const Event& event, const ExtraInvariant& extra)
{
    const int linesBefore = window->List1->lineCount();
    // "Terminar" is pressed by a click, by the rows written right, or by Enter on it.
    const bool enterOnTerminar = event.kind == EventKind::Key && event.key == Qt::Key_Return
        && QApplication::focusWidget() == window->Command2;
    const bool terminar = (event.kind == EventKind::ClickButton
                              || event.kind == EventKind::WriteRightRow || enterOnTerminar)
        && window->Command2->isShown();
    apply(window, event);
    QString what = brokenInvariant(*window);
    if (what.isEmpty() && extra)
        what = extra(*window);
    // Only "Terminar" adds lines: exactly one when it ends the exercise, with "BIEN".
    const int added = window->List1->lineCount() - linesBefore;
    const int expected = terminar && window->Command1->isShown() ? 1 : 0;
    if (what.isEmpty() && added != expected)
        what = u"%1 lines added where %2 were due"_s.arg(added).arg(expected);
    if (what.isEmpty() && expected == 1
        && !(window->verdict()->isShown() && window->verdict()->caption() == u"BIEN"))
        what = u"a finished exercise without \"BIEN\" on the page"_s;
    return what;
}

int firstFailure(const QList<Event>& events, QString* broken, const ExtraInvariant& extra)
{
    Window window;
    if (!window.open())
        qFatal("the window did not open");
    for (int k = 0; k < events.size(); ++k) {
        if (const QString what = applyAndCheck(window, events[k], extra); !what.isEmpty()) {
            if (broken)
                *broken = what;
            return k;
        }
    }
    return -1;
}

QList<Event> shrink(QList<Event> events, const ExtraInvariant& extra)
{
    for (qsizetype chunk = events.size() / 2; chunk >= 1; chunk /= 2) {
        bool removed = true;
        while (removed) {
            removed = false;
            for (qsizetype start = 0; start + chunk <= events.size(); start += chunk) {
                QList<Event> candidate = events;
                candidate.remove(start, chunk);
                if (const int failure = firstFailure(candidate, nullptr, extra); failure >= 0) {
                    events = candidate.mid(0, failure + 1);
                    removed = true;
                    break;
                }
            }
        }
    }
    return events;
}

} // namespace pizarrin::testing
