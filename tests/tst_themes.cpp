// SPDX-License-Identifier: MIT
#include "formtest.h"

#include "appearance/themes.h"

#include <QCheckBox>
#include <QStyleFactory>

class ThemesTest : public QObject
{
    Q_OBJECT
private slots:
    void eachRoleShowsItsColourInThePixels_data();
    void eachRoleShowsItsColourInThePixels();
    void exactlyOneThemeIsMarkedAfterEveryPick();
    void verdictColoursAndThePanelsAreLeftAlone();
    void defaultFollowsTheDesktopAndTurnsTheRatioHeadingToButtonText();
    void buttonFacesShowUnderEveryStyle();
    void theRatioBoxLooksTheSameUnderEveryThemeInFusion();
};

namespace {

// One representative control of each role, and a point inside it that shows the colour.
QColor backOf(const FormUnderTest &t, const char *name)
{
    QWidget *widget = t.find(name);
    return pixelOf(widget, QPoint(widget->width() - 3, widget->height() - 3));
}

QColor lineColour(const FormUnderTest &t)
{
    QWidget *line = t.find("Line1");
    return pixelOf(line, QPoint(line->width() / 2, 0));
}

void useStyle(const FormUnderTest &t, QStyle *style)
{
    t.form->setStyle(style);
    for (QWidget *child : t.form->findChildren<QWidget *>())
        child->setStyle(style);
}

} // namespace

void ThemesTest::eachRoleShowsItsColourInThePixels_data()
{
    // clang-format off
    QTest::addColumn<int>("theme");
    QTest::addColumn<QColor>("panel");
    QTest::addColumn<QColor>("button");
    QTest::newRow("sky") << int(Theme::Sky) << QColor(0, 0, 64) << QColor(192, 255, 192);
    QTest::newRow("earth") << int(Theme::Earth) << QColor(64, 0, 0) << QColor(255, 224, 192);
    // clang-format on
}

void ThemesTest::eachRoleShowsItsColourInThePixels()
{
    QFETCH(int, theme);
    QFETCH(QColor, panel);
    QFETCH(QColor, button);
    FormUnderTest t;
    t.form->show();
    theme == int(Theme::Sky) ? t.trigger("sky") : t.trigger("earth");
    const QColor lightBlue(192, 192, 255);
    QCOMPARE(backOf(t, "Frame1"), panel);
    QCOMPARE(pixelOf(t.form->centralWidget(), QPoint(1, 100)), panel); // the window around Frame1
    QCOMPARE(backOf(t, "Label2"), panel);
    QCOMPARE(backOf(t, "Check2"), panel);
    QCOMPARE(backOf(t, "Text5"), lightBlue);
    QCOMPARE(backOf(t, "Text1"), lightBlue);
    QCOMPARE(pixelOf(t.find<QComboBox>("Combo1")->lineEdit(), QPoint(2, 2)), lightBlue);
    QCOMPARE(lineColour(t), QColor(Qt::white));
    QCOMPARE(pixelOf(t.find("Command1"), QPoint(8, 8)), button);
    QCOMPARE(pixelOf(t.find("Command2"), QPoint(4, 4)), button);
    for (const char *label : {"Label2", "Label15", "Label18", "Label25", "Check1"}) {
        QWidget *widget = t.find(label);
        QCOMPARE(widget->palette().color(widget->foregroundRole()), QColor(Qt::white));
    }
    // Transparent labels show the frame's colour through.
    QWidget *transparent = t.find("Label15");
    QCOMPARE(pixelOf(transparent, QPoint(0, transparent->height() - 1)), panel);
}

void ThemesTest::exactlyOneThemeIsMarkedAfterEveryPick()
{
    FormUnderTest t;
    const auto marked = [&t] {
        QStringList names;
        for (const char *name : {"default", "sky", "earth"})
            if (t.action(name)->isChecked())
                names.append(QLatin1String(name));
        return names;
    };
    for (const char *pick : {"sky", "earth", "default", "default", "sky", "sky"}) {
        t.action(pick)->trigger();
        QCOMPARE(marked(), QStringList{QLatin1String(pick)});
    }
    QCOMPARE(backOf(t, "Frame1"), QColor(0, 0, 64));
}

