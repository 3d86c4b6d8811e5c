// SPDX-License-Identifier: MIT
#include "app/form1.h"

#include "app/accessibility.h"
#include "app/controls.h"
#include "app/design.h"
#include "app/fixedframe.h"
#include "app/twips.h"
#include "panels/panels.h"

#include <cstdio>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace {

constexpr ColorValue kWhite = rgbValue(255, 255, 255);
constexpr ColorValue kRed = rgbValue(255, 0, 0);
constexpr ColorValue kGreen = rgbValue(0, 192, 0);

const char *const kCallouts[] = {"Label25", "Label26", "Label27", "Label28", "Label29",
                                 "Line10",  "Line11",  "Line12",  "Line13",  "Line14"};

} // namespace

Form1::Form1(const Settings::Location &settings, QWidget *parent)
    : QMainWindow(parent,
                  Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                      | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_settings(settings)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(Design::kCaption));
    setWindowIcon(QIcon(new DrawingIconEngine(QStringLiteral(":/icon.svg"))));
    setFont(designFont(Font::Body));
    buildMenus();

    auto *client = new QWidget(this);
    client->setAutoFillBackground(true);
    setCentralWidget(client);
    qApp->installEventFilter(this);
    setColor(this, ColorProperty::Back, SystemColor::ButtonFace);

    m_frame1 = new QFrame(client);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    m_frame1->setAutoFillBackground(true);
    m_frame1->setGeometry(Twips::rect(Design::kFrameLeft, 0, Design::kWideFrameWidth, Design::kFrameHeight));
    setColor(m_frame1, ColorProperty::Back, SystemColor::ButtonFace);
    buildCalculator(m_frame1);
    for (const PanelSpec &panel : Panels::kPanels)
        Panels::build(panel, m_frame1);
    describeControls(this);

    const std::pair<const char *, void (Form1::*)()> closeHandlers[] = {
        {"close2", &Form1::close2_Click},
        {"close3", &Form1::close3_Click},
        {"close4", &Form1::close4_Click},
        {"close5", &Form1::close5_Click},
    };
    for (const auto &[name, handler] : closeHandlers)
        connect(control<AutoLabel>(QLatin1String(name)), &AutoLabel::clicked, this, handler);

    setFixedSize(Twips::toPixels(Design::kCreatedClientWidth),
                 menuBar()->sizeHint().height() + Twips::toPixels(Design::kClientHeight));
    Form_Load();
    centreOnScreen();
    m_check1->setFocus();
}

void Form1::buildMenus()
{
    QHash<QString, QMenu *> menus;
    for (const MenuSpec &row : Design::kMenus) {
        const QString name = QString::fromLatin1(row.name);
        const QString caption = QString::fromUtf8(row.caption);
        QAction *item = nullptr;
        if (row.menu) {
            item = menus.value(QString::fromLatin1(row.menu))->addAction(caption);
        } else {
            QMenu *menu = menuBar()->addMenu(caption);
            menu->setObjectName(name + QLatin1String("Menu"));
            menus.insert(name, menu);
            item = menu->menuAction();
        }
        item->setObjectName(name);
        item->setCheckable(row.checkable);
    }

    // "Save Theme on Exit" is a checkable item: picking it flips its mark, which is all that
    // save_Click does for callers in code. Wiring both would flip it twice.
    const std::pair<const char *, void (Form1::*)()> handlers[] = {
        {"computenow", &Form1::computenow_Click},
        {"ext", &Form1::ext_Click},
        {"default", &Form1::default_Click},
        {"sky", &Form1::sky_Click},
        {"earth", &Form1::earth_Click},
        {"how2use", &Form1::how2use_Click},
        {"cylmeas", &Form1::cylmeas_Click},
        {"vormektypes", &Form1::vormektypes_Click},
        {"info", &Form1::info_Click},
    };
    for (const auto &[name, handler] : handlers)
        connect(action(name), &QAction::triggered, this, handler);
}

