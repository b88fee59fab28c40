// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/classview/classwindow.h"

#include "challenges/leveltable.h"
#include "classlog/classviewtexts.h"
#include "classlog/csvline.h"
#include "core/text.h"
#include "core/timetext.h"
#include "ui/classview/classpage.h"
#include "ui/classview/progresschart.h"
#include "ui/classview/pupiltable.h"
#include "ui/dialogs.h"
#include "ui/dialogtexts.h"
#include "ui/fonts.h"
#include "ui/palette.h"
#include "ui/pdfpage.h"
#include "ui/pictures.h"
#include "ui/screenroom.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressDialog>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QStyle>
#include <QTableView>
#include <QTableWidget>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <iterator>

using namespace ClassViewTexts;

namespace {

QFont designFont(Layout::Face face, double points, bool bold = false)
{
    return Fonts::makeFont({face, points, bold ? 700 : 400, false});
}

enum Range { ThisWeek, ThisMonth, All, FromTo };
// The rounds list's last column: the file a round came from.
constexpr int kFileColumn = 6;

// The files, as the view's first line names them.
QString filesText(const QStringList &paths)
{
    if (paths.size() == 1)
        return QDir::toNativeSeparators(paths.front());
    QStringList names;
    for (const QString &path : paths)
        names << QFileInfo(path).fileName();
    return utf8(kFiles).arg(paths.size()).arg(names.join(QStringLiteral("、")));
}

} // namespace

ClassWindow::ClassWindow(const QString &path, QWidget *parent)
    : ClassWindow(QStringList{path}, parent)
{
}

ClassWindow::ClassWindow(const QStringList &paths, QWidget *parent)
    : QWidget(parent), m_reader(paths)
{
    setObjectName(QStringLiteral("FormClass"));
    setWindowTitle(utf8(kTitle));
    setWindowIcon(Pictures::icon(QStringLiteral("icon-start")));
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, kPageText);
    setPalette(palette);
    setFont(designFont(Layout::Face::Songti, 12));

    auto *file = new QLabel(filesText(paths), this);
    file->setFont(designFont(Layout::Face::Heiti, 14, true));
    file->setTextFormat(Qt::PlainText);
    QList<QWidget *> keyOrder;
    QLayout *filters = makeFilters(keyOrder);
    QWidget *news = makeNews(keyOrder);
    auto *split = new QSplitter(Qt::Vertical, this);
    split->addWidget(makeTable(keyOrder));
    split->addWidget(makeDetail(keyOrder));
    m_status = new QLabel(this);
    m_status->setFocusPolicy(Qt::NoFocus);
    auto *all = new QVBoxLayout(this);
    all->addWidget(file);
    all->addLayout(filters);
    all->addWidget(m_summary);
    all->addWidget(m_skipped);
    all->addWidget(news);
    all->addWidget(split, 1);
    all->addWidget(m_status);
    // Tab goes from control to control, in the order they stand.
    for (qsizetype i = 1; i < keyOrder.size(); ++i)
        setTabOrder(keyOrder[i - 1], keyOrder[i]);

    // The game appends as pupils play: the view offers to read the new lines.
    m_watcher.addPaths(paths);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, [this] {
        m_changed->setVisible(true);
        // A file replaced by a new one is watched anew.
        for (const QString &path : m_reader.paths()) {
            if (!m_watcher.files().contains(path))
                m_watcher.addPath(path);
        }
    });
    resize(boundedByScreen(*this, {1100, 760}));
}

