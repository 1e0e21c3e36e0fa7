// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_room.h"
#include "ui/hand_cursor.h"
#include "ui/link_label.h"
#include "window_under_test.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <memory>

#ifdef Q_OS_WIN
#include <qt_windows.h>

#include <string>
#endif

namespace {

const QString CorrectionMessage =
    QStringLiteral("Please correct the value in the fields marked in yellow and try again.\r\n"
                   "Fields can include only digits.");

#ifdef Q_OS_WIN

// Changes one of the user's regional settings, as Control Panel does, for the life of the object.
class RegionalSetting
{
public:
    // value: the new setting; a negative one leaves the setting as it is.
    RegionalSetting(LCTYPE type, int value)
        : m_type(type)
    {
        wchar_t old[16] = {};
        GetLocaleInfoW(LOCALE_USER_DEFAULT, type, old, 16);
        m_old = old;
        if (value >= 0)
            SetLocaleInfoW(LOCALE_USER_DEFAULT, type, std::to_wstring(value).c_str());
    }
    ~RegionalSetting() { SetLocaleInfoW(LOCALE_USER_DEFAULT, m_type, m_old.c_str()); }
    RegionalSetting(const RegionalSetting &) = delete;
    RegionalSetting &operator=(const RegionalSetting &) = delete;

private:
    LCTYPE m_type;
    std::wstring m_old;
};

#endif

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void startsWithInitialValuesAndNoResult();
    void menuBarHoldsThreePlainCommands();
    void fieldsAreNamedForScreenReaders();
    void linkLabelsLookLikeLinks();
    void tabOrderFollowsTheInputs();
    void enterAndEscapeDoNothing();

    void typingRecalculatesEveryKeystroke_data();
    void typingRecalculatesEveryKeystroke();
    void clearingAFieldMarksItAndEmptiesTheResult();
    void markedFieldTurnsBackToNormal();
    void onlyAnotherFrequencyRecomputes();
    void readsAndShowsNumbersAsItsLocaleDoes_data();
    void readsAndShowsNumbersAsItsLocaleDoes();
#ifdef Q_OS_WIN
    void showsThePaymentAsWindowsSettingsSay_data();
    void showsThePaymentAsWindowsSettingsSay();
#endif

    void calcCommand_data();
    void calcCommand();
    void megabytePasteIsJudgedAsAnyText_data();
    void megabytePasteIsJudgedAsAnyText();
    void errorsAreReportedOnceEachAndTheWindowGoesOn();

private:
    template <typename T> T *child(const QString &name) const
    {
        return m_window->child<T>(name);
    }
    QLineEdit *field(const QString &name) const
    {
        return m_window->field(name);
    }
    bool isMarked(const QString &name) const
    {
        return m_window->isMarked(name);
    }
    void typeOver(const QString &name, const QString &text)
    {
        m_window->typeOver(name, text);
    }

    std::unique_ptr<WindowUnderTest> m_window;
};

void TestMainWindow::init()
{
    m_window = std::make_unique<WindowUnderTest>();
    QVERIFY(QTest::qWaitForWindowActive(&m_window->form));
}

void TestMainWindow::cleanup()
{
    QCOMPARE(m_window->watchdog.closedModals(), 0);
    m_window.reset();
}

void TestMainWindow::startsWithInitialValuesAndNoResult()
{
    QCOMPARE(m_window->form.windowTitle(), QStringLiteral("Varnel Tosk"));
    QCOMPARE(field("Text1")->text(), QStringLiteral("250000"));
    QCOMPARE(field("Text2")->text(), QStringLiteral("5"));
    QCOMPARE(field("Text3")->text(), QStringLiteral("25"));
    QCOMPARE(field("Text4")->text(), QString());
    for (const char *name : {"Text1", "Text2", "Text3"})
        QVERIFY2(!isMarked(name), qPrintable(name));

    auto *combo = child<QComboBox>("Combo1");
    QVERIFY(!combo->isEditable());
    QCOMPARE(combo->count(), 3);
    QCOMPARE(combo->itemText(0), QStringLiteral("Monthly"));
    QCOMPARE(combo->itemText(1), QStringLiteral("Bi-Weekly"));
    QCOMPARE(combo->itemText(2), QStringLiteral("Weekly"));
    QCOMPARE(combo->currentIndex(), 0);

    QCOMPARE(QApplication::focusWidget(), field("Text1"));
    QVERIFY(m_window->messages.shown.isEmpty());
    QVERIFY(m_window->launcher.urls.isEmpty());
}

