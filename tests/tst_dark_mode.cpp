// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#include "seen_colours.h"
#include "ui/link_label.h"
#include "window_under_test.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QOperatingSystemVersion>
#include <QPushButton>
#include <QSettings>
#include <QStyle>
#include <QTest>

#include <windows.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// Where Windows keeps the user's app mode ("Choose your default app mode" in Settings): 0 for
// dark; without the value apps are light.
const QString Personalize = QStringLiteral(
    R"(HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize)");
const QString AppsUseLightTheme = QStringLiteral("AppsUseLightTheme");

enum class AppMode { Dark, Light };

// Qt draws Windows 11 with its Windows 11 style, dark too. Windows 10 keeps the Vista style,
// which Qt draws light in either mode, as Windows 10 draws its own programs; only the title bar
// turns dark there.
bool onWindows11()
{
    return QOperatingSystemVersion::current() >= QOperatingSystemVersion::Windows11;
}

void setAppMode(AppMode mode)
{
    QSettings personalize(Personalize, QSettings::NativeFormat);
    if (mode == AppMode::Dark)
        personalize.setValue(AppsUseLightTheme, 0);
    else
        personalize.remove(AppsUseLightTheme);
}

// What Settings does once it has changed the mode: tell every top-level window.
void announceAppModeChange()
{
    SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0,
                        reinterpret_cast<LPARAM>(L"ImmersiveColorSet"), SMTO_ABORTIFHUNG, 5000,
                        nullptr);
}

// Puts the user's app mode back as the test found it.
class AppModeKeeper
{
public:
    AppModeKeeper()
        : m_found(QSettings(Personalize, QSettings::NativeFormat).value(AppsUseLightTheme))
    {}

    ~AppModeKeeper()
    {
        QSettings personalize(Personalize, QSettings::NativeFormat);
        if (m_found.isValid())
            personalize.setValue(AppsUseLightTheme, m_found.toInt());
        else
            personalize.remove(AppsUseLightTheme);
    }

private:
    QVariant m_found;
};

int medianGrey(const QImage &picture)
{
    std::vector<int> greys;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            greys.push_back(qGray(picture.pixel(x, y)));
    }
    std::nth_element(greys.begin(), greys.begin() + greys.size() / 2, greys.end());
    return greys[greys.size() / 2];
}

struct ShownText
{
    QString text;
    QRect place; // in the window, inside the control's frame
};

// Every text the window shows: captions, links, fields, the list, the button and the menu bar.
std::vector<ShownText> shownTexts(const WindowUnderTest &window)
{
    std::vector<ShownText> texts;
    const auto add = [&](QWidget *control, const QString &text, int frame) {
        texts.push_back({text, QRect(control->mapTo(&window.form, QPoint()), control->size())
                                   .adjusted(frame, frame, -frame, -frame)});
    };
    for (QLabel *label : window.form.findChildren<QLabel *>())
        add(label, label->text(), 0);
    for (QLineEdit *field : window.form.findChildren<QLineEdit *>())
        add(field, field->text(), 4);
    for (QComboBox *list : window.form.findChildren<QComboBox *>())
        add(list, list->currentText(), 4);
    for (QPushButton *button : window.form.findChildren<QPushButton *>())
        add(button, button->text(), 4);
    QMenuBar *menuBar = window.form.menuBar();
    for (QAction *command : menuBar->actions()) {
        texts.push_back({command->text(), menuBar->actionGeometry(command).translated(
                                              menuBar->mapTo(&window.form, QPoint()))});
    }
    return texts;
}

// The rate in words: a marked field. The focus moves on to the calc button, where it stays when
// the window is active again, so that no caret blinks in the pictures.
void markRate(const WindowUnderTest &window)
{
    window.typeOver("Text2", "Nil");
    window.child<QPushButton>("Command1")->setFocus();
}

} // namespace

class TestDarkMode : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void followsTheAppMode_data();
    void followsTheAppMode();
    void cleanupTestCase();

private:
    std::unique_ptr<WindowUnderTest> m_window;
};

void TestDarkMode::initTestCase()
{
    QCOMPARE(QApplication::style()->name(),
             onWindows11() ? QStringLiteral("windows11") : QStringLiteral("windowsvista"));
    m_window = std::make_unique<WindowUnderTest>();
    QVERIFY(QTest::qWaitForWindowActive(&m_window->form));
    markRate(*m_window);
}

void TestDarkMode::followsTheAppMode_data()
{
    QTest::addColumn<AppMode>("mode");
    QTest::addColumn<bool>("changedWhileRunning");

    QTest::newRow("dark at start") << AppMode::Dark << false;
    QTest::newRow("light, changed while running") << AppMode::Light << true;
    QTest::newRow("dark, changed while running") << AppMode::Dark << true;
}

void TestDarkMode::followsTheAppMode()
{
    QFETCH(AppMode, mode);
    QFETCH(bool, changedWhileRunning);
    const bool dark = mode == AppMode::Dark && onWindows11();
    Form1 &form = m_window->form;

    if (changedWhileRunning) {
        setAppMode(mode);
        announceAppModeChange();
        QTRY_COMPARE(form.palette().color(QPalette::Window).lightness() < 128, dark);
        QCoreApplication::processEvents();
    }

    const QImage picture = form.grab().toImage();
    const int grey = medianGrey(picture);

    QString faintest;
    double lowest = 21;
    for (const auto &[text, place] : shownTexts(*m_window)) {
        if (text.isEmpty())
            continue;
        const auto [background, ink] = seenColours(picture, place);
        const double ratio = Contrast::ratio(QColor(background), QColor(ink));
        if (ratio < lowest) {
            lowest = ratio;
            faintest = QStringLiteral("\"%1\": %2 on %3, %4:1")
                           .arg(text, QColor(ink).name(), QColor(background).name())
                           .arg(ratio, 0, 'f', 2);
        }
    }
    qInfo("median grey %d, lowest contrast %s", grey, qPrintable(faintest));
    QVERIFY(dark ? grey < 64 : grey > 192);
    QVERIFY2(lowest >= 4.5, qPrintable(faintest));

    const auto [marked, markedText] = seenColours(m_window->field("Text2"), 4);
    QCOMPARE(QColor(marked), QColor(Qt::yellow));
    QCOMPARE(QColor(markedText), QColor(Qt::black));
    // Pure blue, as the links always were, where it is readable: on the light window.
    for (const char *name : {"Label3", "Label4"}) {
        const QColor caption(seenColours(m_window->child<LinkLabel>(name), 0).second);
        QCOMPARE(caption == QColor(Qt::blue), !dark);
    }

    // Having followed the change, the window looks as one started in the new mode. (Not on
    // Windows 10: Qt 6.8's Vista style keeps what it set up for a window started dark, and the
    // fields' frames then differ from a fresh light window's by a pixel at their corners.)
    if (changedWhileRunning && onWindows11()) {
        const WindowUnderTest started;
        QVERIFY(QTest::qWaitForWindowActive(&started.form));
        markRate(started);
        QCOMPARE(picture, started.form.grab().toImage());
    }
}

void TestDarkMode::cleanupTestCase()
{
    QCOMPARE(m_window->watchdog.closedModals(), 0);
    m_window.reset();
}

// The app mode is read as the application starts: the window starts in dark mode.
int main(int argc, char *argv[])
{
    const AppModeKeeper keeper;
    setAppMode(AppMode::Dark);
    QApplication app(argc, argv);
    TestDarkMode test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_dark_mode.moc"
