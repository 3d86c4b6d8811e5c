// SPDX-License-Identifier: MIT
// The reference: the window as it first shows, built from the same design rows by the same
// factory and laid out the same, with none of the program's logic (no settings, themes,
// panels, accessibility, frame fitting or handlers).
#include "probe.h"
#include "widgets/controls.h"
#include "widgets/twips.h"
#include "window/design.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    nameApplication();
    QMainWindow window;
    window.setWindowTitle(QString::fromUtf8(Design::kCaption));
    window.setWindowIcon(QIcon(new DrawingIconEngine(QStringLiteral(":/icon.svg"))));
    window.setFont(designFont(Font::Body));
    QHash<QString, QMenu *> menus;
    for (const MenuSpec &row : Design::kMenus) {
        const QString caption = QString::fromUtf8(row.caption);
        if (row.menu)
            menus.value(QLatin1String(row.menu))->addAction(caption)->setCheckable(row.mark != Mark::None);
        else
            menus.insert(QLatin1String(row.name), window.menuBar()->addMenu(caption));
    }

    auto *client = new QWidget;
    client->setAutoFillBackground(true);
    window.setCentralWidget(client);
    auto *frame = new QFrame(client);
    frame->setAutoFillBackground(true);
    frame->setGeometry(Twips::rect(Design::kFrameLeft, 0, Design::kNarrowFrameWidth, Design::kFrameHeight));
    for (const ControlSpec &row : Design::kPictures)
        createControl(row, frame);
    for (const LineSpec &row : Design::kLines)
        createLine(row, frame);
    for (const auto &table : {Design::kLabels, Design::kInputs})
        for (const ControlSpec &row : table)
            createControl(row, frame);
    for (const ListSpec &list : Design::kLists) {
        auto *combo = frame->findChild<QComboBox *>(QLatin1String(list.combo));
        const QString shown = combo->currentText();
        for (const char *item : list.items)
            combo->addItem(QString::fromLatin1(item));
        combo->setCurrentIndex(-1);
        combo->setEditText(shown);
    }

    // The narrow layout's outer width, with no frame, and centred.
    window.setFixedSize(Twips::toPixels(Design::kNarrowOuterWidth),
                        window.menuBar()->sizeHint().height() + Twips::toPixels(Design::kClientHeight));
    window.move(window.screen()->availableGeometry().center() - window.rect().center());
    new FirstFrameProbe(&window);
    return QApplication::exec();
}
