#include "platform/launcher.h"
#include "platform/message_boxes.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QLineEdit>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

int argc = 1;
char appName[] = "bench_window";
char *argv[] = {appName, nullptr};

void showAndWait(QWidget &window)
{
    window.show();
    while (!window.windowHandle() || !window.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// From QApplication construction to the first shown window, each iteration a fresh application.
template <typename MakeWindow> void measureStartUp(benchmark::State &state, MakeWindow makeWindow)
{
    for (auto _ : state) {
        QApplication app(argc, argv);
        auto window = makeWindow();
        showAndWait(*window);
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}

void BM_StartUpBareMainWindow(benchmark::State &state)
{
    measureStartUp(state, [] { return std::make_unique<QMainWindow>(); });
}

void BM_StartUpForm1(benchmark::State &state)
{
    DesktopMessageBoxes messages;
    DesktopLauncher launcher;
    measureStartUp(state, [&] {
        auto form = std::make_unique<Form1>(
            FormServices{messages, launcher, QLocale(QLocale::English, QLocale::UnitedStates)});
        form->Form_Load();
        return form;
    });
}

// One keystroke's worth of work: a new rate through textChanged, the calculation, the view and
// the result field.
void BM_KeystrokeRecalculation(benchmark::State &state)
{
    QApplication app(argc, argv);
    DesktopMessageBoxes messages;
    DesktopLauncher launcher;
    Form1 form({messages, launcher, QLocale(QLocale::English, QLocale::UnitedStates)});
    form.Form_Load();
    showAndWait(form);
    auto *rate = form.findChild<QLineEdit *>(QStringLiteral("Text2"));
    const QString texts[] = {QStringLiteral("5"), QStringLiteral("6")};
    int i = 0;
    for (auto _ : state)
        rate->setText(texts[++i % 2]);
}

} // namespace

BENCHMARK(BM_StartUpBareMainWindow)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_StartUpForm1)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_KeystrokeRecalculation)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly();

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