QLayout *ClassWindow::makeFilters(QList<QWidget *> &keyOrder)
{
    m_search = new QLineEdit(this);
    m_search->setPlaceholderText(utf8(kSearch));
    m_search->setAccessibleName(utf8(kSearch));
    m_search->setClearButtonEnabled(true);
    m_range = new QComboBox(this);
    m_range->addItems({utf8(kThisWeek), utf8(kThisMonth), utf8(kAll), utf8(kFromTo)});
    m_range->setCurrentIndex(All);
    m_range->setAccessibleName(utf8(kRange));
    const QDate today = QDate::currentDate();
    m_from = new QDateEdit(today.addMonths(-1), this);
    m_to = new QDateEdit(today, this);
    auto *to = new QLabel(utf8(kTo), this);
    for (QWidget *w : std::initializer_list<QWidget *>{m_from, to, m_to})
        w->setVisible(false);
    auto *filters = new QHBoxLayout;
    filters->addWidget(m_search, 1);
    filters->addWidget(new QLabel(utf8(kRange), this));
    for (QWidget *w : std::initializer_list<QWidget *>{m_range, m_from, to, m_to})
        filters->addWidget(w);
    filters->addStretch(1);
    keyOrder << m_search << m_range << m_from << m_to;
    for (QDateEdit *edit : {m_from, m_to}) {
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        connect(edit, &QDateEdit::dateChanged, this, &ClassWindow::showPupils);
    }
    connect(m_search, &QLineEdit::textChanged, this,
            [this](const QString &text) { m_shown->setFilterFixedString(text); });
    connect(m_range, &QComboBox::currentIndexChanged, this, [this, to](int range) {
        for (QWidget *w : std::initializer_list<QWidget *>{m_from, to, m_to})
            w->setVisible(range == FromTo);
        showPupils();
    });
    // Every action has its keys, named in the button's tip.
    auto button = [&](const char *text, void (ClassWindow::*action)(), QKeySequence keys) {
        auto *b = new QPushButton(utf8(text), this);
        b->setAutoDefault(false);
        b->setShortcut(keys);
        b->setToolTip(keys.toString(QKeySequence::NativeText));
        connect(b, &QPushButton::clicked, this, action);
        filters->addWidget(b);
        keyOrder << b;
    };
    button(kExport, &ClassWindow::exportCsv, QKeySequence::Save);
    button(DialogTexts::kPrint, &ClassWindow::print, QKeySequence::Print);
    button(DialogTexts::kSavePdf, &ClassWindow::savePdf,
           QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    button(DialogTexts::kCopy, &ClassWindow::copy, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    return filters;
}

QWidget *ClassWindow::makeNews(QList<QWidget *> &keyOrder)
{
    m_summary = new QLabel(this);
    m_summary->setFont(designFont(Layout::Face::Heiti, 13, true));
    m_skipped = new QLabel(this);
    m_changed = new QWidget(this);
    auto *changed = new QHBoxLayout(m_changed);
    changed->setContentsMargins(0, 0, 0, 0);
    changed->addWidget(new QLabel(utf8(kChanged), m_changed));
    auto *reread = new QPushButton(utf8(kRefresh), m_changed);
    changed->addWidget(reread);
    changed->addStretch(1);
    m_changed->setVisible(false);
    keyOrder << reread;
    connect(reread, &QPushButton::clicked, this, [this] {
        if (const Failure failure = refresh())
            m_status->setText(utf8(kCannotRead).arg(failedPath(), *failure));
    });
    return m_changed;
}

QWidget *ClassWindow::makeTable(QList<QWidget *> &keyOrder)
{
    m_pupils = new PupilTable(this);
    m_shown = new QSortFilterProxyModel(this);
    m_shown->setSourceModel(m_pupils);
    m_shown->setSortRole(PupilTable::kSortRole);
    m_shown->setFilterKeyColumn(0);
    m_shown->setFilterCaseSensitivity(Qt::CaseInsensitive);
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("pupils"));
    m_table->setAccessibleName(utf8(kTitle));
    m_table->setModel(m_shown);
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(0, Qt::AscendingOrder);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->verticalHeader()->setVisible(false);
    m_table->horizontalHeader()->setFont(designFont(Layout::Face::Heiti, 12, true));
    // Tab leaves the table for the next control; the arrows move inside it,
    // and Ctrl+Up or Ctrl+Down sorts by the current cell's column.
    m_table->setTabKeyNavigation(false);
    m_table->setToolTip(utf8(kSortKeys));
    m_table->installEventFilter(this);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &ClassWindow::showPupil);
    keyOrder << m_table;
    return m_table;
}

