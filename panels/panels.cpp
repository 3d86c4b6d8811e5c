// SPDX-License-Identifier: MIT
#include "panels/panels.h"

#include "panels/paneltexts.h"
#include "widgets/colors.h"
#include "widgets/twips.h"

#include <QFrame>
#include <QPlainTextEdit>

namespace Panels {

namespace {

using enum Kind;
using enum Font;

// clang-format off
constexpr ControlSpec closeLabel(const char *name)
{
    return {name, TransparentLabel, "close", 1200, 5640, 495, 225, HeadingItalic, Themed::No, false, {},
            0, nullptr, kBackColor, FixedColor::Red};
}

// A help text's heading, which names it.
constexpr ControlSpec heading(const char *name, Kind kind, const char *caption, int left, int top, int width,
                              int height, const char *text)
{
    return {name, kind, caption, left, top, width, height, Heading, Themed::No, false, {.labelFor = text},
            0, nullptr, kBackColor};
}

constexpr ControlSpec text(const char *name, const char *content, int left, int top, int width, int height)
{
    return {name, PanelText, content, left, top, width, height, Small, Themed::No, false, {}, 0, nullptr, kBackColor};
}

const ControlSpec kFrame2[] = {
    heading("Label19", TransparentLabel, "Common Barrel Lengths:", 60, 60, 2115, 225, "Text3"),
    text("Text3", HelpText::kBarrelLengths, 120, 300, 2745, 4635),
    heading("Label20", TransparentLabel, "Cylinder Measurements:", 90, 5040, 2070, 225, "Text4"),
    text("Text4", HelpText::kCylinderTypes, 120, 5250, 2745, 435),
};

const ControlSpec kFrame3[] = {
    heading("Label22", TransparentLabel, "Inner Barrel Dimension:", 90, 60, 1995, 225, "Text11"),
    text("Text11", HelpText::kBarrelMeasurement, 90, 360, 2745, 1335),
    heading("Label21", Label, "Cylinder Body Dimensions:", 60, 1800, 2250, 195, "Text10"),
    text("Text10", HelpText::kCylinderMeasurement, 90, 2070, 2745, 2325),
    {"Image7", Picture, ":/cylinder.svg", 390, 4800, 1925, 574, Body, Themed::No, false, {"cylinder dimensions drawing"}},
    {"Label23", Label, "A", 1500, 4530, 120, 210, SmallBold, Themed::No, false, {}, 0, nullptr, kBackColor},
    {"Label24", Label, "B", 1200, 5370, 105, 210, SmallBold, Themed::No, false, {}, 0, nullptr, kBackColor},
};

// Dimension line A spans the whole tube, B the front end to the near edge of the port.
constexpr LineSpec kFrame3Lines[] = {
    {"Line5", 825, 4650, 2380, 4650},
    {"Line6", 870, 4560, 870, 5610},
    {"Line7", 2280, 4560, 2280, 5610},
    {"Line8", 1680, 4890, 1680, 5490},
    {"Line9", 810, 5460, 1780, 5460},
};

const ControlSpec kFrame4[] = {
    heading("Label32", TransparentLabel, "How to use this Tool:", 90, 60, 1755, 225, "Text12"),
    text("Text12", HelpText::kHowToUse, 90, 330, 2745, 5265),
};

const ControlSpec kFrame5[] = {
    heading("Label30", TransparentLabel, "Additional Information:", 90, 60, 1905, 225, "Text13"),
    text("Text13", HelpText::kAdditionalInformation, 90, 330, 2745, 5265),
};

const PanelSpec kPanelTable[] = {
    // frame    opened by      closed by  top
    {"Frame2", "vormektypes", "close2",   90, kFrame2, {}},
    {"Frame3", "cylmeas",     "close3",  105, kFrame3, kFrame3Lines},
    {"Frame4", "how2use",     "close4",  105, kFrame4, {}},
    {"Frame5", "info",        "close5",  105, kFrame5, {}},
};
// clang-format on

} // namespace

const std::span<const PanelSpec> kPanels = kPanelTable;

QFrame *build(const PanelSpec &panel, QWidget *frame1)
{
    auto *frame = new QFrame(frame1);
    frame->setObjectName(QString::fromLatin1(panel.frame));
    frame->setGeometry(Twips::rect(kLeft, panel.top, kWidth, kHeight));
    frame->setAutoFillBackground(true);
    setColors(frame, kBackColor, SystemColor::ButtonText);
    frame->hide();

    // The drawing and its dimension lines first, so that the letters A and B lie above them.
    for (const ControlSpec &row : panel.controls)
        if (row.kind == Kind::Picture)
            createControl(row, frame);
    for (const LineSpec &line : panel.lines)
        createLine(line, frame);
    for (const ControlSpec &row : panel.controls)
        if (row.kind != Kind::Picture)
            createControl(row, frame);
    // Out of the Tab sequence, as the texts are; Tab from a text reaches it.
    createControl(closeLabel(panel.closer), frame)->setFocusPolicy(Qt::ClickFocus);
    return frame;
}

} // namespace Panels
