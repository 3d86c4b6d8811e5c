// SPDX-License-Identifier: MIT
#include "app/design.h"

#include "app/controls.h"
#include "app/twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace Design {

const char *const kCaption = "Cylinder-to-Barrel Ratio v.3";

namespace {

using enum Kind;
using enum Font;

// Created first, so that every later control lies above them; the piston above the cylinder.
// clang-format off
constexpr ControlSpec kPictureTable[] = {
    // name     kind     drawing           left  top  width height
    {"Image2", Picture, ":/cylinder.svg",    90, 450, 1925,  574},
    {"Image3", Picture, ":/piston.svg",    1740, 480, 1350,  495},
};

constexpr ControlSpec kLabelTable[] = {
    // name      kind              caption                            left   top width height font
    {"Label25", Label,            "cylinder head",                     660,  150,  975, 210, Small},
    {"Label26", Label,            "cylinder",                          150, 1140,  570, 210, Small},
    {"Label27", Label,            "port",                             1230, 1170,  285, 210, Small},
    {"Label28", Label,            "piston body",                      2400, 1050,  840, 210, Small},
    {"Label29", Label,            "piston head",                      1650, 1290,  840, 210, Small},
    {"Label15", TransparentLabel, "Conversion Tool",                  3390,   90, 1230, 210, Small},
    {"Label17", TransparentLabel, "in.",                              4440,  420,  165, 210, Small},
    {"Label16", TransparentLabel, "mm.",                              4440,  780,  285, 210, Small},
    {"Label2",  Label,            "Inner Barrel Dimensions",            60, 1680, 2070, 240, Body},
    {"Label4",  Label,            "mm.",                              1890, 2160,  285, 210, Small},
    {"Label5",  Label,            "mm.",                              1890, 2580,  285, 210, Small},
    {"Label3",  Label,            "Cylinder Body Dimensions",           60, 3030, 2295, 240, Body},
    {"Label6",  Label,            "mm.",                              1890, 3480,  285, 210, Small},
    {"Label7",  Label,            "mm.",                              1890, 3930,  285, 210, Small},
    {"Label8",  Label,            "Inner Barrel Stats",               2760, 1650, 1515, 240, Body},
    {"Label11", Label,            "sq. mm.",                          4200, 2130,  555, 210, Small},
    {"Label13", Label,            "cu. mm.",                          4200, 2550,  555, 210, Small},
    {"Label9",  Label,            "Cylinder Stats",                   2880, 3030, 1230, 240, Body},
    {"Label12", Label,            "sq. mm.",                          4200, 3480,  555, 210, Small},
    {"Label14", Label,            "cu. mm.",                          4200, 3900,  555, 210, Small},
    {"Label10", Label,            "Cylinder : Barrel Volume Ratio",   2130, 4740, 2520, 225, Heading,
     0, nullptr, kKindColor, 0x400000},
    {"Label1",  Label,            "",                                 3330, 5790,   75, 225, HeadingItalic},
    {"Label18", TransparentLabel, "tessaloam \u00ae",                  420, 5820, 1260, 210, SmallItalic},
};

constexpr ControlSpec kInputTable[] = {
    // name       kind       text               left   top width height font      tab  tool tip
    {"Check1",   CheckBox,  "Animate",          2160,  180,  945,  285, Small,      6},
    {"Text1",    TextBox,   "",                 3510,  330,  885,  315, Small,      9, "inches"},
    {"Text2",    TextBox,   "",                 3510,  720,  885,  315, Small,      8, "millimeter"},
    {"Command2", Button,    "Convert",          3420, 1170, 1275,  315, Small,      7, "Convert"},
    {"Combo1",   ComboBox,  "Select Bore",        90, 2040, 1755,  360, BodyBold,  13, "input inner barrel diameter"},
    {"Combo2",   ComboBox,  "Select Length",      90, 2460, 1755,  360, BodyBold,  12, "input barrel length"},
    {"Combo3",   ComboBox,  "Select Bore",        90, 3390, 1755,  360, BodyBold,  11, "input cylinder inner diameter"},
    {"Combo4",   ComboBox,  "Input Length",       90, 3810, 1755,  360, BodyBold,  10, "input cylinder usable length"},
    {"Check2",   CheckBox,  "w/ \"Sorbo\" Pad",  450, 4290, 1905,  240, Small,     45},
    {"Text5",    ResultBox, "",                 2850, 2040, 1300,  360, BodyBold,  19, "inner barrel area"},
    {"Text6",    ResultBox, "",                 2850, 2460, 1300,  360, BodyBold,  18, "inner barrel volume"},
    {"Text7",    ResultBox, "",                 2850, 3390, 1300,  360, BodyBold,  17, "cylinder area"},
    {"Text8",    ResultBox, "",                 2850, 3810, 1300,  360, BodyBold,  16, "cylinder volume"},
    {"Command1", Button,    "Compute",           240, 4800, 1605,  945, BodyBold,  14, "Press to compute Ratio"},
    {"Text9",    ResultBox, "",                 2100, 5040, 2565,  675, Ratio,     15,
     "Cylinder-to-Barrel Ratio [under ratio<1.5~3>over ratio]", kKindColor, SystemColor::ButtonText},
};

constexpr LineSpec kLineTable[] = {
    // name      X1    Y1    X2    Y2
    {"Line1",    60, 1590, 4815, 1590},
    {"Line2",  2520, 1590, 2520, 4630},
    {"Line3",    60, 4620, 4815, 4620},
    {"Line4",  3270, 1595, 3270,  120},
    {"Line10",  480,  435,  645,  270},
    {"Line11",  945, 1050,  750, 1245},
    {"Line12", 1440,  810, 1440, 1200},
    {"Line13", 2850,  930, 2850, 1260},
    {"Line14", 1920,  960, 1920, 1290},
};

constexpr const char *kBores[] = {"5.5800", "5.5900", "6.0000", "6.0100", "6.0200", "6.0300",
                                  "6.0400", "6.0500", "6.0600", "6.0700", "6.0800", "6.0900",
                                  "6.1000", "6.1100", "6.1200", "Custom"};
// "247.0000" stands before "245.0000" on purpose: the list follows the help text's order.
constexpr const char *kLengths[] = {"110.0000", "141.0000", "229.0000", "247.0000", "245.0000",
                                    "285.0000", "300.0000", "363.0000", "369.0000", "455.0000",
                                    "469.0000", "472.0000", "500.0000", "509.0000", "510.0000",
                                    "534.0000", "550.0000", "650.0000", "Custom"};
constexpr const char *kCylinderBores[] = {"Standard", "Custom"};
constexpr const char *kCylinderLengths[] = {"Type '0'", "Custom"};

const ListSpec kListTable[] = {
    {"Combo1", kBores},
    {"Combo2", kLengths},
    {"Combo3", kCylinderBores},
    {"Combo4", kCylinderLengths},
};

constexpr MenuSpec kMenuTable[] = {
    // name          caption                          menu
    {"file",        "File",                          nullptr},
    {"computenow",  "Compute Now",                   "file"},
    {"ext",         "Exit",                          "file"},
    {"themes",      "Themes",                        nullptr},
    {"default",     "Default",                       "themes", true},
    {"sky",         "Sky",                           "themes", true},
    {"earth",       "Earth",                         "themes", true},
    {"save",        "Save Theme on Exit",            "themes", true},
    {"help",        "Help",                          nullptr},
    {"how2use",     "How To Use this Tool",          "help"},
    {"cylmeas",     "about Cylinder Measurements",   "help"},
    {"vormektypes", "about Barrel/Cylinder types",   "help"},
    {"info",        "about additional Information",  "help"},
};
// clang-format on

} // namespace

