#include "links/about_box.h"
#include "ui/link_label.h"
#include "window_under_test.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QTest>

#include <memory>

namespace {

const QString Host = QStringLiteral("http://www.velmora.example");

} // namespace

class TestLinks : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void eachCommandLaunchesItsPage_data();
    void eachCommandLaunchesItsPage();
    void clickBesideTheLinkTextOpensNothing();
    void aboutBoxOpensTheHomePageOnOkOnly_data();
    void aboutBoxOpensTheHomePageOnOkOnly();
    void failedLaunchIsReportedAndTouchesNoField_data();
    void failedLaunchIsReportedAndTouchesNoField();
#ifdef Q_OS_WIN
    void eachCommandReachesTheDesktopThroughTheShell_data();
    void eachCommandReachesTheDesktopThroughTheShell();
#endif

private:
    void trigger(const QString &command);
    QStringList fieldState() const;

    std::unique_ptr<WindowUnderTest> m_window;
};

void TestLinks::init()
{
    m_window = std::make_unique<WindowUnderTest>();
    QVERIFY(QTest::qWaitForWindowExposed(&m_window->form));
}

void TestLinks::cleanup()
{
    QCOMPARE(m_window->watchdog.closedModals(), 0);
    m_window.reset();
}

// Clicks a link label on its text, or triggers a menu command, as the user would.
void TestLinks::trigger(const QString &command)
{
    if (auto *label = m_window->form.findChild<LinkLabel *>(command)) {
        QTest::mouseClick(label, Qt::LeftButton, {}, label->textRect().center());
        return;
    }
    for (QAction *action : m_window->form.menuBar()->actions()) {
        if (action->objectName() == command) {
            action->trigger();
            return;
        }
    }
    QFAIL(qPrintable("no command " + command));
}

// The texts and colours of the four fields, to show that a command left them alone.
QStringList TestLinks::fieldState() const
{
    QStringList state;
    for (const char *name : {"Text1", "Text2", "Text3", "Text4"}) {
        const auto *edit = m_window->form.findChild<QLineEdit *>(name);
        state << edit->text() << edit->palette().color(QPalette::Base).name();
    }
    return state;
}

void TestLinks::eachCommandLaunchesItsPage_data()
{
    // clang-format off
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("url");

    QTest::newRow("maker's name") << "Label3" << Host + "/?tq1l1";
    QTest::newRow("discounted mortgage") << "Label4" << Host + "/?tq1l2";
    QTest::newRow("online calc") << "OnlineCalc" << Host + "/?tq1";
    QTest::newRow("terms of use") << "Terms" << Host + "/?tq1t";
    QTest::newRow("about, OK") << "About" << Host + "/?tq1a";
    // clang-format on
}

void TestLinks::eachCommandLaunchesItsPage()
{
    QFETCH(QString, command);
    QFETCH(QString, url);

    // A result and a marked field on show, which no link may touch.
    QTest::mouseClick(m_window->form.findChild<QWidget *>("Command1"), Qt::LeftButton);
    m_window->form.findChild<QLineEdit *>("Text3")->setText(QStringLiteral("0"));
    m_window->messages.shown.clear();
    const QStringList before = fieldState();

    trigger(command);
    QCOMPARE(m_window->launcher.urls, QStringList{url});
    trigger(command);
    QCOMPARE(m_window->launcher.urls, QStringList({url, url}));
    QCOMPARE(fieldState(), before);
}

void TestLinks::clickBesideTheLinkTextOpensNothing()
{
    auto *label = m_window->form.findChild<LinkLabel *>("Label4");
    const QPoint beside(label->textRect().right() + 10, label->height() / 2);
    QVERIFY(label->rect().contains(beside));
    QTest::mouseClick(label, Qt::LeftButton, {}, beside);
    QTest::mouseClick(label, Qt::RightButton, {}, label->textRect().center());
    QVERIFY(m_window->launcher.urls.isEmpty());
}

void TestLinks::aboutBoxOpensTheHomePageOnOkOnly_data()
{
    // clang-format off
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("urls");

    QTest::newRow("OK") << int(MessageBoxes::Ok) << QStringList{Host + "/?tq1a"};
    QTest::newRow("Cancel or closed") << int(MessageBoxes::Cancel) << QStringList{};
    // clang-format on
}

void TestLinks::aboutBoxOpensTheHomePageOnOkOnly()
{
    QFETCH(int, answer);
    QFETCH(QStringList, urls);

    const QStringList before = fieldState();
    m_window->messages.answer = MessageBoxes::Result(answer);
    trigger("About");
    QCOMPARE(m_window->launcher.urls, urls);
    QCOMPARE(fieldState(), before);
}

void TestLinks::failedLaunchIsReportedAndTouchesNoField_data()
{
    // clang-format off
    eachCommandLaunchesItsPage_data();
    // clang-format on
}

void TestLinks::failedLaunchIsReportedAndTouchesNoField()
{
    QFETCH(QString, command);
    QFETCH(QString, url);

    QTest::mouseClick(m_window->form.findChild<QWidget *>("Command1"), Qt::LeftButton);
    const QStringList before = fieldState();
    m_window->launcher.fails = true;

    trigger(command);
    QStringList expected{"Run-time error: Cannot open " + url};
    if (command == "About")
        expected.prepend(AboutBox::prompt());
    QCOMPARE(m_window->messages.prompts(), expected);
    QCOMPARE(fieldState(), before);

    // The program goes on: the next command works.
    m_window->launcher.fails = false;
    trigger(command);
    QCOMPARE(m_window->launcher.urls, QStringList{url});
}

#ifdef Q_OS_WIN

void TestLinks::eachCommandReachesTheDesktopThroughTheShell_data()
{
    eachCommandLaunchesItsPage_data();
}

// Under Wine, explorer.exe hands the address to the desktop's xdg-open; ctest puts a recording
// one first on PATH, which writes down each address it is given.
void TestLinks::eachCommandReachesTheDesktopThroughTheShell()
{
    QFETCH(QString, command);
    QFETCH(QString, url);
    if (qEnvironmentVariableIsEmpty("RECORDED_URLS"))
        QSKIP("needs the recording xdg-open that ctest provides");
    // Wine shows the Linux file system as drive Z:.
    const QString record = "Z:" + qEnvironmentVariable("RECORDED_URLS");
    QFile::remove(record);
    m_window->launcher.passesToTheDesktop = true;

    trigger(command);
    const auto recorded = [&record] {
        QFile file(record);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    };
    QTRY_COMPARE_WITH_TIMEOUT(recorded(), url + '\n', 30000);
}

#endif

QTEST_MAIN(TestLinks)
#include "tst_links.moc"