QWidget *ClassWindow::makeDetail(QList<QWidget *> &keyOrder)
{
    m_pupilTitle = new QLabel(utf8(kPickPupil), this);
    m_pupilTitle->setFont(designFont(Layout::Face::Heiti, 13, true));
    m_level = new QComboBox(this);
    m_level->setAccessibleName(utf8(kLevel).arg(QString()));
    connect(m_level, &QComboBox::currentIndexChanged, this, &ClassWindow::showPupil);
    m_chart = new ProgressChart(this);
    m_chart->setFont(designFont(Layout::Face::Songti, 10));
    m_rounds = new QTableWidget(this);
    m_rounds->setColumnCount(kFileColumn + 1);
    m_rounds->setHorizontalHeaderLabels({utf8(kWhen), utf8(kHosts), utf8(kEnding), utf8(kResult),
                                         utf8(kNumbersColumn), utf8(kDuration), utf8(kFile)});
    m_rounds->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_rounds->verticalHeader()->setVisible(false);
    m_rounds->setTabKeyNavigation(false);
    m_rounds->setAccessibleName(utf8(kRoundsList));
    auto *head = new QHBoxLayout;
    head->addWidget(m_pupilTitle, 1);
    head->addWidget(m_level);
    auto *body = new QSplitter(Qt::Horizontal, this);
    body->addWidget(m_chart);
    body->addWidget(m_rounds);
    auto *detail = new QWidget(this);
    auto *layout = new QVBoxLayout(detail);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(head);
    layout->addWidget(body, 1);
    keyOrder << m_level << m_chart << m_rounds;
    return detail;
}

ClassWindow::~ClassWindow() = default;

Failure ClassWindow::refresh()
{
    if (const Failure failure = read())
        return failure;
    m_changed->setVisible(false);
    m_skipped->setText(ClassOverview::skippedText(m_reader));
    m_skipped->setVisible(!m_skipped->text().isEmpty());
    showPupils();
    return std::nullopt;
}

QString ClassWindow::failedPath() const
{
    return m_reader.failedPath();
}

Failure ClassWindow::read()
{
    // A short reading is over before anyone would notice it.
    constexpr qint64 kAloneUpTo = 8 << 20;
    if (m_reader.unread() <= kAloneUpTo)
        return m_reader.read();
    // A school's year is read on a thread of its own, with a progress bar
    // when it takes longer than half a second. Nothing of the rounds is
    // shown meanwhile: the reading may start over and drop them.
    m_pupils->setPupils({});
    m_chart->setRounds({}, 0);
    m_rounds->setRowCount(0);
    QProgressDialog progress(utf8(kReading), QString(), 0, 1000, this);
    progress.setWindowTitle(utf8(kReadingTitle));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    progress.setAutoClose(false);
    Failure failure;
    std::unique_ptr<QThread> reading(QThread::create([&] { failure = m_reader.read(); }));
    QEventLoop waiting;
    connect(reading.get(), &QThread::finished, &waiting, &QEventLoop::quit);
    QTimer step;
    connect(&step, &QTimer::timeout, &progress,
            [&] { progress.setValue(int(m_reader.progress() * 999)); });
    step.start(50);
    reading->start();
    waiting.exec();
    reading->wait();
    return failure;
}

DayRange ClassWindow::days() const
{
    const QDate today = QDate::currentDate();
    switch (m_range->currentIndex()) {
    case ThisWeek:
        return DayRange::thisWeek(today);
    case ThisMonth:
        return DayRange::thisMonth(today);
    case FromTo:
        return {m_from->date(), m_to->date()};
    default:
        break;
    }
    return {};
}

