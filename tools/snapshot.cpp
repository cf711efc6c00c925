// Renders the real window in a few states to PNG files for the README and the teachers'
// guide: start-up, the 512 x 407 example after a wrong "Terminar", the hidden panel
// opened on it, and a 6 x 6 exercise. Run it on the xcb platform under Xvfb or on any
// desktop.
#include "support/harness.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;
using namespace pizarrin;
using namespace pizarrin::testing;

namespace {

// The real services, but for the pupil's answer and the factors drawn.
Platform scripted(long long first, long long second)
{
    Platform platform = systemDrawing(first, second);
    platform.inputBox = [](const QString& message, const QString&, bool) {
        return message == u"Clave:"_s ? u"lapicero"_s : u"7 Abcd"_s;
    };
    return platform;
}

void settle()
{
    for (int k = 0; k < 10; ++k)
        QCoreApplication::processEvents();
}

// Types into whichever cell has the window's focus, as key presses.
void type(Form1& form, const QString& keys)
{
    for (QChar key : keys) {
        QWidget* target = form.focusWidget();
        if (!target)
            return;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(key));
        QCoreApplication::sendEvent(target, &press);
    }
}

void save(Form1& form, const QString& path)
{
    settle();
    form.grab().save(path);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : u"."_s);

    {
        Form1 form(scripted(512, 407)); // nothing is drawn before "Empezar"
        form.show();
        save(form, out.filePath(u"startup.png"_s));
    }
    {
        Form1 form(scripted(512, 407));
        form.HScroll1->setValue(3);
        form.show();
        form.Command1->click();
        type(form, u"4853"_s);
        form.Text2[0]->setFocus();
        type(form, u"0"_s);
        type(form, u"4802"_s); // row 3 written wrong: 2084 instead of 2048
        form.Text7[0]->setFocus();
        type(form, u"483802"_s);
        form.Command2->click();
        save(form, out.filePath(u"exercise-512x407.png"_s));
        // The teacher clicks the verdict and gives the access code.
        QTest::mouseClick(form.Label14, Qt::LeftButton);
        save(form, out.filePath(u"panel-512x407.png"_s));
    }
    {
        Form1 form(scripted(987654, 123456));
        form.HScroll2->setValue(6);
        form.show();
        form.Command1->click();
        type(form, u"4295295"_s);
        save(form, out.filePath(u"exercise-6x6.png"_s));
    }
    return 0;
}
