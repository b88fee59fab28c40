// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/translation.h"

#include <QCoreApplication>
#include <QTranslator>

#include <memory>

namespace Translation {

namespace {

Language s_language = Language::SimplifiedChinese;
QTranslator *s_translator = nullptr;
bool s_installed = false;

// A language tag as Qt writes it ("zh-Hant-HK") or a teacher does
// ("zh_tw"), in parts.
QStringList parts(const QString &code)
{
    QString tag = code.trimmed();
    tag.replace(QLatin1Char('-'), QLatin1Char('_'));
    // A POSIX locale's encoding and modifier (zh_TW.UTF-8@calendar).
    tag = tag.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    return tag.split(QLatin1Char('_'), Qt::SkipEmptyParts);
}

std::optional<Language> spoken(const QString &tag)
{
    const QStringList p = parts(tag);
    if (p.isEmpty())
        return std::nullopt;
    const QString language = p.first().toLower();
    if (language == QLatin1String("en"))
        return Language::English;
    if (language != QLatin1String("zh"))
        return std::nullopt;
    for (const QString &part : p.mid(1)) {
        const QString upper = part.toUpper();
        if (upper == QLatin1String("HANT") || upper == QLatin1String("TW") ||
            upper == QLatin1String("HK") || upper == QLatin1String("MO"))
            return Language::TraditionalChinese;
        if (upper == QLatin1String("HANS"))
            return Language::SimplifiedChinese;
    }
    return Language::SimplifiedChinese;
}

QString suffix(Language language)
{
    switch (language) {
    case Language::TraditionalChinese:
        return QStringLiteral("zh_TW");
    case Language::English:
        return QStringLiteral("en");
    case Language::SimplifiedChinese:
        break;
    }
    return QStringLiteral("zh_CN");
}

} // namespace

std::optional<Language> named(const QString &code)
{
    const QStringList p = parts(code);
    if (p.size() == 1 && p.first().compare(QLatin1String("en"), Qt::CaseInsensitive) == 0)
        return Language::English;
    if (p.size() != 2 || p.first().compare(QLatin1String("zh"), Qt::CaseInsensitive) != 0)
        return std::nullopt;
    if (p.last().compare(QLatin1String("CN"), Qt::CaseInsensitive) == 0)
        return Language::SimplifiedChinese;
    if (p.last().compare(QLatin1String("TW"), Qt::CaseInsensitive) == 0)
        return Language::TraditionalChinese;
    return std::nullopt;
}

Language forSystem(const QStringList &uiLanguages)
{
    for (const QString &tag : uiLanguages) {
        if (const std::optional<Language> language = spoken(tag))
            return *language;
    }
    return Language::SimplifiedChinese;
}

Language choose(const QString &commandLine, const QString &setting, const QStringList &uiLanguages)
{
    if (const std::optional<Language> language = named(commandLine))
        return *language;
    if (const std::optional<Language> language = named(setting))
        return *language;
    return forSystem(uiLanguages);
}

void use(Language language)
{
    s_language = language;
    if (s_translator) {
        if (s_installed)
            QCoreApplication::removeTranslator(s_translator);
        delete s_translator;
        s_translator = nullptr;
        s_installed = false;
    }
    if (language == Language::SimplifiedChinese)
        return;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("tavrino_") + suffix(language),
                          QStringLiteral(":/translations")))
        return;
    s_translator = translator.release();
    install();
}

void install()
{
    if (s_translator && !s_installed && QCoreApplication::instance())
        s_installed = QCoreApplication::installTranslator(s_translator);
}

Language current()
{
    return s_language;
}

QString qtTranslationName()
{
    if (s_language == Language::English)
        return {};
    return QStringLiteral("qtbase_") + suffix(s_language);
}

QString text(const char *context, const char *source)
{
    // Before the application is made (--help, a wrong option), the
    // translation is read directly.
    if (s_translator && !s_installed) {
        const QString found = s_translator->translate(context, source);
        if (!found.isNull())
            return found;
    }
    return QCoreApplication::translate(context, source);
}

} // namespace Translation
