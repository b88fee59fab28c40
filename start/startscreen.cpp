// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "start/startscreen.h"

#include "challenges/challengetexts.h"
#include "challenges/leveltable.h"
#include "core/text.h"
#include "start/starttexts.h"

using namespace StartTexts;

void StartScreen::load()
{
    m_board.reset();
    m_board.setText(StartControl::Window, utf8(ChallengeTexts::kVersionCaption));
    m_board.setText(StartControl::Label1, utf8(kMakerAddress));
    m_board.setText(StartControl::Label11, translated(kPlannerPrefix) + translated(kPlannerName));
    m_board.setText(StartControl::Label12, translated(kDesignerPrefix) + translated(kDesignerName));
    m_board.setText(StartControl::Label5, translated(kSubtitle));
    m_board.setText(StartControl::Label3, utf8(kPlatformAddress));
    nameChanged(QString());
    m_board.setText(StartControl::Label25, LevelTable::startRuleLine(LevelTable::kFirstLevel));
}

void StartScreen::chooseLevel(int n)
{
    if (n < LevelTable::kFirstLevel || n > LevelTable::lastLevel())
        return;
    m_levelDisplay = QString::number(n);
    m_board.setText(StartControl::Label9, m_levelDisplay);
    m_board.setText(StartControl::Label25, LevelTable::startRuleLine(n));
}

void StartScreen::nameChanged(const QString &text)
{
    m_nameText = text;
    m_board.setText(StartControl::Text1, text);
    m_StudentName = text;
}

void StartScreen::confirmName()
{
    cutName();
    m_board.requestFocus(StartControl::Command1);
}

const ChallengeScreen *StartScreen::startChallenge()
{
    cutName();
    m_GameLevel = static_cast<qint16>(m_levelDisplay.toInt());
    return LevelTable::screen(m_GameLevel);
}

QUrl StartScreen::linkTarget(StartControl link)
{
    if (link == StartControl::Label1)
        return QUrl(QStringLiteral("https://") + utf8(kMakerAddress) + utf8(kMakerPage));
    return QUrl(QStringLiteral("https://") + utf8(kPlatformAddress));
}

void StartScreen::cutName()
{
    const QString cut = firstCharacters(m_nameText, kNameCharacters);
    if (cut != m_nameText)
        nameChanged(cut);
}
