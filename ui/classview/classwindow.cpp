// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/classview/classwindow.h"

#include "classlog/classviewtexts.h"
#include "classlog/csvline.h"
#include "core/text.h"
#include "ui/classview/classpage.h"
#include "ui/classview/daychoice.h"
#include "ui/classview/lessonboard.h"
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
#include <QFileInfo>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>

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
    return translated(kFiles)
        .arg(paths.size())
        .arg(names.join(translated(Punctuation::kEnumerationComma)));
}

} // namespace

ClassWindow::ClassWindow(const QString &path, const QString &roster, QWidget *parent)
    : ClassWindow(QStringList{path}, roster, parent)
{
}

ClassWindow::ClassWindow(const QStringList &paths, const QString &roster, QWidget *parent)
    : QWidget(parent), m_reader(paths), m_roster(roster), m_follower(m_reader, this)
{
    setObjectName(QStringLiteral("FormClass"));
    setWindowTitle(translated(kTitle));
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
    m_summary = new QLabel(this);
    m_summary->setFont(designFont(Layout::Face::Heiti, 13, true));
    m_skipped = new QLabel(this);
    auto *split = new QSplitter(Qt::Vertical, this);
    m_table = new PupilView(this);
    connect(m_table, &PupilView::currentPupilChanged, this, &ClassWindow::showPupil);
    split->addWidget(m_table);
    m_detail = new PupilDetail(this);
    split->addWidget(m_detail);
    keyOrder << m_table << m_detail->keyOrder();
    auto *pupils = new QWidget(this);
    auto *pupilsLayout = new QVBoxLayout(pupils);
    pupilsLayout->addLayout(filters);
    pupilsLayout->addWidget(m_summary);
    pupilsLayout->addWidget(m_skipped);
    pupilsLayout->addWidget(split, 1);
    m_board = new LessonBoard(this);
    m_board->setFont(designFont(Layout::Face::Heiti, 12));
    auto *pages = new QTabWidget(this);
    pages->addTab(pupils, translated(kPupilsPage));
    pages->addTab(m_board, translated(kLessonPage));
    m_status = new QLabel(this);
    m_status->setFocusPolicy(Qt::NoFocus);
    auto *all = new QVBoxLayout(this);
    all->addWidget(file);
    all->addWidget(pages, 1);
    all->addWidget(m_status);
    // Tab goes from control to control, in the order they stand.
    for (qsizetype i = 1; i < keyOrder.size(); ++i)
        setTabOrder(keyOrder[i - 1], keyOrder[i]);

    // As pupils play, the board takes each round at once, the table a
    // moment later (computing it takes long on a school's year).
    connect(&m_follower, &LogFollower::followed, this, [this](const Failure &failure) {
        if (failure) {
            m_status->setText(translated(kCannotRead).arg(failedPath(), *failure));
            return;
        }
        m_board->takeRounds(m_reader.rounds(), m_reader.startedOver(), m_list);
        if (!m_tableDue.isActive())
            m_tableDue.start();
    });
    m_tableDue.setSingleShot(true);
    m_tableDue.setInterval(2'000);
    connect(&m_tableDue, &QTimer::timeout, this, &ClassWindow::showRead);
    resize(boundedByScreen(*this, {1100, 760}));
}

QLayout *ClassWindow::makeFilters(QList<QWidget *> &keyOrder)
{
    m_search = new QLineEdit(this);
    m_search->setPlaceholderText(translated(kSearch));
    m_search->setAccessibleName(translated(kSearch));
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
    auto button = [&](const Text &text, void (ClassWindow::*action)(), QKeySequence keys) {
        auto *b = new QPushButton(translated(text), this);
        b->setAutoDefault(false);
        b->setShortcut(keys);
        b->setToolTip(keys.toString(QKeySequence::NativeText));
        connect(b, &QPushButton::clicked, this, action);
        filters->addWidget(b);
        keyOrder << b;
        return b;
    };
    m_countAs = button(kCountAs, &ClassWindow::countAsListed, QKeySequence());
    m_countAs->setVisible(false);
    button(kExport, &ClassWindow::exportCsv, QKeySequence::Save);
    button(DialogTexts::kPrint, &ClassWindow::print, QKeySequence::Print);
    button(DialogTexts::kSavePdf, &ClassWindow::savePdf,
           QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    button(DialogTexts::kCopy, &ClassWindow::copy, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    return filters;
}

ClassWindow::~ClassWindow() = default;

Failure ClassWindow::refresh()
{
    if (!m_roster.isEmpty()) {
        Failure unreadable;
        m_list = ClassList::read(m_roster, &unreadable);
        if (unreadable)
            m_status->setText(translated(kCannotReadList).arg(m_roster, *unreadable));
    }
    // Nothing of the rounds is shown while a reading may start over.
    m_table->setPupils({});
    m_detail->showPupil(m_reader.rounds(), m_reader.paths(), nullptr, {});
    if (const Failure failure = m_follower.read())
        return failure;
    m_board->takeRounds(m_reader.rounds(), m_reader.startedOver(), m_list);
    showRead();
    return std::nullopt;
}

QString ClassWindow::failedPath() const
{
    return m_reader.failedPath();
}

void ClassWindow::showRead()
{
    m_skipped->setText(ClassOverview::skippedText(m_reader));
    m_skipped->setVisible(!m_skipped->text().isEmpty());
    showPupils();
}

void ClassWindow::showPupils()
{
    const DayRange range = m_days->days();
    const ClassList *list = m_roster.isEmpty() ? nullptr : &m_list;
    m_table->setPupils(ClassOverview::pupils(m_reader.rounds(), range, list));
    m_summary->setText(ClassOverview::summaryText(
        ClassOverview::summary(m_reader.rounds(), range, list), m_reader));
    showPupil();
}

void ClassWindow::showPupil()
{
    const ClassOverview::Pupil *pupil = m_table->currentPupil();
    m_countAs->setVisible(pupil && pupil->listing == ClassOverview::Listing::NotListed);
    m_detail->showPupil(m_reader.rounds(), m_reader.paths(), pupil, m_days->days());
}

// A name not on the class list counted as a listed pupil's: said in a line
// added to the list's file once the teacher has chosen whose and agreed.
void ClassWindow::countAsListed()
{
    const ClassOverview::Pupil *pupil = m_table->currentPupil();
    if (!pupil || m_list.isEmpty())
        return;
    const QString logged = pupil->name;
    QStringList listed;
    for (const ClassList::Pupil &p : m_list.pupils())
        listed << p.shown();
    Dialogs::prepare();
    bool chosen = false;
    const QString who =
        QInputDialog::getItem(this, translated(kCountAsTitle), translated(kCountAsWho).arg(logged),
                              listed, 0, false, &chosen);
    if (!chosen)
        return;
    const QString name = m_list.pupils()[std::size_t(listed.indexOf(who))].name;
    if (QMessageBox::question(this, translated(kCountAsTitle),
                              translated(kCountAsSure).arg(logged, name, m_roster)) !=
        QMessageBox::Yes)
        return;
    if (const Failure failure = ClassList::addAlias(m_roster, logged, name)) {
        QMessageBox::warning(this, translated(kCountAsTitle),
                             translated(kCannotCount).arg(m_roster, *failure));
        return;
    }
    m_list = ClassList::read(m_roster);
    m_board->takeRounds(m_reader.rounds(), true, m_list);
    showPupils();
}

ClassPage ClassWindow::page() const
{
    // What the page shows: the files, the pupils shown, the days, the date.
    const std::vector<QStringList> rows = m_table->shownRows();
    const QString about = translated(kPrintedAbout)
                              .arg(filesText(m_reader.paths()))
                              .arg(rows.size() - 1)
                              .arg(m_days->text(), QDate::currentDate().toString(Qt::ISODate));
    return ClassPage(translated(kTitle) + QStringLiteral("  ") + m_summary->text(), about, rows);
}

void ClassWindow::saveAs(const char *suffix, const Text &filter,
                         const std::function<bool(QIODevice &)> &write)
{
    const QString suggested =
        QDir(QFileInfo(m_reader.path()).absolutePath())
            .filePath(translated(kTitle) +
                      QDate::currentDate().toString(QStringLiteral("-yyyyMMdd")) +
                      QLatin1String(suffix));
    Dialogs::saveAndSay(this, m_status, translated(kTitle), suggested, translated(filter), write);
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
        return writePdfPages(device, translated(kTitle), QPageLayout::Landscape, 12,
                             [&shown](QPainter &p, const QRectF &area, int resolution) {
                                 shown.draw(p, area, resolution);
                             });
    });
}

void ClassWindow::print()
{
    const ClassPage shown = page();
    Dialogs::printAndSay(this, m_status, translated(kTitle),
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
    m_status->setText(translated(kCopied));
}
