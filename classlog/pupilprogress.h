// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "classlog/logreader.h"

#include <QDate>

#include <vector>

// What a pupil's rounds of a level say of one of them, in the words of a
// pupil of ten: how many times he has played the level, his best so far (or
// that this round is a new one, as the screen says a record), and how this
// round went against the one before.
namespace PupilProgress {

// rounds: one pupil's rounds of one level, oldest first, the shown one among
// them; everything is counted as of the shown round.
QString line(const std::vector<const LoggedRound *> &rounds, const LoggedRound &shown, QDate today);

} // namespace PupilProgress
