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

Platform scriptedPlatform(const std::shared_ptr<Script>& script);

// A random draw that makes "Empezar" pick `factor`, a number of `digits` digits: the
// factor is the leading part of the six-digit number floor(r * 899999) + 100000.
float randomFor(long long factor, int digits);

int digitCount(long long n);

// The real desktop services, but for the two factors drawn, which a test must know.
Platform systemDrawing(long long first, long long second);

// What the seven marks show: 'T' a tick, 'X' a cross, '.' hidden.
QString marks(const Form1& form);

struct Window {
    std::shared_ptr<Script> script = std::make_shared<Script>();
    std::unique_ptr<Form1> form = std::make_unique<Form1>(scriptedPlatform(script));

    Form1& operator*() const { return *form; }
    Form1* operator->() const { return form.get(); }

    // Shows the window and waits until it has the keyboard focus, as a pupil sees it.
    bool open() const;
    // Chooses the digit counts on the scroll bars and scripts the factors and the pupil
    // answer for the next "Empezar".
    void prepare(long long first, long long second, const QString& pupil = u"7 Abcd"_s) const;
    // Prepares the exercise and presses "Empezar".
    void start(long long first, long long second, const QString& pupil = u"7 Abcd"_s) const;
    void finish() const;
};

QWidget* focused();

QString focusName();

// Which cells of a row are shown, from the units cell leftwards: "1000000" is a zero row.
QString shownCells(const Form1& form, int r);

Cell* cellNamed(const Form1& form, const QString& name);

// Input, in one notation, as a pupil gives it: every character is typed as it is, and a
// key's name in braces is that key: {Left}, {Right}, {Up}, {Down}, {Shift+Left},
// {Backspace}, {Delete}, {Enter}, {Home}, {End}, {Tab}, or {Paste} (Ctrl+V).
// keys() presses them on whichever widget has the focus; fill() takes entries
// "CELL:KEYS", each a click on CELL, then its keys: "Text1(0):4853", "Text1(0):4{Right}5".
void keys(const QString& input);
void fill(const Form1& form, const QStringList& entries);

// A number as the pupil writes it into the row whose units cell is given: its digits
// from right to left, "Text1(0):8584" for 4858.
QString writing(const Cell* unitsCell, const QString& number);

} // namespace pizarrin::testing
