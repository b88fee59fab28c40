#pragma once

#include <QRect>
#include <QString>

#include <vector>

// libatspi's object type, kept out of this header so that GLib's headers do
// not meet Qt's keywords in the test sources.
typedef struct _AtspiAccessible AtspiAccessible;

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
