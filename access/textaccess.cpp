// SPDX-License-Identifier: MIT
#include "access/textaccess.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QTextBoundaryFinder>

namespace {

// Where the segments of the text start, in order, and where the last one ends. A text that
// ends in a line break has an empty last line.
QList<int> segmentBounds(const QString &text, QAccessible::TextBoundaryType boundary)
{
    QList<int> bounds{0};
    const auto finderType = [boundary] {
        switch (boundary) {
        case QAccessible::CharBoundary:
            return QTextBoundaryFinder::Grapheme;
        case QAccessible::WordBoundary:
            return QTextBoundaryFinder::Word;
        default:
            return QTextBoundaryFinder::Sentence;
        }
    }();
    if (boundary == QAccessible::LineBoundary || boundary == QAccessible::ParagraphBoundary) {
        for (int at = text.indexOf(QLatin1Char('\n')); at >= 0; at = text.indexOf(QLatin1Char('\n'), at + 1))
            bounds.append(at + 1);
    } else if (boundary != QAccessible::NoBoundary) {
        QTextBoundaryFinder finder(finderType, text);
        constexpr auto kItemEdge = QTextBoundaryFinder::StartOfItem | QTextBoundaryFinder::EndOfItem;
        // A run of spaces or punctuation between two words is one segment.
        while (finder.toNextBoundary() > 0)
            if (boundary != QAccessible::WordBoundary || finder.boundaryReasons() & kItemEdge)
                bounds.append(finder.position());
    }
    if (bounds.last() != text.size())
        bounds.append(text.size());
    return bounds;
}

} // namespace

QString PlainTextBoundaries::segment(int offset, QAccessible::TextBoundaryType boundary, int step, int *start,
                                     int *end) const
{
    const QString text = this->text(0, characterCount());
    *start = *end = -1;
    if (offset < 0 || offset > text.size())
        return {};
    const QList<int> bounds = segmentBounds(text, boundary);
    // Segment i runs from bounds[i] to bounds[i + 1]. At the end of the text lies the last
    // segment, unless that ends in a line break, or characters are asked for: then an
    // empty one after it.
    qsizetype index = std::upper_bound(bounds.cbegin(), bounds.cend(), offset) - bounds.cbegin() - 1;
    const qsizetype count = bounds.size() - 1;
    const bool emptyAtEnd = text.isEmpty() || boundary == QAccessible::CharBoundary
        || ((boundary == QAccessible::LineBoundary || boundary == QAccessible::ParagraphBoundary)
            && text.endsWith(QLatin1Char('\n')));
    if (index == count && !emptyAtEnd)
        --index;
    index += step;
    if (index < 0 || index >= count) {
        *start = *end = index < 0 ? 0 : int(text.size());
        return {};
    }
    *start = bounds[index];
    *end = bounds[index + 1];
    return text.mid(*start, *end - *start);
}

QString PlainTextBoundaries::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int *start,
                                              int *end) const
{
    return segment(offset, boundary, -1, start, end);
}

QString PlainTextBoundaries::textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int *start,
                                          int *end) const
{
    return segment(offset, boundary, 0, start, end);
}

QString PlainTextBoundaries::textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int *start,
                                             int *end) const
{
    return segment(offset, boundary, 1, start, end);
}

QString PlainTextBoundaries::attributes(int, int *start, int *end) const
{
    // The whole text is in one font and colour.
    *start = 0;
    *end = characterCount();
    return {};
}

namespace {

// A one-line box, editable or read-only.
class LineEditAccessible : public QAccessibleWidget, public PlainTextBoundaries, public QAccessibleEditableTextInterface
{
public:
    explicit LineEditAccessible(QLineEdit *edit) : QAccessibleWidget(edit, QAccessible::EditableText) { }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::EditableTextInterface && !edit()->isReadOnly())
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text type) const override
    {
        return type == QAccessible::Value ? edit()->displayText() : QAccessibleWidget::text(type);
    }
    void setText(QAccessible::Text type, const QString &text) override
    {
        if (type == QAccessible::Value && !edit()->isReadOnly())
            edit()->setText(text);
        else
            QAccessibleWidget::setText(type, text);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = edit()->isReadOnly();
        state.editable = !edit()->isReadOnly();
        state.selectableText = true;
        // A drop-down list's edit field has the focus for the list, which carries it.
        if (qobject_cast<QComboBox *>(edit()->parentWidget()))
            state.focused = false;
        return state;
    }

    void selection(int index, int *start, int *end) const override
    {
        *start = *end = 0;
        if (index == 0 && edit()->hasSelectedText()) {
            *start = edit()->selectionStart();
            *end = edit()->selectionEnd();
        }
    }
    int selectionCount() const override { return edit()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override
    {
        if (index == 0)
            edit()->deselect();
    }
    void setSelection(int index, int start, int end) override
    {
        if (index == 0)
            edit()->setSelection(start, end - start);
    }
    int cursorPosition() const override { return edit()->cursorPosition(); }
    void setCursorPosition(int position) override { edit()->setCursorPosition(position); }
    QString text(int start, int end) const override
    {
        return start <= end ? edit()->displayText().mid(start, end - start) : QString();
    }
    int characterCount() const override { return int(edit()->displayText().size()); }
    QRect characterRect(int offset) const override
    {
        // The caret tells where the text begins, however it is aligned or scrolled.
        const QString text = edit()->displayText();
        if (offset < 0 || offset >= text.size())
            return {};
        const QFontMetrics metrics(edit()->font());
        const QRect caret = edit()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const int origin = caret.x() - metrics.horizontalAdvance(text.left(edit()->cursorPosition()));
        const QPoint topLeft(origin + metrics.horizontalAdvance(text.left(offset)), caret.y());
        return {edit()->mapToGlobal(topLeft), QSize(metrics.horizontalAdvance(text.mid(offset, 1)), caret.height())};
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        return edit()->inputMethodQuery(Qt::ImCursorPosition, QPointF(edit()->mapFromGlobal(point))).toInt();
    }
    void scrollToSubstring(int start, int) override { edit()->setCursorPosition(start); }

    void deleteText(int start, int end) override { replaceText(start, end, {}); }
    void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString &text) override
    {
        edit()->setSelection(start, end - start);
        edit()->insert(text);
    }

private:
    QLineEdit *edit() const { return static_cast<QLineEdit *>(widget()); }
};

} // namespace

QAccessibleInterface *createTextAccessible(QObject *object)
{
    if (auto *edit = qobject_cast<QLineEdit *>(object))
        return new LineEditAccessible(edit);
    return nullptr;
}