void TestMainWindow::menuBarHoldsThreePlainCommands()
{
    const QList<QAction *> actions = m_window->form.menuBar()->actions();
    QStringList texts;
    for (QAction *action : actions) {
        texts << action->text();
        QVERIFY(!action->menu());
        QVERIFY(action->shortcut().isEmpty());
        QVERIFY(!action->text().contains(u'&'));
    }
    QCOMPARE(texts, QStringList({"Online calc...", "Terms of Use...", "About..."}));
    QCOMPARE(actions[0]->objectName(), QStringLiteral("OnlineCalc"));
    QCOMPARE(actions[1]->objectName(), QStringLiteral("Terms"));
    QCOMPARE(actions[2]->objectName(), QStringLiteral("About"));
}

void TestMainWindow::fieldsAreNamedForScreenReaders()
{
    QCOMPARE(field("Text1")->accessibleName(), QStringLiteral("Loan amount ($/€/£)"));
    QCOMPARE(field("Text2")->accessibleName(), QStringLiteral("Interest rate (%)"));
    QCOMPARE(field("Text3")->accessibleName(), QStringLiteral("Term in years"));
    QCOMPARE(child<QComboBox>("Combo1")->accessibleName(), QStringLiteral("Payment frequency"));
    QCOMPARE(field("Text4")->accessibleName(), QStringLiteral("Periodical payment ($/€/£)"));
}

// ctest runs this once more on screens of 1.25 and 1.5 device pixels to a logical pixel.
void TestMainWindow::linkLabelsLookLikeLinks()
{
    // The same drawing at every size: nothing smoothed, nothing added.
    const bool dense = QGuiApplication::primaryScreen()->devicePixelRatio() >= 1.5;
    const QImage hand = handCursor(1.0).pixmap().toImage().scaled(
        dense ? QSize(64, 64) : QSize(32, 32), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    for (const char *name : {"Label3", "Label4"}) {
        auto *label = child<QLabel>(name);
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QVERIFY(label->font().underline());
        QCOMPARE(label->font().pointSizeF(), 7.8);
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
        QCOMPARE(label->cursor().shape(), Qt::BitmapCursor);
        // Twice the size on a dense screen.
        QCOMPARE(label->cursor().hotSpot(), dense ? QPoint(24, 2) : QPoint(12, 1));
        QCOMPARE(label->cursor().pixmap().toImage(), hand);
    }
}

void TestMainWindow::tabOrderFollowsTheInputs()
{
    QStringList visited;
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, QStringList({"Text2", "Text3", "Combo1", "Text4", "Command1", "Text1"}));
}

void TestMainWindow::enterAndEscapeDoNothing()
{
    typeOver("Text2", "0");
    m_window->messages.shown.clear();
    for (const char *name : {"Text1", "Text2", "Text4"}) {
        QTest::keyClick(field(name), Qt::Key_Return);
        QTest::keyClick(field(name), Qt::Key_Enter);
        QTest::keyClick(field(name), Qt::Key_Escape);
    }
    QVERIFY(m_window->messages.shown.isEmpty());
    QVERIFY(m_window->form.isVisible());
    QVERIFY(!child<QPushButton>("Command1")->isDefault());
    QVERIFY(!child<QPushButton>("Command1")->autoDefault());
}

void TestMainWindow::typingRecalculatesEveryKeystroke_data()
{
    // clang-format off
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("results");

    QTest::newRow("rate 12") << "Text2" << "12" << QStringList{"942.00", "2,633.00"};
    QTest::newRow("amount with grouping") << "Text1" << "1,000"
        << QStringList{"0.00", "", "", "", "6.00"};
    QTest::newRow("term through a bad text") << "Text3" << "1e1"
        << QStringList{"21,402.00", "", "2,652.00"};
    // clang-format on
}

void TestMainWindow::typingRecalculatesEveryKeystroke()
{
    QFETCH(QString, fieldName);
    QFETCH(QString, typed);
    QFETCH(QStringList, results);

    typeOver(fieldName, QString());
    QStringList seen;
    for (QChar c : typed) {
        QTest::keyClick(field(fieldName), c.toLatin1());
        seen << field("Text4")->text();
    }
    QCOMPARE(seen, results);
    QVERIFY(m_window->messages.shown.isEmpty());
}

