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

void type(const QString& keys)
{
    for (QChar c : keys)
        QTest::keyClick(focused(), c.toLatin1());
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(focused(), key, modifiers);
}

QString focusName()
{
    return focused() ? focused()->objectName() : u"(none)"_s;
}

void write(Cell* unitsCell, const QString& number)
{
    QTest::mouseClick(unitsCell, Qt::LeftButton);
    for (auto digit = number.crbegin(); digit != number.crend(); ++digit)
        QTest::keyClick(focused(), digit->toLatin1());
}

QString shownCells(const Form1& form, int r)
{
    QString shown;
    for (const Cell* cell : form.row(r))
        shown += cell->isShown() ? u'1' : u'0';
    return shown;
}

void act(const QString& key)
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
    if (key == u"Paste") {
        press(Qt::Key_V, Qt::ControlModifier);
    } else if (key.startsWith(u"Shift+")) {
        press(named.value(key.mid(6)), Qt::ShiftModifier);
    } else if (named.contains(key)) {
        press(named.value(key));
    } else {
        QTest::sendKeyEvent(QTest::Click, focused(), Qt::Key_unknown, key, Qt::NoModifier);
    }
}

Cell* cellNamed(const Form1& form, const QString& name)
{
    return form.findChild<Cell*>(name);
}

void fill(const Form1& form, const QStringList& entries)
{
    for (const QString& entry : entries) {
        QTest::mouseClick(cellNamed(form, entry.section(u':', 0, 0)), Qt::LeftButton);
        for (QChar key : entry.section(u':', 1))
            act(key == u'_' ? u"Enter"_s : QString(key));
    }
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
