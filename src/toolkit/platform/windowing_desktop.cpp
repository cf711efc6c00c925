#include "toolkit/platform/windowing.h"

#include <QWidget>

namespace pizarrin {

void showMainWindow(QWidget& window)
{
    window.show();
}

void typeIntoPrompt(QDialog&, QWidget&) { }

void keepKeyboardForTyping(QApplication&) { }

} // namespace pizarrin