void ThemesTest::verdictColoursAndThePanelsAreLeftAlone()
{
    FormUnderTest t;
    t.form->show();
    const QColor base = QApplication::palette().color(QPalette::Base);
    t.trigger("sky");
    QCOMPARE(backOf(t, "Text9"), base); // before any computation: its design colour

    t.enterMeasurements();
    t.click("Command1");
    t.trigger("how2use");
    t.trigger("earth");
    const QColor green(0, 192, 0);
    QCOMPARE(backOf(t, "Text9"), green);
    auto *verdict = t.find<QLabel>("Label1");
    QCOMPARE(verdict->palette().color(verdict->foregroundRole()), green);
    QCOMPARE(backOf(t, "Label1"), QColor(64, 0, 0));

    const QColor lavender(192, 192, 255);
    QCOMPARE(backOf(t, "Frame4"), lavender);
    QCOMPARE(backOf(t, "Text12"), lavender);
    auto *close = t.find<QLabel>("close4");
    QCOMPARE(close->palette().color(close->foregroundRole()), QColor(255, 0, 0));
    QCOMPARE(colorOf(t.find("Line5"), ColorProperty::Border), SystemColor::WindowText);
    QCOMPARE(t.find("Line5")->palette().color(QPalette::WindowText), QApplication::palette().color(QPalette::Text));
}

void ThemesTest::defaultFollowsTheDesktopAndTurnsTheRatioHeadingToButtonText()
{
    const QPalette desktop = QApplication::palette();
    FormUnderTest t("default|0|noanime\r\n", true); // starts in the design colours
    t.form->show();
    auto *heading = t.find<QLabel>("Label10");
    QCOMPARE(heading->palette().color(heading->foregroundRole()), QColor(0, 0, 64)); // navy as designed
    t.trigger("sky");
    t.trigger("default");
    QCOMPARE(heading->palette().color(heading->foregroundRole()), desktop.color(QPalette::ButtonText));
    QCOMPARE(backOf(t, "Frame1"), desktop.color(QPalette::Button));
    QCOMPARE(backOf(t, "Text5"), desktop.color(QPalette::Base));
    QCOMPARE(lineColour(t), desktop.color(QPalette::Text));

    QPalette dark = desktop;
    dark.setColor(QPalette::Button, QColor(40, 40, 40));
    dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    dark.setColor(QPalette::Base, QColor(20, 20, 20));
    dark.setColor(QPalette::Text, QColor(240, 240, 240));
    QApplication::setPalette(dark);
    QCOMPARE(backOf(t, "Frame1"), QColor(40, 40, 40));
    QCOMPARE(backOf(t, "Text5"), QColor(20, 20, 20));
    QCOMPARE(lineColour(t), QColor(240, 240, 240));
    QCOMPARE(heading->palette().color(heading->foregroundRole()), QColor(230, 230, 230));
    QApplication::setPalette(desktop);
}

void ThemesTest::buttonFacesShowUnderEveryStyle()
{
    for (const QString &name : QStyleFactory::keys()) {
        const std::unique_ptr<QStyle> style(QStyleFactory::create(name)); // outlives the window using it
        FormUnderTest t;
        useStyle(t, style.get());
        t.form->show();
        t.trigger("earth");
        QCOMPARE(pixelOf(t.find("Command1"), QPoint(8, 8)), QColor(255, 224, 192));
    }
}

void ThemesTest::theRatioBoxLooksTheSameUnderEveryThemeInFusion()
{
    // Fusion outlines a box in a shade of its surroundings' colour.
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    QVERIFY(fusion);
    FormUnderTest t;
    useStyle(t, fusion.get());
    t.form->show();
    QWidget *ratio = t.find("Text9");
    const QImage designed = ratio->grab().toImage();
    for (const char *theme : {"sky", "earth", "default"}) {
        t.trigger(theme);
        QCOMPARE(ratio->grab().toImage(), designed);
    }

    const QPalette desktop = QApplication::palette(); // and it follows the desktop's scheme
    QPalette dark = desktop;
    dark.setColor(QPalette::Button, QColor(40, 40, 40));
    QApplication::setPalette(dark);
    QCOMPARE(ratio->palette().color(QPalette::Window), QColor(40, 40, 40));
    QApplication::setPalette(desktop);
}

QTEST_MAIN(ThemesTest)
#include "tst_themes.moc"
