#pragma once

#include <QString>

#include <array>
#include <bitset>
#include <optional>

// The controls of a challenge screen that its rules write. Controls whose
// texts never change (title, headings, units, separators, Back) are not here.
enum class Control : int {
    Caption, // the window title
    Label1,  // message line
    Label2,
    Label3,
    Label4,
    Label6,
    Label8,
    Mark, // Label9(10)
    Label11,
    Label12,
    Label13,
    Label14,
    Label15,
    Label17,
    Label19,
    Label21,
    Label23,
    Text1,
    Command1,
    Command3,
    Picture1,
    Count
};

inline constexpr int kControlCount = static_cast<int>(Control::Count);

// The control's name as the windows give it to their widgets.
const char *controlName(Control c);
std::optional<Control> controlFromName(const QString &name);

struct ControlState {
    QString text;
    bool textWritten = false; // false: the control still shows its layout text
    bool enabled = true;
    bool visible = true;
};

// The state of a challenge screen's controls as its rules left it. The window
// copies the changed parts onto its widgets after every handler.
class ChallengeBoard {
public:
    // Fresh controls, as a newly opened window has them.
    void reset();

    const ControlState &operator[](Control c) const { return m_controls[index(c)]; }
    QString text(Control c) const { return m_controls[index(c)].text; }
    bool enabled(Control c) const { return m_controls[index(c)].enabled; }
    bool visible(Control c) const { return m_controls[index(c)].visible; }

    void setText(Control c, const QString &text);
    void setEnabled(Control c, bool enabled);
    void setVisible(Control c, bool visible);
    // The box's own edits, reported back by the window: already on screen.
    void boxEdited(const QString &text);

    void requestFocus(Control c) { m_focus = c; }
    std::optional<Control> takeFocusRequest();

    bool timerEnabled() const { return m_timerEnabled; }
    void setTimerEnabled(bool on) { m_timerEnabled = on; }

    // Controls changed since the last call.
    std::bitset<kControlCount> takeChanged();

private:
    static std::size_t index(Control c) { return static_cast<std::size_t>(c); }

    std::array<ControlState, kControlCount> m_controls{};
    std::bitset<kControlCount> m_changed;
    std::optional<Control> m_focus;
    bool m_timerEnabled = false;
};
