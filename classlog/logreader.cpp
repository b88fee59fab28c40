// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "classlog/logreader.h"

#include "challenges/leveltable.h"
#include "challenges/roundrecord.h"
#include "classlog/classlogtexts.h"
#include "classlog/csvline.h"
#include "core/fileproblem.h"
#include "core/text.h"
#include "core/timetext.h"

#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <memory>

namespace {

// The start of a file that tells whether it is still the one read before.
constexpr qint64 kFirstBytes = 256;

// Digits at text[from, from + count) as a number, or -1.
int digits(QByteArrayView text, qsizetype from, qsizetype count)
{
    if (from + count > text.size())
        return -1;
    int n = 0;
    for (qsizetype i = from; i < from + count; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            return -1;
        n = n * 10 + (c - '0');
    }
    return n;
}

// 2026-12-08T09:30:05+08:00 (or Z), as the log writes a round's start.
bool readStart(QByteArrayView text, LoggedRound &round)
{
    const int year = digits(text, 0, 4), month = digits(text, 5, 2), day = digits(text, 8, 2);
    const int hour = digits(text, 11, 2), minute = digits(text, 14, 2),
              second = digits(text, 17, 2);
    if (text.size() < 20 || text[4] != '-' || text[7] != '-' || text[10] != 'T' ||
        text[13] != ':' || text[16] != ':' || hour < 0 || hour > 23 || minute < 0 || minute > 59 ||
        second < 0 || second > 59)
        return false;
    // The rounds of a day stand together: its date is worked out once. Kept
    // in plain values: a thread's object with a destructor is destroyed by
    // MinGW after the thread's storage is freed, which corrupts the heap of
    // the Windows program when a reading thread ends.
    static thread_local std::array<char, 10> lastDay{};
    static thread_local QDate lastDate;
    const QByteArrayView dayText = text.first(10);
    if (dayText != QByteArrayView(lastDay.data(), lastDay.size())) {
        lastDate = QDate(year, month, day);
        std::copy(dayText.begin(), dayText.end(), lastDay.begin());
    }
    const QDate date = lastDate;
    if (!date.isValid())
        return false;
    int offset = 0;
    const QByteArrayView zone = text.sliced(19);
    if (zone != "Z") {
        const int h = digits(zone, 1, 2), m = digits(zone, 4, 2);
        if (zone.size() != 6 || (zone[0] != '+' && zone[0] != '-') || zone[3] != ':' || h < 0 ||
            m < 0)
            return false;
        offset = (zone[0] == '-' ? -1 : 1) * (h * 3600 + m * 60);
    }
    round.day = date;
    round.minuteOfDay = qint16(hour * 60 + minute);
    const qint64 days = date.toJulianDay() - QDate(1970, 1, 1).toJulianDay();
    round.startedMs = (days * 86'400 + hour * 3600 + minute * 60 + second - offset) * 1000;
    return true;
}

// A whole number of plain digits, as the log writes counts and levels; the
// game writes none beyond 32 bits (a count of numbers, hundredths of a
// second: 248 days).
std::optional<qint32> number(QByteArrayView text)
{
    if (text.isEmpty() || text.size() > 18)
        return std::nullopt;
    qint64 n = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        n = n * 10 + (c - '0');
    }
    return n <= INT32_MAX ? std::optional<qint32>(qint32(n)) : std::nullopt;
}

// Seconds with two decimals as hundredths: "12.34" -> 1234.
std::optional<qint32> hundredths(QByteArrayView text)
{
    const qsizetype point = text.size() - 3;
    if (point <= 0 || text[point] != '.')
        return std::nullopt;
    const std::optional<qint32> whole = number(text.first(point));
    const std::optional<qint32> part = number(text.sliced(point + 1));
    if (!whole || !part || *whole > (INT32_MAX - *part) / 100)
        return std::nullopt;
    return *whole * 100 + *part;
}

// A text cell as the log writes it: a leading apostrophe only marks a
// formula-looking text as text.
QByteArrayView textCell(QByteArrayView cell)
{
    if (cell.size() > 1 && cell.front() == '\'' && QByteArrayView("=+-@\t\r").contains(cell[1]))
        return cell.sliced(1);
    return cell;
}

// The ending whose words the cell holds.
std::optional<RoundEnding> ending(QByteArrayView cell)
{
    static const auto words = [] {
        std::vector<std::pair<QByteArray, RoundEnding>> all;
        for (const RoundEnding e :
             {RoundEnding::Success, RoundEnding::WrongNumber, RoundEnding::Backspace,
              RoundEnding::NonDigit, RoundEnding::Gap, RoundEnding::TimeUp, RoundEnding::Back})
            all.emplace_back(endingText(e).toUtf8(), e);
        return all;
    }();
    for (const auto &[text, e] : words) {
        if (cell == text)
            return e;
    }
    return std::nullopt;
}

// How much of a file is read at a time: the file need not fit in memory
// beside its rounds, and the reading can tell how far it has come.
constexpr qint64 kChunk = 4 << 20;
// From how many bytes on a file is read in two halves at once.
constexpr qint64 kTwoPartsFrom = 16 << 20;

// Where a round stands among the rounds when looking for one written twice:
// the second it started (some twelve days of them before they repeat), then
// six bits mixed from the ends of its computer's name and the pupil's.
constexpr int kSecondBits = 20;
quint32 who(const QString &host, const QString &name)
{
    const auto end = [](const QString &text) {
        return text.isEmpty() ? 0u : quint32(text.back().unicode()) << 8 ^ quint32(text.size());
    };
    return (end(host) * 0x9E3779B1u ^ end(name)) * 0x85EBCA6Bu >> 26;
}
quint32 placeOf(qint64 startedMs, quint32 who)
{
    const auto second = quint32(startedMs / 1000) & ((1u << kSecondBits) - 1);
    return second << 6 | who;
}
// The word of a bitmap of places that holds a place's bit.
std::size_t wordOf(quint32 place, std::size_t words)
{
    return std::size_t(place >> 6) & (words - 1);
}

} // namespace