void TestMainWindow::clearingAFieldMarksItAndEmptiesTheResult()
{
    typeOver("Text2", "6");
    QCOMPARE(field("Text4")->text(), QStringLiteral("1,611.00"));

    QSignalSpy changes(field("Text2"), &QLineEdit::textChanged);
    typeOver("Text2", QString());
    QCOMPARE(changes.size(), 1);
    QVERIFY(isMarked("Text2"));
    QVERIFY(!isMarked("Text1"));
    QVERIFY(!isMarked("Text3"));
    QCOMPARE(field("Text4")->text(), QString());
}

void TestMainWindow::markedFieldTurnsBackToNormal()
{
    const QColor normalBase = QApplication::palette(field("Text1")).color(QPalette::Base);
    typeOver("Text3", "abc");
    QVERIFY(isMarked("Text3"));
    typeOver("Text3", "25");
    QCOMPARE(field("Text3")->palette().color(QPalette::Base), normalBase);
    QCOMPARE(field("Text4")->text(), QStringLiteral("1,461.00"));
}

void TestMainWindow::onlyAnotherFrequencyRecomputes()
{
    auto *combo = child<QComboBox>("Combo1");
    const auto pickInList = [combo](int row) {
        combo->showPopup();
        combo->view()->setCurrentIndex(combo->model()->index(row, 0));
        QTest::keyClick(combo->view(), Qt::Key_Return);
    };
    // Right after start, the entry already shown picked again leaves the user's text alone.
    typeOver("Text4", "mine");
    pickInList(0);
    QCOMPARE(field("Text4")->text(), QStringLiteral("mine"));

    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    QCOMPARE(combo->currentText(), QStringLiteral("Bi-Weekly"));
    QCOMPARE(field("Text4")->text(), QStringLiteral("674.00"));
    pickInList(2);
    QCOMPARE(combo->currentText(), QStringLiteral("Weekly"));
    QCOMPARE(field("Text4")->text(), QStringLiteral("337.00"));
    typeOver("Text4", "mine");
    pickInList(2);
    QTest::keyClick(combo, Qt::Key_Down);
    QCOMPARE(field("Text4")->text(), QStringLiteral("mine"));

    // A selection made by code is not the user's: it recomputes nothing.
    combo->setCurrentIndex(0);
    QCOMPARE(field("Text4")->text(), QStringLiteral("mine"));
}

void TestMainWindow::readsAndShowsNumbersAsItsLocaleDoes_data()
{
    // clang-format off
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("result");

    QTest::newRow("de_DE grouped amount") << "de_DE" << QStringList()
        << "Text1" << "250.000" << "1.461,00";
    QTest::newRow("de_DE decimal comma") << "de_DE" << QStringList()
        << "Text2" << "5,5" << "1.535,00";
    QTest::newRow("en_US decimal comma") << "en_US" << QStringList()
        << "Text2" << "5,5" << "";
    // The language does not choose the digits; the number settings do.
    QTest::newRow("ar_EG numbers, Arabic window") << "ar_EG" << QStringList{"ar-EG"} << "Text1"
        << QStringLiteral("\u0663\u0660\u0660\u0660\u0660\u0660")
        << QStringLiteral("\u0661\u066C\u0667\u0665\u0664\u066B\u0660\u0660");
    QTest::newRow("en_US numbers, Arabic window") << "en_US" << QStringList{"ar-EG"} << "Text1"
        << "300000" << "1,754.00";
    // One row for each other system of digits a locale writes numbers in, beside the other two
    // fields' Latin starting values.
    QTest::newRow("bn_BD Bengali digits") << "bn_BD" << QStringList{"bn-BD"} << "Text1"
        << QStringLiteral("\u09E9\u09E6\u09E6\u09E6\u09E6\u09E6")
        << QStringLiteral("\u09E7,\u09ED\u09EB\u09EA.\u09E6\u09E6");
    QTest::newRow("mr_IN Devanagari digits for Latin ones") << "mr_IN" << QStringList{"mr-IN"}
        << "Text1" << "300000" << QStringLiteral("\u0967,\u096D\u096B\u096A.\u0966\u0966");
    QTest::newRow("ur_IN extended Arabic-Indic digits") << "ur_IN" << QStringList{"ur-IN"}
        << "Text1"
        << QStringLiteral("\u06F3\u06F0\u06F0\u06F0\u06F0\u06F0")
        << QStringLiteral("\u06F1\u066C\u06F7\u06F5\u06F4\u066B\u06F0\u06F0");
    QTest::newRow("my_MM Myanmar digits") << "my_MM" << QStringList() << "Text1"
        << QStringLiteral("\u1043\u1040\u1040\u1040\u1040\u1040")
        << QStringLiteral("\u1041,\u1047\u1045\u1044.\u1040\u1040");
    QTest::newRow("dz_BT Tibetan digits") << "dz_BT" << QStringList() << "Text1"
        << QStringLiteral("\u0F23\u0F20\u0F20\u0F20\u0F20\u0F20")
        << QStringLiteral("\u0F21,\u0F27\u0F25\u0F24.\u0F20\u0F20");
    QTest::newRow("sat_IN Ol Chiki digits") << "sat_IN" << QStringList() << "Text1"
        << QStringLiteral("\u1C53\u1C50\u1C50\u1C50\u1C50\u1C50")
        << QStringLiteral("\u1C51,\u1C57\u1C55\u1C54.\u1C50\u1C50");
    // Digits outside the Basic Multilingual Plane, two code units each.
    QTest::newRow("ccp_BD Chakma digits") << "ccp_BD" << QStringList() << "Text1"
        << QStringLiteral("\U00011139\U00011136\U00011136\U00011136\U00011136\U00011136")
        << QStringLiteral("\U00011137,\U0001113D\U0001113B\U0001113A.\U00011136\U00011136");
    QTest::newRow("ff_Adlm_GN Adlam digits") << "ff_Adlm_GN" << QStringList() << "Text1"
        << QStringLiteral("\U0001E953\U0001E950\U0001E950\U0001E950\U0001E950\U0001E950")
        << QStringLiteral("\U0001E951\u2E41\U0001E957\U0001E955\U0001E954.\U0001E950\U0001E950");
    // clang-format on
}

