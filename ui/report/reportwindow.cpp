// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/report/reportwindow.h"

#include "challenges/roundfigures.h"
#include "challenges/roundhistory.h"
#include "core/timetext.h"
#include "ui/fonts.h"
#include "ui/report/reporttexts.h"
#include "ui/report/rhythmchart.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QImageWriter>
#include <QLabel>
#include <QLibrary>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

using namespace ReportTexts;

namespace {

const QColor kText(0x00, 0x00, 0xC0);

QString u(const char *text)
{
    return QString::fromUtf8(text);
}

QString seconds(qint64 ms)
{
    return TimeText::secondsWithHundredths(ms / 10);
}

QFont designFont(Layouts::Face face, double points, bool bold = false)
{
    return Fonts::makeFont({face, points, bold ? 700 : 400, false});
}

// The result as the screen showed it: the time of a ranged success, else the
// count, and on the endurance screen the duration too.
QString resultText(const RoundRecord &round)
{
    if (round.ending == RoundEnding::Success)
        return u(kSeconds).arg(round.result);
    QString text = u(kNumbers).arg(round.result);
    if (round.level == 9)
        text += QStringLiteral("，") + u(kLasted).arg(seconds(round.durationMs));
    return text;
}

// Who played which level when, and on a second line how it ended.
QString heading(const RoundRecord &round)
{
    QStringList who;
    if (!round.name.isEmpty())
        who << round.name;
    who << u(kLevel).arg(round.level)
        << round.started.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    const QStringList how{endingText(round.ending), u(kResult).arg(resultText(round))};
    return who.join(QStringLiteral(" · ")) + QLatin1Char('\n') + how.join(QStringLiteral(" · "));
}

// The figures of a round as pairs of a short label and its value; figures the
// round has too few numbers for are left out.
QList<std::pair<QString, QString>> figureLines(const RoundFigures &f)
{
    QList<std::pair<QString, QString>> lines;
    lines.append({u(kCount), QString::number(f.count)});
    if (f.perMinute)
        lines.append({u(kPerMinute), u(kPerMinuteValue).arg(*f.perMinute, 0, 'f', 1)});
    if (f.medianMs) {
        lines.append({u(kMedianTime), u(kMedianValue)
                                          .arg(seconds(*f.medianMs), seconds(*f.medianFindingMs),
                                               seconds(*f.medianTypingMs))});
    }
    if (!f.slowest.empty()) {
        QStringList slow;
        for (const RoundFigures::Slow &s : f.slowest)
            slow << u(kSlowValue).arg(s.number).arg(seconds(s.time.totalMs()));
        lines.append({u(kSlowest), slow.join(QStringLiteral("，"))});
    }
    if (f.lapses)
        lines.append({u(kLapses), u(kTimes).arg(*f.lapses)});
    if (f.steadinessPercent)
        lines.append({u(kSteadiness), u(kPercent).arg(*f.steadinessPercent)});
    if (f.fatiguePercent) {
        const int p = *f.fatiguePercent;
        lines.append({u(kFatigue), p > 0   ? u(kSlower).arg(p)
                                   : p < 0 ? u(kFaster).arg(-p)
                                           : u(kEven)});
    }
    return lines;
}

QString listEntry(const RoundRecord &round)
{
    return QStringLiteral("%1  %2  %3  %4")
        .arg(round.started.toString(QStringLiteral("HH:mm:ss")), u(kLevel).arg(round.level),
             endingText(round.ending), resultText(round));
}

} // namespace

ReportWindow::ReportWindow(const RoundHistory &history, const RoundRecord &shown, QWidget *parent)
    : QDialog(parent), m_history(history)
{
    setObjectName(QStringLiteral("FormReport"));
    setWindowTitle(u(kTitle));
    setWindowModality(Qt::WindowModal);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, kText);
    setPalette(palette);

    m_page = new QWidget(this);
    m_page->setAutoFillBackground(true);
    QPalette white = m_page->palette();
    white.setColor(QPalette::Window, Qt::white);
    m_page->setPalette(white);
    m_heading = new QLabel(m_page);
    m_heading->setFont(designFont(Layouts::Face::Heiti, 18, true));
    m_heading->setWordWrap(true);
    m_heading->setTextFormat(Qt::PlainText);
    m_chart = new RhythmChart(m_page);
    m_chart->setFont(designFont(Layouts::Face::Songti, 11));
    m_pointed = new QLabel(m_page);
    m_pointed->setFont(designFont(Layouts::Face::Songti, 12));
    m_pointed->setTextFormat(Qt::PlainText);
    m_figures = new QLabel(m_page);
    m_figures->setTextFormat(Qt::RichText);
    m_figures->setFont(designFont(Layouts::Face::Songti, 13));
    auto *page = new QVBoxLayout(m_page);
    page->addWidget(m_heading);
    page->addWidget(m_chart, 1);
    page->addWidget(m_pointed);
    page->addWidget(m_figures);
    connect(m_chart, &RhythmChart::pointed, this, [this](const QString &text) {
        m_pointed->setText(text.isEmpty() ? u(kPointHint) : text);
    });

    auto *roundsTitle = new QLabel(u(kRounds), this);
    roundsTitle->setFont(designFont(Layouts::Face::Heiti, 13, true));
    m_rounds = new QListWidget(this);
    m_rounds->setFont(designFont(Layouts::Face::Songti, 11));
    m_rounds->setAccessibleName(u(kRounds));
    auto *side = new QVBoxLayout;
    side->addWidget(roundsTitle);
    side->addWidget(m_rounds, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto button = [&](const char *text, void (ReportWindow::*action)()) {
        auto *b = new QPushButton(u(text), this);
        b->setFont(designFont(Layouts::Face::Songti, 14, true));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, action);
        buttons->addWidget(b);
        return b;
    };
    button(kSave, &ReportWindow::saveImage);
    button(kPrint, &ReportWindow::print);
    button(kCopy, &ReportWindow::copy);
    button(kClose, &ReportWindow::accept);

    auto *top = new QHBoxLayout;
    top->addWidget(m_page, 1);
    top->addLayout(side);
    auto *all = new QVBoxLayout(this);
    all->addLayout(top, 1);
    all->addLayout(buttons);

    // Newest first; each entry knows its round by its place in the history.
    const std::deque<RoundRecord> &rounds = history.rounds();
    for (auto it = rounds.rbegin(); it != rounds.rend(); ++it) {
        auto *item = new QListWidgetItem(listEntry(*it), m_rounds);
        item->setData(Qt::UserRole, qlonglong(std::distance(it, rounds.rend()) - 1));
        if (&*it == &shown)
            m_rounds->setCurrentItem(item);
    }
    connect(m_rounds, &QListWidget::currentItemChanged, this, [this](QListWidgetItem *item) {
        if (item)
            showRound(m_history.rounds()[std::size_t(item->data(Qt::UserRole).toLongLong())]);
    });
    m_rounds->setMinimumWidth(m_rounds->fontMetrics().horizontalAdvance(listEntry(shown)) + 32);

    showRound(shown);
    resize(1016, 730);
    m_chart->setFocus();
}

