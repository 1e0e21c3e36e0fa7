// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/interface_language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <array>

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
