// Median wall time of each handler on the real window (offscreen), including the
// repaint it causes: after the handler, the window's pending paint requests are flushed
// synchronously, so exactly the regions the operation dirtied are painted, as before
// the next frame. Drawing the whole window is measured on its own for comparison.
#include "grading/results.h"
#include "support/harness.h"
#include "window/worksheet.h"

#include <benchmark/benchmark.h>

using namespace pizarrin;
using namespace pizarrin::testing;

namespace {

// Paints what the last operation changed, as the event loop would before the next frame.
void paintPending(Form1& form)
{
    QCoreApplication::sendPostedEvents(&form, QEvent::UpdateRequest);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
}

std::unique_ptr<Window> shownWindow()
{
    auto window = std::make_unique<Window>();
    window->open();
    paintPending(**window);
    return window;
}

// Back to the state without an exercise, ready for the next "Empezar".
void readyForEmpezar(Window& window, long long first, long long second)
{
    endExercise(*window);
    window.prepare(first, second);
    paintPending(*window);
}

void construction(benchmark::State& state)
{
    const auto script = std::make_shared<Script>();
    for (auto _ : state) {
        auto form = std::make_unique<Form1>(scriptedPlatform(script));
        form->show();
        QCoreApplication::processEvents(); // the first expose paints the whole window
        state.PauseTiming();
        form.reset();
        state.ResumeTiming();
    }
}

void empezar(benchmark::State& state)
{
    const long long first = state.range(0);
    const long long second = state.range(1);
    const auto window = shownWindow();
    for (auto _ : state) {
        state.PauseTiming();
        readyForEmpezar(*window, first, second);
        state.ResumeTiming();
        QTest::mouseClick((*window)->Command1, Qt::LeftButton);
        paintPending(**window);
    }
}

// One key through a cell: key-down, key-press, the edit, change, and the focus move.
void keyInCell(benchmark::State& state, Cell* (*cell)(Form1&), Qt::Key key, const char* text)
{
    const auto window = shownWindow();
    window->start(123, 204); // row 2 is a zero row
    for (auto _ : state) {
        state.PauseTiming();
        Cell* target = cell(**window);
        target->setText({});
        target->giveFocus();
        paintPending(**window);
        state.ResumeTiming();
        QTest::sendKeyEvent(QTest::Click, target, key, QString::fromLatin1(text), Qt::NoModifier);
        paintPending(**window);
    }
}

void digitKey(benchmark::State& state)
{
    keyInCell(
        state, [](Form1& form) { return form.Text1[2]; }, Qt::Key_5, "5");
}

void arrowKey(benchmark::State& state)
{
    keyInCell(
        state, [](Form1& form) { return form.Text1[2]; }, Qt::Key_Left, "");
}

void zeroRowJump(benchmark::State& state)
{
    keyInCell(
        state, [](Form1& form) { return form.Text2[0]; }, Qt::Key_0, "0");
}

void terminar(benchmark::State& state)
{
    const bool right = state.range(0) != 0;
    const auto window = shownWindow();
    const long long first = 987654;
    const long long second = 123456;
    for (auto _ : state) {
        state.PauseTiming();
        if ((*window)->Command1->isShown() || (*window)->Text1[0]->text().isEmpty()) {
            readyForEmpezar(*window, first, second);
            QTest::mouseClick((*window)->Command1, Qt::LeftButton);
            for (int r = 1; r <= 6; ++r)
                fill(**window,
                    {writing(
                        (*window)->row(r)[0], (*window)->expectedPartialProduct(r)->caption())});
            fill(**window,
                {writing((*window)->Text7[0], right ? (*window)->product()->caption() : u"1"_s)});
            paintPending(**window);
        }
        state.ResumeTiming();
        QTest::mouseClick((*window)->Command2, Qt::LeftButton);
        paintPending(**window);
    }
}

void scrollBar(benchmark::State& state)
{
    const auto window = shownWindow();
    int value = 5;
    for (auto _ : state) {
        (*window)->HScroll2->setValue(value);
        paintPending(**window);
        value = value == 5 ? 6 : 5;
    }
}

// Every control of the window drawn once, for comparison with what an operation paints.
void fullFrame(benchmark::State& state)
{
    const auto window = shownWindow();
    window->start(987654, 123456);
    for (auto _ : state)
        benchmark::DoNotOptimize((*window)->grab());
}

} // namespace

#define PIZARRIN_BENCH(function) BENCHMARK(function)->Unit(benchmark::kMicrosecond)

PIZARRIN_BENCH(construction);
PIZARRIN_BENCH(empezar)->Args({1, 1})->Args({123, 456})->Args({987654, 123456});
PIZARRIN_BENCH(digitKey);
PIZARRIN_BENCH(arrowKey);
PIZARRIN_BENCH(zeroRowJump);
PIZARRIN_BENCH(terminar)->Arg(0)->Arg(1)->ArgName("right");
PIZARRIN_BENCH(scrollBar);
PIZARRIN_BENCH(fullFrame);

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
