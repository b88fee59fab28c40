// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/report/reportwindow.h"

#include "challenges/report/reporttexts.h"
#include "challenges/report/roundreport.h"
#include "challenges/roundhistory.h"
#include "classlog/classlist.h"
#include "core/text.h"
#include "ui/dialogs.h"
#include "ui/dialogtexts.h"
#include "ui/fonts.h"
#include "ui/palette.h"
#include "ui/report/printing/printreport.h"
#include "ui/report/progresspart.h"
#include "ui/report/reportpage.h"
#include "ui/report/rhythmchart.h"
#include "ui/screenroom.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>

using namespace ReportTexts;

namespace {

QFont designFont(Layout::Face face, double points, bool bold = false)
{
    return Fonts::makeFont({face, points, bold ? 700 : 400, false});
}

// The pictures folder where there is one, else home.
QString saveFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

} // namespace

ReportWindow::ReportWindow(const RoundHistory &history, const RoundRecord &shown,
                           const ClassRecords *records, QWidget *parent)
    : QDialog(parent), m_history(history)
{
    setObjectName(QStringLiteral("FormReport"));
    setWindowTitle(translated(kTitle));
    setWindowModality(Qt::WindowModal);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, kPageText);
    setPalette(palette);

    auto *page = new QWidget(this);
    page->setAutoFillBackground(true);
    QPalette white = page->palette();
    white.setColor(QPalette::Window, Qt::white);
    page->setPalette(white);
    m_heading = new QLabel(page);
    m_heading->setFont(designFont(Layout::Face::Heiti, 18, true));
    m_heading->setWordWrap(true);
    m_heading->setTextFormat(Qt::PlainText);
    m_chart = new RhythmChart(page);
    m_chart->setFont(designFont(Layout::Face::Songti, 11));
    m_pointed = new QLabel(page);
    m_pointed->setFont(designFont(Layout::Face::Songti, 12));
    m_pointed->setTextFormat(Qt::PlainText);
    m_pointed->setWordWrap(true);
    // Two lines of room whatever it says, so that the chart above keeps its
    // size while the pupil points at things.
    m_pointed->setFixedHeight(2 * m_pointed->fontMetrics().lineSpacing() + 2);
    m_pointed->installEventFilter(this);
    m_figures = new QWidget(page);
    m_figureGrid = new QGridLayout(m_figures);
    m_figureGrid->setContentsMargins(0, 0, 0, 0);
    m_figureGrid->setColumnStretch(1, 1);
    auto *pageLayout = new QVBoxLayout(page);
    pageLayout->addWidget(m_heading);
    pageLayout->addWidget(m_chart, 1);
    pageLayout->addWidget(m_pointed);
    pageLayout->addWidget(m_figures);
    connect(m_chart, &RhythmChart::pointed, this, [this](const QString &text) {
        if (text.isEmpty())
            showHint();
        else
            showPointed(text);
    });

    auto *roundsTitle = new QLabel(translated(kRounds), this);
    roundsTitle->setFont(designFont(Layout::Face::Heiti, 13, true));
    m_rounds = new QListWidget(this);
    m_rounds->setFont(designFont(Layout::Face::Songti, 11));
    m_rounds->setAccessibleName(translated(kRounds));
    // Of one width whichever rounds it lists, so that the chart keeps its
    // size from round to round; a long entry wraps.
    m_rounds->setWordWrap(true);
    m_rounds->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_rounds->setFixedWidth(
        m_rounds->fontMetrics().horizontalAdvance(QStringLiteral("停顿超过2秒  123 个数字，持续")) +
        32);
    auto *side = new QVBoxLayout;
    side->addWidget(roundsTitle);
    side->addWidget(m_rounds, 1);
    if (records && !records->logs.isEmpty()) {
        m_progress = new ProgressPart(*records, history, this);
        m_progress->setFixedWidth(m_rounds->width());
        side->addWidget(m_progress);
    }

    m_status = new QLabel(this);
    m_status->setFont(designFont(Layout::Face::Songti, 11));
    m_status->setTextFormat(Qt::PlainText);
    m_status->setFocusPolicy(Qt::NoFocus);
    m_status->setTextInteractionFlags(Qt::NoTextInteraction);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_status, 1);
    auto button = [&](const Text &text, void (ReportWindow::*action)(), QKeySequence keys) {
        auto *b = new QPushButton(translated(text), this);
        b->setFont(designFont(Layout::Face::Songti, 14, true));
        b->setAutoDefault(false);
        b->setShortcut(keys);
        connect(b, &QPushButton::clicked, this, action);
        buttons->addWidget(b);
    };
    button(kSave, &ReportWindow::saveImage, QKeySequence::Save);
    button(DialogTexts::kSavePdf, &ReportWindow::savePdf, QKeySequence());
    button(DialogTexts::kPrint, &ReportWindow::print, QKeySequence::Print);
    button(DialogTexts::kCopy, &ReportWindow::copy, QKeySequence::Copy);
    button(kClose, &ReportWindow::accept, QKeySequence());

    auto *top = new QHBoxLayout;
    top->addWidget(page, 1);
    top->addLayout(side);
    auto *all = new QVBoxLayout(this);
    all->addLayout(top, 1);
    all->addLayout(buttons);

    // Newest first; each entry knows its round by its place in the history.
    const std::deque<RoundRecord> &rounds = history.rounds();
    for (auto it = rounds.rbegin(); it != rounds.rend(); ++it) {
        auto *item = new QListWidgetItem(RoundReport::listEntry(*it), m_rounds);
        item->setToolTip(item->text());
        item->setData(Qt::UserRole, qlonglong(std::distance(it, rounds.rend()) - 1));
        if (&*it == &shown)
            m_rounds->setCurrentItem(item);
    }
    connect(m_rounds, &QListWidget::currentItemChanged, this, [this](QListWidgetItem *item) {
        if (item)
            showRound(m_history.rounds()[std::size_t(item->data(Qt::UserRole).toLongLong())]);
    });

    showRound(shown);
    resize(boundedByScreen(*this, {1016, 730}));
    m_chart->setFocus();
}