void ClassWindow::showPupils()
{
    // The selected pupil stays selected, where the range still holds him.
    const QModelIndex current = m_table->currentIndex();
    const QString selected =
        current.isValid() ? m_shown->index(current.row(), 0).data().toString() : QString();
    const DayRange range = days();
    m_pupils->setPupils(ClassOverview::pupils(m_reader.rounds(), range));
    fitColumns();
    m_summary->setText(
        ClassOverview::summaryText(ClassOverview::summary(m_reader.rounds(), range), m_reader));
    const QModelIndexList found =
        m_shown->match(m_shown->index(0, 0), Qt::DisplayRole, selected, 1, Qt::MatchExactly);
    if (!selected.isEmpty() && !found.isEmpty())
        m_table->setCurrentIndex(found.front());
    else
        showPupil();
}

// Each column as wide as its widest cell or heading line (the level
// headings have their unit on a line of its own), so that every level
// fits beside the names at 1024 x 768.
void ClassWindow::fitColumns()
{
    QHeaderView *header = m_table->horizontalHeader();
    const QFontMetrics fm(header->font()), cellFont(m_table->font());
    const int room = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header) +
                     2 * style()->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, header);
    const int cellRoom =
        2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_table) + 6;
    // As Qt's own fitting does, the first thousand rows stand for all.
    const int rows = std::min(m_shown->rowCount(), 1000);
    for (int c = 0; c < m_shown->columnCount(); ++c) {
        int width = 0;
        for (int r = 0; r < rows; ++r)
            width =
                std::max(width, cellFont.horizontalAdvance(m_shown->index(r, c).data().toString()) +
                                    cellRoom);
        const QStringList lines =
            m_shown->headerData(c, Qt::Horizontal).toString().split(QLatin1Char('\n'));
        for (const QString &line : lines)
            width = std::max(width, fm.horizontalAdvance(line) + room);
        header->resizeSection(c, width);
    }
}

void ClassWindow::showPupil()
{
    const QModelIndex current = m_table->currentIndex();
    m_rounds->setRowCount(0);
    if (!current.isValid()) {
        m_pupilTitle->setText(utf8(kPickPupil));
        m_chart->setRounds({}, 0);
        return;
    }
    const ClassOverview::Pupil &pupil = m_pupils->pupil(m_shown->mapToSource(current).row());
    // The levels the pupil played, the chosen one kept where he has it.
    const int chosen = m_level->currentData().toInt();
    // One pass over the log for all of the pupil's rounds.
    const std::vector<const LoggedRound *> all =
        ClassOverview::roundsOf(m_reader.rounds(), pupil.name, 0, days());
    QList<int> levels;
    for (const LoggedRound *round : all) {
        if (!levels.contains(round->level))
            levels << round->level;
    }
    std::sort(levels.begin(), levels.end());
    {
        const QSignalBlocker quiet(m_level);
        m_level->clear();
        for (int level : levels)
            m_level->addItem(utf8(kLevel).arg(level), level);
        const int at = levels.indexOf(chosen);
        m_level->setCurrentIndex(at >= 0 ? at : 0);
    }
    const int level = m_level->currentData().toInt();
    m_pupilTitle->setText(utf8(kProgress).arg(pupil.name, utf8(kLevel).arg(level)));
    std::vector<const LoggedRound *> rounds;
    std::copy_if(all.begin(), all.end(), std::back_inserter(rounds),
                 [level](const LoggedRound *r) { return r->level == level; });
    m_chart->setRounds(rounds, level);
    m_rounds->setRowCount(int(rounds.size()));
    // With several files (one per computer room), each round says which.
    const QStringList paths = m_reader.paths();
    m_rounds->setColumnHidden(kFileColumn, paths.size() < 2);
    for (std::size_t r = 0; r < rounds.size(); ++r) {
        const LoggedRound &round = *rounds[rounds.size() - 1 - r]; // newest first
        const QStringList cells{ClassOverview::whenText(round),
                                round.host,
                                endingText(round.ending),
                                round.resultText(),
                                QString::number(round.numbers),
                                TimeText::secondsWithHundredths(round.duration),
                                QFileInfo(paths.value(round.file)).completeBaseName()};
        for (int c = 0; c < cells.size(); ++c)
            m_rounds->setItem(int(r), c, new QTableWidgetItem(cells[c]));
    }
    m_rounds->resizeColumnsToContents();
}

