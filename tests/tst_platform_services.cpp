#include "platform/desktop/desktop_launcher.h"
#include "platform/numbers/runtime_error.h"
#include "platform/services/error_reporter.h"

#include <QDesktopServices>
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
    void desktopLauncherHandsTheAddressToTheDesktop();
    void desktopLauncherRaisesWhatItCannotOpen();
    void errorThatCannotBeShownIsLogged();
};

void TestPlatformServices::desktopLauncherHandsTheAddressToTheDesktop()
{
    UrlReceiver receiver;
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &receiver, "openUrl");
    DesktopLauncher().launch(Address);
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QCOMPARE(receiver.urls, QList<QUrl>{QUrl(Address)});
    QCOMPARE(receiver.urls[0].toString(), Address);
}

void TestPlatformServices::desktopLauncherRaisesWhatItCannotOpen()
{
    // The offscreen platform has no browser to hand the address to.
    QString raised;
    try {
        DesktopLauncher().launch(Address);
    } catch (const RuntimeError &error) {
        raised = error.message();
    }
    QCOMPARE(raised, "Cannot open " + Address);
}

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
