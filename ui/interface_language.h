// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTranslator>

#include <optional>

// The language the program speaks: the first of the user's interface languages it has a
// translation for, or English, the language its texts are written in. While an object of this
// class lives, the program's translation and Qt's own (the "OK" and "Cancel" of its message
// boxes) are installed; they go with it. Qt's translation of a language written right to left
// turns the application's layout direction with it, so the windows made meanwhile are mirrored.
// Where the desktop's font lacks Arabic letters the language writes, a font that has them all
// leads the application's font meanwhile.
class InterfaceLanguage : public QObject
{
public:
    // Takes the user's interface languages, most preferred first, as QLocale::uiLanguages()
    // names them ("de-DE", "pt-BR"); an empty list means English.
    explicit InterfaceLanguage(const QStringList &uiLanguages, QObject *parent = nullptr);
    ~InterfaceLanguage() override;

    // The language installed, named as its translation is ("de", "pt_BR"); empty for English.
    QString language() const { return m_language; }

    // The translations built into the program.
    static QStringList available();

    // A language takes its own translation or, failing that, the one for its language alone
    // ("de-AT" takes "de") or for the written standard its country follows ("pt-AO" takes
    // "pt_PT", "zh-HK" "zh_TW"), and old or broader codes take today's ("no" takes Bokmål's
    // "nb", "tl" Filipino's "fil"); Nynorsk only when asked for by name. English anywhere in the
    // list ends the search: the user prefers it to what follows.
    static QString choose(const QStringList &uiLanguages, const QStringList &available);

private:
    QString m_language;
    QTranslator m_program;
    QTranslator m_qt;
    std::optional<QFont> m_desktopFont;
};
