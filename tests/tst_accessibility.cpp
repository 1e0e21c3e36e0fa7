// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#include "screen_reader.h"
#include "seen_colours.h"
#include "ui/link_label.h"
#include "window_under_test.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QStyle>
#include <QTest>

#include <algorithm>
#include <memory>

namespace {

QString description(QObject *field)
{
    return QAccessible::queryAccessibleInterface(field)->text(QAccessible::Description);
}

// What screen readers were told out of turn.
QStringList announced()
{
    QStringList texts;
    for (const auto &event : ScreenReader::heard) {
        if (!event.told.isEmpty())
            texts.append(event.told);
    }
    return texts;
}

QAccessibleTextInterface *textOf(QWidget *control)
{
    return QAccessible::queryAccessibleInterface(control)->textInterface();
}

QPalette theme(QColor window, QColor base, QColor text, QColor link)
{
    QPalette palette = QApplication::style()->standardPalette();
    for (auto role : {QPalette::Window, QPalette::Button})
        palette.setColor(role, window);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::Link, link);
    return palette;
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void markedFieldTellsWhatItNeeds_data();
    void markedFieldTellsWhatItNeeds();
    void keyboardChoiceInTheClosedListIsTold();
    void textQueriesAnswerAtEitherEnd_data();
    void textQueriesAnswerAtEitherEnd();
    void charactersAreWhereTheFieldDrawsThem_data();
    void charactersAreWhereTheFieldDrawsThem();
    void linkLabelsAreLinksWithAnAction();
    void everyTextIsReadableInEveryTheme_data();
    void everyTextIsReadableInEveryTheme();

private:
    std::unique_ptr<ScreenReader> m_reader;
    std::unique_ptr<WindowUnderTest> m_window;
};

// The themes are Fusion's: Windows' own style draws a line edit in the system's colours whatever
// the palette's base, unless the field sets that base itself as a marked field does.
void TestAccessibility::initTestCase()
{
    QVERIFY(QApplication::setStyle(QStringLiteral("Fusion")));
}

void TestAccessibility::init()
{
    m_reader = std::make_unique<ScreenReader>();
    m_window = std::make_unique<WindowUnderTest>();
    QVERIFY(QTest::qWaitForWindowActive(&m_window->form));
    ScreenReader::heard.clear();
}

void TestAccessibility::cleanup()
{
    QCOMPARE(m_window->watchdog.closedModals(), 0);
    m_window.reset();
    m_reader.reset();
    QApplication::setPalette(QApplication::style()->standardPalette());
}

void TestAccessibility::markedFieldTellsWhatItNeeds_data()
{
    // clang-format off
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("bad");
    QTest::addColumn<QString>("worse");
    QTest::addColumn<QString>("need");
    QTest::addColumn<QString>("good");

    QTest::newRow("amount in words") << "Text1" << "many" << "many more" << "Needs a number" << "1000";
    QTest::newRow("zero rate") << "Text2" << "0" << "0.0" << "Needs a number other than zero" << "5";
    QTest::newRow("empty term") << "Text3" << "" << "-" << "Needs a number other than zero" << "25";
    // clang-format on
}

void TestAccessibility::markedFieldTellsWhatItNeeds()
{
    QFETCH(QString, name);
    QFETCH(QString, bad);
    QFETCH(QString, worse);
    QFETCH(QString, need);
    QFETCH(QString, good);
    QLineEdit *field = m_window->field(name);

    // Told at once; its description, which a screen reader may speak as it changes, waits until
    // the user leaves the field.
    m_window->typeOver(name, bad);
    QCOMPARE(announced(), QStringList{need});
    QCOMPARE(description(field), QString());
    m_window->field("Text4")->setFocus();
    QTRY_COMPARE(description(field), need);
    for (const char *other : {"Text1", "Text2", "Text3"})
        QCOMPARE(description(m_window->field(other)).isEmpty(), other != name);
    // Not told again while it stays wrong, nor when mended.
    m_window->typeOver(name, worse);
    m_window->typeOver(name, good);
    QCOMPARE(description(field), QString());
    QCOMPARE(announced(), QStringList{need});
}

