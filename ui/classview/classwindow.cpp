// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/classview/classwindow.h"

#include "classlog/classviewtexts.h"
#include "classlog/csvline.h"
#include "classlog/logreading.h"
#include "core/text.h"
#include "ui/classview/classpage.h"
#include "ui/classview/daychoice.h"
#include "ui/classview/pupildetail.h"
#include "ui/classview/pupilview.h"
#include "ui/dialogs.h"
#include "ui/dialogtexts.h"
#include "ui/fonts.h"
#include "ui/palette.h"
#include "ui/pdfpage.h"
#include "ui/pictures.h"
#include "ui/screenroom.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressDialog>
#include <QPushButton>
#include <QSplitter>
#include <QTimer>

using namespace ClassViewTexts;

namespace {

QFont designFont(Layout::Face face, double points, bool bold = false)
{
    return Fonts::makeFont({face, points, bold ? 700 : 400, false});
}

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
    m_table = new PupilView(this);
    connect(m_table, &PupilView::currentPupilChanged, this, &ClassWindow::showPupil);
    split->addWidget(m_table);
    keyOrder << m_table;
    m_detail = new PupilDetail(this);
    split->addWidget(m_detail);
    keyOrder << m_detail->keyOrder();
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
    m_days = new DayChoice(this);
    auto *filters = new QHBoxLayout;
    filters->addWidget(m_search, 1);
    filters->addWidget(m_days);
    filters->addStretch(1);
    keyOrder << m_search << m_days->keyOrder();
    connect(m_days, &DayChoice::changed, this, &ClassWindow::showPupils);
    connect(m_search, &QLineEdit::textChanged, this,
            [this](const QString &text) { m_table->search(text); });
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
    m_table->setPupils({});
    m_detail->showPupil(m_reader.rounds(), m_reader.paths(), QString(), {});
    QProgressDialog progress(utf8(kReading), QString(), 0, 1000, this);
    progress.setWindowTitle(utf8(kReadingTitle));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    progress.setAutoClose(false);
    Failure failure;
    LogReading reading(m_reader);
    QEventLoop waiting;
    connect(&reading, &LogReading::finished, &waiting, [&](const Failure &read) {
        failure = read;
        waiting.quit();
    });
    QTimer step;
    connect(&step, &QTimer::timeout, &progress,
            [&] { progress.setValue(int(m_reader.progress() * 999)); });
    step.start(50);
    reading.start();
    waiting.exec();
    return failure;
}

void ClassWindow::showPupils()
{
    const DayRange range = m_days->days();
    m_table->setPupils(ClassOverview::pupils(m_reader.rounds(), range));
    m_summary->setText(
        ClassOverview::summaryText(ClassOverview::summary(m_reader.rounds(), range), m_reader));
    showPupil();
}

void ClassWindow::showPupil()
{
    m_detail->showPupil(m_reader.rounds(), m_reader.paths(), m_table->currentName(),
                        m_days->days());
}

ClassPage ClassWindow::page() const
{
    // What the page shows: the files, the pupils shown, the days, the date.
    const std::vector<QStringList> rows = m_table->shownRows();
    const QString about = utf8(kPrintedAbout)
                              .arg(filesText(m_reader.paths()))
                              .arg(rows.size() - 1)
                              .arg(m_days->text(), QDate::currentDate().toString(Qt::ISODate));
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
        for (const QStringList &row : m_table->exportedRows()) {
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
    for (const QStringList &row : m_table->exportedRows())
        lines << row.join(QLatin1Char('\t'));
    QApplication::clipboard()->setText(lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    m_status->setText(utf8(kCopied));
}
