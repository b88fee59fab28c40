// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "classlog/pupilprogress.h"

#include "challenges/leveltable.h"
#include "challenges/ranged/rangedtexts.h"
#include "challenges/report/reporttexts.h"
#include "classlog/classoverview.h"
#include "core/text.h"
#include "core/timetext.h"

#include <algorithm>

using namespace ReportTexts;

namespace {

QString seconds(qint64 hundredths)
{
    return TimeText::secondsWithHundredths(hundredths);
}

// A best as the level counts it, in the pupil's words.
QString bestText(const LoggedRound &round, ChallengeScreen::Best best)
{
    switch (best) {
    case ChallengeScreen::Best::FastestSuccess:
        return utf8(kSeconds).arg(seconds(round.duration));
    case ChallengeScreen::Best::MostNumbersThenShortest:
        return utf8(kBestNumbersLasted).arg(round.numbers).arg(seconds(round.duration));
    case ChallengeScreen::Best::MostNumbers:
        break;
    }
    return utf8(kNumbers).arg(round.numbers);
}

QString dayText(QDate day, QDate today)
{
    return day == today ? utf8(kToday) : utf8(kMonthDay).arg(day.month()).arg(day.day());
}

// This round against the one before: quicker or slower where a round is
// won in a time, else more or fewer numbers.
QString againstLast(const LoggedRound &shown, const LoggedRound &last, ChallengeScreen::Best best)
{
    if (best == ChallengeScreen::Best::FastestSuccess) {
        if (!shown.succeeded())
            return utf8(kNotDone);
        if (!last.succeeded())
            return utf8(kDoneNow);
        const qint64 gain = last.duration - shown.duration;
        return gain == 0  ? utf8(kAsQuick)
               : gain > 0 ? utf8(kQuicker).arg(seconds(gain))
                          : utf8(kSlowerThanLast).arg(seconds(-gain));
    }
    const qint64 more = qint64(shown.numbers) - last.numbers;
    return more == 0 ? utf8(kAsMany) : more > 0 ? utf8(kMore).arg(more) : utf8(kFewer).arg(-more);
}

} // namespace

QString PupilProgress::line(const std::vector<const LoggedRound *> &rounds,
                            const LoggedRound &shown, QDate today)
{
    const auto at = std::find_if(rounds.begin(), rounds.end(),
                                 [&shown](const LoggedRound *r) { return r->sameAs(shown); });
    const std::size_t count = at == rounds.end() ? 1 : std::size_t(at - rounds.begin()) + 1;
    const int level = shown.level;
    if (count == 1)
        return utf8(kFirstTime).arg(level);
    const ChallengeScreen *screen = LevelTable::screen(level);
    const ChallengeScreen::Best best = screen ? screen->best : ChallengeScreen::Best::MostNumbers;
    // The best before this round, and with it.
    const LoggedRound *before = nullptr;
    std::optional<RoundScore> beforeScore;
    for (std::size_t i = 0; i + 1 < count; ++i) {
        const std::optional<RoundScore> score = ClassOverview::scoreOf(*rounds[i]);
        if (score && (!beforeScore || *score < *beforeScore)) {
            beforeScore = score;
            before = rounds[i];
        }
    }
    const std::optional<RoundScore> shownScore = ClassOverview::scoreOf(shown);
    QString said = utf8(kNthTime).arg(count).arg(level);
    if (shownScore && (!beforeScore || *shownScore < *beforeScore))
        said += utf8(RangedTexts::kRecordBroken);
    else if (before)
        said += utf8(kBestSoFar).arg(bestText(*before, best), dayText(before->day, today));
    else
        said += utf8(kNeverWon);
    return said + againstLast(shown, *rounds[count - 2], best);
}
