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

#include <QFile>

#include <array>

namespace {

// The start of a file that tells whether it is still the one read before.
constexpr qint64 kFirstBytes = 256;

// Digits at text[from, from + count) as a number, or -1.
int digits(QStringView text, qsizetype from, qsizetype count)
{
    if (from + count > text.size())
        return -1;
    int n = 0;
    for (qsizetype i = from; i < from + count; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return -1;
        n = n * 10 + (c - u'0');
    }
    return n;
}

// 2026-12-08T09:30:05+08:00 (or Z), as the log writes a round's start.
bool readStart(QStringView text, LoggedRound &round)
{
    const int year = digits(text, 0, 4), month = digits(text, 5, 2), day = digits(text, 8, 2);
    const int hour = digits(text, 11, 2), minute = digits(text, 14, 2),
              second = digits(text, 17, 2);
    if (text.size() < 20 || text[4] != u'-' || text[7] != u'-' || text[10] != u'T' ||
        text[13] != u':' || text[16] != u':' || hour < 0 || hour > 23 || minute < 0 ||
        minute > 59 || second < 0 || second > 59)
        return false;
    const QDate date(year, month, day);
    if (!date.isValid())
        return false;
    int offset = 0;
    const QStringView zone = text.mid(19);
    if (zone != u"Z") {
        const int h = digits(zone, 1, 2), m = digits(zone, 4, 2);
        if (zone.size() != 6 || (zone[0] != u'+' && zone[0] != u'-') || zone[3] != u':' || h < 0 ||
            m < 0)
            return false;
        offset = (zone[0] == u'-' ? -1 : 1) * (h * 3600 + m * 60);
    }
    round.day = date;
    round.minuteOfDay = hour * 60 + minute;
    const qint64 days = date.toJulianDay() - QDate(1970, 1, 1).toJulianDay();
    round.startedMs = (days * 86'400 + hour * 3600 + minute * 60 + second - offset) * 1000;
    return true;
}

// Seconds with two decimals as hundredths: "12.34" -> 1234.
std::optional<qint64> hundredths(QByteArrayView text)
{
    const qsizetype point = text.indexOf('.');
    if (point <= 0 || point != text.size() - 3)
        return std::nullopt;
    bool ok = false;
    const qint64 whole = text.first(point).toLongLong(&ok);
    const char a = text[point + 1], b = text[point + 2];
    if (!ok || whole < 0 || a < '0' || a > '9' || b < '0' || b > '9')
        return std::nullopt;
    return whole * 100 + (a - '0') * 10 + (b - '0');
}

// A text cell as the log writes it: a leading apostrophe only marks a
// formula-looking text as text.
QByteArrayView textCell(QByteArrayView cell)
{
    if (cell.size() > 1 && cell.front() == '\'' && QByteArrayView("=+-@\t\r").contains(cell[1]))
        return cell.sliced(1);
    return cell;
}

bool isEnding(const QString &text)
{
    for (const RoundEnding e :
         {RoundEnding::Success, RoundEnding::WrongNumber, RoundEnding::Backspace,
          RoundEnding::NonDigit, RoundEnding::Gap, RoundEnding::TimeUp, RoundEnding::Back}) {
        if (endingText(e) == text)
            return true;
    }
    return false;
}

} // namespace

bool LoggedRound::succeeded() const
{
    return ending == endingText(RoundEnding::Success);
}

qsizetype splitRecords(QByteArrayView bytes,
                       const std::function<void(const std::vector<QByteArrayView> &)> &record)
{
    std::vector<QByteArrayView> cells;
    // Cells with doubled quotes inside, unescaped, for the record's call.
    std::deque<QByteArray> unescaped;
    const qsizetype n = bytes.size();
    qsizetype i = 0, lastEnd = 0;
    while (i < n) {
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

LogReader::LogReader(const QString &path) : m_path(path) {}

Failure LogReader::read()
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return readProblem(m_path);
    const qint64 size = file.size();
    const QByteArray first = file.read(kFirstBytes);
    // A file that is shorter than what was read, or begins otherwise, was
    // replaced or cut: it is read again from its start.
    m_startedOver = m_readTo == 0 || size < m_readTo || !first.startsWith(m_firstBytes);
    if (m_startedOver) {
        m_rounds.clear();
        m_skipped = {};
        m_columns = {};
        m_sawHeader = false;
        m_readTo = 0;
        m_firstBytes = first.left(qMin<qsizetype>(first.size(), kFirstBytes));
        if (first.startsWith(CsvLine::kByteOrderMark))
            m_readTo = 3;
    }
    if (!file.seek(m_readTo))
        return readProblem(m_path);
    const QByteArray bytes = file.read(size - m_readTo);
    if (bytes.size() != size - m_readTo)
        return readProblem(m_path);
    m_skipped.torn = 0;
    const qsizetype whole = splitRecords(
        bytes, [this](const std::vector<QByteArrayView> &cells) { readRecord(cells); });
    if (!bytes.mid(whole).trimmed().isEmpty())
        m_skipped.torn = 1;
    m_readTo += whole;
    return std::nullopt;
}

QString LogReader::kept(QByteArrayView text)
{
    // Names, computers, endings and results repeat: each text is kept once.
    const QString s = QString::fromUtf8(text);
    auto it = m_texts.constFind(s);
    return it != m_texts.constEnd() ? *it : *m_texts.insert(s, s);
}

void LogReader::readRecord(const std::vector<QByteArrayView> &record)
{
    if (record.size() == 1 && record.front().trimmed().isEmpty())
        return;
    // Two logs put one after the other bring a byte-order mark along.
    std::vector<QByteArrayView> cells = record;
    if (cells.front().startsWith(CsvLine::kByteOrderMark))
        cells.front() = cells.front().sliced(3);
    static const std::array<QList<QByteArray>, 2> headers{
        QByteArray(ClassLogTexts::kHeader).split(','),
        QByteArray(ClassLogTexts::kEarlierHeader).split(',')};
    if (cells.front() == headers[0].front()) {
        // A header: its names say where each column stands, in this
        // version's order or an earlier one's.
        Columns at;
        int *fields[] = {&at.started, &at.host,    &at.name,     &at.level,   &at.ending,
                         &at.result,  &at.numbers, &at.duration, &at.typical, &at.pauses};
        for (std::size_t f = 0; f < std::size(fields); ++f) {
            *fields[f] = -1;
            for (const QList<QByteArray> &header : headers) {
                for (std::size_t c = 0; c < cells.size() && *fields[f] < 0; ++c) {
                    if (cells[c] == header[qsizetype(f)])
                        *fields[f] = int(c);
                }
            }
        }
        m_columns = at;
        m_sawHeader = true;
        return;
    }
    const Columns &at = m_columns;
    auto cell = [&cells](int column) {
        return column >= 0 && std::size_t(column) < cells.size() ? cells[std::size_t(column)]
                                                                 : QByteArrayView();
    };
    auto number = [](QByteArrayView text) -> std::optional<qint64> {
        bool ok = false;
        const qint64 n = text.toLongLong(&ok);
        return ok && n >= 0 ? std::optional(n) : std::nullopt;
    };
    LoggedRound round;
    const std::optional<qint64> level = number(cell(at.level));
    const std::optional<qint64> numbers = number(cell(at.numbers));
    const std::optional<qint64> duration = hundredths(cell(at.duration));
    const QString started = QString::fromLatin1(cell(at.started));
    const int needed =
        std::max({at.started, at.name, at.level, at.ending, at.result, at.numbers, at.duration});
    const bool columns = at.started >= 0 && at.name >= 0 && at.level >= 0 && at.ending >= 0 &&
                         at.result >= 0 && at.numbers >= 0 && at.duration >= 0 &&
                         std::size_t(needed) < cells.size();
    if (!columns || !readStart(started, round) || !level || !LevelTable::screen(int(*level)) ||
        !numbers || !duration) {
        ++m_skipped.foreign;
        return;
    }
    round.ending = kept(textCell(cell(at.ending)));
    if (!isEnding(round.ending)) {
        ++m_skipped.foreign;
        return;
    }
    round.level = int(*level);
    round.numbers = *numbers;
    round.duration = *duration;
    round.result = kept(cell(at.result));
    round.host = kept(textCell(cell(at.host)));
    round.name = kept(textCell(cell(at.name)));
    round.typicalMs = number(cell(at.typical));
    round.pauses = number(cell(at.pauses));
    m_rounds.push_back(std::move(round));
}
