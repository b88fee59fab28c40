#include "challenges/challengeboard.h"

namespace {

constexpr std::array<const char *, kControlCount> kNames{
    "",           "Label1",  "Label2",  "Label3",  "Label4",   "Label6",   "Label8",
    "Label9(10)", "Label11", "Label12", "Label13", "Label14",  "Label15",  "Label17",
    "Label19",    "Label21", "Label23", "Text1",   "Command1", "Command3", "Picture1",
};

} // namespace

const char *controlName(Control c)
{
    return kNames[static_cast<std::size_t>(c)];
}

std::optional<Control> controlFromName(const QString &name)
{
    for (int i = 1; i < kControlCount; ++i) {
        if (name == QLatin1String(kNames[static_cast<std::size_t>(i)]))
            return static_cast<Control>(i);
    }
    return std::nullopt;
}

void ChallengeBoard::reset()
{
    m_controls.fill(ControlState{});
    m_changed.set();
    m_focus.reset();
    m_timerEnabled = false;
}

void ChallengeBoard::setText(Control c, const QString &text)
{
    ControlState &s = m_controls[index(c)];
    if (s.textWritten && s.text == text)
        return;
    s.text = text;
    s.textWritten = true;
    m_changed.set(index(c));
}

void ChallengeBoard::setEnabled(Control c, bool enabled)
{
    ControlState &s = m_controls[index(c)];
    if (s.enabled == enabled)
        return;
    s.enabled = enabled;
    m_changed.set(index(c));
}

void ChallengeBoard::setVisible(Control c, bool visible)
{
    ControlState &s = m_controls[index(c)];
    if (s.visible == visible)
        return;
    s.visible = visible;
    m_changed.set(index(c));
}

void ChallengeBoard::boxEdited(const QString &text)
{
    ControlState &s = m_controls[index(Control::Text1)];
    s.text = text;
    s.textWritten = true;
}

std::optional<Control> ChallengeBoard::takeFocusRequest()
{
    std::optional<Control> f = m_focus;
    m_focus.reset();
    return f;
}

std::bitset<kControlCount> ChallengeBoard::takeChanged()
{
    std::bitset<kControlCount> changed = m_changed;
    m_changed.reset();
    return changed;
}