QString LoggedRound::resultText() const
{
    return resultInSeconds ? TimeText::secondsWithHundredths(result) : QString::number(result);
}

bool LoggedRound::sameAs(const LoggedRound &other) const
{
    return startedMs == other.startedMs && numbers == other.numbers && duration == other.duration &&
           result == other.result && level == other.level && ending == other.ending &&
           resultInSeconds == other.resultInSeconds && host == other.host && name == other.name;
}

qsizetype splitRecords(QByteArrayView bytes,
                       const std::function<void(const std::vector<QByteArrayView> &)> &record)
{
    std::vector<QByteArrayView> cells;
    // Cells with doubled quotes inside, unescaped, for the record's call.
    std::deque<QByteArray> unescaped;
    const qsizetype n = bytes.size();
    qsizetype i = 0, lastEnd = 0;
    const char *data = bytes.data();
    while (i < n) {
        // A whole line without quotes, the game's usual line, is split at its
        // commas at once.
        if (cells.empty()) {
            const auto *end = static_cast<const char *>(std::memchr(data + i, '\n', n - i));
            if (!end)
                break;
            const qsizetype lineEnd = end - data;
            if (!std::memchr(data + i, '"', lineEnd - i)) {
                const qsizetype cut =
                    lineEnd > i && data[lineEnd - 1] == '\r' ? lineEnd - 1 : lineEnd;
                for (qsizetype from = i;;) {
                    const auto *comma =
                        static_cast<const char *>(std::memchr(data + from, ',', cut - from));
                    const qsizetype to = comma ? comma - data : cut;
                    cells.push_back(bytes.sliced(from, to - from));
                    if (!comma)
                        break;
                    from = to + 1;
                }
                i = lineEnd + 1;
                record(cells);
                cells.clear();
                lastEnd = i;
                continue;
            }
        }
        // One cell, from i.
        if (bytes[i] == '"') {
            const qsizetype start = ++i;
            bool doubled = false;
            while (i < n && !(bytes[i] == '"' && (i + 1 >= n || bytes[i + 1] != '"'))) {
                if (bytes[i] == '"') {
                    doubled = true;
                    ++i;
                }
                ++i;
            }
            if (i >= n)
                break; // the closing quote is still to come
            QByteArrayView cell = bytes.sliced(start, i - start);
            if (doubled) {
                unescaped.emplace_back(cell.toByteArray().replace("\"\"", "\""));
                cell = unescaped.back();
            }
            ++i;
            // Whatever follows the closing quote up to the separator is dropped.
            while (i < n && bytes[i] != ',' && bytes[i] != '\n')
                ++i;
            cells.push_back(cell);
        } else {
            const qsizetype start = i;
            while (i < n && bytes[i] != ',' && bytes[i] != '\n')
                ++i;
            qsizetype end = i;
            if (i < n && bytes[i] == '\n' && end > start && bytes[end - 1] == '\r')
                --end;
            cells.push_back(bytes.sliced(start, end - start));
        }
        if (i >= n)
            break;
        if (bytes[i] == ',') {
            ++i;
            if (i >= n)
                break;
            continue;
        }
        ++i; // the line's end
        record(cells);
        cells.clear();
        unescaped.clear();
        lastEnd = i;
    }
    return lastEnd;
}

