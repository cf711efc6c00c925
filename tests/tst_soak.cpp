// Random events across all digit-count pairs, with every invariant checked after each.
// PIZARRIN_SOAK_EVENTS sets how many events run (200000 by default; 10000000 for the
// long run) and PIZARRIN_SOAK_SEED the first seed. A failure prints the seed and the
// shortest sequence of events that still breaks the invariant.
#include "support/events.h"

#include <random>

using namespace pizarrin;
using namespace pizarrin::testing;

namespace {

class SeededChoices : public Choices {
public:
    explicit SeededChoices(quint32 seed)
        : generator_(seed)
    {
    }
    int below(int n) override { return std::uniform_int_distribution<int>(0, n - 1)(generator_); }

private:
    std::mt19937 generator_;
};

qint64 setting(const char* name, qint64 fallback)
{
    bool ok = false;
    const qint64 value = qEnvironmentVariable(name).toLongLong(&ok);
    return ok ? value : fallback;
}

} // namespace

class TestSoak : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void invariantsHoldUnderRandomEvents();
    void shrinkingFindsTheShortestFailingSequence();
};

void TestSoak::invariantsHoldUnderRandomEvents()
{
    const qint64 total = setting("PIZARRIN_SOAK_EVENTS", 200000);
    const auto firstSeed = quint32(setting("PIZARRIN_SOAK_SEED", 20261208));
    constexpr int sessionLength = 2000; // a fresh window every so many events
    qint64 run = 0;
    QSet<int> pairsStarted;
    for (quint32 seed = firstSeed; run < total; ++seed) {
        SeededChoices choose(seed);
        QList<Event> events;
        for (int k = 0; k < sessionLength && run + k < total; ++k)
            events << randomEvent(choose);

        Window window;
        QVERIFY(window.open());
        for (int k = 0; k < events.size(); ++k) {
            const bool broken = !applyAndCheck(window, events[k]).isEmpty();
            if (events[k].kind == EventKind::ClickButton && window->Command2->isShown())
                pairsStarted.insert(window->firstFactor()->caption().size() * 10
                    + window->secondFactor()->caption().size());
            if (broken) {
                QString what;
                const QList<Event> failing = shrink(events.mid(0, k + 1));
                firstFailure(failing, &what);
                qWarning().noquote() << "seed" << seed << "broke after event" << k << ":" << what;
                qWarning().noquote() << "shortest sequence that breaks it:";
                for (const Event& event : failing)
                    qWarning().noquote() << "  " << describe(event);
                QFAIL("an invariant broke; see the sequence above");
            }
            if (k % 64 == 0)
                QCoreApplication::processEvents(); // let the window repaint now and then
        }
        run += events.size();
    }
    qInfo("%lld events run, %lld digit-count pairs started", run, qint64(pairsStarted.size()));
    if (total >= 200000)
        QCOMPARE(pairsStarted.size(), 36);
}

void TestSoak::shrinkingFindsTheShortestFailingSequence()
{
    // A made-up rule that only two events together can break: an exercise running while
    // the help text hides the list. Noise around them must be shrunk away.
    const ExtraInvariant listHiddenDuringExercise = [](const Form1& form) {
        return form.Command2->isShown() && form.List1->isHidden() ? u"list hidden"_s : QString();
    };
    Event help;
    help.kind = EventKind::ClickHelp;
    Event start;
    start.kind = EventKind::ClickButton;
    start.answers = {u"Ana"_s};
    Event noise;
    noise.kind = EventKind::Key;
    noise.key = Qt::Key_Left;

    QList<Event> events;
    for (int k = 0; k < 5; ++k)
        events << noise;
    events << help;
    for (int k = 0; k < 7; ++k)
        events << noise;
    events << start;
    for (int k = 0; k < 3; ++k)
        events << noise;
    QString what;
    QCOMPARE(firstFailure(events, &what, listHiddenDuringExercise), 13);
    QCOMPARE(what, u"list hidden"_s);

    const QList<Event> shortest = shrink(events, listHiddenDuringExercise);
    QCOMPARE(shortest.size(), 2);
    QCOMPARE(describe(shortest[0]), describe(help));
    QCOMPARE(describe(shortest[1]), describe(start));
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
