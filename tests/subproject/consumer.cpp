// Opens the window through the public headers alone and finds controls by their names.
#include "app/form1.h"
#include "toolkit/platform.h"

#include <QApplication>
#include <QLineEdit>

pizarrin::Platform consumerPlatform(); // platform_only.cpp

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    pizarrin::Form1 form(consumerPlatform());
    const auto* cell = form.findChild<QLineEdit*>(QStringLiteral("Text3(4)"));
    const bool found = cell && cell->property("leftTwips").toInt() == 2770
        && form.findChildren<QWidget*>().size() >= 137 && !form.windowIcon().isNull();
    return found ? 0 : 1;
}
