// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The languages the windows speak. The program's texts are written in
// Simplified Chinese; the others are translations carried in the program's
// resources (translations/*.ts).
namespace Translation {

enum class Language { SimplifiedChinese, TraditionalChinese, English };

// A language as a teacher names it (--lang, the setting "lang"): zh_CN,
// zh_TW or en, also with a dash or in other letter cases; none for another.
std::optional<Language> named(const QString &code);

// The first of the system's languages (QLocale::uiLanguages(), most wanted
// first) that the program speaks: Traditional Chinese for zh_TW, zh_HK,
// zh_MO and zh_Hant, Simplified for other Chinese, English for en; the
// design's Simplified Chinese when none of them is one of these.
Language forSystem(const QStringList &uiLanguages);

// The language a run uses: the command line's, else the administrator's
// setting, else the system's; a name that is none of the three is passed
// over.
Language choose(const QString &commandLine, const QString &setting, const QStringList &uiLanguages);

// Loads the language's translation of the program's texts and makes it the
// one translated() reads; installed into the application when there is one
// (now or once install() is called after it is made). Simplified Chinese
// loads nothing.
void use(Language language);
void install();
Language current();

// A source text of an area in the current language (see translated()).
QString text(const char *context, const char *source);

// The name of Qt's own translation for its dialogs in the current language
// ("qtbase_zh_TW"); empty for English, which Qt speaks itself.
QString qtTranslationName();

} // namespace Translation
