// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/interface_language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

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

// Chinese is translated once per script, not per country: Hong Kong and Macau read the
// traditional characters of Taiwan, Singapore the simplified ones of the mainland.
QString byScript(const QString &uiLanguage)
{
    const QLocale locale(uiLanguage);
    if (locale.language() != QLocale::Chinese)
        return {};
    return locale.script() == QLocale::TraditionalHanScript ? QStringLiteral("zh_TW")
                                                            : QStringLiteral("zh_CN");
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
        if (QLocale(uiLanguage).language() == QLocale::English)
            return {};
        const QString name = QString(uiLanguage).replace(u'-', u'_');
        for (const QString &candidate : {name, languageAlone(name), byScript(uiLanguage)}) {
            if (available.contains(candidate))
                return candidate;
        }
    }
    return {};
}
