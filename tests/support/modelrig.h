// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "challenges/challengemodel.h"
#include "challenges/roundhistory.h"
#include "fakeclock.h"

#include <QString>
#include <QStringList>

#include <initializer_list>
#include <memory>

// A challenge model on a fake clock, loaded for a level as the start screen
// opens it. Keys are given with the text the answer box holds when each
// arrives; what the box then does with a key is the box's business.
template <typename Model> class ModelRig {
public:
    explicit ModelRig(int level, const QString &name = QString())
        : values{qint16(level), name}, model(std::make_unique<Model>(clock, history))
    {
        model->load(values);
    }

    ChallengeBoard &board() { return model->board(); }
    QString text(Control c) { return model->board()[c].text; }
    // Several controls' texts at once, for comparing a clock's figures together.
    QStringList texts(std::initializer_list<Control> controls)
    {
        QStringList shown;
        for (Control c : controls)
            shown << text(c);
        return shown;
    }

    // One key with the box's text; returns the code the rules left (0 = discarded).
    char16_t key(char16_t code, const QString &boxText = QString())
    {
        model->keyPress(code, boxText);
        return code;
    }
    // Enter with this text in the box.
    char16_t enter(const QString &boxText) { return key(kEnter, boxText); }
    // A number typed digit by digit, then Enter.
    void typeNumber(qint64 n)
    {
        const QString digits = QString::number(n);
        for (qsizetype i = 0; i < digits.size(); ++i)
            key(digits[i].unicode(), digits.left(i));
        enter(digits);
    }
    // The numbers from..to, each followed by Enter, with a tick of the
    // timer before each number every stepMs.
    void typeNumbers(qint64 from, qint64 to, qint64 stepMs = 0)
    {
        for (qint64 n = from; n <= to; ++n) {
            if (stepMs > 0)
                tickAfter(stepMs);
            typeNumber(n);
        }
    }
    void tickAfter(qint64 ms)
    {
        clock.advance(ms);
        model->tick();
    }
    // Back, then the screen opened again with the same values.
    void reopen()
    {
        model->back();
        model->load(values);
    }

    FakeClock clock;
    RoundHistory history;
    StartValues values;
    std::unique_ptr<Model> model;
};
