// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

#include <vector>

// libatspi's object type, kept out of this header so that GLib's headers do
// not meet Qt's keywords in the test sources.
typedef struct _AtspiAccessible AtspiAccessible;
typedef struct _AtspiEvent AtspiEvent;
typedef struct _AtspiEventListener AtspiEventListener;

// One object of the accessibility tree as an assistive technology sees it
// over the AT-SPI bus: a reference to a remote widget of another process.
// Nothing is cached; every call asks the program again.
class Accessible {
public:
    Accessible() = default;
    // Takes over one reference to the object; a null pointer makes a null Accessible.
    explicit Accessible(AtspiAccessible *adopted) : m_object(adopted) {}
    Accessible(const Accessible &other);
    Accessible(Accessible &&other) noexcept;
    Accessible &operator=(Accessible other) noexcept;
    ~Accessible();

    explicit operator bool() const { return m_object != nullptr; }

    // The applications registered on the accessibility bus.
    static std::vector<Accessible> applications();

    QString name() const;
    // The role as AT-SPI names it: "dialog", "push button", "label", "text" ...
    QString role() const;
    qint64 processId() const;

    bool isShowing() const;
    bool isEnabled() const;
    bool isFocused() const;

    std::vector<Accessible> children() const;
    // The first object below this one, depth first, with this accessible name.
    Accessible find(const QString &name) const;

    bool hasText() const;
    // The text the control shows, read through its text interface. A control
    // without one answers with a sentence saying so, which no expected text
    // of the game equals.
    QString shownText() const;

    // Where the control lies on the screen, in pixels; empty when the program
    // does not tell.
    QRect extents() const;

private:
    bool hasState(int state) const;

    AtspiAccessible *m_object = nullptr;
};

// What a screen reader is told while it listens: the texts put into
// controls ("object:text-changed:insert"). Events arrive while the test
// waits (QTest::qWait and the QTRY_ macros run the event loop).
class TextChanges {
public:
    TextChanges();
    ~TextChanges();
    TextChanges(const TextChanges &) = delete;
    TextChanges &operator=(const TextChanges &) = delete;

    // Empty once listening, else what failed.
    QString problem() const { return m_problem; }
    // The texts told put into the control of this accessible name, oldest first.
    QStringList insertedInto(const QString &name) const;

private:
    static void received(AtspiEvent *event, void *self);

    struct Change {
        Accessible control;
        QString text;
    };
    std::vector<Change> m_changes;
    AtspiEventListener *m_listener = nullptr;
    QString m_problem;
};
