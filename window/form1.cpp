// SPDX-License-Identifier: MIT
#include "window/form1.h"

#include "access/activation.h"
#include "access/announcer.h"
#include "desktop/fixedframe.h"
#include "desktop/menustepping.h"
#include "desktop/waylandframing.h"
#include "widgets/controls.h"
#include "widgets/focusring.h"
#include "widgets/twips.h"
#include "window/accessibility.h"
#include "window/design.h"
#include "window/helppanels.h"
#include "window/pistonanimation.h"
#include "window/unsavednotice.h"

#include <cstdio>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QShortcut>

namespace {

constexpr ColorValue kGreen = rgbValue(0, 192, 0);

// The side borders the design implies: what the wide layout's outer width has over the client area.
int sideBorders()
{
    return Twips::toPixels(Design::kWideOuterWidth) - Twips::toPixels(Design::kCreatedClientWidth);
}

} // namespace

Form1::Form1(const Settings::Location &settings, QWidget *parent)
    : QMainWindow(parent,
                  Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                      | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_settings(settings)
{
    installAccessibleInterfaces();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(Design::kCaption));
    setWindowIcon(QIcon(new DrawingIconEngine(QStringLiteral(":/icon.svg"))));
    setFont(designFont(Font::Body));
    if (WaylandFraming::isWanted())
        m_waylandFraming = new WaylandFraming(this, Twips::toPixels(Design::kTitleBarHeight), sideBorders() / 2,
                                              [this] { fitToFrame(); });
    buildMenus();

    auto *client = new QWidget(this);
    client->setAutoFillBackground(true);
    setCentralWidget(client);
    setColor(this, ColorProperty::Back, SystemColor::ButtonFace);
    addThemed(this, ColorProperty::Back, Role::PanelBack);

    m_calculator = new QFrame(client);
    m_calculator->setObjectName(QStringLiteral("Frame1"));
    m_calculator->setAutoFillBackground(true);
    m_calculator->setGeometry(Twips::rect(Design::kFrameLeft, 0, Design::kWideFrameWidth, Design::kFrameHeight));
    setColor(m_calculator, ColorProperty::Back, SystemColor::ButtonFace);
    addThemed(m_calculator, ColorProperty::Back, Role::PanelBack);
    buildCalculator();
    new HelpPanels(m_calculator, this, [this](bool wide) {
        if (wide)
            setLayoutWidths(Design::kWideOuterWidth, Design::kWideFrameWidth);
        else
            setLayoutWidths(Design::kNarrowOuterWidth, Design::kNarrowFrameWidth);
    });
    connectControls();
    m_announcer = createAnnouncer(client);
    describeControls(this, m_announcer); // after the menu items' own connections: it tells their outcome
    m_ratioDescription = m_ratioBox->accessibleDescription();
    // System colours are resolved when they are set; follow the desktop when its scheme
    // changes. Qt tells the application of that, not the widgets. The same filter sees
    // the converter boxes gain focus.
    qApp->installEventFilter(this);

    setFixedSize(QSize(Twips::toPixels(Design::kCreatedClientWidth),
                       menuBar()->sizeHint().height() + Twips::toPixels(Design::kClientHeight))
                     .grownBy(contentsMargins())); // a frame of the window's own
    m_frame = new FixedFrame(this, sideBorders());
    fitToFrame();
    Form_Load();
    m_frame->centreOnScreen();
    new FocusRing(this);
    m_animateCheck->setFocus();
}

void Form1::buildMenus()
{
    menuBar()->setAccessibleName(QStringLiteral("Menus"));
    QHash<QString, QMenu *> menus;
    QActionGroup *choices = nullptr;
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
        item->setCheckable(row.mark != Mark::None);
        if (row.mark == Mark::Choice) {
            // Grouped, so that assistive technology offers them as one of a set; the themes
            // move the mark themselves, as start-up may leave none marked.
            if (!choices) {
                choices = new QActionGroup(this);
                choices->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
            }
            choices->addAction(item);
        }
    }
    // F10 opens the menu bar, as Alt does.
    connect(new QShortcut(QKeySequence(Qt::Key_F10), this), &QShortcut::activated, this, [this] {
        QMenu *first = menuBar()->actions().constFirst()->menu();
        menuBar()->setActiveAction(first->menuAction());
        first->setActiveAction(first->actions().constFirst()); // so that the arrows go on from there
    });
    if (MenuStepping::isWanted())
        new MenuStepping(menuBar());
    m_saveOnExit = action("save");
    m_themeItems = {{Theme::Default, action("default")}, {Theme::Sky, action("sky")}, {Theme::Earth, action("earth")}};
}