const std::span<const ControlSpec> kPictures = kPictureTable;
const std::span<const ControlSpec> kLabels = kLabelTable;
const std::span<const ControlSpec> kInputs = kInputTable;
const std::span<const LineSpec> kLines = kLineTable;
const std::span<const ListSpec> kLists = kListTable;
const std::span<const MenuSpec> kMenus = kMenuTable;

} // namespace Design

QFont designFont(Font font)
{
    struct Face {
        qreal points;
        bool bold;
        bool italic;
    };
    static constexpr Face kFaces[] = {
        {9.75, false, false}, // Body: the window's font
        {9.75, true, false}, // BodyBold
        {8.25, false, false}, // Small
        {8.25, true, false}, // SmallBold
        {8.25, false, true}, // SmallItalic
        {9, true, false}, // Heading
        {9, true, true}, // HeadingItalic
        {24, true, false}, // Ratio
    };
    const Face &face = kFaces[int(font)];
    QFont result(QStringLiteral("Arial"));
    result.setStyleHint(QFont::SansSerif);
    result.setHintingPreference(QFont::PreferFullHinting); // whole-pixel advances, as the design was measured
    result.setPointSizeF(face.points);
    result.setBold(face.bold);
    result.setItalic(face.italic);
    return result;
}

namespace {

QWidget *createWidget(const ControlSpec &row, QWidget *parent)
{
    const QString text = QString::fromUtf8(row.text);
    switch (row.kind) {
    case Kind::Label:
    case Kind::TransparentLabel: {
        auto *label = new AutoLabel(Twips::toPixels(row.width), parent);
        label->setAutoFillBackground(row.kind == Kind::Label);
        return label;
    }
    case Kind::TextBox:
    case Kind::ResultBox: {
        auto *box = new QLineEdit(text, parent);
        box->setAlignment(Qt::AlignCenter);
        box->setReadOnly(row.kind == Kind::ResultBox);
        return box;
    }
    case Kind::PanelText: {
        auto *box = new QPlainTextEdit(text, parent);
        box->setReadOnly(true);
        box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        box->setFocusPolicy(Qt::ClickFocus);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->document()->setDocumentMargin(0); // the help texts are broken by hand to fit the box
        return box;
    }
    case Kind::ComboBox: {
        auto *combo = new QComboBox(parent);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert); // Enter must not add the typed text to the list
        combo->setCompleter(nullptr);
        combo->setEditText(text);
        return combo;
    }
    case Kind::CheckBox: {
        auto *check = new QCheckBox(text, parent);
        check->setAutoFillBackground(true);
        return check;
    }
    case Kind::Button:
        return new FaceButton(text, parent);
    case Kind::Picture:
        return new Picture(text, parent);
    }
    return nullptr;
}