LogReader::LogReader(const QString &path) : LogReader(QStringList{path}) {}

LogReader::LogReader(const QStringList &paths, std::optional<Only> only) : m_only(std::move(only))
{
    if (m_only) {
        for (const QString &name : m_only->names)
            m_onlyNames << name.toUtf8();
    }
    for (const QString &path : paths)
        m_files.push_back({path});
    if (m_files.empty())
        m_files.push_back({});
}

void LogReader::addLines(const QByteArray &lines)
{
    if (m_seen.empty())
        m_seen.assign(64, 0);
    std::vector<quint32> again;
    Part part{{}, {}, true, &m_rounds, &m_texts, &m_seen, &again, quint16(m_files.size()), 0};
    splitRecords(lines, [this, &part](const std::vector<QByteArrayView> &cells) {
        readRecord(part, cells);
    });
    if (!again.empty())
        dropRepeats(again);
}

std::optional<LoggedRound> LogReader::roundOf(const QByteArray &line)
{
    LogReader reader(QStringList{});
    reader.addLines(line);
    if (reader.rounds().empty())
        return std::nullopt;
    return reader.rounds().front();
}

QStringList LogReader::paths() const
{
    QStringList all;
    for (const File &file : m_files)
        all << file.path;
    return all;
}

LogReader::Skipped LogReader::skipped() const
{
    Skipped all;
    for (const File &file : m_files) {
        all.foreign += file.skipped.foreign;
        all.torn += file.skipped.torn;
    }
    return all;
}

bool LogReader::sawHeader() const
{
    return std::any_of(m_files.begin(), m_files.end(), [](const File &f) { return f.sawHeader; });
}

qint64 LogReader::unread() const
{
    qint64 bytes = 0;
    for (const File &file : m_files)
        bytes += std::max<qint64>(0, QFileInfo(file.path).size() - file.readTo);
    return bytes;
}

double LogReader::progress() const
{
    const qint64 toDo = m_toDo.load();
    return toDo > 0 ? std::min(1.0, double(m_done.load()) / double(toDo)) : 1.0;
}

Failure LogReader::read()
{
    // A file that is shorter than what was read, or begins otherwise, was
    // replaced or cut: everything is read again from the start; so too
    // after a reading that was ended early.
    m_startedOver = m_stopping.exchange(false);
    for (const File &file : m_files) {
        QFile f(file.path);
        if (!f.open(QIODevice::ReadOnly)) {
            m_failedPath = file.path;
            return readProblem(file.path);
        }
        m_startedOver = m_startedOver || file.readTo == 0 || f.size() < file.readTo ||
                        !f.read(kFirstBytes).startsWith(file.firstBytes);
    }
    if (m_startedOver) {
        m_rounds.clear();
        for (File &file : m_files)
            file = {file.path};
    }
    m_done = 0;
    m_toDo = unread();
    if (m_startedOver) {
        // A word of 64 bits for every 256 bytes to read, to a power of two:
        // twenty to forty bits a round (a line is some 75 bytes). Fewer bits
        // would only make more rounds to compare. One pupil's rounds of a
        // level are a few thousand at most.
        const std::size_t words = m_only ? 4096 : std::bit_ceil(std::size_t(m_toDo / 256 + 1));
        m_seen.assign(std::clamp<std::size_t>(words, 64, std::size_t(1) << kSecondBits), 0);
    }
    std::vector<quint32> again;
    Failure failure;
    for (std::size_t i = 0; i < m_files.size() && !failure; ++i) {
        if ((failure = readFile(m_files[i], quint16(i), again)))
            m_failedPath = m_files[i].path;
    }
    if (!again.empty() && !m_stopping)
        dropRepeats(again);
    return failure;
}