void Form1::buildCalculator()
{
    // Creation order is stacking order: pictures, then lines and labels, then the inputs.
    QList<QWidget *> callouts; // the drawing's captions and their lines
    const auto noteRow = [&callouts](const auto &row, QWidget *widget) {
        if (row.callout)
            callouts.append(widget);
    };
    for (const ControlSpec &row : Design::kPictures)
        createControl(row, m_calculator);
    for (const LineSpec &row : Design::kLines) {
        QWidget *line = createLine(row, m_calculator);
        addThemed(line, ColorProperty::Border, row.themed);
        noteRow(row, line);
    }
    QMap<int, QWidget *> tabOrder;
    for (const auto &table : {Design::kLabels, Design::kInputs}) {
        for (const ControlSpec &row : table) {
            QWidget *widget = createControl(row, m_calculator);
            addThemed(widget, ColorProperty::Back, row.themed.back);
            addThemed(widget, ColorProperty::Fore, row.themed.fore);
            noteRow(row, widget);
            if (row.tab)
                tabOrder.insert(row.tab, widget);
        }
    }
    QWidget *previous = nullptr;
    for (QWidget *widget : std::as_const(tabOrder)) {
        if (previous)
            setTabOrder(previous, widget);
        previous = widget;
    }

    for (const ListSpec &list : Design::kLists) {
        auto *combo = control<QComboBox>(list.combo);
        const QString initial = combo->currentText();
        for (const char *item : list.items)
            combo->addItem(Module1::ListItemText(QString::fromLatin1(item)));
        combo->setCurrentIndex(-1);
        combo->setEditText(initial);
    }

    m_barrelBore = control<QComboBox>("Combo1");
    m_barrelLength = control<QComboBox>("Combo2");
    m_cylinderBore = control<QComboBox>("Combo3");
    m_cylinderLength = control<QComboBox>("Combo4");
    m_padCheck = control<QCheckBox>("Check2");
    m_barrelAreaBox = control<QLineEdit>("Text5");
    m_barrelVolumeBox = control<QLineEdit>("Text6");
    m_cylinderAreaBox = control<QLineEdit>("Text7");
    m_cylinderVolumeBox = control<QLineEdit>("Text8");
    m_ratioBox = control<QLineEdit>("Text9");
    m_verdictLabel = control<AutoLabel>(Design::kVerdict);
    m_inchesBox = control<QLineEdit>("Text1");
    m_millimetresBox = control<QLineEdit>("Text2");
    m_animateCheck = control<QCheckBox>("Check1");
    // Styles that outline a box in its parent's colour would show the theme's panel around
    // the ratio; it keeps the design's frame, and only a verdict recolours it.
    setColor(m_ratioBox, ColorProperty::Frame, SystemColor::ButtonFace);
    m_animation = new PistonAnimation(control("Image3"), callouts, this);
}

void Form1::connectControls()
{
    connect(control<QPushButton>("Command1"), &QPushButton::clicked, this, &Form1::showRatio);
    connect(action("computenow"), &QAction::triggered, this, &Form1::showRatio);
    connect(control<QPushButton>("Command2"), &QPushButton::clicked, this, [this] {
        if (!m_inchesBox->text().isEmpty())
            convert(m_inchesBox, m_millimetresBox, &Module1::InchesToMillimetres,
                    QStringLiteral("Type a number of inches to convert."));
        else if (!m_millimetresBox->text().isEmpty())
            convert(m_millimetresBox, m_inchesBox, &Module1::MillimetresToInches,
                    QStringLiteral("Type a number of millimetres to convert."));
        else // nothing shows on screen; a screen reader tells why
            announce(m_announcer, QStringLiteral("Nothing to convert: type inches or millimetres first."));
    });
    for (auto [theme, item] : std::as_const(m_themeItems))
        connect(item, &QAction::triggered, this, [this, theme = theme] { applyTheme(theme); });
    // "Save Theme on Exit" is checkable: picking it flips its mark, and the file is written at exit.
    connect(action("ext"), &QAction::triggered, this, &QWidget::close);

    connect(m_animateCheck, &QCheckBox::stateChanged, this, &Form1::Check1_Click);
}

QAction *Form1::action(const char *name) const
{
    return findChild<QAction *>(QLatin1String(name));
}

template<typename T>
T *Form1::control(const char *name) const
{
    return findChild<T *>(QLatin1String(name));
}

void Form1::addThemed(QWidget *control, ColorProperty property, Role role)
{
    if (role != Role::None)
        m_themed.append({control, property, role});
}

// ---- Start-up and shut-down ----

void Form1::Form_Load()
{
    const auto line = Settings::readFirstLine(m_settings.readPath);
    const Settings::Restore restore =
        Settings::restoreFrom(line ? std::optional(Settings::firstField(*line)) : std::nullopt);
    m_saveOnExit->setChecked(true);
    for (Theme theme : restore.themes)
        applyTheme(theme);
    if (restore.markDefault)
        action("default")->setChecked(true);
    if (restore.check)
        m_animateCheck->setChecked(true);
    if (restore.uncheck)
        m_animateCheck->setChecked(false);
    setLayoutWidths(Design::kNarrowOuterWidth, Design::kNarrowFrameWidth);
}

