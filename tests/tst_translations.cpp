// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_room.h"
#include "ui/interface_language.h"
#include "ui/link_label.h"
#include "window_under_test.h"

#include <QAction>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMetaEnum>
#include <QPushButton>
#include <QRawFont>
#include <QScreen>
#include <QTest>
#include <QTextLayout>

#include <algorithm>
#include <array>
#include <memory>
#include <tuple>

namespace {

// The rightmost column of the area where the picture differs from the background; -1 if none.
int inkRight(const QImage &picture, const QRect &area, const QColor &background)
{
    for (int x = area.right(); x >= area.left(); --x) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            if (picture.pixelColor(x, y) != background)
                return x;
        }
    }
    return -1;
}

// The events an object receives once its destruction has begun (from its destroyed() signal on),
// but for the Destroy and WinIdChange events Qt itself sends it on the way.
class LateEvents : public QObject
{
public:
    explicit LateEvents(QObject *watched)
        : m_watched(watched)
    {
        connect(watched, &QObject::destroyed, this,
                [this] { QCoreApplication::instance()->installEventFilter(this); });
    }

    QStringList types;

protected:
    bool eventFilter(QObject *receiver, QEvent *event) override
    {
        if (receiver == m_watched && event->type() != QEvent::Destroy &&
            event->type() != QEvent::WinIdChange)
            types.append(QMetaEnum::fromType<QEvent::Type>().valueToKey(event->type()));
        return false;
    }

private:
    QObject *m_watched;
};

QList<QGlyphRun> glyphRuns(const QString &text, const QFont &font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine().setLineWidth(1e6);
    layout.endLayout();
    return layout.glyphRuns();
}

// Empty where the text is drawn in real letters; otherwise what the user would see instead: a
// box where no font has the letter, the dotted circle HarfBuzz sets where a mark has no letter
// to sit on, or a word of Arabic script set in two fonts, whose letters then do not join.
QString glyphFault(QString text, const QFont &font)
{
    text.remove(u'&'); // a mnemonic's mark, drawn as an underline
#ifdef Q_OS_WIN
    // Qt for Windows takes a sign inside Indic text only from a font of the same script. Windows'
    // Nirmala UI has the euro, pound and copyright signs; the Debian fonts Wine offers for
    // Bengali, Gujarati, Kannada and Telugu lack some, so under Wine signs are left out there.
    constexpr std::array lackingSigns{QChar::Script_Bengali, QChar::Script_Gujarati,
                                      QChar::Script_Kannada, QChar::Script_Telugu};
    if (std::ranges::any_of(text, [&](QChar c) {
            return std::ranges::find(lackingSigns, c.script()) != lackingSigns.end();
        }))
        text.removeIf([](QChar c) { return c.isSymbol(); });
#endif
    for (const QGlyphRun &run : glyphRuns(text, font)) {
        const QRawFont letters = run.rawFont();
        // Qt's stand-in for a font it has not found has no character map and draws boxes.
        const QList<quint32> circle = letters.glyphIndexesForString(QStringLiteral("\u25CC"));
        for (const quint32 glyph : run.glyphIndexes()) {
            if (glyph == 0 || letters.fontTable("cmap").isEmpty())
                return QStringLiteral("a box in \"%1\"").arg(text);
            if (!circle.isEmpty() && circle.front() != 0 && glyph == circle.front())
                return QStringLiteral("a dotted circle in \"%1\"").arg(text);
        }
    }
    // A zero-width non-joiner (Persian writes one inside some words) keeps the letters on either
    // side apart by itself: each side may come from a font of its own, as Qt 6.8 does under Wine.
    for (const QString &word : QString(text).replace(QChar(0x200C), u' ').split(u' ')) {
        if (std::ranges::none_of(word, [](QChar c) { return c.script() == QChar::Script_Arabic; }))
            continue;
        const QList<QGlyphRun> runs = glyphRuns(word, font);
        if (std::ranges::any_of(runs, [&](const QGlyphRun &run) {
                return run.rawFont() != runs.front().rawFont();
            }))
            return QStringLiteral("\"%1\" in two fonts").arg(word);
    }
    return {};
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstLanguageWithATranslationWins_data();
    void firstLanguageWithATranslationWins();
    void everyLanguageIsBuiltIn();
    void windowShowsEveryTextInFull_data();
    void windowShowsEveryTextInFull();
    void windowIsMirroredRightToLeft_data();
    void windowIsMirroredRightToLeft();
    void messagesSpeakGermanWithGermanNumbers();
    void closingTheWindowGivesTheDesktopBack();
};

