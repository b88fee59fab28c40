// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <optional>

// The one way the program's plain classes report a failure: what went wrong,
// in words a pupil or a teacher reads; none when all went well.
using Failure = std::optional<QString>;
