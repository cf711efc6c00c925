// Where the desktop and the browser differ in how windows are shown and take the
// keyboard: one implementation each, chosen by the build (windowing_desktop.cpp,
// windowing_browser.cpp).
#pragma once

class QDialog;
class QWidget;

namespace pizarrin {

// Shows the program's one window: on the desktop where the window manager puts it, in
// the browser centred on the page, and kept there when the page changes size.
void showMainWindow(QWidget& window);

// Makes sure that what the pupil types next goes into the prompt's field, which the
// desktop does by itself when the prompt opens. Call it just before the prompt's exec().
void typeIntoPrompt(QDialog& prompt, QWidget& field);

} // namespace pizarrin