void ReportWindow::showRound(const RoundRecord &round)
{
    m_round = &round;
    const RoundFigures figures = figuresOf(round.numbers);
    m_heading->setText(heading(round));
    m_chart->setRound(round.numbers, figures.medianMs, round.level == 9);
    m_pointed->setText(figures.count > 0 ? u(kPointHint) : QString());
    QString table = QStringLiteral("<table cellspacing=\"4\">");
    for (const auto &[label, value] : figureLines(figures)) {
        table += QStringLiteral("<tr><td>%1</td><td style=\"font-weight:bold\">%2</td></tr>")
                     .arg(label.toHtmlEscaped(), value.toHtmlEscaped());
    }
    table += QStringLiteral("</table>");
    if (!figures.enoughToAnalyse())
        table += QStringLiteral("<p>%1</p>").arg(u(kTooFew));
    m_figures->setText(table);
}

QString ReportWindow::summary() const
{
    QStringList lines{u(kTitle), heading(*m_round)};
    const RoundFigures figures = figuresOf(m_round->numbers);
    for (const auto &[label, value] : figureLines(figures))
        lines << label + QStringLiteral("：") + value;
    if (!figures.enoughToAnalyse())
        lines << u(kTooFew);
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QImage ReportWindow::picture(qreal devicePixelRatio) const
{
    QImage image(m_page->size() * devicePixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::white);
    m_page->render(&image);
    return image;
}

void ReportWindow::saveImage()
{
    // The name is only a suggestion in the dialog: the pupil's name loses
    // the characters a file name cannot hold.
    QString name = m_round->name;
    name.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1f]")),
                 QStringLiteral("_"));
    const QString suggested =
        QStringLiteral("%1%2-%3.png")
            .arg(name.isEmpty() ? QString() : name + QLatin1Char('-'),
                 u(kLevel).arg(m_round->level),
                 m_round->started.toString(QStringLiteral("yyyyMMdd-HHmmss")));
    // The pictures folder where there is one, else home.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    const QString path = QFileDialog::getSaveFileName(
        this, u(kSave), QDir(folder).filePath(suggested), u(kImageFiles));
    if (path.isEmpty())
        return;
    // Written whole or not at all: a file that was there stays as it was.
    QSaveFile file(path);
    QImageWriter writer(&file, "png");
    QString problem;
    if (!file.open(QIODevice::WriteOnly))
        problem = file.errorString();
    else if (!writer.write(picture(devicePixelRatioF())))
        problem = writer.errorString();
    else if (!file.commit())
        problem = file.errorString();
    if (!problem.isEmpty())
        QMessageBox::warning(this, u(kSave), u(kSaveFailed).arg(path, problem));
}

void ReportWindow::print()
{
    // Qt Print Support comes with the printing module, the first time a
    // report is printed: the build tree holds it beside the program, an
    // installation in the program's library folder, and else the system's
    // library path may lead to it.
    using PrintPage = bool (*)(QWidget *, QWidget *, const QString &);
    static PrintPage printPage = nullptr;
    if (!printPage) {
        QLibrary module;
        const QDir programs(QCoreApplication::applicationDirPath());
        const QString name = QStringLiteral("tavrino-print");
        for (const QString &file :
             {programs.filePath(name),
              programs.filePath(QStringLiteral(TAVRINO_MODULE_DIR "/") + name), name}) {
            module.setFileName(file);
            printPage = reinterpret_cast<PrintPage>(module.resolve("tavrinoPrintPage"));
            if (printPage)
                break;
        }
        if (!printPage) {
            QMessageBox::warning(this, u(kPrint), u(kPrintMissing).arg(module.errorString()));
            return;
        }
    }
    printPage(m_page, this, u(kTitle));
}

void ReportWindow::copy()
{
    QApplication::clipboard()->setText(summary());
}
