// SPDX-License-Identifier: MIT
#pragma once

#include "app/settings.h"
#include "appearance/animation.h"
#include "appearance/themes.h"
#include "calc/module1.h"

#include <QMainWindow>

class AutoLabel;
class QAction;
class QCheckBox;
class QFrame;
class QLineEdit;
class QTimer;

// The one window: the calculator panel Frame1 with its converter, the four help panels
// beside it, the menus, the themes and the piston animation. Handlers are named after
// their control and event.
class Form1 : public QMainWindow
{
    Q_OBJECT
public:
    explicit Form1(const Settings::Location &settings = Settings::defaultLocation(), QWidget *parent = nullptr);

public slots:
    void Command1_Click();
    void computenow_Click();

    void Command2_Click();
    void Text1_GotFocus();
    void Text2_GotFocus();

    void vormektypes_Click();
    void cylmeas_Click();
    void how2use_Click();
    void info_Click();
    void close2_Click();
    void close3_Click();
    void close4_Click();
    void close5_Click();

    void default_Click();
    void sky_Click();
    void earth_Click();

    void Check1_Click();
    void Timer1_Timer();
    void Timer2_Timer();

    void save_Click();
    void ext_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void buildCalculator(QWidget *frame1);
    void Form_Load();
    void Form_Unload();

    void ComputeRatio();
    void showVerdict(Module1::Verdict verdict);
    void convert(QLineEdit *from, QLineEdit *to, std::optional<QString> (*conversion)(const QString &, const QLocale &),
                 const QString &failure);
    void showMessage(const QString &text);

    void openPanel(const char *frame);
    void closePanel(const char *frame);
    void setLayoutWidths(int outerWidth, int frameWidth);
    QMargins frameMargins() const;
    void fitToFrame();
    void centreOnScreen();

    void applyTheme(Theme theme);
    void stepPiston(PistonStroke::Tick tick, QTimer *stroke, QTimer *nextStroke);
    void placePiston(int left);

    QAction *action(const char *name) const;
    template<typename T = QWidget>
    T *control(const QString &name) const;

    Settings::Location m_settings;
    PistonStroke m_stroke;
    int m_outerWidth = 0; // twips, of the current layout
    bool m_centredInFrame = false;
    QFrame *m_frame1 = nullptr;
    QLineEdit *m_text1 = nullptr;
    QLineEdit *m_text2 = nullptr;
    QCheckBox *m_check1 = nullptr;
    QWidget *m_image3 = nullptr;
    QTimer *m_timer1 = nullptr;
    QTimer *m_timer2 = nullptr;
    QList<QWidget *> m_callouts; // the diagram's captions and their lines, hidden while animating
};