bool ClassWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_table && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() == Qt::ControlModifier &&
            (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
            m_table->sortByColumn(std::max(0, m_table->currentIndex().column()),
                                  key->key() == Qt::Key_Up ? Qt::AscendingOrder
                                                           : Qt::DescendingOrder);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

std::vector<QStringList> ClassWindow::exportedRows() const
{
    std::vector<QStringList> rows{PupilTable::exportHeader()};
    for (int r = 0; r < m_shown->rowCount(); ++r)
        rows.push_back(m_pupils->exportRow(m_shown->mapToSource(m_shown->index(r, 0)).row()));
    return rows;
}

std::vector<QStringList> ClassWindow::shownRows() const
{
    std::vector<QStringList> rows(1);
    for (int c = 0; c < m_shown->columnCount(); ++c)
        rows[0] << m_shown->headerData(c, Qt::Horizontal, Qt::DisplayRole)
                       .toString()
                       .remove(QLatin1Char('\n'));
    for (int r = 0; r < m_shown->rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < m_shown->columnCount(); ++c)
            row << m_shown->index(r, c).data().toString();
        rows.push_back(row);
    }
    return rows;
}

ClassPage ClassWindow::page() const
{
    // What the page shows: the files, the pupils shown, the days, the date.
    const QString range = m_range->currentIndex() == FromTo
                              ? m_from->text() + utf8(kTo) + m_to->text()
                              : m_range->currentText();
    const std::vector<QStringList> rows = shownRows();
    const QString about = utf8(kPrintedAbout)
                              .arg(filesText(m_reader.paths()))
                              .arg(rows.size() - 1)
                              .arg(range, QDate::currentDate().toString(Qt::ISODate));
    return ClassPage(utf8(kTitle) + QStringLiteral("  ") + m_summary->text(), about, rows);
}

void ClassWindow::saveAs(const char *suffix, const char *filter,
                         const std::function<bool(QIODevice &)> &write)
{
    const QString suggested =
        QDir(QFileInfo(m_reader.path()).absolutePath())
            .filePath(utf8(kTitle) + QDate::currentDate().toString(QStringLiteral("-yyyyMMdd")) +
                      QLatin1String(suffix));
    Dialogs::saveAndSay(this, m_status, utf8(kTitle), suggested, utf8(filter), write);
}

void ClassWindow::exportCsv()
{
    // The log's own cells: a name that starts like a formula stays text.
    saveAs(".csv", kCsvFiles, [this](QIODevice &device) {
        QByteArray bytes(CsvLine::kByteOrderMark);
        for (const QStringList &row : exportedRows()) {
            QStringList cells;
            for (qsizetype c = 0; c < row.size(); ++c)
                cells << CsvLine::field(row[c], c < 2);
            bytes += cells.join(QLatin1Char(',')).toUtf8() + CsvLine::kLineEnd;
        }
        return device.write(bytes) == bytes.size();
    });
}

void ClassWindow::savePdf()
{
    saveAs(".pdf", DialogTexts::kPdfFiles, [this](QIODevice &device) {
        const ClassPage shown = page();
        return writePdfPages(device, utf8(kTitle), QPageLayout::Landscape, 12,
                             [&shown](QPainter &p, const QRectF &area, int resolution) {
                                 shown.draw(p, area, resolution);
                             });
    });
}

void ClassWindow::print()
{
    const ClassPage shown = page();
    Dialogs::printAndSay(this, m_status, utf8(kTitle),
                         [&shown](QPainter &p, const QRectF &area, int resolution) {
                             shown.draw(p, area, resolution);
                         });
}

void ClassWindow::copy()
{
    QStringList lines;
    for (const QStringList &row : exportedRows())
        lines << row.join(QLatin1Char('\t'));
    QApplication::clipboard()->setText(lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    m_status->setText(utf8(kCopied));
}