void Form1::buildCalculator(QWidget *frame1)
{
    // Creation order is stacking order: pictures, then lines and labels, then the inputs.
    for (const ControlSpec &row : Design::kPictures)
        createControl(row, frame1);
    for (const LineSpec &row : Design::kLines)
        createLine(row, SystemColor::WindowText, frame1);
    for (const ControlSpec &row : Design::kLabels)
        createControl(row, frame1);

    QMap<int, QWidget *> tabOrder;
    for (const ControlSpec &row : Design::kInputs)
        tabOrder.insert(row.tab, createControl(row, frame1));
    QWidget *previous = nullptr;
    for (QWidget *widget : std::as_const(tabOrder)) {
        if (previous)
            setTabOrder(previous, widget);
        previous = widget;
    }

    for (const ListSpec &list : Design::kLists) {
        auto *combo = control<QComboBox>(QLatin1String(list.combo));
        const QString initial = combo->currentText();
        for (const char *item : list.items)
            combo->addItem(Module1::ListItemText(QString::fromLatin1(item)));
        combo->setCurrentIndex(-1);
        combo->setEditText(initial);
    }

    m_text1 = control<QLineEdit>(QStringLiteral("Text1"));
    m_text2 = control<QLineEdit>(QStringLiteral("Text2"));
    m_check1 = control<QCheckBox>(QStringLiteral("Check1"));
    m_image3 = control(QStringLiteral("Image3"));
    for (const char *name : kCallouts)
        m_callouts.append(control(QLatin1String(name)));

    m_timer1 = new QTimer(this);
    m_timer2 = new QTimer(this);
    for (auto [timer, name, interval] : {std::tuple(m_timer1, "Timer1", PistonStroke::kLeftInterval),
                                         std::tuple(m_timer2, "Timer2", PistonStroke::kRightInterval)}) {
        timer->setObjectName(QLatin1String(name));
        timer->setInterval(interval);
        timer->setTimerType(Qt::PreciseTimer);
    }

    connect(control<QPushButton>(QStringLiteral("Command1")), &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(control<QPushButton>(QStringLiteral("Command2")), &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(m_check1, &QCheckBox::stateChanged, this, &Form1::Check1_Click);
    connect(m_timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    connect(m_timer2, &QTimer::timeout, this, &Form1::Timer2_Timer);
    m_text1->installEventFilter(this);
    m_text2->installEventFilter(this);
}

QAction *Form1::action(const char *name) const
{
    return findChild<QAction *>(QLatin1String(name));
}

template<typename T>
T *Form1::control(const QString &name) const
{
    return findChild<T *>(name);
}

// ---- Start-up and shut-down ----

void Form1::Form_Load()
{
    const auto line = Settings::readFirstLine(m_settings.readPath);
    const Settings::Restore restore =
        Settings::restoreFrom(line ? std::optional(Settings::firstField(*line)) : std::nullopt);
    action("save")->setChecked(true);
    for (Theme theme : restore.themes)
        applyTheme(theme);
    if (restore.markDefault)
        action("default")->setChecked(true);
    if (restore.check)
        m_check1->setChecked(true);
    if (restore.uncheck)
        m_check1->setChecked(false);
    setLayoutWidths(Design::kNarrowOuterWidth, Design::kNarrowFrameWidth);
}

void Form1::Form_Unload()
{
    std::optional<Theme> marked;
    for (auto [name, theme] :
         {std::pair("default", Theme::Default), std::pair("sky", Theme::Sky), std::pair("earth", Theme::Earth)}) {
        if (!marked && action(name)->isChecked())
            marked = theme;
    }
    const QByteArray line = Settings::line(marked, action("save")->isChecked(), m_check1->isChecked());
    if (!Settings::write(m_settings.writePath, line))
        std::fprintf(stderr, "cylinder-ratio: could not save the settings to %s\n", qPrintable(m_settings.writePath));
}

void Form1::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

void Form1::save_Click()
{
    action("save")->toggle(); // only the mark; the file is written at exit
}

void Form1::ext_Click()
{
    close();
}

// ---- The ratio ----

void Form1::Command1_Click()
{
    ComputeRatio();
}

void Form1::computenow_Click()
{
    ComputeRatio();
}

void Form1::ComputeRatio()
{
    const auto text = [this](const char *combo) { return control<QComboBox>(QLatin1String(combo))->currentText(); };
    const Module1::RatioRun run = Module1::ComputeRatio({text("Combo1"), text("Combo2"), text("Combo3"), text("Combo4"),
                                                         control<QCheckBox>(QStringLiteral("Check2"))->isChecked()});
    for (const auto &[box, value] : run.writes)
        control<QLineEdit>(box)->setText(value);
    if (run.verdict)
        showVerdict(*run.verdict);
    else
        showMessage(QStringLiteral("Pls. Input all required data."));
}

void Form1::showVerdict(Module1::Verdict verdict)
{
    static const QHash<Module1::Verdict, std::pair<const char *, ColorValue>> kVerdicts = {
        {Module1::Verdict::Over, {"Over Ratio", kRed}},
        {Module1::Verdict::Under, {"Under Ratio", kRed}},
        {Module1::Verdict::Ok, {"Ratio Ok", kGreen}},
    };
    const auto [caption, color] = kVerdicts.value(verdict);
    auto *ratio = control(QStringLiteral("Text9"));
    setColor(ratio, ColorProperty::Fore, kWhite);
    setColor(ratio, ColorProperty::Back, color);
    auto *label = control<AutoLabel>(QStringLiteral("Label1"));
    label->setCaption(QLatin1String(caption));
    setColor(label, ColorProperty::Fore, color);
    announce(label);
}

void Form1::showMessage(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, windowTitle(), text, QMessageBox::Ok, this);
    box.exec();
}

// ---- The converter ----

void Form1::Text1_GotFocus()
{
    m_text2->clear();
}

void Form1::Text2_GotFocus()
{
    m_text1->clear();
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    // System colours are resolved when they are set; follow the desktop when its scheme
    // changes. Qt tells the application of that, not the widgets.
    if (event->type() == QEvent::ApplicationPaletteChange && watched == qApp)
        refreshColors(this);
    if (watched == windowHandle()) {
        if (event->type() == QEvent::PlatformSurface
            && static_cast<QPlatformSurfaceEvent *>(event)->surfaceEventType() == QPlatformSurfaceEvent::SurfaceCreated)
            offerOnlyMoveMinimizeClose(windowHandle());
        if (event->type() == QEvent::Show || event->type() == QEvent::Move || event->type() == QEvent::Expose)
            fitToFrame();
    }
    // Some window managers offer full screen to any window; the size stays fixed all the same.
    if (watched == this && event->type() == QEvent::WindowStateChange
        && windowState() & (Qt::WindowFullScreen | Qt::WindowMaximized))
        QTimer::singleShot(0, this,
                           [this] { setWindowState(windowState() & ~(Qt::WindowFullScreen | Qt::WindowMaximized)); });
    if (event->type() == QEvent::FocusIn) {
        if (watched == m_text1)
            Text1_GotFocus();
        else if (watched == m_text2)
            Text2_GotFocus();
    }
    return QMainWindow::eventFilter(watched, event);
}

void Form1::Command2_Click()
{
    if (!m_text1->text().isEmpty())
        convert(m_text1, m_text2, &Module1::InchesToMillimetres, QStringLiteral("Type a number of inches to convert."));
    else if (!m_text2->text().isEmpty())
        convert(m_text2, m_text1, &Module1::MillimetresToInches,
                QStringLiteral("Type a number of millimetres to convert."));
}

void Form1::convert(QLineEdit *from, QLineEdit *to,
                    std::optional<QString> (*conversion)(const QString &, const QLocale &), const QString &failure)
{
    if (const auto result = conversion(from->text(), QLocale()))
        to->setText(*result);
    else
        showMessage(failure);
}

// ---- The help panels ----

void Form1::openPanel(const char *frame)
{
    for (const PanelSpec &panel : Panels::kPanels)
        if (qstrcmp(panel.frame, frame) != 0)
            control(QLatin1String(panel.frame))->hide();
    setLayoutWidths(Design::kWideOuterWidth, Design::kWideFrameWidth);
    control(QLatin1String(frame))->show();
}

void Form1::closePanel(const char *frame)
{
    control(QLatin1String(frame))->hide();
    setLayoutWidths(Design::kNarrowOuterWidth, Design::kNarrowFrameWidth);
}

void Form1::setLayoutWidths(int outerWidth, int frameWidth)
{
    m_outerWidth = outerWidth;
    fitToFrame();
    m_frame1->resize(Twips::toPixels(frameWidth), m_frame1->height());
}

QMargins Form1::frameMargins() const
{
    return windowHandle() ? windowHandle()->frameMargins() : QMargins();
}

// The window system reports the frame only once the window is mapped, so this runs again
// when it does. Until then, and where it reports none, the side borders are the ones the
// design implies: its wide outer width less its client width.
void Form1::fitToFrame()
{
    const QMargins frame = frameMargins();
    const int border = frame.isNull()
        ? Twips::toPixels(Design::kWideOuterWidth) - Twips::toPixels(Design::kCreatedClientWidth)
        : frame.left() + frame.right();
    const int clientWidth = Twips::toPixels(m_outerWidth) - border;
    if (clientWidth != width())
        setFixedWidth(clientWidth); // the left edge stays: the frame keeps its position
    if (!frame.isNull() && !m_centredInFrame) {
        m_centredInFrame = true;
        centreOnScreen();
    }
}

void Form1::centreOnScreen()
{
    // A top-level widget's position is that of its frame.
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - QRect(QPoint(), size().grownBy(frameMargins())).center());
}

void Form1::vormektypes_Click()
{
    openPanel("Frame2");
}

void Form1::cylmeas_Click()
{
    openPanel("Frame3");
}

void Form1::how2use_Click()
{
    openPanel("Frame4");
}

void Form1::info_Click()
{
    openPanel("Frame5");
}

void Form1::close2_Click()
{
    closePanel("Frame2");
}

void Form1::close3_Click()
{
    closePanel("Frame3");
}

void Form1::close4_Click()
{
    closePanel("Frame4");
}

void Form1::close5_Click()
{
    closePanel("Frame5");
}

// ---- Themes ----

void Form1::default_Click()
{
    applyTheme(Theme::Default);
}

void Form1::sky_Click()
{
    applyTheme(Theme::Sky);
}

void Form1::earth_Click()
{
    applyTheme(Theme::Earth);
}

void Form1::applyTheme(Theme theme)
{
    action("default")->setChecked(theme == Theme::Default);
    action("sky")->setChecked(theme == Theme::Sky);
    action("earth")->setChecked(theme == Theme::Earth);
    applyPalette(themePalette(theme), this);
}

// ---- The piston animation ----

void Form1::Check1_Click()
{
    const bool animate = m_check1->isChecked();
    for (QWidget *callout : std::as_const(m_callouts))
        callout->setVisible(!animate);
    if (animate) {
        m_timer1->start();
        m_stroke.start();
    } else {
        m_timer1->stop();
        m_timer2->stop();
        placePiston(PistonStroke::kRest);
    }
}

void Form1::Timer1_Timer()
{
    stepPiston(m_stroke.leftward(), m_timer1, m_timer2);
}

void Form1::Timer2_Timer()
{
    stepPiston(m_stroke.rightward(), m_timer2, m_timer1);
}

void Form1::stepPiston(PistonStroke::Tick tick, QTimer *stroke, QTimer *nextStroke)
{
    if (tick.left) {
        placePiston(*tick.left);
    } else {
        stroke->stop();
        nextStroke->start();
    }
}

void Form1::placePiston(int left)
{
    m_image3->move(Twips::toPixels(left), m_image3->y());
}
