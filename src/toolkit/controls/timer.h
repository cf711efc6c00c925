// The verdict timer: enabled, it raises its tick once every interval until disabled.
#pragma once

#include <QStringView>
#include <QTimer>

namespace pizarrin {

class Timer : public QTimer {
public:
    Timer(QStringView name, int intervalMs, QObject* owner)
        : QTimer(owner)
    {
        setObjectName(name.toString());
        setInterval(intervalMs);
    }

    // Enabling restarts the interval, so the tick comes a full interval later.
    void enable() { start(); }
    void disable() { stop(); }
};

} // namespace pizarrin
