// The platform services the program reaches the desktop through: the modal input box,
// the clock and the random generator. Tests pass scripted ones.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace pizarrin {

struct Platform {
    // Modal input box; returns the typed text, or "" when cancelled.
    // `secret` asks for masked echo (the access code).
    std::function<QString(const QString& message, const QString& title, bool secret)> inputBox;
    std::function<float()> clock; // seconds since midnight, with fraction
    std::function<void(float)> seedRandom; // called once, from start-up, with the clock
    std::function<float()> random; // 0 <= r < 1
    // Optional: the window hands itself over, so that the prompts belong to it (they open
    // over it and are transient for it, whether or not it is active). Scripted services
    // leave it empty.
    std::function<void(QWidget* window)> attachWindow;
    static Platform system(); // the real desktop services
};

} // namespace pizarrin
