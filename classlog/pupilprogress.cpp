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
        return translated(kSeconds).arg(seconds(round.duration));
    case ChallengeScreen::Best::MostNumbersThenShortest:
        return translated(kBestNumbersLasted).arg(round.numbers).arg(seconds(round.duration));
    case ChallengeScreen::Best::MostNumbers:
        break;
    }
    return translated(kNumbers).arg(round.numbers);
}

QString dayText(QDate day, QDate today)
{
    return day == today ? translated(kToday)
                        : translated(kMonthDay).arg(day.month()).arg(day.day());
}

// This round against the one before: quicker or slower where a round is
// won in a time, else more or fewer numbers.
QString againstLast(const LoggedRound &shown, const LoggedRound &last, ChallengeScreen::Best best)
{
    if (best == ChallengeScreen::Best::FastestSuccess) {
        if (!shown.succeeded())
            return translated(kNotDone);
        if (!last.succeeded())
            return translated(kDoneNow);
        const qint64 gain = last.duration - shown.duration;
        return gain == 0  ? translated(kAsQuick)
               : gain > 0 ? translated(kQuicker).arg(seconds(gain))
                          : translated(kSlowerThanLast).arg(seconds(-gain));
    }
    const qint64 more = qint64(shown.numbers) - last.numbers;
    return more == 0  ? translated(kAsMany)
           : more > 0 ? translated(kMore).arg(more)
                      : translated(kFewer).arg(-more);
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
        return translated(kFirstTime).arg(level);
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
    QString said;
    if (shownScore && (!beforeScore || *shownScore < *beforeScore))
        said = translated(RangedTexts::kRecordBroken);
    else if (before)
        said = translated(kBestSoFar).arg(bestText(*before, best), dayText(before->day, today));
    else
        said = translated(kNeverWon);
    const QString sentences = translated(Punctuation::kSentences);
    return sentences.arg(sentences.arg(translated(kNthTime).arg(count).arg(level), said),
                         againstLast(shown, *rounds[count - 2], best));
}
