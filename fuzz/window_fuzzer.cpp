// Arbitrary bytes as a sequence of a child's events on the real window (offscreen):
// every byte decides part of an event, and every invariant is checked after each event.
#include "support/events.h"

#include <cstdio>

using namespace pizarrin::testing;

namespace {

// Choices read from the fuzzer's bytes; once they run out every choice is 0.
class ByteChoices : public Choices {
public:
    ByteChoices(const uint8_t* data, size_t size)
        : data_(data)
        , size_(size)
    {
    }
    int below(int n) override
    {
        if (n <= 1)
            return 0;
        unsigned value = 0;
        for (int bytes = n > 256 ? (n > 65536 ? 3 : 2) : 1; bytes > 0; --bytes)
            value = value << 8 | (used_ < size_ ? data_[used_++] : 0U);
        return int(value % unsigned(n));
    }
    bool exhausted() const { return used_ >= size_; }

private:
    const uint8_t* data_;
    size_t size_;
    size_t used_ = 0;
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: libFuzzer ends the process with exit(), after Qt's own statics
    // are gone, and destroying the application then would crash. The static pointer
    // keeps it reachable, so it is no leak.
    static auto* application = new QApplication(*argc, *argv);
    Q_UNUSED(application);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ByteChoices choose(data, size);
    QList<Event> events;
    while (!choose.exhausted() && events.size() < 400)
        events << randomEvent(choose);
    QString broken;
    const int failure = firstFailure(events, &broken);
    if (failure >= 0) {
        std::fprintf(stderr, "invariant broken after event %d: %s\n", failure, qPrintable(broken));
        for (int k = 0; k <= failure; ++k)
            std::fprintf(stderr, "  %s\n", qPrintable(describe(events[k])));
        std::abort();
    }
    return 0;
}
