// Where the desktop and the browser differ in how windows are shown and take the
// keyboard: one implementation each, chosen by the build (windowing_desktop.cpp, and
// windowing_browser.cpp with keyboard_browser.cpp).
#pragma once

class QApplication;
class QDialog;
class QWidget;

namespace pizarrin {

// Shows the program's one window: on the desktop where the window manager puts it; in
// the browser in the page's middle, and on a touch screen as large as the page allows,
// by one factor so that it keeps its proportions and never below its design size,
// fitted again whenever the page changes size (a tablet turned, a keyboard raised).
void showMainWindow(QWidget& window);

// Makes sure that what the pupil types next goes into the prompt's field, which the
// desktop does by itself when the prompt opens. Call it just before the prompt's exec().
void typeIntoPrompt(QDialog& prompt, QWidget& field);

// Keeps a touch screen's on-screen keyboard for the fields that take text: in the browser
// it rises for a cell, as a number pad, and for a prompt's field, as letters, and a tap
// anywhere else leaves it down or puts it away; the physical keys reach the program as
// before. The desktop's input methods need no help. Call it once, before the first window.
void keepKeyboardForTyping(QApplication& app);

} // namespace pizarrin