void TestMainWindow::readsAndShowsNumbersAsItsLocaleDoes()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, uiLanguages);
    QFETCH(QString, fieldName);
    QFETCH(QString, typed);
    QFETCH(QString, result);

    m_window = std::make_unique<WindowUnderTest>(QLocale(locale), uiLanguages);
    QVERIFY(QTest::qWaitForWindowExposed(&m_window->form));
    // Digits of another script come from an input method, as text rather than key codes.
    if (typed.front() < u'\x80')
        typeOver(fieldName, typed);
    else
        m_window->paste(fieldName, typed);
    QCOMPARE(field("Text4")->text(), result);
    QCOMPARE(isMarked(fieldName), result.isEmpty());
}

#ifdef Q_OS_WIN

// Under the user's own locale the payment is written as Windows' regional settings say, with
// their number of decimals and negative-number form. The locale is the one Wine is started
// with (LC_ALL); ctest runs this once under en_US and once under de_DE.
void TestMainWindow::showsThePaymentAsWindowsSettingsSay_data()
{
    QTest::addColumn<int>("decimals");     // LOCALE_IDIGITS; -1 keeps the locale's own
    QTest::addColumn<int>("negativeForm"); // LOCALE_INEGNUMBER: 0 is "(1.1)", 1 is "-1.1"
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("result");

    // clang-format off
    if (QLocale::system().name() == QStringLiteral("de_DE")) {
        QTest::newRow("de_DE as set up") << -1 << -1 << "250.000" << "1.461,00";
        QTest::newRow("de_DE negative") << -1 << -1 << "-250.000" << "-1.461,00";
        QTest::newRow("de_DE no decimals") << 0 << -1 << "250.000" << "1.461";
    } else {
        QTest::newRow("as set up") << -1 << -1 << "250000" << "1,461.00";
        QTest::newRow("negative") << -1 << -1 << "-250000" << "-1,461.00";
        QTest::newRow("no decimals, parentheses") << 0 << 0 << "-250000" << "(1,461)";
        QTest::newRow("one decimal") << 1 << -1 << "250000" << "1,461.0";
        QTest::newRow("parentheses") << -1 << 0 << "-250000" << "(1,461.00)";
    }
    // clang-format on
}