ColorValue kindBack(Kind kind)
{
    switch (kind) {
    case Kind::TextBox:
    case Kind::ResultBox:
    case Kind::PanelText:
    case Kind::ComboBox:
        return SystemColor::WindowBackground;
    default:
        return SystemColor::ButtonFace;
    }
}

ColorValue kindFore(Kind kind)
{
    return kindBack(kind) == SystemColor::WindowBackground ? SystemColor::WindowText : SystemColor::ButtonText;
}

} // namespace

QWidget *createControl(const ControlSpec &row, QWidget *parent)
{
    QWidget *widget = createWidget(row, parent);
    widget->setObjectName(QString::fromLatin1(row.name));
    widget->setFont(designFont(row.font));
    if (auto *label = qobject_cast<AutoLabel *>(widget)) {
        label->setCaption(QString::fromUtf8(row.text)); // its size follows the caption
        label->move(Twips::point(row.left, row.top));
    } else {
        widget->setGeometry(Twips::rect(row.left, row.top, row.width, row.height));
    }
    if (row.toolTip)
        widget->setToolTip(QString::fromUtf8(row.toolTip));
    if (kindBack(row.kind) == SystemColor::WindowBackground) { // boxes: a field with lettering
        widget->setBackgroundRole(QPalette::Base);
        widget->setForegroundRole(QPalette::Text);
    }
    if (row.kind != Kind::Picture) {
        setColor(widget, ColorProperty::Back, row.back == kKindColor ? kindBack(row.kind) : row.back);
        setColor(widget, ColorProperty::Fore, row.fore == kKindColor ? kindFore(row.kind) : row.fore);
    }
    if (row.tab == 0 && row.kind != Kind::PanelText)
        widget->setFocusPolicy(Qt::NoFocus);
    return widget;
}

QWidget *createLine(const LineSpec &row, ColorValue color, QWidget *parent)
{
    auto *line = new LineWidget(Twips::point(row.x1, row.y1), Twips::point(row.x2, row.y2), parent);
    line->setObjectName(QString::fromLatin1(row.name));
    setColor(line, ColorProperty::Border, color);
    return line;
}
