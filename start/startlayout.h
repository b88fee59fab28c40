// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "challenges/layout.h"

// form0, the start window: its layout table. The level buttons come from the
// level table, three to a row.
const Layout::Table &startLayout();
