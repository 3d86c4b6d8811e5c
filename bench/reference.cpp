// SPDX-License-Identifier: MIT
// The bare reference: a main window with as many widgets of each kind as the calculator
// window has, laid out nowhere in particular, and no logic at all.
#include "probe.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSvgRenderer>

namespace {

// As many of each kind as the calculator window has.
constexpr int kLabels = 35;
constexpr int kLines = 14;
constexpr int kLineEdits = 7;
constexpr int kCombos = 4;
constexpr int kCheckBoxes = 2;
constexpr int kButtons = 2;
constexpr int kTextBoxes = 6;
constexpr int kPanels = 4;
constexpr int kMenuItems = 10;

// A drawing, as plain as a picture widget gets.
class Drawing : public QWidget
{
public:
    Drawing(const QString &file, QWidget *parent) : QWidget(parent), m_renderer(file) { }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        m_renderer.render(&painter, rect());
    }

private:
    QSvgRenderer m_renderer;
};

// The faces and sizes the design gives its widgets: a font is part of a widget, not logic.
QFont designedFont(int i)
{
    struct Face {
        qreal points;
        bool bold;
        bool italic;
    };
    static constexpr Face kFaces[] = {{9.75, false, false}, {9.75, true, false}, {8.25, false, false},
                                      {8.25, true, false},  {8.25, false, true}, {9, true, false},
                                      {9, true, true},      {24, true, false}};
    const Face &face = kFaces[i % std::size(kFaces)];
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(face.points);
    font.setBold(face.bold);
    font.setItalic(face.italic);
    return font;
}

template<typename T>
void add(int count, QWidget *parent)
{
    static int made = 0;
    for (int i = 0; i < count; ++i) {
        auto *widget = new T(parent);
        widget->setFont(designedFont(made++));
        widget->move(5 * i, 5 * i);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    for (const char *title : {"File", "Themes", "Help"}) {
        QMenu *menu = window.menuBar()->addMenu(QLatin1String(title));
        for (int i = 0; i < kMenuItems / 3 + 1; ++i)
            menu->addAction(QStringLiteral("Item"));
    }
    auto *client = new QWidget;
    window.setCentralWidget(client);
    auto *frame = new QFrame(client);
    add<QLabel>(kLabels, frame);
    add<QFrame>(kLines, frame);
    add<QLineEdit>(kLineEdits, frame);
    add<QComboBox>(kCombos, frame);
    for (auto *combo : frame->findChildren<QComboBox *>())
        combo->setEditable(true); // the kind the calculator has
    add<QCheckBox>(kCheckBoxes, frame);
    add<QPushButton>(kButtons, frame);
    add<QPlainTextEdit>(kTextBoxes, frame);
    add<QFrame>(kPanels, frame);
    for (const char *drawing : {":/cylinder.svg", ":/piston.svg", ":/cylinder.svg"})
        (new Drawing(QLatin1String(drawing), frame))->resize(128, 38);
    window.setWindowIcon(QIcon(QStringLiteral(":/icon.svg")));
    window.resize(334, 434);
    showReportAndClose(&window);
    return QApplication::exec();
}
