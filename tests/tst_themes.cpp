// SPDX-License-Identifier: MIT
#include "formtest.h"

#include <QMenuBar>
#include <QStyleFactory>

class ThemesTest : public QObject
{
    Q_OBJECT
private slots:
    void eachRoleShowsItsColour_data();
    void eachRoleShowsItsColour();
};

namespace {
void setDesktop(const QList<QColor> &colours) // button face, button text, window background, window text
{
    const QPalette::ColorRole roles[] = {QPalette::Button, QPalette::ButtonText, QPalette::Base, QPalette::Text};
    QPalette palette = QApplication::palette();
    for (int i = 0; i < 4; ++i)
        palette.setColor(roles[i], colours[i]);
    QApplication::setPalette(palette);
}
bool shows(QWidget *widget, const QColor &colour)
{
    const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const auto *pixels = reinterpret_cast<const QRgb *>(image.constBits());
    return std::count(pixels, pixels + image.width() * image.height(), colour.rgb()) > 0;
}
// The first pixel of the window, menu bar aside, that no control covers and that does not show
// the colour: the strips of the client area around Frame1 and Frame1's ground between controls.
QString strayGround(QMainWindow *window, const QColor &colour)
{
    const QImage image = window->grab().toImage();
    QRegion ground = QRegion(window->rect()) - window->menuBar()->geometry();
    for (QWidget *control : window->findChild<QWidget *>(QStringLiteral("Frame1"))->findChildren<QWidget *>())
        if (control->isVisibleTo(window))
            ground -= QRect(control->mapTo(window, QPoint()), control->size());
    for (const QRect &rect : ground)
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                if (image.pixelColor(x, y) != colour)
                    return QStringLiteral("(%1, %2) %3").arg(x).arg(y).arg(image.pixelColor(x, y).name());
    return {};
}
} // namespace

void ThemesTest::eachRoleShowsItsColour_data()
{
    QTest::addColumn<QByteArray>("theme");
    QTest::addColumn<QByteArray>("control");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QString>("style");
    // Label10, navy as designed, takes the lettering colour like the other labels.
    const auto add = [](const char *theme, const QList<QColor> &colours) {
        const char *const controls[] = {"Frame1", "Label10", "Text5", "Line1", "Command1"};
        for (const QString &style : QStyleFactory::keys()) // button faces show under every style
            for (int role = 0; role < 5; ++role)
                QTest::addRow("%s %s %s", theme, controls[role], qPrintable(style))
                    << QByteArray(theme) << QByteArray(controls[role]) << colours[role] << style;
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
    QFETCH(QString, style);
    QApplication::setStyle(style);
    setDesktop({{200, 210, 220}, {10, 20, 90}, {250, 240, 230}, {90, 10, 20}});
    FormUnderTest t;
    const QByteArray pick = theme == "desktop change" ? QByteArray("default") : theme;
    t.trigger("sky");
    t.trigger(pick.constData());
    if (pick != theme)
        setDesktop({{40, 40, 40}, {230, 230, 230}, {20, 20, 20}, {240, 240, 240}});
    for (const char *name : {"default", "sky", "earth"}) // picked again or not, one theme is marked
        QCOMPARE(t.action(name)->isChecked(), pick == name);
    QWidget *widget = t.find(control.constData());
    QVERIFY(control.startsWith("L") ? shows(widget, colour) : pixelOf(widget, QPoint(3, 3)) == colour);
    if (control == "Frame1") { // and all around the controls, in the narrow and the wide layout
        t.form->show();
        QCOMPARE(strayGround(t.form.get(), colour), QString());
        t.trigger("how2use");
        QCOMPARE(strayGround(t.form.get(), colour), QString());
    }
}

QTEST_MAIN(ThemesTest)
#include "tst_themes.moc"
