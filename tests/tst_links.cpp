// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
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
    void linkLabelReactsOverItsWholeArea_data();
    void linkLabelReactsOverItsWholeArea();
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

// Clicks a link label, or triggers a menu command, as the user would.
void TestLinks::trigger(const QString &command)
{
    if (auto *label = m_window->form.findChild<LinkLabel *>(command)) {
        QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
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

void TestLinks::linkLabelReactsOverItsWholeArea_data()
{
    // clang-format off
    QTest::addColumn<QPointF>("press");     // in parts of the label's width and height
    QTest::addColumn<QPointF>("release");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("launches");

    QTest::newRow("on the caption") << QPointF(0.1, 0.5) << QPointF(0.1, 0.5) << int(Qt::LeftButton) << 1;
    QTest::newRow("beside the caption") << QPointF(0.95, 0.5) << QPointF(0.95, 0.5) << int(Qt::LeftButton) << 1;
    QTest::newRow("corner to corner") << QPointF(0.0, 0.0) << QPointF(0.99, 0.95) << int(Qt::LeftButton) << 1;
    QTest::newRow("released outside") << QPointF(0.5, 0.5) << QPointF(0.5, 1.5) << int(Qt::LeftButton) << 0;
    QTest::newRow("pressed outside") << QPointF(1.2, 0.5) << QPointF(0.5, 0.5) << int(Qt::LeftButton) << 0;
    QTest::newRow("right button") << QPointF(0.5, 0.5) << QPointF(0.5, 0.5) << int(Qt::RightButton) << 0;
    // clang-format on
}

void TestLinks::linkLabelReactsOverItsWholeArea()
{
    QFETCH(QPointF, press);
    QFETCH(QPointF, release);
    QFETCH(int, button);
    QFETCH(int, launches);

    auto *label = m_window->child<LinkLabel>("Label4");
    QWidget *area = label->parentWidget();
    const auto at = [label, area](QPointF part) {
        return label->mapTo(
            area, QPoint(int(part.x() * label->width()), int(part.y() * label->height())));
    };
    // Each press goes to whatever is under the mouse; the release to whoever took the press.
    QWidget *pressed = area->childAt(at(press));
    if (!pressed)
        pressed = area;
    const auto mouse = Qt::MouseButton(button);
    QTest::mousePress(pressed, mouse, {}, pressed->mapFrom(area, at(press)));
    QTest::mouseRelease(pressed, mouse, {}, pressed->mapFrom(area, at(release)));
    QCOMPARE(m_window->launcher.urls.size(), launches);
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
    // The About box asks first, its lines separated by CR LF as every prompt's are.
    if (command == "About")
        expected.prepend("Varnel Tosk 1.0\r\nBy Velmora Software\r\nCopyright \u00A9 2026 Velmora "
                         "Software\r\n\r\nBrowse to Velmora home page?");
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
