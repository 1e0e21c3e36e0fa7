// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
// Hours at the keyboard: recalculations through the real window, each one a keystroke
// in the rate field, with the event loop running between keystrokes as it does for a user. Prints
// the resident memory after 10^3, 10^4, 10^5 ... recalculations and fails when it grew by 1 MB or
// more after the first 10^4, the point by which caches have settled. A line edit keeps every edit
// for undo (some 15 bytes a keystroke) until its text is set anew; the soak sets it anew every
// round of a thousand keystrokes, so that what it measures is what the program itself keeps.
// Usage: bench_soak [RECALCULATIONS]   (default 1000000)
#include "platform/desktop/desktop_launcher.h"
#include "platform/desktop/desktop_message_boxes.h"
#include "ui/startup.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTest>

#include <cstdio>
#include <vector>

namespace {

constexpr long Settled = 10'000;
constexpr long Round = 1'000;
constexpr double GrowthLimitMB = 1.0;

// VmRSS of /proc/self/status, in MB; 0 where there is none.
double residentMB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0.0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return 0.0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bool ok = true;
    const long total = argc > 1 ? QByteArray(argv[1]).toLong(&ok) : 1'000'000;
    if (!ok || total < 1) {
        std::fprintf(stderr, "usage: bench_soak [RECALCULATIONS]\n");
        return 2;
    }

    DesktopMessageBoxes messages;
    DesktopLauncher launcher;
    const StartedWindow form =
        startUp({messages, launcher, QLocale(QLocale::English, QLocale::UnitedStates)});
    if (!QTest::qWaitForWindowExposed(form.get()))
        return 1;
    auto *rate = form->findChild<QLineEdit *>(QStringLiteral("Text2"));
    auto *result = form->findChild<QLineEdit *>(QStringLiteral("Text4"));
    rate->setFocus();
    rate->end(false);

    std::vector<long> checkpoints;
    for (long n = 1000; n < total; n *= 10)
        checkpoints.push_back(n);
    checkpoints.push_back(total);

    std::printf("bench_soak: %12s %10s\n", "recalculations", "RSS (MB)");
    double settledMB = 0.0;
    auto next = checkpoints.begin();
    for (long i = 1; i <= total; ++i) {
        // The rate goes from "5" to "" (a marked field, no payment) and back to one of 1 to 9.
        const bool erase = !rate->text().isEmpty();
        if (erase)
            QTest::keyClick(rate, Qt::Key_Backspace);
        else
            QTest::keyClick(rate, char('1' + i % 9));
        if (result->text().isEmpty() != erase) {
            std::fprintf(stderr, "bench_soak: keystroke %ld did not recalculate\n", i);
            return 1;
        }
        if (i % 100 == 0)
            QCoreApplication::processEvents();
        if (i % Round == 0) {
            // The same text: nothing recalculates, only the field's undo history starts anew.
            rate->setText(rate->text());
        }
        if (i == *next) {
            QCoreApplication::processEvents();
            const double mb = residentMB();
            std::printf("bench_soak: %14ld %10.2f\n", i, mb);
            std::fflush(stdout);
            if (i == Settled)
                settledMB = mb;
            ++next;
        }
    }
    if (total <= Settled)
        return 0;
#if defined(__SANITIZE_ADDRESS__)
    // AddressSanitizer holds freed memory back for a while: resident memory measures nothing here.
    return 0;
#endif
    const double growth = residentMB() - settledMB;
    std::printf("bench_soak: growth after %ld recalculations: %.2f MB (limit %.0f MB)\n", Settled,
                growth, GrowthLimitMB);
    return growth < GrowthLimitMB ? 0 : 1;
}
