#include "toolkit/platform.h"

#include <QApplication>
#include <QInputDialog>
#include <QTime>
#include <bit>
#include <memory>
#include <random>

namespace pizarrin {

namespace {

QString askInputBox(const QString& message, const QString& title, bool secret)
{
    bool accepted = false;
    const QString answer = QInputDialog::getText(QApplication::activeWindow(), title, message,
        secret ? QLineEdit::Password : QLineEdit::Normal, QString(), &accepted);
    return accepted ? answer : QString();
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
    Platform platform;
    platform.inputBox = askInputBox;
    platform.clock = secondsSinceMidnight;
    platform.seedRandom
        = [generator](float seed) { generator->seed(std::bit_cast<std::uint32_t>(seed)); };
    platform.random = [generator] { return unitInterval(*generator); };
    return platform;
}

} // namespace pizarrin
