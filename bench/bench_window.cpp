// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop/desktop_launcher.h"
#include "platform/desktop/desktop_message_boxes.h"
#include "ui/startup.h"

#include <QApplication>
#include <QLabel>
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
        {
            const auto window = makeWindow();
            showAndWait(*window);
            state.PauseTiming();
        }
        state.ResumeTiming();
    }
}

void BM_StartUpBareMainWindow(benchmark::State &state)
{
    measureStartUp(state, [] { return std::make_unique<QMainWindow>(); });
}

// The first text a process shows makes Qt load its font database, a cost every window with a
// caption pays once; this baseline pays it too, so the difference to Form1 is the window's own.
void BM_StartUpMainWindowWithText(benchmark::State &state)
{
    measureStartUp(state, [] {
        auto window = std::make_unique<QMainWindow>();
        window->setCentralWidget(new QLabel(QStringLiteral("Loan amount"), window.get()));
        return window;
    });
}

// In a language other than English start-up also loads the program's and Qt's translations and
// looks up every text.
void BM_StartUpForm1(benchmark::State &state, QLocale::Language language,
                     QLocale::Territory territory, QStringList uiLanguages)
{
    DesktopMessageBoxes messages;
    DesktopLauncher launcher;
    measureStartUp(state, [&] {
        return startUp({messages, launcher, QLocale(language, territory)}, uiLanguages);
    });
}

// One keystroke's worth of work: a new rate through textChanged, the calculation, the view and
// the result field.
void BM_KeystrokeRecalculation(benchmark::State &state)
{
    QApplication app(argc, argv);
    DesktopMessageBoxes messages;
    DesktopLauncher launcher;
    const StartedWindow form =
        startUp({messages, launcher, QLocale(QLocale::English, QLocale::UnitedStates)});
    showAndWait(*form);
    auto *rate = form->findChild<QLineEdit *>(QStringLiteral("Text2"));
    const QString texts[] = {QStringLiteral("5"), QStringLiteral("6")};
    int i = 0;
    for (auto _ : state)
        rate->setText(texts[++i % 2]);
}

} // namespace

BENCHMARK(BM_StartUpBareMainWindow)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_StartUpMainWindowWithText)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK_CAPTURE(BM_StartUpForm1, English, QLocale::English, QLocale::UnitedStates, {})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);
BENCHMARK_CAPTURE(BM_StartUpForm1, German, QLocale::German, QLocale::Germany, {"de-DE"})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);
// Right to left start-up also mirrors the design.
BENCHMARK_CAPTURE(BM_StartUpForm1, Arabic, QLocale::Arabic, QLocale::Egypt, {"ar-EG"})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);
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
