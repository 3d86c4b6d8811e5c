// SPDX-License-Identifier: MIT
#include "window/helppanels.h"

#include "panels/panels.h"
#include "widgets/controls.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QTimer>

HelpPanels::HelpPanels(QFrame *calculator, QWidget *window, std::function<void(bool wide)> setWide)
    : QObject(window), m_window(window), m_setWide(std::move(setWide))
{
    for (const PanelSpec &row : Panels::kPanels) {
        QFrame *panel = Panels::build(row, calculator);
        m_panels.append(panel);
        connect(window->findChild<QAction *>(QLatin1String(row.opener)), &QAction::triggered, this,
                [this, panel] { open(panel); });
        connect(panel->findChild<AutoLabel *>(QLatin1String(row.closer)), &AutoLabel::clicked, this,
                [this, panel] { close(panel); });
        for (QWidget *stop : stopsAround(panel->findChild<QPlainTextEdit *>()))
            stop->installEventFilter(this);
    }
    connect(qApp, &QApplication::focusChanged, this, &HelpPanels::followFocus);
    // Escape closes the open panel from wherever the focus is.
    m_escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    m_escape->setEnabled(false);
    connect(m_escape, &QShortcut::activated, this, [this] {
        // The Escape that closed a drop-down list is heard here too, on Wayland, once the list is gone.
        if (m_popupJustClosed)
            return;
        for (QFrame *panel : std::as_const(m_panels))
            if (!panel->isHidden())
                close(panel);
    });
}

// Tab from a help text goes on to the panel's next text, and from its last to its close label;
// Shift+Tab retraces that path back to the first text, where it stays.
bool HelpPanels::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const QKeyCombination key = static_cast<QKeyEvent *>(event)->keyCombination();
    const int step = key == QKeyCombination(Qt::Key_Tab)             ? 1
        : key == QKeyCombination(Qt::ShiftModifier, Qt::Key_Backtab) ? -1
                                                                     : 0;
    auto *stop = static_cast<QWidget *>(watched);
    if (step == -1 && stop == m_leftTo && m_leftFrom && m_leftFrom->isVisible()) {
        m_leftFrom->setFocus(Qt::BacktabFocusReason);
        return true;
    }
    const QList<QWidget *> path = stopsAround(stop);
    const qsizetype at = path.indexOf(stop);
    // From the close label, Tab goes on along the window's own sequence, and Shift+Tab from
    // where it went comes back.
    if (step == 0 || at < 0)
        return false;
    if (step == 1 && at == path.size() - 1) {
        m_leftFrom = stop;
        return false;
    }
    path[std::max<qsizetype>(at + step, 0)]->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

// Notes where Tab from a close label went, until the focus moves on from there, and that a
// drop-down list or menu has just closed.
void HelpPanels::followFocus(QWidget *old, QWidget *now)
{
    if (old && old->window()->windowType() == Qt::Popup && !m_popupJustClosed) {
        m_popupJustClosed = true;
        QTimer::singleShot(0, this, [this] { m_popupJustClosed = false; });
    }
    if (m_leftFrom && !m_leftTo && old == m_leftFrom) {
        m_leftTo = now;
        if (now)
            now->installEventFilter(this);
        return;
    }
    if (m_leftTo && now != m_leftTo)
        m_leftTo->removeEventFilter(this);
    if (now != m_leftTo)
        m_leftFrom = m_leftTo = nullptr;
}

// The panel's keyboard path that the stop lies on: its texts in order, then its close label.
QList<QWidget *> HelpPanels::stopsAround(QWidget *stop) const
{
    for (const PanelSpec &row : Panels::kPanels) {
        auto *panel = m_window->findChild<QWidget *>(QLatin1String(row.frame));
        if (!panel->isAncestorOf(stop))
            continue;
        QList<QWidget *> path;
        for (QPlainTextEdit *text : panel->findChildren<QPlainTextEdit *>())
            path.append(text);
        path.append(panel->findChild<QWidget *>(QLatin1String(row.closer)));
        return path;
    }
    return {};
}

void HelpPanels::open(QWidget *panel)
{
    // Closing goes back to where the user was before the first panel opened.
    QWidget *focus = QApplication::focusWidget();
    if (focus
        && !std::any_of(m_panels.cbegin(), m_panels.cend(), [focus](QWidget *p) { return p->isAncestorOf(focus); }))
        m_focusBeforePanel = focus;
    for (QWidget *other : std::as_const(m_panels))
        if (other != panel)
            other->hide();
    m_setWide(true);
    panel->show();
    m_escape->setEnabled(true);
    // Its help text takes the focus, so that a screen reader reads it from its heading on.
    panel->findChild<QPlainTextEdit *>()->setFocus(Qt::OtherFocusReason);
}

void HelpPanels::close(QWidget *panel)
{
    if (m_focusBeforePanel)
        m_focusBeforePanel->setFocus(Qt::OtherFocusReason);
    panel->hide();
    // Opened again, it reads from the start; the caret moves while no one watches.
    for (auto *text : panel->findChildren<QPlainTextEdit *>())
        text->moveCursor(QTextCursor::Start);
    m_setWide(false);
    m_escape->setEnabled(false);
}