// Picked by keyboard in the closed list, an entry is told once; picked in the open list, whose
// entries screen readers say themselves, it is not.
void TestAccessibility::keyboardChoiceInTheClosedListIsTold()
{
    auto *list = m_window->child<QComboBox>("Combo1");
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    QCoreApplication::processEvents();
    list->showPopup();
    list->view()->setCurrentIndex(list->model()->index(2, 0));
    QTest::keyClick(list->view(), Qt::Key_Return);
    QCOMPARE(list->currentText(), QStringLiteral("Weekly"));
    QCOMPARE(announced(), QStringList{QStringLiteral("Bi-Weekly")});
}

void TestAccessibility::textQueriesAnswerAtEitherEnd_data()
{
    // clang-format off
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("boundary");
    QTest::addColumn<QString>("side");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");

    // The queries that once never came back, and their neighbours.
    QTest::newRow("word at the end") << "250000" << int(QAccessible::WordBoundary) << "at" << 6 << "250000" << 0 << 6;
    QTest::newRow("sentence at the end") << "250000" << int(QAccessible::SentenceBoundary) << "at" << 6 << "250000" << 0 << 6;
    QTest::newRow("line at the end") << "250000" << int(QAccessible::LineBoundary) << "at" << 6 << "250000" << 0 << 6;
    QTest::newRow("word at the start") << "250000" << int(QAccessible::WordBoundary) << "at" << 0 << "250000" << 0 << 6;
    QTest::newRow("end given as -1") << "1 000" << int(QAccessible::WordBoundary) << "at" << -1 << "000" << 2 << 5;
    QTest::newRow("word before the end") << "1 000" << int(QAccessible::WordBoundary) << "before" << 5 << "000" << 2 << 5;
    QTest::newRow("character before the end") << "250000" << int(QAccessible::CharBoundary) << "before" << 6 << "0" << 5 << 6;
    QTest::newRow("space after the start") << "1 000" << int(QAccessible::WordBoundary) << "after" << 0 << " " << 1 << 2;
    // Nothing there: an empty answer at -1, at once.
    QTest::newRow("no character at the end") << "250000" << int(QAccessible::CharBoundary) << "at" << 6 << "" << -1 << -1;
    QTest::newRow("no word after the end") << "250000" << int(QAccessible::WordBoundary) << "after" << 6 << "" << -1 << -1;
    QTest::newRow("no word before the start") << "250000" << int(QAccessible::WordBoundary) << "before" << 0 << "" << -1 << -1;
    QTest::newRow("past the end") << "250000" << int(QAccessible::WordBoundary) << "at" << 7 << "" << -1 << -1;
    QTest::newRow("empty field") << "" << int(QAccessible::WordBoundary) << "at" << 0 << "" << -1 << -1;
    // clang-format on
}

void TestAccessibility::textQueriesAnswerAtEitherEnd()
{
    QFETCH(QString, text);
    QFETCH(int, boundary);
    QFETCH(QString, side);
    QFETCH(int, offset);
    QFETCH(QString, item);
    QFETCH(int, start);
    QFETCH(int, end);
    QLineEdit *field = m_window->field("Text1");
    field->setText(text);

    const auto type = QAccessible::TextBoundaryType(boundary);
    QAccessibleTextInterface *reader = textOf(field);
    int from = 0;
    int to = 0;
    const QString answer = side == u"before"  ? reader->textBeforeOffset(offset, type, &from, &to)
                           : side == u"after" ? reader->textAfterOffset(offset, type, &from, &to)
                                              : reader->textAtOffset(offset, type, &from, &to);
    QCOMPARE(answer, item);
    QCOMPARE(from, start);
    QCOMPARE(to, end);
}

void TestAccessibility::charactersAreWhereTheFieldDrawsThem_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");

    const QString longer = QStringLiteral("1234567890").repeated(6);
    QTest::newRow("short") << QStringLiteral("250000") << 6;
    QTest::newRow("scrolled to its end") << longer << int(longer.size());
    QTest::newRow("scrolled back to its start") << longer << 0;
}