void ReportWindow::showRound(const RoundRecord &round)
{
    m_round = &round;
    if (m_progress)
        m_progress->showRound(round);
    m_heading->setText(RoundReport::heading(round));
    m_chart->setRhythm(RoundReport::rhythmOf(round));
    showHint();
    while (QLayoutItem *item = m_figureGrid->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    const RoundFigures figures = figuresOf(round.numbers);
    int row = 0;
    const QFont labelFont = designFont(Layout::Face::Songti, 13);
    const QFont valueFont = designFont(Layout::Face::Songti, 13, true);
    for (const RoundReport::FigureLine &line : RoundReport::figureLines(figures)) {
        // The label explains its figure on hover and on focus, in the line
        // under the chart; a screen reader reads it as the description.
        auto *label = new QLabel(line.label, m_figures);
        label->setFont(labelFont);
        // No tooltip: the line under the chart says it already.
        label->setAccessibleDescription(line.explanation);
        label->setFocusPolicy(Qt::StrongFocus);
        label->setStyleSheet(QStringLiteral("QLabel:focus { background: #FFF0B0; }"));
        label->installEventFilter(this);
        auto *value = new QLabel(line.value, m_figures);
        value->setFont(valueFont);
        value->setTextFormat(Qt::PlainText);
        m_figureGrid->addWidget(label, row, 0);
        m_figureGrid->addWidget(value, row, 1);
        ++row;
    }
    if (!figures.enoughToAnalyse()) {
        auto *few = new QLabel(translated(kTooFew), m_figures);
        few->setFont(labelFont);
        m_figureGrid->addWidget(few, row, 0, 1, 2);
    }
}

void ReportWindow::showHint()
{
    showPointed(m_round && !m_round->numbers.empty() ? translated(kPointHint) : QString());
}

void ReportWindow::showPointed(const QString &text)
{
    m_pointedText = text;
    // A text longer than the two lines (a narrow window) is cut short, and
    // whole in the line's tooltip.
    const QFontMetrics metrics = m_pointed->fontMetrics();
    const QRect room = m_pointed->contentsRect();
    const auto fits = [&](const QString &t) {
        return metrics.boundingRect(QRect(0, 0, room.width(), 1 << 20), Qt::TextWordWrap, t)
                   .height() <= room.height();
    };
    QString shown = text;
    for (int width = 2 * room.width(); !fits(shown) && width > 0;
         width -= metrics.averageCharWidth())
        shown = metrics.elidedText(text, Qt::ElideRight, width);
    m_pointed->setText(shown);
    m_pointed->setToolTip(shown == text ? QString() : text);
}

bool ReportWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_pointed) {
        if (event->type() == QEvent::Resize)
            showPointed(m_pointedText);
        return QDialog::eventFilter(watched, event);
    }
    if (auto *label = qobject_cast<QLabel *>(watched)) {
        switch (event->type()) {
        case QEvent::Enter:
        case QEvent::FocusIn:
            showPointed(label->accessibleDescription());
            break;
        case QEvent::Leave:
        case QEvent::FocusOut:
            showHint();
            break;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ReportWindow::saveAs(const char *suffix, const Text &filter,
                          const std::function<bool(QIODevice &)> &write)
{
    const QString suggested =
        QDir(saveFolder()).filePath(RoundReport::fileBaseName(*m_round) + QLatin1String(suffix));
    Dialogs::saveAndSay(this, m_status, translated(kTitle), suggested, translated(filter), write);
}

std::optional<ReportProgress> ReportWindow::progress() const
{
    return m_progress ? m_progress->progress() : std::nullopt;
}

void ReportWindow::saveImage()
{
    saveAs(".png", kImageFiles, [this](QIODevice &device) {
        const std::optional<ReportProgress> shown = progress();
        return ReportPage::writePicture(device, *m_round, devicePixelRatioF(),
                                        shown ? &*shown : nullptr);
    });
}

void ReportWindow::savePdf()
{
    saveAs(".pdf", DialogTexts::kPdfFiles, [this](QIODevice &device) {
        const std::optional<ReportProgress> shown = progress();
        return ReportPage::writePdf(device, *m_round, shown ? &*shown : nullptr);
    });
}

void ReportWindow::print()
{
    // The print dialog's "print to file" suggests the picture's name as a PDF.
    Dialogs::printAndSay(
        this, m_status, RoundReport::fileBaseName(*m_round) + QStringLiteral(".png"),
        [this](QPainter &painter, const QRectF &page, int resolution) {
            const std::optional<ReportProgress> shown = progress();
            ReportPage::drawScaled(painter, page, resolution, *m_round, shown ? &*shown : nullptr);
        });
}

void ReportWindow::copy()
{
    const std::optional<ReportProgress> shown = progress();
    QApplication::clipboard()->setText(
        RoundReport::copiedText(*m_round, shown ? shown->line : QString()));
    m_status->setText(translated(kCopied));
}
