// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop/desktop_launcher.h"
#include "platform/numbers/runtime_error.h"
#include "platform/services/error_reporter.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <stdexcept>

namespace {

const QString Address = QStringLiteral("http://www.velmora.example/?tq1t");

// A message box that cannot be shown, as when the window system has gone away.
class FailingMessageBoxes : public MessageBoxes
{
public:
    Result MsgBox(const QString &, Style) override { throw std::runtime_error("no display"); }
};

} // namespace

// Receives what the real launching service hands to the desktop.
class UrlReceiver : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public Q_SLOTS:
    void openUrl(const QUrl &url) { urls << url; }
};

class TestPlatformServices : public QObject
{
    Q_OBJECT

private Q_SLOTS:
#ifdef Q_OS_WIN
    void desktopLauncherStartsTheShellWithTheAddress_data();
    void desktopLauncherStartsTheShellWithTheAddress();
#else
    void desktopLauncherHandsTheAddressToTheDesktop();
#endif
    void errorThatCannotBeShownIsLogged();
};

#ifdef Q_OS_WIN

// A recording "explorer.exe" beside this test, which Windows finds before its own, writes down
// each command line it is started with.
void TestPlatformServices::desktopLauncherStartsTheShellWithTheAddress_data()
{
    QTest::addColumn<QString>("url");

    // clang-format off
    QTest::newRow("terms")     << Address;
    QTest::newRow("home page") << QStringLiteral("http://www.velmora.example/?tq1a");
    // clang-format on
}

void TestPlatformServices::desktopLauncherStartsTheShellWithTheAddress()
{
    QFETCH(QString, url);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString record = folder.filePath(QStringLiteral("command-lines.txt"));
    qputenv("RECORDED_COMMAND_LINES", QDir::toNativeSeparators(record).toUtf8());

    DesktopLauncher().launch(url);

    const auto recorded = [&record] {
        QFile file(record);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    };
    QTRY_COMPARE_WITH_TIMEOUT(recorded(), "explorer.exe " + url + '\n', 20000);
}

#else

void TestPlatformServices::desktopLauncherHandsTheAddressToTheDesktop()
{
    UrlReceiver receiver;
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &receiver, "openUrl");
    DesktopLauncher().launch(Address);
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QCOMPARE(receiver.urls, QList<QUrl>{QUrl(Address)});
    QCOMPARE(receiver.urls[0].toString(), Address);
}

#endif

void TestPlatformServices::errorThatCannotBeShownIsLogged()
{
    FailingMessageBoxes messages;
    ErrorReporter errors(messages);
    QTest::ignoreMessage(QtWarningMsg, "Run-time error: Overflow");
    bool ranOn = false;
    errors.run([] { throw RuntimeError::overflow(); });
    errors.run([&] { ranOn = true; });
    QVERIFY(ranOn);
}

QTEST_MAIN(TestPlatformServices)
#include "tst_platform_services.moc"