// A screen reader's magnifier or mouse review finds each character the field shows where the
// field itself places it: a point just inside its left edge lies before it.
void TestAccessibility::charactersAreWhereTheFieldDrawsThem()
{
    QFETCH(QString, text);
    QFETCH(int, caret);
    QLineEdit *field = m_window->field("Text1");
    field->setText(text);
    field->setCursorPosition(caret);
    field->repaint();

    const QRect shown(field->mapToGlobal(QPoint()), field->size());
    int seen = 0;
    for (int i = 0; i < text.size(); ++i) {
        const QRect place = textOf(field)->characterRect(i);
        if (!shown.contains(place))
            continue;
        ++seen;
        QCOMPARE(field->cursorPositionAt(field->mapFromGlobal(place.topLeft() + QPoint(1, 1))), i);
    }
    QVERIFY(seen >= 6);
}

void TestAccessibility::linkLabelsAreLinksWithAnAction()
{
    const QString host = QStringLiteral("http://www.velmora.example");
    for (const auto &[name, caption, suffix] : {std::tuple{"Label3", "Velmora Software", "/?tq1l1"},
                                                {"Label4", "Get discounted mortgage", "/?tq1l2"}}) {
        auto *link = QAccessible::queryAccessibleInterface(m_window->child<LinkLabel>(name));
        QCOMPARE(link->role(), QAccessible::Link);
        QCOMPARE(link->text(QAccessible::Name), QString::fromUtf8(caption));
        QVERIFY(!link->state().focusable);
        QCOMPARE(link->actionInterface()->actionNames(),
                 QStringList{QAccessibleActionInterface::pressAction()});
        link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(m_window->launcher.urls.takeLast(), host + suffix);
    }
}

void TestAccessibility::everyTextIsReadableInEveryTheme_data()
{
    // clang-format off
    QTest::addColumn<QPalette>("palette");
    QTest::addColumn<bool>("blueLinks");

    QTest::newRow("Fusion light") << QApplication::style()->standardPalette() << true;
    QTest::newRow("dark") << theme(0x353535, 0x2a2a2a, Qt::white, 0x2a82da) << false;
    QTest::newRow("high contrast") << theme(Qt::black, Qt::black, Qt::white, Qt::yellow) << false;
    // clang-format on
}

// Measured from the pixels of the window, after the theme changes with a field marked.
void TestAccessibility::everyTextIsReadableInEveryTheme()
{
    QFETCH(QPalette, palette);
    QFETCH(bool, blueLinks);

    m_window->typeOver("Text2", "Nil");
    m_window->field("Text2")->clearFocus();
    QApplication::setPalette(palette);
    QCoreApplication::processEvents();

    const auto [normal, normalText] = seenColours(m_window->field("Text1"), 4);
    const auto [marked, markedText] = seenColours(m_window->field("Text2"), 4);
    QCOMPARE(QColor(normal), palette.color(QPalette::Base));
    QCOMPARE(QColor(marked), QColor(Qt::yellow));
    for (const auto &[field, base, text] :
         {std::tuple{"normal", normal, normalText}, {"marked", marked, markedText}})
        qInfo("%s field: %s on %s, %.2f:1", field, qPrintable(QColor(text).name()),
              qPrintable(QColor(base).name()), Contrast::ratio(QColor(base), QColor(text)));
    QVERIFY(Contrast::ratio(QColor(normal), QColor(normalText)) >= 4.5 &&
            Contrast::ratio(QColor(marked), QColor(markedText)) >= 4.5);

    for (const char *name : {"Label3", "Label4"}) {
        const auto [window, caption] = seenColours(m_window->child<LinkLabel>(name), 0);
        qInfo("%s: %s on %s, %.2f:1", name, qPrintable(QColor(caption).name()),
              qPrintable(QColor(window).name()), Contrast::ratio(QColor(window), QColor(caption)));
        QCOMPARE(QColor(window), palette.color(QPalette::Window));
        QVERIFY(Contrast::ratio(QColor(window), QColor(caption)) >= 4.5);
        QCOMPARE(QColor(caption) == QColor(Qt::blue), blueLinks);
    }
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
