// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/startscreen.h"

#include "app/starttexts.h"
#include "challenges/challengetexts.h"

#include <QTextBoundaryFinder>

using namespace StartTexts;

void StartScreen::load()
{
    m_caption = QString::fromUtf8(ChallengeTexts::kVersionCaption);
    m_makerLink = QString::fromUtf8(kMakerAddress);
    m_platformLink = QString::fromUtf8(kPlatformAddress);
    m_plannerCredit = QString::fromUtf8(kPlannerPrefix) + QString::fromUtf8(kPlannerName);
    m_designerCredit = QString::fromUtf8(kDesignerPrefix) + QString::fromUtf8(kDesignerName);
    m_subtitle = QString::fromUtf8(kSubtitle);
    m_nameDisplay.clear();
    m_schoolDisplay.clear();
    m_captionsShown = false;
    m_nameText.clear();
    nameChanged(m_nameText);
    m_ruleLine = LevelTable::startRuleLine(1);
}

void StartScreen::chooseLevel(int n)
{
    if (n < LevelTable::kFirstLevel || n > LevelTable::kLastLevel)
        return;
    m_levelDisplay = QString::number(n);
    m_ruleLine = LevelTable::startRuleLine(n);
}

void StartScreen::nameChanged(const QString &text)
{
    m_nameText = text;
    m_nameDisplay.clear();
    m_schoolDisplay.clear();
    m_captionsShown = false;
    m_StudentName = text;
    m_School.clear();
}

void StartScreen::confirmName()
{
    cutName();
    m_focus = Focus::Command1;
}

ChallengeScreen StartScreen::startChallenge()
{
    cutName();
    m_GameLevel = static_cast<qint16>(m_levelDisplay.toInt());
    return LevelTable::screen(m_GameLevel);
}

std::optional<StartScreen::Focus> StartScreen::takeFocusRequest()
{
    std::optional<Focus> f = m_focus;
    m_focus.reset();
    return f;
}

QUrl StartScreen::makerPageUrl()
{
    return QUrl(QStringLiteral("https://") + QString::fromUtf8(kMakerAddress) +
                QString::fromUtf8(kMakerPage));
}

QUrl StartScreen::platformUrl()
{
    return QUrl(QStringLiteral("https://") + QString::fromUtf8(kPlatformAddress));
}

QString StartScreen::firstCharacters(const QString &text, int n)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    int count = 0;
    qsizetype end = 0;
    while (count < n) {
        const qsizetype next = finder.toNextBoundary();
        if (next < 0)
            return text;
        end = next;
        ++count;
    }
    return text.left(end);
}

void StartScreen::cutName()
{
    const QString cut = firstCharacters(m_nameText, 4);
    if (cut != m_nameText)
        nameChanged(cut);
}
