// Opens a window and quits as soon as its first frame is painted. Built twice: as the
// program's window (launch_pizarrin) and as the floor, an empty QWidget of the same
// client size (launch_floor), so that bench/run can compare the two processes.
#include "app/form1.h"

#include <QApplication>
#include <QTimer>

namespace {

// Quits once the window has painted itself for the first time.
class FirstFrame : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !quitting_) {
            quitting_ = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool quitting_ = false;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
#ifdef PIZARRIN_FLOOR
    QWidget window;
    window.setFixedSize(686, 450);
#else
    pizarrin::Form1 window(pizarrin::Platform::system());
#endif
    FirstFrame firstFrame;
    window.installEventFilter(&firstFrame);
    window.show();
    return QApplication::exec();
}
