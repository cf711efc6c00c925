// Pizarrin: long multiplication practised as in a school notebook.
#include "app/form1.h"
#include "toolkit/platform/application.h"
#include "toolkit/platform/windowing.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("pizarrin"));
    QGuiApplication::setDesktopFileName(pizarrin::desktopFileName);
    QApplication::setWindowIcon(pizarrin::applicationIcon());
    pizarrin::installQtTranslation(); // before the first window, for its menus too
    pizarrin::installBundledFonts(); // before the first window, which looks its faces up
    pizarrin::keepKeyboardForTyping(app);
    pizarrin::Form1 form(pizarrin::Platform::system());
    pizarrin::showMainWindow(form);
    return QApplication::exec();
}
