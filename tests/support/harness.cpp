#include "support/harness.h"

#include <QApplication>
#include <QHash>

namespace pizarrin::testing {

Platform scriptedPlatform(const std::shared_ptr<Script>& script)
{
    Platform platform;
    platform.inputBox = [script](const QString& message, const QString& title, bool secret) {
        script->prompts.append({message, title, secret});
        if (script->onPrompt)
            script->onPrompt();
        return script->answers.isEmpty() ? u"Ana"_s : script->answers.takeFirst();
    };
    platform.clock = [script] { return script->clock; };
    platform.seedRandom = [script](float seed) { script->seeds.append(seed); };
    platform.random
        = [script] { return script->randoms.isEmpty() ? 0.5F : script->randoms.takeFirst(); };
    return platform;
}

float randomFor(long long factor, int digits)
{
    long long n = factor;
    for (int d = digits; d < 6; ++d)
        n *= 10;
    return static_cast<float>((static_cast<double>(n - 100000) + 0.5) / 899999.0);
}

int digitCount(long long n)
{
    return static_cast<int>(QString::number(n).size());
}

Platform systemDrawing(long long first, long long second)
{
    auto draws = std::make_shared<QList<float>>(
        QList<float> {randomFor(first, digitCount(first)), randomFor(second, digitCount(second))});
    Platform platform = Platform::system();
    platform.random = [draws] { return draws->isEmpty() ? 0.5F : draws->takeFirst(); };
    return platform;
}

QString marks(const Form1& form)
{
    QString shown;
    for (const Image* mark : form.Image1) {
        if (mark->isHidden())
            shown += u'.';
        else
            shown += mark->pictureName() == u"Image2" ? u'T'
                : mark->pictureName() == u"Image3"    ? u'X'
                                                      : u'?';
    }
    return shown;
}

QWidget* focused()
{
    return QApplication::focusWidget();
}

QString focusName()
{
    return focused() ? focused()->objectName() : u"(none)"_s;
}

QString shownCells(const Form1& form, int r)
{
    QString shown;
    for (const Cell* cell : form.row(r))
        shown += cell->isShown() ? u'1' : u'0';
    return shown;
}

Cell* cellNamed(const Form1& form, const QString& name)
{
    return form.findChild<Cell*>(name);
}

namespace {

void pressNamed(const QString& name)
{
    static const QHash<QString, Qt::Key> named {
        {u"Left"_s, Qt::Key_Left},
        {u"Right"_s, Qt::Key_Right},
        {u"Up"_s, Qt::Key_Up},
        {u"Down"_s, Qt::Key_Down},
        {u"Backspace"_s, Qt::Key_Backspace},
        {u"Delete"_s, Qt::Key_Delete},
        {u"Enter"_s, Qt::Key_Return},
        {u"Home"_s, Qt::Key_Home},
        {u"End"_s, Qt::Key_End},
        {u"Tab"_s, Qt::Key_Tab},
    };
    const bool shift = name.startsWith(u"Shift+");
    const QString key = shift ? name.mid(6) : name;
    if (key == u"Paste")
        QTest::keyClick(focused(), Qt::Key_V, Qt::ControlModifier);
    else if (named.contains(key))
        QTest::keyClick(focused(), named.value(key), shift ? Qt::ShiftModifier : Qt::NoModifier);
    else
        qFatal("no key is called %s", qPrintable(name));
}

} // namespace

void keys(const QString& input)
{
    for (qsizetype k = 0; k < input.size();) {
        if (input[k] == u'{') {
            const qsizetype close = input.indexOf(u'}', k);
            pressNamed(input.mid(k + 1, close - k - 1));
            k = close + 1;
        } else {
            // One character, two UTF-16 units for one beyond the first plane.
            const qsizetype length = input[k].isHighSurrogate() ? 2 : 1;
            QTest::sendKeyEvent(
                QTest::Click, focused(), Qt::Key_unknown, input.mid(k, length), Qt::NoModifier);
            k += length;
        }
    }
}

void fill(const Form1& form, const QStringList& entries)
{
    for (const QString& entry : entries) {
        QTest::mouseClick(cellNamed(form, entry.section(u':', 0, 0)), Qt::LeftButton);
        keys(entry.section(u':', 1));
    }
}

QString writing(const Cell* unitsCell, const QString& number)
{
    QString reversed;
    for (QChar digit : number)
        reversed.prepend(digit);
    return unitsCell->objectName() + u':' + reversed;
}

bool Window::open() const
{
    form->show();
    return QTest::qWaitForWindowActive(form.get());
}

void Window::prepare(long long first, long long second, const QString& pupil) const
{
    form->HScroll1->setValue(digitCount(first));
    form->HScroll2->setValue(digitCount(second));
    script->randoms = {randomFor(first, digitCount(first)), randomFor(second, digitCount(second))};
    script->answers = {pupil};
}

void Window::start(long long first, long long second, const QString& pupil) const
{
    prepare(first, second, pupil);
    QTest::mouseClick(form->Command1, Qt::LeftButton);
}

void Window::finish() const
{
    QTest::mouseClick(form->Command2, Qt::LeftButton);
}

} // namespace pizarrin::testing
