// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "challenges/roundhistory.h"

const RoundRecord &RoundHistory::add(RoundRecord record)
{
    const RoundRecord &added = m_rounds.emplace_back(std::move(record));
    for (const Listener &listener : m_listeners)
        listener(added);
    return added;
}
