// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A bare Qt window that does what a running level-1..6 round must do and
// nothing more: the 7 ms precise timer rewriting the five clock labels
// (elapsed seconds and hundredths, minutes, seconds and hundredths left) with
// the game's texts, in the game's faces and sizes at its places, an answer
// box that takes digits, and on Enter a mark and a label that shows the
// number typed; Backspace clears the mark. The yardstick for the game's CPU
// while a round runs and for its key latency: bench/run measures both in the
// same run. Plain QLabels, no layout table, no rules.
#include <QApplication>
#include <QElapsedTimer>
#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>

namespace {

// Form1's places, in pixels at 96 dpi (twips / 15).
QLabel *label(QWidget *window, const QRect &place, const QFont &font, Qt::Alignment align,
              const QString &text)
{
    auto *l = new QLabel(text, window);
    l->setGeometry(place);
    l->setFont(font);
    l->setAlignment(align | Qt::AlignTop);
    l->setAutoFillBackground(true);
    return l;
}

QFont heiti(int pixels)
{
    QFont f(QStringLiteral("Noto Sans CJK SC"));
    f.setPixelSize(pixels);
    f.setBold(true);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QString two(qint64 n)
{
    return QStringLiteral("%1").arg(n % 100, 2, 10, QLatin1Char('0'));
}

class Box : public QLineEdit {
public:
    Box(QWidget *parent, QLabel *mark, QLabel *last) : QLineEdit(parent), m_mark(mark), m_last(last)
    {
    }

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            m_mark->setText(QStringLiteral("√"));
            m_last->setText(text().right(3).rightJustified(3));
            clear();
            return;
        }
        if (event->key() == Qt::Key_Backspace)
            m_mark->clear();
        QLineEdit::keyPressEvent(event);
    }

private:
    QLabel *m_mark;
    QLabel *m_last;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare round"));
    window.resize(1016, 730);
    const Qt::Alignment right = Qt::AlignRight;
    QLabel *minutes = label(&window, {152, 96, 93, 80}, heiti(80), right, QStringLiteral(" 7"));
    QLabel *seconds = label(&window, {304, 96, 93, 80}, heiti(80), right, QStringLiteral("00"));
    QLabel *hundredths = label(&window, {448, 96, 93, 80}, heiti(80), right, QStringLiteral("00"));
    QLabel *usedSeconds =
        label(&window, {223, 176, 173, 80}, heiti(80), right, QStringLiteral("00"));
    QLabel *usedHundredths =
        label(&window, {448, 176, 93, 80}, heiti(80), right, QStringLiteral("00"));
    QLabel *mark = label(&window, {784, 456, 113, 113}, heiti(133), right, QString());
    QLabel *last = label(&window, {48, 352, 257, 171}, heiti(160), right, QString());
    auto *box = new Box(&window, mark, last);
    box->setGeometry(320, 304, 465, 305);
    box->setFont(heiti(293));
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (QLabel *l : {minutes, seconds, hundredths, usedSeconds, usedHundredths, mark, last}) {
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, l == mark ? Qt::red : l == last ? Qt::blue : Qt::black);
        l->setPalette(p);
    }
    QElapsedTimer elapsed;
    elapsed.start();
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(7);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        const qint64 used = elapsed.elapsed();
        const qint64 left = 420'000 - used - 100;
        usedSeconds->setText(two(used / 1000));
        usedHundredths->setText(two(used % 1000 / 10));
        minutes->setText(QStringLiteral(" %1").arg(left / 60'000));
        seconds->setText(two(left % 60'000 / 1000));
        hundredths->setText(two(left % 1000 / 10));
    });
    timer.start();
    window.show();
    box->setFocus();
    return QApplication::exec();
}