void LogReader::see(Part &part, quint32 place)
{
    std::vector<quint64> &seen = *part.seen;
    const std::size_t word = wordOf(place, seen.size());
    const quint64 bit = quint64(1) << (place & 63);
    if (seen[word] & bit)
        part.again->push_back(place);
    seen[word] |= bit;
}

void LogReader::dropRepeats(const std::vector<quint32> &again)
{
    // Only rounds in places taken twice can be one round written twice:
    // those are found and compared in full, each with those before it that
    // started in the same millisecond. A round is known by everything the
    // view reads of it.
    const std::size_t words = m_seen.size();
    std::vector<quint64> twice(words);
    for (const quint32 place : again)
        twice[wordOf(place, words)] |= quint64(1) << (place & 63);
    // Found in two halves at once, one per core: a school's year is
    // millions of rounds.
    using Suspects = std::vector<std::pair<qint64, std::size_t>>;
    const auto find = [&](std::size_t from, std::size_t to, Suspects &found) {
        std::size_t i = from;
        for (auto round = m_rounds.cbegin() + qsizetype(from); i < to; ++round, ++i) {
            const quint32 place = round->place;
            if (twice[wordOf(place, words)] & quint64(1) << (place & 63))
                found.emplace_back(round->startedMs, i);
        }
    };
    Suspects suspects, later;
    const std::size_t middle = m_rounds.size() / 2;
    std::unique_ptr<QThread> other(QThread::create([&] { find(middle, m_rounds.size(), later); }));
    other->start();
    find(0, middle, suspects);
    other->wait();
    suspects.insert(suspects.end(), later.begin(), later.end());
    twice = {};
    std::sort(suspects.begin(), suspects.end());
    std::vector<bool> repeat(m_rounds.size());
    bool anyRepeat = false;
    for (auto group = suspects.begin(); group != suspects.end();) {
        const auto end = std::find_if(group, suspects.end(),
                                      [group](const auto &s) { return s.first != group->first; });
        for (auto later = group + 1; later < end; ++later) {
            for (auto earlier = group; earlier < later && !repeat[later->second]; ++earlier) {
                if (!repeat[earlier->second] &&
                    m_rounds[earlier->second].sameAs(m_rounds[later->second]))
                    repeat[later->second] = anyRepeat = true;
            }
        }
        group = end;
    }
    if (!anyRepeat)
        return;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < m_rounds.size(); ++i) {
        if (repeat[i])
            continue;
        if (kept != i)
            m_rounds[kept] = std::move(m_rounds[i]);
        ++kept;
    }
    m_rounds.erase(m_rounds.begin() + qsizetype(kept), m_rounds.end());
}