void TestTranslations::firstLanguageWithATranslationWins_data()
{
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<QString>("chosen");

    // clang-format off
    QTest::newRow("German") << QStringList{"de-DE", "de-Latn-DE", "de"} << "de";
    QTest::newRow("Austrian German takes German") << QStringList{"de-AT"} << "de";
    QTest::newRow("Brazilian Portuguese") << QStringList{"pt-BR", "pt-Latn-BR", "pt"} << "pt_BR";
    QTest::newRow("Portugal's Portuguese") << QStringList{"pt-PT", "pt"} << "pt_PT";
    QTest::newRow("Angola writes Portugal's Portuguese") << QStringList{"pt-AO"} << "pt_PT";
    QTest::newRow("Portuguese with no country is Brazil's") << QStringList{"pt"} << "pt_BR";
    QTest::newRow("Hong Kong reads traditional Chinese") << QStringList{"zh-HK"} << "zh_TW";
    QTest::newRow("Singapore reads simplified Chinese") << QStringList{"zh-SG"} << "zh_CN";
    QTest::newRow("Norwegian reads Bokmål") << QStringList{"no"} << "nb";
    QTest::newRow("Nynorsk when asked for") << QStringList{"nn-NO", "nb-NO"} << "nn";
    QTest::newRow("Tagalog reads Filipino") << QStringList{"tl-PH"} << "fil";
    QTest::newRow("Serbian in Latin letters reads Cyrillic") << QStringList{"sr-latin", "sr-RS"}
        << "sr";
    QTest::newRow("past an untranslated language") << QStringList{"is-IS", "nl-NL"} << "nl";
    QTest::newRow("English first") << QStringList{"en-US", "de-DE"} << "";
    QTest::newRow("British English first") << QStringList{"en-GB", "fr-FR"} << "";
    QTest::newRow("no language") << QStringList{} << "";
    QTest::newRow("C locale") << QStringList{"C"} << "";
    // clang-format on
}

void TestTranslations::firstLanguageWithATranslationWins()
{
    QFETCH(QStringList, uiLanguages);
    QFETCH(QString, chosen);
    QCOMPARE(InterfaceLanguage::choose(uiLanguages, InterfaceLanguage::available()), chosen);
    QCOMPARE(InterfaceLanguage(uiLanguages).language(), chosen);
}

void TestTranslations::everyLanguageIsBuiltIn()
{
    // The languages the build was told to carry.
    QCOMPARE(InterfaceLanguage::available(),
             QStringLiteral(VARNELTOSK_LANGUAGES).split(u' ', Qt::SkipEmptyParts));
}

void TestTranslations::windowShowsEveryTextInFull_data()
{
    QTest::addColumn<QString>("uiLanguage");

    QTest::newRow("en") << "en-US";
    for (const QString &language : InterfaceLanguage::available())
        QTest::newRow(qPrintable(language)) << QString(language).replace(u'_', u'-');
}

