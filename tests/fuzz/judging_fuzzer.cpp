// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Coverage-guided fuzzing of the rules of the three challenge screens: the
// input is read as a stream of events (keys, clock advances, Start, Play
// again, reopening); the program aborts when an invariant breaks.
#include "challenges/endurance/endurancemodel.h"
#include "challenges/openended/openendedmodel.h"
#include "challenges/ranged/rangedmodel.h"
#include "modelrig.h"

#include <cstdint>
#include <cstdlib>

namespace {

const char16_t kKeys[] = {u'0', u'1',   u'2',       u'3', u'4', u'5', u'6', u'7', u'8',
                          u'9', kEnter, kBackspace, u'a', u' ', u'-', 27,   22,   0x4e00};

template <typename Model> void run(int level, const uint8_t *data, size_t size)
{
    ModelRig<Model> rig(level);
    for (size_t i = 0; i < size; ++i) {
        const uint8_t b = data[i];
        ChallengeBoard &board = rig.board();
        if (b < 128) {
            const bool outside = !board.enabled(Control::Text1);
            board.takeChanges();
            // Enter judges a box that holds "1", as it often would.
            const char16_t left = rig.key(kKeys[b % std::size(kKeys)], QStringLiteral("1"));
            if (outside && (left != 0 || !board.takeChanges().none()))
                std::abort();
        } else if (b < 200) {
            rig.clock.advance((b - 127) * 7);
        } else if (b < 215) {
            const qint64 jumps[] = {1'999, 2'000, 299'900, 300'000, 420'000, 86'399'990};
            rig.clock.advance(jumps[b % 6]);
        } else if (b < 235) {
            if (board.enabled(Control::Command1) && board[Control::Command1].visible)
                rig.model->start();
        } else if (b < 250) {
            if (board.enabled(Control::Command3) && board[Control::Command3].visible)
                rig.model->playAgain();
        } else {
            rig.reopen();
        }
        if (board.timerEnabled())
            rig.model->tick();
        const QString mark = board[Control::Mark].text;
        if (!mark.isEmpty() && mark != QStringLiteral("√") && mark != QStringLiteral("×"))
            std::abort();
        if (board.enabled(Control::Text1) &&
            (!board.timerEnabled() || board.enabled(Control::Command1)))
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const uint8_t which = data[0] % 3;
    if (which == 0)
        run<RangedModel>(1 + data[0] / 3 % 6, data + 1, size - 1);
    else if (which == 1)
        run<OpenEndedModel>(7 + data[0] / 3 % 2, data + 1, size - 1);
    else
        run<EnduranceModel>(9, data + 1, size - 1);
    return 0;
}
