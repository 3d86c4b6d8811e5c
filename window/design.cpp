// SPDX-License-Identifier: MIT
#include "window/design.h"

namespace Design {

const char *const kCaption = "Cylinder-to-Barrel Ratio v.3";

namespace {

using enum Kind;
using enum Font;

// Created first, so that every later control lies above them; the piston above the cylinder.
// clang-format off
constexpr ControlSpec kPictureTable[] = {
    // name     kind     drawing           left  top  width height
    {"Image2", Picture, ":/cylinder.svg",    90, 450, 1925,  574, Body, Themed::No, false, {"cylinder drawing"}},
    {"Image3", Picture, ":/piston.svg",    1740, 480, 1350,  495, Body, Themed::No, false, {"piston drawing"}},
};

constexpr ControlSpec kLabelTable[] = {
    // name      kind              caption                           left   top width height font           themed            callout
    {"Label25", Label,            "cylinder head",                    660,  150,  975, 210, Small,         Themed::Panel,     true},
    {"Label26", Label,            "cylinder",                         150, 1140,  570, 210, Small,         Themed::Panel,     true},
    {"Label27", Label,            "port",                            1230, 1170,  285, 210, Small,         Themed::Panel,     true},
    {"Label28", Label,            "piston body",                     2400, 1050,  840, 210, Small,         Themed::Panel,     true},
    {"Label29", Label,            "piston head",                     1650, 1290,  840, 210, Small,         Themed::Panel,     true},
    {"Label15", TransparentLabel, "Conversion Tool",                 3390,   90, 1230, 210, Small,         Themed::Panel},
    {"Label17", TransparentLabel, "in.",                             4440,  420,  165, 210, Small,         Themed::Panel,     false,   {.unitOf = "Text1"}},
    {"Label16", TransparentLabel, "mm.",                             4440,  780,  285, 210, Small,         Themed::Panel,     false,   {.unitOf = "Text2"}},
    {"Label2",  Label,            "Inner Barrel Dimensions",           60, 1680, 2070, 240, Body,          Themed::Panel},
    {"Label4",  Label,            "mm.",                             1890, 2160,  285, 210, Small,         Themed::Panel,     false,   {.unitOf = "Combo1"}},
    {"Label5",  Label,            "mm.",                             1890, 2580,  285, 210, Small,         Themed::Panel,     false,   {.unitOf = "Combo2"}},
    {"Label3",  Label,            "Cylinder Body Dimensions",          60, 3030, 2295, 240, Body,          Themed::Panel},
    {"Label6",  Label,            "mm.",                             1890, 3480,  285, 210, Small,         Themed::Panel,     false,   {.unitOf = "Combo3"}},
    {"Label7",  Label,            "mm.",                             1890, 3930,  285, 210, Small,         Themed::Panel,     false,   {.unitOf = "Combo4"}},
    {"Label8",  Label,            "Inner Barrel Stats",              2760, 1650, 1515, 240, Body,          Themed::Panel},
    {"Label11", Label,            "sq. mm.",                         4200, 2130,  555, 210, Small,         Themed::Panel,     false,   {.unitOf = "Text5"}},
    {"Label13", Label,            "cu. mm.",                         4200, 2550,  555, 210, Small,         Themed::Panel,     false,   {.unitOf = "Text6"}},
    {"Label9",  Label,            "Cylinder Stats",                  2880, 3030, 1230, 240, Body,          Themed::Panel},
    {"Label12", Label,            "sq. mm.",                         4200, 3480,  555, 210, Small,         Themed::Panel,     false,   {.unitOf = "Text7"}},
    {"Label14", Label,            "cu. mm.",                         4200, 3900,  555, 210, Small,         Themed::Panel,     false,   {.unitOf = "Text8"}},
    {"Label10", Label,            "Cylinder : Barrel Volume Ratio",  2130, 4740, 2520, 225, Heading,       Themed::Panel,     false,   {.labelFor = "Text9"},
     0, nullptr, kKindDefault, 0x400000},
    {"Label1",  Label,            "",                                3330, 5790,   75, 225, HeadingItalic, Themed::PanelBack, false},  // the verdict
    {"Label18", TransparentLabel, "tessaloam \u00ae",                 420, 5820, 1260, 210, SmallItalic,   Themed::Panel},
};

constexpr ControlSpec kInputTable[] = {
    // name       kind       text               left   top width height font      themed          callout
    //     accessible name and description, tab index, tool tip
    {"Check1",   CheckBox,  "Animate",          2160,  180,  945,  285, Small,    Themed::Panel,  false,
     {"Animate", "Moves the piston of the cylinder drawing"}, 6},
    {"Text1",    TextBox,   "",                 3510,  330,  885,  315, Small,    Themed::Box,    false,
     {"inches", "Length in inches to convert to millimetres"}, 9, "inches"},
    {"Text2",    TextBox,   "",                 3510,  720,  885,  315, Small,    Themed::Box,    false,
     {"millimeter", "Length in millimetres to convert to inches"}, 8, "millimeter"},
    {"Command2", Button,    "Convert",          3420, 1170, 1275,  315, Small,    Themed::Button, false,
     {"Convert", "Converts from the box that holds text"}, 7, "Convert"},
    {"Combo1",   ComboBox,  "Select Bore",        90, 2040, 1755,  360, BodyBold, Themed::Box,    false,
     {"inner barrel diameter", "Inner barrel bore in millimetres"}, 13, "input inner barrel diameter"},
    {"Combo2",   ComboBox,  "Select Length",      90, 2460, 1755,  360, BodyBold, Themed::Box,    false,
     {"barrel length", "Inner barrel length in millimetres"}, 12, "input barrel length"},
    {"Combo3",   ComboBox,  "Select Bore",        90, 3390, 1755,  360, BodyBold, Themed::Box,    false,
     {"cylinder inner diameter", "Cylinder bore in millimetres; Standard is 23.6"}, 11, "input cylinder inner diameter"},
    {"Combo4",   ComboBox,  "Input Length",       90, 3810, 1755,  360, BodyBold, Themed::Box,    false,
     {"cylinder usable length", "Cylinder usable length in millimetres; Type '0' is 73"}, 10, "input cylinder usable length"},
    {"Check2",   CheckBox,  "w/ \"Sorbo\" Pad",  450, 4290, 1905,  240, Small,    Themed::Panel,  false,
     {"Sorbo pad", "Check when a pad is fitted; it takes 3 millimetres off the cylinder length"}, 45},
    {"Text5",    ResultBox, "",                 2850, 2040, 1300,  360, BodyBold, Themed::Box,    false,
     {"inner barrel area", "Square millimetres"}, 19, "inner barrel area"},
    {"Text6",    ResultBox, "",                 2850, 2460, 1300,  360, BodyBold, Themed::Box,    false,
     {"inner barrel volume", "Cubic millimetres"}, 18, "inner barrel volume"},
    {"Text7",    ResultBox, "",                 2850, 3390, 1300,  360, BodyBold, Themed::Box,    false,
     {"cylinder area", "Square millimetres"}, 17, "cylinder area"},
    {"Text8",    ResultBox, "",                 2850, 3810, 1300,  360, BodyBold, Themed::Box,    false,
     {"cylinder volume", "Cubic millimetres"}, 16, "cylinder volume"},
    {"Command1", Button,    "Compute",           240, 4800, 1605,  945, BodyBold, Themed::Button, false,
     {"Compute", "Computes the cylinder-to-barrel ratio"}, 14, "Press to compute Ratio"},
    // The ratio box keeps the verdict's colours: no theme touches it.
    {"Text9",    ResultBox, "",                 2100, 5040, 2565,  675, Ratio,    Themed::No,     false,
     {"Cylinder-to-Barrel Ratio", "Under ratio below 1.5, over ratio above 3"}, 15,
     "Cylinder-to-Barrel Ratio [under ratio<1.5~3>over ratio]", kKindDefault, SystemColor::ButtonText},
};

constexpr LineSpec kLineTable[] = {
    // name      X1    Y1    X2    Y2  themed            callout
    {"Line1",    60, 1590, 4815, 1590, Role::LineBorder},
    {"Line2",  2520, 1590, 2520, 4630, Role::LineBorder},
    {"Line3",    60, 4620, 4815, 4620, Role::LineBorder},
    {"Line4",  3270, 1595, 3270,  120, Role::LineBorder},
    {"Line10",  480,  435,  645,  270, Role::LineBorder, true},
    {"Line11",  945, 1050,  750, 1245, Role::LineBorder, true},
    {"Line12", 1440,  810, 1440, 1200, Role::LineBorder, true},
    {"Line13", 2850,  930, 2850, 1260, Role::LineBorder, true},
    {"Line14", 1920,  960, 1920, 1290, Role::LineBorder, true},
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
    {"default",     "Default",                       "themes", Mark::Choice},
    {"sky",         "Sky",                           "themes", Mark::Choice},
    {"earth",       "Earth",                         "themes", Mark::Choice},
    {"save",        "Save Theme on Exit",            "themes", Mark::Check},
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
