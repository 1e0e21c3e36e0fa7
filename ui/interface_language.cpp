// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/interface_language.h"

#include "calc/payment_frequency.h"
#include "links/link_table.h"
#include "ui/window_design.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGlyphRun>
#include <QLocale>
#include <QRawFont>
#include <QTextLayout>

#include <algorithm>
#include <array>
#include <limits>

namespace {

// Where the build puts the compiled translations: varneltosk_de.qm, qtbase_de.qm, ...
constexpr QStringView Folder = u":/i18n";
constexpr QStringView ProgramName = u"varneltosk";
constexpr QStringView QtName = u"qtbase";

QString qmFile(QStringView name, const QString &language)
{
    return QStringLiteral("%1/%2_%3.qm").arg(Folder, name, language);
}

QString languageAlone(const QString &name)
{
    return name.section(u'_', 0, 0);
}

// A language translated once per written standard rather than per country. Chinese by script:
// Hong Kong and Macau read the traditional characters of Taiwan, Singapore the simplified ones of
// the mainland. Portuguese as Brazil writes it, or as Portugal does, whose standard Angola,
// Mozambique, the other African countries, East Timor and Macau also write; Portuguese with no
// country is Brazil's, as QLocale takes it.
QString byStandard(const QLocale &locale)
{
    switch (locale.language()) {
    case QLocale::Chinese:
        return locale.script() == QLocale::TraditionalHanScript ? QStringLiteral("zh_TW")
                                                                : QStringLiteral("zh_CN");
    case QLocale::Portuguese: {
        static constexpr std::array Portugal{QLocale::Portugal,
                                             QLocale::Angola,
                                             QLocale::CapeVerde,
                                             QLocale::TimorLeste,
                                             QLocale::EquatorialGuinea,
                                             QLocale::France,
                                             QLocale::GuineaBissau,
                                             QLocale::Luxembourg,
                                             QLocale::Macao,
                                             QLocale::Mozambique,
                                             QLocale::SaoTomeAndPrincipe,
                                             QLocale::Switzerland};
        return std::ranges::find(Portugal, locale.territory()) != Portugal.end()
                   ? QStringLiteral("pt_PT")
                   : QStringLiteral("pt_BR");
    }
    default:
        return {};
    }
}

// The captions, list entries and correction message of the window in the language installed.
QString interfaceTexts()
{
    QString texts = QCoreApplication::translate("Form1", WindowDesign::CorrectionMessage);
    for (const ControlDesign &control : WindowDesign::FormControls) {
        if (control.kind == ControlKind::Label || control.kind == ControlKind::PushButton)
            texts += QCoreApplication::translate("Form1", control.text);
    }
    for (const LinkDesign &link : Links)
        texts += linkCaption(link);
    for (const PaymentFrequency &frequency : PaymentFrequencies)
        texts += frequencyCaption(frequency);
    return texts;
}

// Qt 6.4 takes each letter its font lacks from another font and shapes that piece apart from
// the rest of its word, so Arabic script loses its joins wherever a word changes font. DejaVu
// Sans, the usual default on Linux, writes Arabic but not Urdu's U+06C1 and U+06D2: then the font
// the desktop falls back to for those, when it writes every Arabic letter of the texts, leads the
// application's font, the desktop's own following for whatever that one lacks.
std::optional<QFont> fontForArabicLetters(const QString &texts)
{
    QFont font = QApplication::font();
    const QRawFont usual = QRawFont::fromFont(font, QFontDatabase::Arabic);
    QString letters;
    QString lacking;
    for (const QChar c : texts) {
        if (c.script() != QChar::Script_Arabic || !c.isLetter())
            continue;
        letters += c;
        if (!usual.supportsCharacter(c))
            lacking += c;
    }
    if (lacking.isEmpty())
        return std::nullopt;
    QTextLayout layout(lacking, font);
    layout.beginLayout();
    layout.createLine().setLineWidth(std::numeric_limits<int>::max() / 2);
    layout.endLayout();
    for (const QGlyphRun &run : layout.glyphRuns()) {
        const QRawFont fallback = run.rawFont();
        // Qt's stand-in for a font it has not found draws boxes and has no character map.
        if (fallback.fontTable("cmap").isEmpty())
            continue;
        if (std::ranges::all_of(letters, [&](QChar c) { return fallback.supportsCharacter(c); })) {
            font.setFamilies({fallback.familyName(), font.family()});
            return font;
        }
    }
    return std::nullopt;
}

} // namespace

InterfaceLanguage::InterfaceLanguage(const QStringList &uiLanguages, QObject *parent)
    : QObject(parent)
    , m_language(choose(uiLanguages, available()))
{
    if (m_language.isEmpty())
        return;
    if (m_program.load(qmFile(ProgramName, m_language)))
        QCoreApplication::installTranslator(&m_program);
    // Qt names its translation by the language alone where one serves every country.
    if (m_qt.load(qmFile(QtName, m_language)) ||
        m_qt.load(qmFile(QtName, languageAlone(m_language))))
        QCoreApplication::installTranslator(&m_qt);
    if (const std::optional<QFont> font = fontForArabicLetters(interfaceTexts())) {
        m_desktopFont = QApplication::font();
        QApplication::setFont(*font);
    }
}

InterfaceLanguage::~InterfaceLanguage()
{
    if (m_desktopFont)
        QApplication::setFont(*m_desktopFont);
}

QStringList InterfaceLanguage::available()
{
    QStringList languages;
    const QDir folder(Folder.toString(), qmFile(ProgramName, QStringLiteral("*")).section(u'/', -1),
                      QDir::Name, QDir::Files);
    for (const QString &file : folder.entryList())
        languages << QFileInfo(file).completeBaseName().section(u'_', 1);
    return languages;
}

QString InterfaceLanguage::choose(const QStringList &uiLanguages, const QStringList &available)
{
    for (const QString &uiLanguage : uiLanguages) {
        const QLocale locale(uiLanguage);
        if (locale.language() == QLocale::English)
            return {};
        const QString name = QString(uiLanguage).replace(u'-', u'_');
        // Last, the language as QLocale codes it today: "tl" (Tagalog) reads Filipino, "no"
        // (Norwegian) Bokmål.
        for (const QString &candidate : {name, languageAlone(name), byStandard(locale),
                                         QLocale::languageToCode(locale.language())}) {
            if (available.contains(candidate))
                return candidate;
        }
    }
    return {};
}
