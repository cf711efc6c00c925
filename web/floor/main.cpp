// An empty window of Pizarrin's client size, 686 x 450 pixels, centred as the program's.
#include <QApplication>
#include <QScreen>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(686, 450);
    window.show();
    const QRect page = window.screen()->availableGeometry();
    window.move(page.center() - window.rect().center());
    return QApplication::exec();
}
