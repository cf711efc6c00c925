#include "toolkit/platform/platform.h"

#include "toolkit/platform/windowing.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLineEdit>
#include <QPointer>
#include <QTime>
#include <bit>
#include <memory>
#include <random>

namespace pizarrin {

namespace {

// A prompt is a dialog with a title and a close button only: nothing to minimise or
// maximise in a box of one line.
constexpr Qt::WindowFlags promptFlags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
    | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

QString askInputBox(QWidget* window, const QString& message, const QString& title, bool secret)
{
    // The window may close while the prompt is open, and it owns the prompt: a guarded
    // pointer, not an object on the stack.
    QPointer<QInputDialog> dialog = new QInputDialog(window, promptFlags);
    dialog->setWindowTitle(title);
    dialog->setLabelText(message);
    dialog->setTextEchoMode(secret ? QLineEdit::Password : QLineEdit::Normal);
    // Where the program draws its own title bars (Qt's decorations on Wayland), the title
    // is centred, at 14 pixels, between the icon on the left and three buttons on the
    // right, about 100 pixels on either side: a narrow prompt would cut it short.
    QFont titleFont = dialog->font();
    titleFont.setPixelSize(14);
    const int titleRoom = QFontMetrics(titleFont).horizontalAdvance(title) + 2 * 100;
    // The dialog's layout sets its own minimum size: widen the field it is made of.
    if (auto* field = dialog->findChild<QLineEdit*>()) {
        field->setMinimumWidth(titleRoom);
        typeIntoPrompt(*dialog, *field);
    }
    const bool accepted = dialog->exec() == QDialog::Accepted;
    if (!dialog)
        return {};
    const QString answer = accepted ? dialog->textValue() : QString();
    delete dialog;
    return answer;
}

float secondsSinceMidnight()
{
    return static_cast<float>(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0F;
}

// 24 random bits scaled by 2^-24: every value is exact in single precision and the
// largest is 1 - 2^-24, so a draw can never round up to 1.
float unitInterval(std::mt19937& generator)
{
    constexpr float scale = 1.0F / 16777216.0F;
    return static_cast<float>(generator() >> 8U) * scale;
}

} // namespace

Platform Platform::system()
{
    auto generator = std::make_shared<std::mt19937>();
    auto window = std::make_shared<QPointer<QWidget>>();
    Platform platform;
    platform.inputBox = [window](const QString& message, const QString& title, bool secret) {
        QWidget* owner = *window ? window->data() : QApplication::activeWindow();
        return askInputBox(owner, message, title, secret);
    };
    platform.attachWindow = [window](QWidget* widget) { *window = widget; };
    platform.clock = secondsSinceMidnight;
    platform.seedRandom
        = [generator](float seed) { generator->seed(std::bit_cast<std::uint32_t>(seed)); };
    platform.random = [generator] { return unitInterval(*generator); };
    return platform;
}

} // namespace pizarrin
