// SPDX-License-Identifier: MIT
#include "widgets/factory.h"

#include "widgets/colors.h"
#include "widgets/controls.h"
#include "widgets/twips.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

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
        // A line edit reports its caret the first time the caret is placed. Were that on the
        // first Tab into the box, the report would come before the focus, and a screen reader
        // would follow the caret there without a word.
        box->setCursorPosition(0);
        return box;
    }
    case Kind::PanelText: {
        auto *box = new QPlainTextEdit(parent);
        box->setReadOnly(true);
        box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        box->setFocusPolicy(Qt::ClickFocus);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->document()->setDocumentMargin(0); // the help texts are broken by hand to fit the box
        box->setCursorWidth(0); // it takes the focus when its panel opens, for screen readers, unseen
        box->setPlainText(text); // last: laid out once, with the margin and flags above
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
        return new DrawingWidget(text, parent);
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
    QList<QWidget *> described = {widget};
    if (auto *combo = qobject_cast<QComboBox *>(widget)) // its text, read on its own, and its list
        described << combo->lineEdit() << static_cast<QWidget *>(combo->view());
    for (QWidget *each : std::as_const(described)) {
        if (row.access.name)
            each->setAccessibleName(QString::fromUtf8(row.access.name));
        if (row.access.description)
            each->setAccessibleDescription(QString::fromUtf8(row.access.description));
    }
    if (kindBack(row.kind) == SystemColor::WindowBackground) { // boxes: a field with lettering
        widget->setBackgroundRole(QPalette::Base);
        widget->setForegroundRole(QPalette::Text);
    }
    if (row.kind != Kind::Picture)
        setColors(widget, row.back == kKindDefault ? kindBack(row.kind) : row.back,
                  row.fore == kKindDefault ? kindFore(row.kind) : row.fore);
    if (row.tab == 0 && row.kind != Kind::PanelText)
        widget->setFocusPolicy(Qt::NoFocus);
    return widget;
}

QWidget *createLine(const LineSpec &row, QWidget *parent)
{
    auto *line = new LineWidget(Twips::point(row.x1, row.y1), Twips::point(row.x2, row.y2), parent);
    line->setObjectName(QString::fromLatin1(row.name));
    setColor(line, ColorProperty::Border, SystemColor::WindowText);
    return line;
}