Failure LogReader::readFile(File &file, quint16 index, std::vector<quint32> &again)
{
    QFile f(file.path);
    if (!f.open(QIODevice::ReadOnly))
        return readProblem(file.path);
    const qint64 size = f.size();
    if (file.readTo == 0) {
        file.firstBytes = f.read(kFirstBytes);
        if (file.firstBytes.startsWith(CsvLine::kByteOrderMark))
            file.readTo = 3;
    }
    Part first{file.columns, {},     file.sawHeader, &m_rounds,  &m_texts,
               &m_seen,      &again, index,          file.readTo};
    // A long stretch (a school's year) is read in two halves at once, one
    // per core; the second starts at a line that begins a round.
    const qint64 middle = size - file.readTo >= kTwoPartsFrom && QThread::idealThreadCount() > 1
                              ? roundStartAfter(f, file.readTo + (size - file.readTo) / 2, size)
                              : -1;
    Failure failure;
    if (middle < 0) {
        failure = readPart(file.path, first, size, PartEnd::FileEnd);
    } else {
        // The second half takes the first's column layout as the file's
        // first lines give it.
        if (!file.sawHeader)
            readPart(file.path, first, std::min(middle, first.readTo + kFirstBytes * 4),
                     PartEnd::ReadAgain);
        LoggedRounds later;
        QHash<QByteArray, QString> laterTexts;
        // Each half marks the places it sees in a bitmap of its own; a place
        // that both saw was taken again.
        std::vector<quint64> laterSeen(m_seen.size());
        std::vector<quint32> laterAgain;
        Part second{first.columns, {},          false, &later, &laterTexts,
                    &laterSeen,    &laterAgain, index, middle};
        Failure secondFailure;
        std::unique_ptr<QThread> other(QThread::create(
            [&] { secondFailure = readPart(file.path, second, size, PartEnd::FileEnd); }));
        other->start();
        failure = readPart(file.path, first, middle, PartEnd::NextPart);
        other->wait();
        if (!failure)
            failure = secondFailure;
        // Moved over block by block, so that the two never take twice the room.
        for (; !later.empty(); later.pop_front())
            m_rounds.push_back(std::move(later.front()));
        again.insert(again.end(), laterAgain.begin(), laterAgain.end());
        for (std::size_t word = 0; word < m_seen.size(); ++word) {
            for (quint64 both = m_seen[word] & laterSeen[word]; both; both &= both - 1)
                again.push_back(quint32(word << 6) | quint32(std::countr_zero(both)));
            m_seen[word] |= laterSeen[word];
        }
        first.skipped.foreign += second.skipped.foreign;
        first.skipped.torn = second.skipped.torn;
        first.sawHeader = first.sawHeader || second.sawHeader;
        first.columns = second.columns;
        first.readTo = second.readTo;
    }
    file.columns = first.columns;
    file.skipped.foreign += first.skipped.foreign;
    file.skipped.torn = first.skipped.torn;
    file.sawHeader = first.sawHeader;
    file.readTo = first.readTo;
    return failure;
}

qint64 LogReader::roundStartAfter(QFile &f, qint64 from, qint64 size)
{
    // A line break followed by a round's start time: a name (four
    // characters at most) cannot hold one, so no quoted cell is cut here.
    if (!f.seek(from))
        return -1;
    const QByteArray bytes = f.read(std::min<qint64>(size - from, 1 << 16));
    LoggedRound probe;
    for (qsizetype at = bytes.indexOf('\n'); at >= 0; at = bytes.indexOf('\n', at + 1)) {
        const QByteArrayView next = QByteArrayView(bytes).sliced(at + 1);
        if (next.size() > 26 && readStart(next.first(25), probe) && next[25] == ',')
            return from + at + 1;
    }
    return -1;
}

Failure LogReader::readPart(const QString &path, Part &part, qint64 to, PartEnd end)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly) || !f.seek(part.readTo))
        return readProblem(path);
    const auto record = [this, &part](const std::vector<QByteArrayView> &cells) {
        readRecord(part, cells);
    };
    // Chunk by chunk; a record cut by a chunk's end waits for the next one.
    QByteArray rest;
    for (qint64 left = to - part.readTo; left > 0 && !m_stopping;) {
        const QByteArray chunk = f.read(std::min(left, kChunk));
        if (chunk.isEmpty())
            return readProblem(path);
        left -= chunk.size();
        m_done += chunk.size();
        const QByteArray bytes = rest.isEmpty() ? chunk : rest + chunk;
        const qsizetype whole = splitRecords(bytes, record);
        part.readTo += whole;
        rest = bytes.sliced(whole);
    }
    // A line cut at the file's end is still being written; one cut where
    // the next part starts cannot be a round of the game.
    const bool cut = !rest.trimmed().isEmpty();
    part.skipped.torn = end == PartEnd::FileEnd && cut ? 1 : 0;
    part.skipped.foreign += end == PartEnd::NextPart && cut ? 1 : 0;
    return std::nullopt;
}

