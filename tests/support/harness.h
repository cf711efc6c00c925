// Shared by the tests: a scripted platform (prompt answers, random draws, clock) and a
// fresh window driven through real clicks and keys.
#pragma once

#include "app/form1.h"

#include <QApplication>
#include <QTest>
#include <memory>

namespace pizarrin::testing {

using namespace Qt::StringLiterals;

struct Prompt {
    QString message;
    QString title;
    bool secret = false;
};

struct Script {
    QStringList answers; // answered in order; an exhausted script answers "Ana"
    QList<float> randoms; // drawn in order; an exhausted script draws 0.5
    float clock = 1000.25F;
    QList<Prompt> prompts; // every prompt shown, in order
    QList<float> seeds;
    std::function<void()> onPrompt; // runs while a prompt is "open"
};

inline Platform scriptedPlatform(const std::shared_ptr<Script>& script)
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

// A random draw that makes "Empezar" pick `factor`, a number of `digits` digits: the
// factor is the leading part of the six-digit number floor(r * 899999) + 100000.
inline float randomFor(long long factor, int digits)
{
    long long n = factor;
    for (int d = digits; d < 6; ++d)
        n *= 10;
    return static_cast<float>((static_cast<double>(n - 100000) + 0.5) / 899999.0);
}

inline int digitCount(long long n)
{
    return static_cast<int>(QString::number(n).size());
}

// The real desktop services, but for the two factors drawn, which a test must know.
inline Platform systemDrawing(long long first, long long second)
{
    auto draws = std::make_shared<QList<float>>(
        QList<float> {randomFor(first, digitCount(first)), randomFor(second, digitCount(second))});
    Platform platform = Platform::system();
    platform.random = [draws] { return draws->isEmpty() ? 0.5F : draws->takeFirst(); };
    return platform;
}

// What the seven marks show: 'T' a tick, 'X' a cross, '.' hidden.
inline QString marks(const Form1& form)
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

struct Window {
    std::shared_ptr<Script> script = std::make_shared<Script>();
    std::unique_ptr<Form1> form = std::make_unique<Form1>(scriptedPlatform(script));

    Form1& operator*() const { return *form; }
    Form1* operator->() const { return form.get(); }

    // Shows the window and waits until it has the keyboard focus, as a pupil sees it.
    bool open() const
    {
        form->show();
        return QTest::qWaitForWindowActive(form.get());
    }

    // Chooses the digit counts on the scroll bars and scripts the factors and the pupil
    // answer for the next "Empezar".
    void prepare(long long first, long long second, const QString& pupil = u"7 Abcd"_s) const
    {
        form->HScroll1->setValue(digitCount(first));
        form->HScroll2->setValue(digitCount(second));
        script->randoms
            = {randomFor(first, digitCount(first)), randomFor(second, digitCount(second))};
        script->answers = {pupil};
    }

    // Prepares the exercise and presses "Empezar".
    void start(long long first, long long second, const QString& pupil = u"7 Abcd"_s) const
    {
        prepare(first, second, pupil);
        QTest::mouseClick(form->Command1, Qt::LeftButton);
    }

    void finish() const { QTest::mouseClick(form->Command2, Qt::LeftButton); }
};

inline QWidget* focused()
{
    return QApplication::focusWidget();
}

// Types each character as a real key press on whichever cell has the focus.
inline void type(const QString& keys)
{
    for (QChar c : keys)
        QTest::keyClick(focused(), c.toLatin1());
}

inline void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(focused(), key, modifiers);
}

inline QString focusName()
{
    return focused() ? focused()->objectName() : u"(none)"_s;
}

} // namespace pizarrin::testing

namespace pizarrin::testing {

// Writes a number into a row as a pupil does: a click on its units cell, then the
// digits from right to left, the focus walking left by itself.
inline void write(Cell* unitsCell, const QString& number)
{
    QTest::mouseClick(unitsCell, Qt::LeftButton);
    for (auto digit = number.crbegin(); digit != number.crend(); ++digit)
        QTest::keyClick(focused(), digit->toLatin1());
}

// Which cells of a row are shown, from the units cell leftwards: "1000000" is a zero row.
inline QString shownCells(const Form1& form, int r)
{
    QString shown;
    for (const Cell* cell : form.row(r))
        shown += cell->isShown() ? u'1' : u'0';
    return shown;
}

} // namespace pizarrin::testing

namespace pizarrin::testing {

// One key as a pupil presses it: a character, or a named key such as "Left",
// "Shift+Left", "Backspace", "Paste" (Ctrl+V) or "Tab".
inline void act(const QString& key)
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

inline Cell* cellNamed(const Form1& form, const QString& name)
{
    return form.findChild<Cell*>(name);
}

// "Text1(0):4853" clicks Text1(0) and types 4, 8, 5, 3; "_" is Enter, which skips a cell.
inline void fill(const Form1& form, const QStringList& entries)
{
    for (const QString& entry : entries) {
        QTest::mouseClick(cellNamed(form, entry.section(u':', 0, 0)), Qt::LeftButton);
        for (QChar key : entry.section(u':', 1))
            act(key == u'_' ? u"Enter"_s : QString(key));
    }
}

} // namespace pizarrin::testing
