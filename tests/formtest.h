// SPDX-License-Identifier: MIT
// Helpers for tests that drive the real window.
#pragma once

#include "window/form1.h"

#include <memory>
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// What a message box said.
struct SeenMessage {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    bool shown = false;
};

// Answers every message box with OK as soon as it shows, so that no test can hang on one.
// A test that expects a message says so first; any other message fails the test.
class MessageAnswerer : public QObject
{
public:
    static MessageAnswerer &instance()
    {
        static MessageAnswerer answerer;
        return answerer;
    }
    std::shared_ptr<SeenMessage> expect() { return m_expected = std::make_shared<SeenMessage>(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *box = qobject_cast<QMessageBox *>(watched);
        if (box && event->type() == QEvent::Show) {
            const SeenMessage seen{box->windowTitle(), box->text(), box->icon(), int(box->buttons().size()), true};
            if (m_expected)
                *std::exchange(m_expected, nullptr) = seen;
            else
                QTest::qFail(qPrintable(QLatin1String("an unexpected message: ") + seen.text), __FILE__, __LINE__);
            QMetaObject::invokeMethod(
                box, [box] { box->button(QMessageBox::Ok)->click(); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    MessageAnswerer() { qApp->installEventFilter(this); }
    std::shared_ptr<SeenMessage> m_expected;
};

inline std::shared_ptr<SeenMessage> answerNextMessage()
{
    return MessageAnswerer::instance().expect();
}

// A window whose settings.ini lives in a fresh temporary folder.
struct FormUnderTest {
    explicit FormUnderTest(const QByteArray &settings = {}, bool writeSettings = false)
    {
        if (QFile file(path()); writeSettings && file.open(QIODevice::WriteOnly))
            file.write(settings);
        MessageAnswerer::instance();
        form = std::make_unique<Form1>(Settings::Location{path(), path()});
    }
    QString path() const { return QDir(dir.path()).filePath(QStringLiteral("settings.ini")); }
    template<typename T = QWidget>
    T *find(const char *name) const
    {
        T *found = form->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control named %s", name);
        return found;
    }
    QAction *action(const char *name) const { return find<QAction>(name); }
    QString text(const char *name) const
    {
        auto *combo = form->findChild<QComboBox *>(QLatin1String(name));
        return combo ? combo->currentText() : find<QLineEdit>(name)->text();
    }
    void setText(const char *name, const QString &text) const
    {
        auto *combo = form->findChild<QComboBox *>(QLatin1String(name));
        combo ? combo->setEditText(text) : find<QLineEdit>(name)->setText(text);
    }
    // The typical measurements: a 6.03 mm bore, a standard cylinder of type '0'.
    void enterMeasurements(const QString &barrelLength = QStringLiteral("363")) const
    {
        setText("Combo1", QStringLiteral("6.03"));
        setText("Combo2", barrelLength);
        setText("Combo3", QStringLiteral("Standard"));
        setText("Combo4", QStringLiteral("Type '0'"));
    }
    void click(const char *name) const { QTest::mouseClick(find<QAbstractButton>(name), Qt::LeftButton); }
    void trigger(const char *name) const { action(name)->trigger(); }
    // One tick of a timer, as if its interval had passed, whether it runs or not.
    void tick(const char *name) const
    {
        auto *timer = find<QTimer>(name);
        QTimerEvent event(timer->timerId());
        QCoreApplication::sendEvent(timer, &event);
    }
    bool showAndActivate() const
    {
        form->show();
        QApplication::setActiveWindow(form.get());
        return QTest::qWaitForWindowActive(form.get());
    }

    QTemporaryDir dir;
    std::unique_ptr<Form1> form;
};

// The colour of a pixel of a control as drawn, in window coordinates of the control.
inline QColor pixelOf(QWidget *widget, QPoint at)
{
    return widget->grab().toImage().pixelColor(at * widget->devicePixelRatioF());
}

// The design's twips in pixels at the 96 DPI of the test platforms: 15 twips a pixel.
inline int px(int twips)
{
    return qRound(twips / 15.0);
}
