// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessibleInterface>

// The word, sentence and line boundaries of a plain text, and its one attribute run, which
// every text interface here shares. Qt's own answer for a word or sentence at the end of a
// one-line text never returns, and its line edits report an empty attribute run for each
// character; a screen reader asks both after every move of the caret.
class PlainTextBoundaries : public QAccessibleTextInterface
{
public:
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int *start, int *end) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int *start, int *end) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int *start, int *end) const override;
    QString attributes(int offset, int *start, int *end) const override;

private:
    QString segment(int offset, QAccessible::TextBoundaryType boundary, int step, int *start, int *end) const;
};

// The interface of a line edit, or none for any other object.
QAccessibleInterface *createTextAccessible(QObject *object);