bool Form1::Form_Unload()
{
    std::optional<Theme> marked;
    for (auto [theme, item] : std::as_const(m_themeItems))
        if (!marked && item->isChecked())
            marked = theme;
    const QByteArray line = Settings::line(marked, m_saveOnExit->isChecked(), m_animateCheck->isChecked());
    if (Settings::write(m_settings.writePath, line))
        return true;
    std::fprintf(stderr, "cylinder-ratio: could not save the settings to %s\n", qPrintable(m_settings.writePath));
    return false;
}

void Form1::closeEvent(QCloseEvent *event)
{
    if (!Form_Unload() && !m_toldUnsaved) {
        m_toldUnsaved = true; // a second request to close, from the system, adds no second notice
        tellSettingsNotSaved(windowTitle(), m_settings.writePath);
    }
    event->accept();
    if (m_waylandFraming)
        m_waylandFraming->windowClosing();
}

void Form1::setVisible(bool visible)
{
    QMainWindow::setVisible(visible);
    if (visible && m_waylandFraming)
        m_waylandFraming->windowShown();
}

// The height follows the frame the window draws itself, if any; the width, a frame drawn outside.
void Form1::fitToFrame()
{
    setMinimumHeight(menuBar()->sizeHint().height() + Twips::toPixels(Design::kClientHeight) + contentsMargins().top()
                     + contentsMargins().bottom());
    m_frame->setFrameUnmeasured(m_waylandFraming && m_waylandFraming->byCompositor());
}

// ---- The ratio ----

void Form1::showRatio()
{
    const Module1::RatioResult result = Module1::ComputeRatio(
        {m_barrelBore->currentText(), m_barrelLength->currentText(), m_cylinderBore->currentText(),
         m_cylinderLength->currentText(), m_padCheck->isChecked()});
    const std::pair<const std::optional<QString> &, QLineEdit *> boxes[] = {
        {result.barrelArea, m_barrelAreaBox},
        {result.barrelVolume, m_barrelVolumeBox},
        {result.cylinderArea, m_cylinderAreaBox},
        {result.cylinderVolume, m_cylinderVolumeBox},
        {result.ratio, m_ratioBox},
    };
    for (const auto &[text, box] : boxes)
        if (text)
            box->setText(*text);
    if (result.verdict)
        showVerdict(*result.verdict);
    else
        showMessage(QStringLiteral("Pls. Input all required data."));
}

void Form1::showVerdict(Module1::Verdict verdict)
{
    static const QHash<Module1::Verdict, std::pair<const char *, ColorValue>> kVerdicts = {
        {Module1::Verdict::Over, {"Over Ratio", FixedColor::Red}},
        {Module1::Verdict::Under, {"Under Ratio", FixedColor::Red}},
        {Module1::Verdict::Ok, {"Ratio Ok", kGreen}},
    };
    const auto [caption, color] = kVerdicts.value(verdict);
    setColor(m_ratioBox, ColorProperty::Fore, FixedColor::White);
    setColor(m_ratioBox, ColorProperty::Back, color);
    m_verdictLabel->setCaption(QLatin1String(caption));
    setColor(m_verdictLabel, ColorProperty::Fore, color);
    // Heard at once, and read with the ratio until the next verdict.
    m_ratioBox->setAccessibleDescription(QLatin1String(caption) + QLatin1String(". ") + m_ratioDescription);
    announce(m_announcer, m_ratioBox->text() + QLatin1String(", ") + QLatin1String(caption));
}

void Form1::showMessage(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, windowTitle(), text, QMessageBox::Ok, this);
    quietActivation(this);
    box.exec();
}

// ---- The converter ----

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ApplicationPaletteChange && watched == qApp)
        refreshColors(this);
    if (event->type() == QEvent::FocusIn) {
        // Entering one converter box empties the other.
        if (watched == m_inchesBox)
            m_millimetresBox->clear();
        else if (watched == m_millimetresBox)
            m_inchesBox->clear();
    }
    return QMainWindow::eventFilter(watched, event);
}

void Form1::convert(QLineEdit *from, QLineEdit *to,
                    std::optional<QString> (*conversion)(const QString &, const QLocale &), const QString &failure)
{
    if (const auto result = conversion(from->text(), QLocale())) {
        to->setText(*result);
        announce(m_announcer, to->accessibleName() + QLatin1String(": ") + *result);
    } else
        showMessage(failure);
}

void Form1::setLayoutWidths(int outerWidth, int frameWidth)
{
    m_frame->setOuterWidth(Twips::toPixels(outerWidth));
    m_calculator->resize(Twips::toPixels(frameWidth), m_calculator->height());
}

// ---- Themes ----

void Form1::applyTheme(Theme theme)
{
    for (auto [itemTheme, item] : std::as_const(m_themeItems))
        item->setChecked(itemTheme == theme);
    const ThemePalette palette = themePalette(theme);
    for (const ThemedColor &themed : std::as_const(m_themed))
        setColor(themed.control, themed.property, roleColor(palette, themed.role));
}

// ---- The piston animation ----

void Form1::Check1_Click()
{
    m_animation->setRunning(m_animateCheck->isChecked());
}
