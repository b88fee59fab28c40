#pragma once

#include "app/startscreen.h"
#include "challenges/challengemodel.h"
#include "fakeclock.h"

#include <QString>
#include <QStringList>

#include <initializer_list>
#include <memory>

// A challenge model on a fake clock, opened for a level from a start screen,
// with an answer box that behaves like the real one: a character that the
// rules let through is inserted, a Backspace that they let through deletes.
template <typename Model> class ModelRig {
public:
    explicit ModelRig(int level, const QString &name = QString())
    {
        start.load();
        start.nameChanged(name);
        start.chooseLevel(level);
        start.startChallenge();
        model = std::make_unique<Model>(clock, start);
        model->load();
    }

    ChallengeBoard &board() { return model->board(); }
    QString text(Control c) { return model->board().text(c); }
    // Several controls' texts at once, for comparing a clock's figures together.
    QStringList texts(std::initializer_list<Control> controls)
    {
        QStringList shown;
        for (Control c : controls)
            shown << text(c);
        return shown;
    }

    // One key; returns the code the rules left (0 = discarded).
    char16_t key(char16_t code)
    {
        model->keyPress(code);
        QString box = model->board().text(Control::Text1);
        if (code == kBackspace) {
            box.chop(1);
            model->boxEdited(box);
        } else if (code != 0 && code != kEnter) {
            model->boxEdited(box + QChar(code));
        }
        return code;
    }
    // Each character of keys in turn; '\n' stands for Enter, '\b' for Backspace.
    void type(const QString &keys)
    {
        for (QChar ch : keys)
            key(ch == QLatin1Char('\n') ? kEnter : ch.unicode());
    }
    // The numbers from..to, each followed by Enter, with a tick of the
    // timer between keys every stepMs.
    void typeNumbers(qint64 from, qint64 to, double stepMs = 0)
    {
        for (qint64 n = from; n <= to; ++n) {
            if (stepMs > 0) {
                clock.advance(stepMs);
                model->tick();
            }
            type(QString::number(n) + QLatin1Char('\n'));
        }
    }
    void tickAfter(double ms)
    {
        clock.advance(ms);
        model->tick();
    }

    FakeClock clock;
    StartScreen start;
    std::unique_ptr<Model> model;
};