// Every caption, field text, list entry, button text and menu command is shown whole, measured
// with the font's metrics against the room each control gives its text, inside a window that
// keeps the design's proportions and still fits an old 1024 x 768 screen; and every text is
// in the language and in real letters.
void TestTranslations::windowShowsEveryTextInFull()
{
    QFETCH(QString, uiLanguage);

    WindowUnderTest window(QLocale(QLocale::English, QLocale::UnitedStates), {uiLanguage});
    QVERIFY(QTest::qWaitForWindowExposed(&window.form));
    QString widest;
    int widestNeed = 0;
    // The design's thirteen controls; the widgets Qt builds inside them differ between releases.
    const QList<QWidget *> controls =
        window.form.centralWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    QCOMPARE(controls.size(), 13);
    for (QWidget *control : controls) {
        QVERIFY(window.form.centralWidget()->rect().contains(control->geometry()));
        const int needed = textNeed(control).width();
        if (const auto *label = qobject_cast<QLabel *>(control); label && needed > widestNeed)
            std::tie(widest, widestNeed) = std::pair(label->text(), needed);
        const QString fault = textFitFault(control);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }

    QMenuBar *menuBar = window.form.menuBar();
    for (QAction *action : menuBar->actions()) {
        const QRect place = menuBar->actionGeometry(action);
        QVERIFY2(!place.isEmpty() && menuBar->rect().contains(place) &&
                     menuBar->fontMetrics().horizontalAdvance(action->text()) <= place.width(),
                 qPrintable(action->text()));
    }

    // One factor for the whole design keeps its proportions: the client area is 4104 x 2676
    // twips, and the fields start 2520 twips from the window's leading edge (the right one when
    // the language is written right to left).
    const QSize client = window.form.centralWidget()->size();
    QVERIFY(qAbs(double(client.width()) / client.height() - 4104.0 / 2676.0) < 0.01);
    const QRect field = window.field("Text1")->geometry();
    const int fieldStart =
        window.form.isRightToLeft() ? client.width() - field.x() - field.width() : field.x();
    QVERIFY(qAbs(double(fieldStart) / client.width() - 2520.0 / 4104.0) < 0.01);
    QCOMPARE(window.form.minimumSize(), window.form.maximumSize());

    QCOMPARE(window.form.screen()->logicalDotsPerInch(), 96.0);
    const QSize size = window.form.frameGeometry().size();
    QVERIFY2(size.width() < 1024 && size.height() < 768,
             qPrintable(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height())));
    qInfo("%s: widest caption \"%s\" (%d px), window %d x %d", qPrintable(uiLanguage),
          qPrintable(widest), widestNeed, size.width(), size.height());

    // The window's texts, its messages and what Qt shows in it (the message boxes' buttons, a
    // field's context menu) all speak the language, or all English, and are drawn in real
    // letters of fonts the system has.
    const bool english = uiLanguage == u"en-US";
    QCOMPARE(window.child<QLabel>("Label1")->text() == u"Loan amount ($/€/£)", english);
    QMessageBox box;
    const QString ok = box.addButton(QMessageBox::Ok)->text();
    const QString cancel = box.addButton(QMessageBox::Cancel)->text();
    QCOMPARE(cancel == u"Cancel", english);
    // GNOME's own wording, which Qt takes on that desktop.
    QCOMPARE(QCoreApplication::translate("QGnomeTheme", "&Cancel") == u"&Cancel", english);
    const std::unique_ptr<QMenu> menu(window.field("Text1")->createStandardContextMenu());
    const QStringList englishCommands{"&Undo",  "&Redo",  "Cu&t",      "&Copy",
                                      "&Paste", "Delete", "Select All"};
    QList<std::pair<QString, QFont>> texts{{ok, box.font()}, {cancel, box.font()}};
    for (const QAction *command : menu->actions()) {
        const QString text = command->text().section(u'\t', 0, 0);
        QVERIFY2(command->isSeparator() || englishCommands.contains(text) == english,
                 qPrintable(text));
        texts.append({text, menu->font()});
    }

    for (const QWidget *control : window.form.centralWidget()->findChildren<QWidget *>()) {
        if (const auto *combo = qobject_cast<const QComboBox *>(control)) {
            for (int i = 0; i < combo->count(); ++i)
                texts.append({combo->itemText(i), combo->font()});
        } else if (const auto *label = qobject_cast<const QLabel *>(control)) {
            texts.append({label->text(), label->font()});
        } else if (const auto *button = qobject_cast<const QPushButton *>(control)) {
            texts.append({button->text(), button->font()});
        }
    }
    for (const QAction *action : window.form.menuBar()->actions())
        texts.append({action->text(), window.form.menuBar()->font()});
    // The correction message, the About box and a run-time error.
    window.typeOver("Text2", "0");
    window.child<QPushButton>("Command1")->click();
    window.form.findChild<QAction *>("About")->trigger();
    window.launcher.fails = true;
    auto *link = window.child<LinkLabel>("Label3");
    QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());
    QCOMPARE(window.messages.prompts().size(), 3);
    for (const QString &prompt : window.messages.prompts()) {
        for (const QString &line : prompt.split(QStringLiteral("\r\n")))
            texts.append({line, box.font()});
    }

    for (const auto &[text, font] : texts) {
        const QString fault = glyphFault(text, font);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }
}

void TestTranslations::windowIsMirroredRightToLeft_data()
{
    QTest::addColumn<QString>("uiLanguage");

    bool any = false;
    for (const QString &language : InterfaceLanguage::available()) {
        if (QLocale(language).textDirection() == Qt::RightToLeft) {
            QTest::newRow(qPrintable(language)) << QString(language).replace(u'_', u'-');
            any = true;
        }
    }
    if (!any)
        QSKIP("no language written right to left is built in");
}

