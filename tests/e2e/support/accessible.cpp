// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessible.h"

#include <atspi/atspi.h>

#include <utility>

namespace {

// Asks the object for one of its strings. A failed call (the object gone,
// the program busy past the bus timeout) reads as empty.
QString ask(AtspiAccessible *object, gchar *(*getter)(AtspiAccessible *, GError **))
{
    if (!object)
        return {};
    GError *error = nullptr;
    gchar *text = getter(object, &error);
    if (error)
        g_error_free(error);
    if (!text)
        return {};
    QString result = QString::fromUtf8(text);
    g_free(text);
    return result;
}

} // namespace

Accessible::Accessible(const Accessible &other) : m_object(other.m_object)
{
    if (m_object)
        g_object_ref(m_object);
}

Accessible::Accessible(Accessible &&other) noexcept
    : m_object(std::exchange(other.m_object, nullptr))
{
}

Accessible &Accessible::operator=(Accessible other) noexcept
{
    std::swap(m_object, other.m_object);
    return *this;
}

Accessible::~Accessible()
{
    if (m_object)
        g_object_unref(m_object);
}

std::vector<Accessible> Accessible::applications()
{
    std::vector<Accessible> apps;
    const int desktops = atspi_get_desktop_count();
    for (int d = 0; d < desktops; ++d) {
        const Accessible desktop(atspi_get_desktop(d));
        for (Accessible &app : desktop.children())
            apps.push_back(std::move(app));
    }
    return apps;
}

QString Accessible::name() const
{
    return ask(m_object, &atspi_accessible_get_name);
}

QString Accessible::role() const
{
    return ask(m_object, &atspi_accessible_get_role_name);
}

qint64 Accessible::processId() const
{
    if (!m_object)
        return -1;
    GError *error = nullptr;
    const guint pid = atspi_accessible_get_process_id(m_object, &error);
    if (error) {
        g_error_free(error);
        return -1;
    }
    return pid;
}

bool Accessible::hasState(int state) const
{
    if (!m_object)
        return false;
    AtspiStateSet *states = atspi_accessible_get_state_set(m_object);
    if (!states)
        return false;
    const bool has = atspi_state_set_contains(states, static_cast<AtspiStateType>(state));
    g_object_unref(states);
    return has;
}

bool Accessible::isShowing() const
{
    return hasState(ATSPI_STATE_SHOWING);
}

bool Accessible::isEnabled() const
{
    return hasState(ATSPI_STATE_ENABLED);
}

bool Accessible::isFocused() const
{
    return hasState(ATSPI_STATE_FOCUSED);
}

std::vector<Accessible> Accessible::children() const
{
    std::vector<Accessible> list;
    if (!m_object)
        return list;
    GError *error = nullptr;
    const gint count = atspi_accessible_get_child_count(m_object, &error);
    if (error) {
        g_error_free(error);
        return list;
    }
    for (gint i = 0; i < count; ++i) {
        AtspiAccessible *child = atspi_accessible_get_child_at_index(m_object, i, &error);
        if (error) {
            g_error_free(error);
            error = nullptr;
        }
        if (child)
            list.emplace_back(child);
    }
    return list;
}

Accessible Accessible::find(const QString &name) const
{
    for (const Accessible &child : children()) {
        if (child.name() == name)
            return child;
        if (Accessible below = child.find(name))
            return below;
    }
    return {};
}

bool Accessible::hasText() const
{
    if (!m_object)
        return false;
    AtspiText *text = atspi_accessible_get_text_iface(m_object);
    if (!text)
        return false;
    g_object_unref(text);
    return true;
}

QString Accessible::shownText() const
{
    if (!m_object)
        return QStringLiteral("<no such control>");
    AtspiText *text = atspi_accessible_get_text_iface(m_object);
    if (!text) {
        return QStringLiteral("<%1 \"%2\" shows no text to assistive technology>")
            .arg(role(), name());
    }
    GError *error = nullptr;
    const gint count = atspi_text_get_character_count(text, &error);
    QString result;
    if (error) {
        g_error_free(error);
        result = QStringLiteral("<the text of \"%1\" could not be read>").arg(name());
    } else {
        gchar *chars = atspi_text_get_text(text, 0, count, &error);
        if (error || !chars) {
            result = QStringLiteral("<the text of \"%1\" could not be read>").arg(name());
            if (error)
                g_error_free(error);
            g_free(chars);
        } else {
            result = QString::fromUtf8(chars);
            g_free(chars);
        }
    }
    g_object_unref(text);
    return result;
}

QRect Accessible::extents() const
{
    if (!m_object)
        return {};
    AtspiComponent *component = atspi_accessible_get_component_iface(m_object);
    if (!component)
        return {};
    GError *error = nullptr;
    AtspiRect *rect = atspi_component_get_extents(component, ATSPI_COORD_TYPE_SCREEN, &error);
    g_object_unref(component);
    if (error)
        g_error_free(error);
    if (!rect)
        return {};
    const QRect result(rect->x, rect->y, rect->width, rect->height);
    g_free(rect);
    return result;
}

namespace {
const char kTextInserted[] = "object:text-changed:insert";
}

TextChanges::TextChanges()
{
    m_listener = atspi_event_listener_new(&TextChanges::received, this, nullptr);
    GError *error = nullptr;
    if (!atspi_event_listener_register(m_listener, kTextInserted, &error)) {
        m_problem = QStringLiteral("cannot listen for text changes: %1")
                        .arg(error ? QString::fromUtf8(error->message) : QString());
    }
    if (error)
        g_error_free(error);
}

TextChanges::~TextChanges()
{
    atspi_event_listener_deregister(m_listener, kTextInserted, nullptr);
    g_object_unref(m_listener);
}

// Runs inside libatspi's dispatch, which may be in the middle of a call to
// the program (a reply being awaited for name()). A call made from here would
// re-enter libatspi and can fill the same object's cached name twice, losing
// one copy; so the source is only kept, and asked for its name later.
void TextChanges::received(AtspiEvent *event, void *self)
{
    Change change;
    if (event->source)
        change.control = Accessible(static_cast<AtspiAccessible *>(g_object_ref(event->source)));
    if (G_VALUE_HOLDS_STRING(&event->any_data))
        change.text = QString::fromUtf8(g_value_get_string(&event->any_data));
    static_cast<TextChanges *>(self)->m_changes.push_back(std::move(change));
    g_boxed_free(ATSPI_TYPE_EVENT, event);
}

QStringList TextChanges::insertedInto(const QString &name) const
{
    // Asking for names lets events in, which append to m_changes: walk a copy.
    const std::vector<Change> changes = m_changes;
    QStringList texts;
    for (const Change &c : changes) {
        if (c.control.name() == name)
            texts << c.text;
    }
    return texts;
}
