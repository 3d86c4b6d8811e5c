// SPDX-License-Identifier: MIT
#include "formtest.h"

#include <QMenuBar>
#include <QScopeGuard>
#include <QStyleFactory>

class ThemesTest : public QObject
{
    Q_OBJECT
private slots:
    void eachRoleShowsItsColour_data();
    void eachRoleShowsItsColour();
    void exactlyOneThemeIsMarkedAndNoneTouchesVerdictsPanelsOrMenuBar();
    void buttonFacesShowAndTheRatioBoxStaysUnderEveryStyle();
};

namespace {
// A desktop colour scheme: button face, button text, window background and window text.
void setDesktop(QColor button, QColor buttonText, QColor base, QColor text)
{
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Button, button);
    palette.setColor(QPalette::ButtonText, buttonText);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::Text, text);
    QApplication::setPalette(palette);
}

// Whether the control shows the colour near its bottom right corner, or anywhere in it.
bool shows(QWidget *widget, const QColor &colour, bool anywhere = false)
{
    const QImage image = widget->grab().toImage();
    if (!anywhere)
        return image.pixelColor(image.width() - 3, image.height() - 3) == colour;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour)
                return true;
    return false;
}
} // namespace

void ThemesTest::eachRoleShowsItsColour_data()
{
    QTest::addColumn<QByteArray>("theme");
    QTest::addColumn<QByteArray>("control");
    QTest::addColumn<QColor>("colour");
    // Label10, navy as designed, takes the lettering colour like the other labels.
    const auto add = [](const char *theme, const QList<QColor> &colours) {
        const char *const controls[] = {"Frame1", "Label10", "Text5", "Line1", "Command1"};
        for (int role = 0; role < 5; ++role)
            QTest::addRow("%s %s", theme, controls[role])
                << QByteArray(theme) << QByteArray(controls[role]) << colours[role];
    };
    add("default", {{200, 210, 220}, {10, 20, 90}, {250, 240, 230}, {90, 10, 20}, {200, 210, 220}});
    add("desktop change", {{40, 40, 40}, {230, 230, 230}, {20, 20, 20}, {240, 240, 240}, {40, 40, 40}});
    add("sky", {{0, 0, 64}, Qt::white, {192, 192, 255}, Qt::white, {192, 255, 192}});
    add("earth", {{64, 0, 0}, Qt::white, {192, 192, 255}, Qt::white, {255, 224, 192}});
}

void ThemesTest::eachRoleShowsItsColour()
{
    QFETCH(QByteArray, theme);
    QFETCH(QByteArray, control);
    QFETCH(QColor, colour);
    const QPalette desktop = QApplication::palette();
    const auto restore = qScopeGuard([&desktop] { QApplication::setPalette(desktop); });
    setDesktop({200, 210, 220}, {10, 20, 90}, {250, 240, 230}, {90, 10, 20});
    FormUnderTest t;
    t.form->show();
    t.trigger("sky");
    t.trigger(theme == "desktop change" ? "default" : theme.constData());
    if (theme == "desktop change") // the system colours are looked up again
        setDesktop({40, 40, 40}, {230, 230, 230}, {20, 20, 20}, {240, 240, 240});
    QVERIFY(shows(t.find(control.constData()), colour, control.startsWith("L")));
}

void ThemesTest::exactlyOneThemeIsMarkedAndNoneTouchesVerdictsPanelsOrMenuBar()
{
    FormUnderTest t;
    t.form->show();
    const QImage menuBar = t.form->menuBar()->grab().toImage();
    for (const char *pick : {"earth", "default", "default", "sky", "sky"}) {
        t.trigger(pick);
        for (const char *name : {"default", "sky", "earth"})
            QCOMPARE(t.action(name)->isChecked(), qstrcmp(name, pick) == 0);
    }
    QCOMPARE(t.form->menuBar()->grab().toImage(), menuBar);
    QVERIFY(shows(t.find("Text9"), QApplication::palette().color(QPalette::Base))); // no verdict yet

    t.enterMeasurements();
    t.click("Command1");
    t.trigger("how2use");
    t.trigger("earth");
    QVERIFY(shows(t.find("Text9"), QColor(0, 192, 0)));
    QVERIFY(shows(t.find("Label1"), QColor(0, 192, 0), true));
    QVERIFY(shows(t.find("Label1"), QColor(64, 0, 0)));
    QVERIFY(shows(t.find("Frame4"), QColor(192, 192, 255)));
    QVERIFY(shows(t.find("Text12"), QColor(192, 192, 255)));
    QVERIFY(shows(t.find("close4"), QColor(255, 0, 0), true));
    t.trigger("cylmeas");
    QVERIFY(shows(t.find("Line5"), QApplication::palette().color(QPalette::Text), true));
}

void ThemesTest::buttonFacesShowAndTheRatioBoxStaysUnderEveryStyle()
{
    for (const QString &name : QStyleFactory::keys()) {
        const std::unique_ptr<QStyle> style(QStyleFactory::create(name)); // outlives the window using it
        FormUnderTest t;
        t.form->setStyle(style.get());
        for (QWidget *child : t.form->findChildren<QWidget *>())
            child->setStyle(style.get());
        t.form->show();
        const QImage ratio = t.find("Text9")->grab().toImage();
        t.trigger("earth");
        QVERIFY2(shows(t.find("Command1"), QColor(255, 224, 192)), qPrintable(name));
        QVERIFY2(t.find("Text9")->grab().toImage() == ratio, qPrintable(name));
    }
}

QTEST_MAIN(ThemesTest)
#include "tst_themes.moc"