// Right to left the window reads as in a mirror: every caption ends near the window's right
// edge, each field stands left of its caption with its number kept to the right, the calc
// button is on the left and the menu bar starts from the right.
void TestTranslations::windowIsMirroredRightToLeft()
{
    QFETCH(QString, uiLanguage);

    WindowUnderTest window(QLocale(QLocale::English, QLocale::UnitedStates), {uiLanguage});
    QVERIFY(QTest::qWaitForWindowExposed(&window.form));
    QWidget *client = window.form.centralWidget();
    const QImage picture = client->grab().toImage();
    const int width = client->width();
    const int nearEdge = width / 20;

    for (const QLabel *label : client->findChildren<QLabel *>()) {
        const QRect place = label->geometry();
        const int ink = inkRight(picture, place, client->palette().color(QPalette::Window));
        QVERIFY2(width - place.right() <= nearEdge && place.right() - ink <= nearEdge,
                 qPrintable(label->text()));
        const auto *field = qobject_cast<const QLineEdit *>(label->buddy());
        if (!field)
            continue;
        QVERIFY2(field->geometry().right() < place.left(), qPrintable(field->objectName()));
        const QRect room = roomForText(field).translated(field->pos());
        const int digits = inkRight(picture, room, field->palette().color(QPalette::Base));
        QVERIFY2(field->text().isEmpty() || room.right() - digits <= nearEdge,
                 qPrintable(field->objectName()));
    }
    QVERIFY(window.child<QPushButton>("Command1")->geometry().right() < width / 2);

    const QMenuBar *menuBar = window.form.menuBar();
    QVERIFY(menuBar->actionGeometry(menuBar->actions().constFirst()).left() > menuBar->width() / 2);
}

// A marked field's description for screen readers, the correction message, the About box, a
// run-time error and the message boxes' buttons come in the chosen language, while the numbers
// follow the number settings.
void TestTranslations::messagesSpeakGermanWithGermanNumbers()
{
    WindowUnderTest window(QLocale(QLocale::German, QLocale::Germany), {"de-DE"});
    QMessageBox box;
    QCOMPARE(box.addButton(QMessageBox::Ok)->text(), QStringLiteral("OK"));
    QCOMPARE(box.addButton(QMessageBox::Cancel)->text(), QStringLiteral("Abbrechen"));
    window.child<QPushButton>("Command1")->click();
    QCOMPARE(window.field("Text4")->text(), QStringLiteral("1.461,00"));

    window.typeOver("Text2", "0");
    // A field in focus tells what it needs at once, and keeps it as its description once left.
    window.field("Text3")->setFocus();
    QTRY_COMPARE(window.field("Text2")->accessibleDescription(),
                 QStringLiteral("Zahl ungleich null erforderlich"));
    window.child<QPushButton>("Command1")->click();
    window.form.findChild<QAction *>("About")->trigger();
    window.launcher.fails = true;
    auto *link = window.child<LinkLabel>("Label3");
    QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());

    QCOMPARE(window.messages.prompts(),
             QStringList({"Bitte korrigieren Sie die Werte in den gelb markierten Feldern und "
                          "versuchen Sie es erneut.\r\nDie Felder dürfen nur Ziffern enthalten.",
                          "Varnel Tosk 1.0\r\nVon Velmora Software\r\nCopyright © 2026 Velmora "
                          "Software\r\n\r\nHomepage von Velmora öffnen?",
                          "Laufzeitfehler: http://www.velmora.example/?tq1l1 kann nicht geöffnet "
                          "werden"}));
}

// Urdu turns the application right to left and, where the desktop's font lacks some of its
// letters, has a font that writes them all lead the application's font. Closing the window turns
// both back, once the window is gone: no part of a window being destroyed is told of it.
void TestTranslations::closingTheWindowGivesTheDesktopBack()
{
    const QFont desktop = QApplication::font();
    auto window = std::make_unique<WindowUnderTest>(QLocale(QLocale::Urdu, QLocale::Pakistan),
                                                    QStringList{"ur-PK"});
    QCOMPARE(QApplication::layoutDirection(), Qt::RightToLeft);
    qInfo("the application's font while the window lives: %s",
          qPrintable(QApplication::font().families().join(u", ")));
    const LateEvents late(&window->form);
    window.reset();

    QVERIFY2(late.types.isEmpty(), qPrintable(late.types.join(u", ")));
    QCOMPARE(QApplication::font(), desktop);
    QCOMPARE(QApplication::layoutDirection(), Qt::LeftToRight);
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
