// SPDX-License-Identifier: MIT
#include "access/helptextaccess.h"

#include "access/statechange.h"
#include "access/textaccess.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextCursor>

namespace {

constexpr char kContinuation[] = "accessibleContinuation";
constexpr char kContinues[] = "accessibleContinues";

// One widget's share of the text as read: where it starts in the whole.
struct Part {
    QWidget *widget;
    QString text;
    int start;
};

QString ownText(const QWidget *widget)
{
    if (auto *edit = qobject_cast<const QPlainTextEdit *>(widget))
        return edit->toPlainText();
    return static_cast<const QLabel *>(widget)->text();
}

// Where a character of a widget's own text lies on screen.
QRect ownCharacterRect(QWidget *widget, const QString &text, int offset)
{
    if (auto *edit = qobject_cast<QPlainTextEdit *>(widget)) {
        // Each line is a block of its own; Qt's own answer places every block on the first line.
        QTextCursor cursor(edit->document());
        cursor.setPosition(offset);
        const QRect caret = edit->cursorRect(cursor);
        const int width = QFontMetrics(edit->font()).horizontalAdvance(text.mid(offset, 1));
        return {edit->viewport()->mapToGlobal(caret.topLeft()), QSize(width, caret.height())};
    }
    const QFontMetrics metrics(widget->font());
    return {widget->mapToGlobal(QPoint(metrics.horizontalAdvance(text.left(offset)), 0)),
            QSize(metrics.horizontalAdvance(text.mid(offset, 1)), metrics.height())};
}

// A help text: read-only lines, broken by hand, that fit their box without scrolling, and what
// reads on from it. The caret and the selection are the first text's own.
class HelpTextAccessible : public QAccessibleWidget, public PlainTextBoundaries
{
public:
    explicit HelpTextAccessible(QPlainTextEdit *edit) : QAccessibleWidget(edit, QAccessible::EditableText) { }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text type) const override
    {
        return type == QAccessible::Value ? whole() : QAccessibleWidget::text(type);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        // A text read as part of another shows as an object of its own only while it has the focus.
        state.invisible = state.invisible || (continuesAnother(widget()) && !widget()->hasFocus());
        state.readOnly = true;
        state.multiLine = true;
        state.selectableText = true;
        return state;
    }

    void selection(int index, int *start, int *end) const override
    {
        const QTextCursor cursor = edit()->textCursor();
        *start = *end = 0;
        if (index == 0 && cursor.hasSelection()) {
            *start = cursor.selectionStart();
            *end = cursor.selectionEnd();
        }
    }
    int selectionCount() const override { return edit()->textCursor().hasSelection() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override
    {
        if (index == 0)
            setCursorPosition(cursorPosition());
    }
    // Within the text's own share: a caption has no caret, and another text's is its own.
    void setSelection(int index, int start, int end) override
    {
        if (index != 0)
            return;
        const int last = int(edit()->toPlainText().size());
        QTextCursor cursor = edit()->textCursor();
        cursor.setPosition(std::clamp(start, 0, last));
        cursor.setPosition(std::clamp(end, 0, last), QTextCursor::KeepAnchor);
        edit()->setTextCursor(cursor);
    }
    int cursorPosition() const override { return edit()->textCursor().position(); }
    void setCursorPosition(int position) override { setSelection(0, position, position); }
    QString text(int start, int end) const override
    {
        return start <= end ? whole().mid(start, end - start) : QString();
    }
    int characterCount() const override { return int(whole().size()); }
    QRect characterRect(int offset) const override
    {
        for (const Part &part : parts())
            if (offset >= part.start && offset < part.start + part.text.size())
                return ownCharacterRect(part.widget, part.text, offset - part.start);
        return {};
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        for (const Part &part : parts()) {
            if (!part.widget->rect().contains(part.widget->mapFromGlobal(point)))
                continue;
            if (auto *text = qobject_cast<QPlainTextEdit *>(part.widget))
                return part.start + text->cursorForPosition(text->viewport()->mapFromGlobal(point)).position();
            return part.start;
        }
        return -1;
    }
    void scrollToSubstring(int, int) override { } // the whole text shows
    // Its viewport and scroll bars, which never show, are no parts of it to read.
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }

private:
    QPlainTextEdit *edit() const { return static_cast<QPlainTextEdit *>(widget()); }
    // The text's own share, then each of its continuation's, each on lines of its own.
    QList<Part> parts() const
    {
        QList<Part> result{{widget(), ownText(widget()), 0}};
        for (QObject *next : widget()->property(kContinuation).value<QObjectList>()) {
            Part &last = result.last();
            if (!last.text.endsWith(QLatin1Char('\n')))
                last.text += QLatin1Char('\n');
            auto *nextWidget = static_cast<QWidget *>(next);
            result.append({nextWidget, ownText(nextWidget), int(last.start + last.text.size())});
        }
        return result;
    }
    QString whole() const
    {
        QString result;
        for (const Part &part : parts())
            result += part.text;
        return result;
    }
};

} // namespace

void continueText(QPlainTextEdit *text, const QList<QWidget *> &continuation)
{
    QObjectList widgets;
    for (QWidget *widget : continuation) {
        widget->setProperty(kContinues, QVariant::fromValue(static_cast<QObject *>(text)));
        widgets.append(widget);
    }
    text->setProperty(kContinuation, QVariant::fromValue(widgets));
}

bool continuesAnother(const QWidget *widget)
{
    return widget->property(kContinues).isValid();
}

void tellContinuationFocus(const QAccessibleEvent *event)
{
    static QPointer<QObject> shown; // the text read as part of another that shows while focused
    if (event->type() != QAccessible::Focus || event->object() == shown)
        return;
    for (bool showing : {false, true}) {
        QObject *text = showing ? event->object() : shown.data();
        if (!text || !text->isWidgetType() || !continuesAnother(static_cast<QWidget *>(text)))
            continue;
        tellStateChange(text, "visible", showing);
        tellStateChange(text, "showing", showing);
    }
    shown = event->object();
}

QAccessibleInterface *createHelpTextAccessible(QObject *object)
{
    if (auto *text = qobject_cast<QPlainTextEdit *>(object))
        return new HelpTextAccessible(text);
    return nullptr;
}
