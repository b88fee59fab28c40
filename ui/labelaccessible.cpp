// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/labelaccessible.h"

#include "ui/designlabel.h"
#include "ui/linklabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QTextDocumentFragment>

#include <algorithm>

namespace {

// A text label: static text whose characters can be read, not edited or
// selected.
class LabelInterface : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit LabelInterface(QLabel *label, QAccessible::Role role = QAccessible::StaticText)
        : QAccessibleWidget(label, role)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(int startOffset, int endOffset) const override
    {
        const QString all = shown();
        startOffset = std::clamp(startOffset, 0, int(all.size()));
        endOffset = std::clamp(endOffset, startOffset, int(all.size()));
        return all.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(shown().size()); }

    // Nothing can be selected in a label, and it has no caret.
    void selection(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}

    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
        return {};
    }

private:
    // A label in rich text is read as the text it shows.
    QString shown() const
    {
        const auto *label = static_cast<const QLabel *>(object());
        return label->textFormat() == Qt::RichText
                   ? QTextDocumentFragment::fromHtml(label->text()).toPlainText()
                   : label->text();
    }
};

// A link: its text read like a label's, and pressed like a button.
class LinkInterface : public LabelInterface {
public:
    explicit LinkInterface(LinkLabel *link) : LabelInterface(link, QAccessible::Link) {}

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action == pressAction())
            QMetaObject::invokeMethod(object(), "activate", Qt::QueuedConnection);
    }
};

QAccessibleInterface *labelFactory(const QString &, QObject *object)
{
    // Only the game's text labels; its pictures keep Qt's own interface.
    if (auto *link = qobject_cast<LinkLabel *>(object))
        return new LinkInterface(link);
    if (auto *label = qobject_cast<DesignLabel *>(object))
        return new LabelInterface(label);
    if (auto *label = qobject_cast<ReadableLabel *>(object))
        return new LabelInterface(label);
    return nullptr;
}

} // namespace

namespace LabelAccessibility {

void install()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(&labelFactory);
}

} // namespace LabelAccessibility
