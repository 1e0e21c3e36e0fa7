// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_room.h"
#include "translations/interface_language.h"
#include "ui/link_label.h"
#include "window_under_test.h"

#include <QAction>
#include <QFontMetrics>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <tuple>

class TestTranslations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstLanguageWithATranslationWins_data();
    void firstLanguageWithATranslationWins();
    void everyLanguageIsBuiltIn();
    void windowShowsEveryTextInFull_data();
    void windowShowsEveryTextInFull();
    void messagesSpeakGermanWithGermanNumbers();
};

void TestTranslations::firstLanguageWithATranslationWins_data()
{
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<QString>("chosen");

    // clang-format off
    QTest::newRow("German") << QStringList{"de-DE", "de-Latn-DE", "de"} << "de";
    QTest::newRow("Austrian German takes German") << QStringList{"de-AT"} << "de";
    QTest::newRow("Brazilian Portuguese") << QStringList{"pt-BR", "pt-Latn-BR", "pt"} << "pt_BR";
    QTest::newRow("Portugal's Portuguese is not Brazil's") << QStringList{"pt-PT", "pt"} << "";
    QTest::newRow("past an untranslated language") << QStringList{"ja-JP", "nl-NL"} << "nl";
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
// keeps the design's proportions and still fits an old 1024 x 768 screen.
void TestTranslations::windowShowsEveryTextInFull()
{
    QFETCH(QString, uiLanguage);

    WindowUnderTest window(QLocale(QLocale::English, QLocale::UnitedStates), {uiLanguage});
    QVERIFY(QTest::qWaitForWindowExposed(&window.form));
    // The window's texts and Qt's buttons both speak the language, or both English.
    const bool english = uiLanguage == u"en-US";
    QCOMPARE(window.child<QLabel>("Label1")->text() == u"Loan amount ($/€/£)", english);
    QMessageBox box;
    QCOMPARE(box.addButton(QMessageBox::Cancel)->text() == u"Cancel", english);

    QString widest;
    int widestNeed = 0;
    const QList<QWidget *> controls = window.form.centralWidget()->findChildren<QWidget *>();
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
        QVERIFY2(!place.isEmpty() && place.right() < menuBar->width() &&
                     menuBar->fontMetrics().horizontalAdvance(action->text()) <= place.width(),
                 qPrintable(action->text()));
    }

    // One factor for the whole design keeps its proportions: the client area is 4104 x 2676
    // twips, and the fields start at 2520 twips.
    const QSize client = window.form.centralWidget()->size();
    QVERIFY(qAbs(double(client.width()) / client.height() - 4104.0 / 2676.0) < 0.01);
    QVERIFY(qAbs(double(window.field("Text1")->x()) / client.width() - 2520.0 / 4104.0) < 0.01);
    QCOMPARE(window.form.minimumSize(), window.form.maximumSize());

    QCOMPARE(window.form.screen()->logicalDotsPerInch(), 96.0);
    const QSize size = window.form.frameGeometry().size();
    QVERIFY2(size.width() < 1024 && size.height() < 768,
             qPrintable(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height())));
    qInfo("%s: widest caption \"%s\" (%d px), window %d x %d", qPrintable(uiLanguage),
          qPrintable(widest), widestNeed, size.width(), size.height());
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
    QCOMPARE(window.field("Text2")->accessibleDescription(),
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

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
