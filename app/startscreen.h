// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "challenges/leveltable.h"
#include "challenges/startvalues.h"

#include <QString>
#include <QUrl>

#include <optional>

// The start screen's rules and the state of the controls they write. The
// challenge screens read GameLevel, StudentName and School from here when
// they open.
class StartScreen {
public:
    enum class Focus { None, Command1 };

    // Start-up steps after the single-instance guard.
    void load();
    // Click on the level button of level n (1-9).
    void chooseLevel(int n);
    // Every change of the name box, by typing, pasting or by the program.
    void nameChanged(const QString &text);
    // Enter in the name box.
    void confirmName();
    // Click on the start button: the screen to open for the chosen level.
    ChallengeScreen startChallenge();

    // The public properties the challenge screens read.
    StartValues values() const { return {m_GameLevel, m_StudentName, m_School}; }

    // Control state.
    QString caption() const { return m_caption; }
    QString nameText() const { return m_nameText; }
    QString levelDisplay() const { return m_levelDisplay; }     // Label9
    QString ruleLine() const { return m_ruleLine; }             // Label25
    QString nameDisplay() const { return m_nameDisplay; }       // Label7
    QString schoolDisplay() const { return m_schoolDisplay; }   // Label10
    bool captionsShown() const { return m_captionsShown; }      // Label22, Label8
    QString makerLink() const { return m_makerLink; }           // Label1
    QString platformLink() const { return m_platformLink; }     // Label3
    QString plannerCredit() const { return m_plannerCredit; }   // Label11
    QString designerCredit() const { return m_designerCredit; } // Label12
    QString subtitle() const { return m_subtitle; }             // Label5
    std::optional<Focus> takeFocusRequest();

    static QUrl makerPageUrl();
    static QUrl platformUrl();

    // The first n characters as the pupil sees them (grapheme clusters), so a
    // cut never splits a character, also outside the basic plane.
    static QString firstCharacters(const QString &text, int n);

private:
    void cutName();

    qint16 m_GameLevel = 0;
    QString m_StudentName;
    QString m_School;

    QString m_caption;
    QString m_nameText;
    QString m_levelDisplay = QStringLiteral("1");
    QString m_ruleLine;
    QString m_nameDisplay;
    QString m_schoolDisplay;
    bool m_captionsShown = false;
    QString m_makerLink;
    QString m_platformLink;
    QString m_plannerCredit;
    QString m_designerCredit;
    QString m_subtitle;
    std::optional<Focus> m_focus;
};
