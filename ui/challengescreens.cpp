// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/challengescreens.h"

#include "challenges/endurance/endurancemodel.h"
#include "challenges/openended/openendedmodel.h"
#include "challenges/ranged/rangedmodel.h"
#include "ui/challengewindow.h"
#include "ui/layouts.h"

#include <QScreen>

ChallengeScreens::ChallengeScreens(GameClock &clock, RoundHistory &history)
    : m_clock(clock), m_history(history)
{
}

ChallengeScreens::~ChallengeScreens() = default;

ChallengeModel &ChallengeScreens::model(ChallengeScreen screen)
{
    Q_ASSERT(screen != ChallengeScreen::None);
    std::unique_ptr<ChallengeModel> &slot = m_models[static_cast<std::size_t>(screen) - 1];
    if (!slot) {
        switch (screen) {
        case ChallengeScreen::Ranged:
            slot = std::make_unique<RangedModel>(m_clock, m_history);
            break;
        case ChallengeScreen::OpenEnded:
            slot = std::make_unique<OpenEndedModel>(m_clock, m_history);
            break;
        case ChallengeScreen::Endurance:
        case ChallengeScreen::None:
            slot = std::make_unique<EnduranceModel>(m_clock, m_history);
            break;
        }
    }
    return *slot;
}

std::unique_ptr<ChallengeWindow> ChallengeScreens::open(ChallengeScreen screen,
                                                        const StartValues &start, QWidget *parent)
{
    if (screen == ChallengeScreen::None)
        return nullptr;
    return std::make_unique<ChallengeWindow>(model(screen), m_history,
                                             Layouts::challengeLayout(screen), start, parent);
}

void ChallengeScreens::showModal(ChallengeScreen screen, const StartValues &start,
                                 QWidget *startWindow)
{
    std::unique_ptr<ChallengeWindow> window = open(screen, start, startWindow);
    if (!window)
        return;
    window->setWindowModality(Qt::ApplicationModal);
    // The client area centred on the pupil's screen, not over the start
    // window wherever it was moved; a window placed by the program is not
    // moved again by Qt.
    if (const QScreen *s = startWindow->screen()) {
        QRect client = window->rect();
        client.moveCenter(s->availableGeometry().center());
        window->setGeometry(client);
    }
    window->exec();
}