void TestMainWindow::showsThePaymentAsWindowsSettingsSay()
{
    QFETCH(int, decimals);
    QFETCH(int, negativeForm);
    QFETCH(QString, amount);
    QFETCH(QString, result);

    const RegionalSetting decimalsSetting(LOCALE_IDIGITS, decimals);
    const RegionalSetting negativeSetting(LOCALE_INEGNUMBER, negativeForm);
    m_window = std::make_unique<WindowUnderTest>(QLocale::system());
    QVERIFY(QTest::qWaitForWindowExposed(&m_window->form));
    typeOver("Text1", amount);
    QCOMPARE(field("Text4")->text(), result);
}

#endif

void TestMainWindow::calcCommand_data()
{
    // clang-format off
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("typedIntoResult");
    QTest::addColumn<QString>("result");
    QTest::addColumn<bool>("rateMarked");
    QTest::addColumn<int>("messages");

    QTest::newRow("right after start") << QString() << QString() << "1,461.00" << false << 0;
    QTest::newRow("replaces what the user typed") << QString() << "hello" << "1,461.00" << false
        << 0;
    QTest::newRow("zero rate") << "0" << QString() << "" << true << 1;
    QTest::newRow("words for a rate") << "five" << QString() << "" << true << 1;
    // clang-format on
}

void TestMainWindow::calcCommand()
{
    QFETCH(QString, rate);
    QFETCH(QString, typedIntoResult);
    QFETCH(QString, result);
    QFETCH(bool, rateMarked);
    QFETCH(int, messages);

    if (!rate.isEmpty())
        typeOver("Text2", rate);
    if (!typedIntoResult.isEmpty())
        QTest::keyClicks(field("Text4"), typedIntoResult);

    QTest::mouseClick(child<QPushButton>("Command1"), Qt::LeftButton);

    QCOMPARE(field("Text4")->text(), result);
    QCOMPARE(isMarked("Text2"), rateMarked);
    QCOMPARE(m_window->messages.shown.size(), messages);
    if (messages > 0) {
        QCOMPARE(m_window->messages.shown[0].prompt, CorrectionMessage);
        QCOMPARE(m_window->messages.shown[0].style, MessageBoxes::OkOnly);
    }
}

void TestMainWindow::megabytePasteIsJudgedAsAnyText_data()
{
    // clang-format off
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("restored");

    // A column of amounts copied by mistake, a run of digits too long for any double, and
    // digits of a script the locale does not read.
    QTest::newRow("amounts into the amount") << "Text1" << "250,000.00 " << "250000";
    QTest::newRow("digits into the rate") << "Text2" << "1234567890" << "5";
    QTest::newRow("Arabic-Indic digits into the term") << "Text3"
        << QStringLiteral("\u0661\u0662\u0663") << "25";
    // clang-format on
}

void TestMainWindow::megabytePasteIsJudgedAsAnyText()
{
    QFETCH(QString, fieldName);
    QFETCH(QString, unit);
    QFETCH(QString, restored);

    const QString pasted = unit.repeated(1024 * 1024 / unit.size());
    m_window->paste(fieldName, pasted);

    QVERIFY(!field(fieldName)->text().isEmpty());
    QVERIFY(pasted.startsWith(field(fieldName)->text()));
    QVERIFY(isMarked(fieldName));
    QCOMPARE(field("Text4")->text(), QString());
    QVERIFY(m_window->messages.shown.isEmpty());

    m_window->paste(fieldName, restored);
    QVERIFY(!isMarked(fieldName));
    QCOMPARE(field("Text4")->text(), QStringLiteral("1,461.00"));
}

void TestMainWindow::errorsAreReportedOnceEachAndTheWindowGoesOn()
{
    // Pasted in one piece, a term too long for a double is one change and one fault.
    QTest::mouseClick(child<QPushButton>("Command1"), Qt::LeftButton);
    QCOMPARE(field("Text4")->text(), QStringLiteral("1,461.00"));
    m_window->paste("Text3", QStringLiteral("1e308"));
    QCOMPARE(field("Text3")->text(), QStringLiteral("1e308"));
    QCOMPARE(field("Text4")->text(), QString());
    QVERIFY(!isMarked("Text3"));

    // The calc command meets the same fault: reported, and no correction message after it.
    QTest::mouseClick(child<QPushButton>("Command1"), Qt::LeftButton);
    QCOMPARE(m_window->messages.prompts(),
             QStringList({"Run-time error: Overflow", "Run-time error: Overflow"}));

    // With the cause gone the window computes again.
    typeOver("Text3", "25");
    QCOMPARE(field("Text4")->text(), QStringLiteral("1,461.00"));
    QCOMPARE(m_window->messages.shown.size(), 2);
}

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
