// SPDX-License-Identifier: MIT
#pragma once

#include "appearance/themes.h"
#include "calc/module1.h"
#include "settings/settings.h"
#include "widgets/colors.h"

#include <QMainWindow>

class AutoLabel;
class FixedFrame;
class PistonAnimation;
class WaylandFraming;
class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QLineEdit;

// The one window: the calculator panel Frame1 with its converter, the four help panels
// beside it, the menus, the themes and the piston animation. Every control, action and
// timer carries its design name as its objectName; that is how the outside finds them.
class Form1 : public QMainWindow
{
    Q_OBJECT
public:
    explicit Form1(const Settings::Location &settings = Settings::defaultLocation(), QWidget *parent = nullptr);
    void setVisible(bool visible) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void buildCalculator();
    void connectControls();

    void Form_Load();
    bool Form_Unload(); // whether the settings were saved

    void showRatio();
    void showVerdict(Module1::Verdict verdict);
    void convert(QLineEdit *from, QLineEdit *to, std::optional<QString> (*conversion)(const QString &, const QLocale &),
                 const QString &failure);
    void showMessage(const QString &text);

    void setLayoutWidths(int outerWidth, int frameWidth);
    void fitToFrame();

    void applyTheme(Theme theme);
    void Check1_Click();

    QAction *action(const char *name) const;
    template<typename T = QWidget>
    T *control(const char *name) const;

    // A colour that the themes set: the control's property takes the colour of its role.
    struct ThemedColor {
        QWidget *control;
        ColorProperty property;
        Role role;
    };
    void addThemed(QWidget *control, ColorProperty property, Role role);

    Settings::Location m_settings;
    bool m_toldUnsaved = false; // that the settings could not be saved
    FixedFrame *m_frame = nullptr;
    WaylandFraming *m_waylandFraming = nullptr;

    QFrame *m_calculator = nullptr;
    QComboBox *m_barrelBore = nullptr;
    QComboBox *m_barrelLength = nullptr;
    QComboBox *m_cylinderBore = nullptr;
    QComboBox *m_cylinderLength = nullptr;
    QCheckBox *m_padCheck = nullptr;
    QLineEdit *m_barrelAreaBox = nullptr;
    QLineEdit *m_barrelVolumeBox = nullptr;
    QLineEdit *m_cylinderAreaBox = nullptr;
    QLineEdit *m_cylinderVolumeBox = nullptr;
    QLineEdit *m_ratioBox = nullptr;
    AutoLabel *m_verdictLabel = nullptr;
    QWidget *m_announcer = nullptr; // speaks results, unseen
    QString m_ratioDescription; // the ratio box's own, which the verdict is read before
    QLineEdit *m_inchesBox = nullptr;
    QLineEdit *m_millimetresBox = nullptr;

    QCheckBox *m_animateCheck = nullptr;
    PistonAnimation *m_animation = nullptr;

    QList<ThemedColor> m_themed;
    QAction *m_saveOnExit = nullptr;
    QList<std::pair<Theme, QAction *>> m_themeItems; // in the order the file names them
};
