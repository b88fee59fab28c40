// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "challenges/roundrecord.h"

#include <deque>
#include <functional>
#include <vector>

// Every round played since the program started, oldest first, in memory
// only. Records stay where they are as rounds are added.
class RoundHistory {
public:
    using Listener = std::function<void(const RoundRecord &)>;

    const RoundRecord &add(RoundRecord record);
    const std::deque<RoundRecord> &rounds() const { return m_rounds; }
    // Told of every round as it is added.
    void listen(Listener listener) { m_listeners.push_back(std::move(listener)); }

private:
    std::deque<RoundRecord> m_rounds;
    std::vector<Listener> m_listeners;
};