QString LogReader::kept(Part &part, QByteArrayView text)
{
    // Names and computers repeat: each text is kept once, and looked up
    // without a copy.
    const auto it = part.texts->constFind(QByteArray::fromRawData(text.data(), text.size()));
    if (it != part.texts->constEnd())
        return *it;
    const QByteArray key = text.toByteArray();
    return *part.texts->insert(key, QString::fromUtf8(key));
}

void LogReader::readRecord(Part &part, const std::vector<QByteArrayView> &cells)
{
    if (cells.size() == 1 && cells.front().trimmed().isEmpty())
        return;
    // Two logs put one after the other bring a byte-order mark along.
    QByteArrayView first = cells.front();
    if (first.startsWith(CsvLine::kByteOrderMark))
        first = first.sliced(3);
    static const std::array<QList<QByteArray>, 2> headers{
        QByteArray(ClassLogTexts::kHeader).split(','),
        QByteArray(ClassLogTexts::kEarlierHeader).split(',')};
    if (first == headers[0].front()) {
        // A header: its names say where each column stands, in this
        // version's order or an earlier one's.
        Columns at;
        int *fields[] = {&at.started, &at.host,   &at.name,    &at.level,
                         &at.ending,  &at.result, &at.numbers, &at.duration};
        for (std::size_t f = 0; f < std::size(fields); ++f) {
            *fields[f] = -1;
            for (const QList<QByteArray> &header : headers) {
                for (std::size_t c = 0; c < cells.size() && *fields[f] < 0; ++c) {
                    if ((c == 0 ? first : cells[c]) == header[qsizetype(f)])
                        *fields[f] = int(c);
                }
            }
        }
        part.columns = at;
        part.sawHeader = true;
        return;
    }
    const Columns &at = part.columns;
    auto cell = [&](int column) {
        if (column < 0 || std::size_t(column) >= cells.size())
            return QByteArrayView();
        return column == 0 ? first : cells[std::size_t(column)];
    };
    const int needed =
        std::max({at.started, at.name, at.level, at.ending, at.result, at.numbers, at.duration});
    const bool columns = at.started >= 0 && at.name >= 0 && at.level >= 0 && at.ending >= 0 &&
                         at.result >= 0 && at.numbers >= 0 && at.duration >= 0 &&
                         std::size_t(needed) < cells.size();
    // Another pupil's round, or another level's, is passed over at once.
    if (m_only) {
        const QByteArrayView name = textCell(cell(at.name));
        if (!columns || number(cell(at.level)) != m_only->level ||
            std::none_of(m_onlyNames.begin(), m_onlyNames.end(),
                         [name](const QByteArray &only) { return only == name; }))
            return;
    }
    LoggedRound round;
    const bool started = columns && readStart(cell(at.started), round);
    // The word of its place is fetched while the rest is read.
    if (started)
        __builtin_prefetch(&(*part.seen)[wordOf(placeOf(round.startedMs, 0), part.seen->size())]);
    const std::optional<qint32> level = number(cell(at.level));
    const std::optional<qint32> numbers = number(cell(at.numbers));
    const std::optional<qint32> duration = hundredths(cell(at.duration));
    const std::optional<RoundEnding> how = ending(textCell(cell(at.ending)));
    // The result: seconds with hundredths, or a count.
    const QByteArrayView resultCell = cell(at.result);
    const bool inSeconds = resultCell.contains('.');
    const std::optional<qint32> result = inSeconds ? hundredths(resultCell) : number(resultCell);
    if (!started || !level || !LevelTable::screen(*level) || !numbers || !duration || !how ||
        !result) {
        ++part.skipped.foreign;
        return;
    }
    round.level = qint8(*level);
    round.ending = *how;
    round.numbers = *numbers;
    round.duration = *duration;
    round.result = *result;
    round.resultInSeconds = inSeconds;
    round.host = kept(part, textCell(cell(at.host)));
    round.name = kept(part, textCell(cell(at.name)));
    round.file = part.file;
    round.place = placeOf(round.startedMs, who(round.host, round.name));
    see(part, round.place);
    part.rounds->push_back(std::move(round));
}
