// SPDX-License-Identifier: MIT
// The window as a user sees it, compared with approved pictures: a wrong caption, font,
// position, colour or help text shows up as pixels. After an intended change of the looks,
// scripts/approve-pictures renders the pictures anew; look at them before committing.
#include "formtest.h"

#include <QDir>
#include <QPainter>
#include <QSvgRenderer>

class PicturesTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void looksAsApproved_data();
    void looksAsApproved();
    void init();
    void windowRendersAtTheScreensScaleAndSharp();
};

namespace {

const QString kApproved = QStringLiteral(SOURCE_DIR "/tests/approved");

// Pixels whose channels differ by more than kChannelTolerance count as different, and none
// may: antialiasing may shade an edge a little differently, but a missing full stop is a
// handful of pixels.
constexpr int kChannelTolerance = 24;
constexpr int kPixelTolerance = 0;

int differingPixels(const QImage &actual, const QImage &approved, QImage *marks)
{
    int count = 0;
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            const QColor a = actual.pixelColor(x, y);
            const QColor b = approved.pixelColor(x, y);
            if (std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()), std::abs(a.blue() - b.blue())})
                > kChannelTolerance) {
                ++count;
                marks->setPixelColor(x, y, Qt::magenta);
            }
        }
    }
    return count;
}

} // namespace

void PicturesTest::initTestCase()
{
    QLocale::setDefault(QLocale::c());
}

void PicturesTest::init()
{
    QCursor::setPos(-100, -100); // away from every window, so that no control starts under it
}

void PicturesTest::looksAsApproved_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::newRow("default") << QStringList{};
    QTest::newRow("sky") << QStringList{"sky"};
    QTest::newRow("earth") << QStringList{"earth"};
    QTest::newRow("ok-default") << QStringList{"compute"};
    QTest::newRow("under-sky") << QStringList{"sky", "under"};
    QTest::newRow("over-earth") << QStringList{"over", "earth"}; // the theme leaves the verdict alone
    QTest::newRow("how2use") << QStringList{"how2use"};
    QTest::newRow("cylmeas-sky") << QStringList{"sky", "cylmeas"};
    QTest::newRow("vormektypes") << QStringList{"vormektypes"};
    QTest::newRow("info-earth") << QStringList{"earth", "info"};
    QTest::newRow("converted") << QStringList{"convert"};
    // Held down by the mouse, or under the pointer.
    QTest::newRow("pressed-compute-sky") << QStringList{"sky", "press Command1"};
    QTest::newRow("pressed-convert-earth") << QStringList{"earth", "press Command2"};
    QTest::newRow("pressed-animate") << QStringList{"press Check1"};
    QTest::newRow("pressed-pad-earth") << QStringList{"earth", "press Check2"};
    QTest::newRow("hover-bore") << QStringList{"hover Combo1"};
    QTest::newRow("hover-cylinder-bore-sky") << QStringList{"sky", "hover Combo3"};
    QTest::newRow("hover-compute-earth") << QStringList{"earth", "hover Command1"};
}

void PicturesTest::looksAsApproved()
{
    QFETCH(QStringList, steps);
    FormUnderTest t;
    QWidget *held = nullptr;
    const auto release = qScopeGuard([&held] { // off the control, so that it does not click
        if (held)
            QTest::mouseRelease(held, Qt::LeftButton, {}, QPoint(-1, -1));
    });
    t.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(t.form.get()));
    for (const QString &step : std::as_const(steps)) {
        const QString mouse = step.section(QLatin1Char(' '), 0, 0);
        QWidget *target = t.form->findChild<QWidget *>(step.section(QLatin1Char(' '), 1));
        if (mouse == QLatin1String("press")) {
            QTest::mousePress(held = target, Qt::LeftButton);
        } else if (mouse == QLatin1String("hover")) {
            QTest::mouseMove(target);
        } else if (step == QLatin1String("compute") || step == QLatin1String("under")
                   || step == QLatin1String("over")) {
            // The typical measurements with a 363 mm barrel are Ok, with 229 mm Over, 650 mm Under.
            t.enterMeasurements(step == QLatin1String("over")        ? QStringLiteral("229")
                                    : step == QLatin1String("under") ? QStringLiteral("650")
                                                                     : QStringLiteral("363"));
            t.click("Command1");
        } else if (step == QLatin1String("convert")) {
            t.setText("Text1", QStringLiteral("1"));
            t.click("Command2");
        } else {
            t.trigger(qPrintable(step));
        }
    }
    const QImage actual = t.form->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString name = QString::fromLatin1(QTest::currentDataTag()) + QLatin1String(".png");

    if (qEnvironmentVariableIsSet("APPROVE_PICTURES")) {
        QDir().mkpath(kApproved);
        QVERIFY(actual.save(QDir(kApproved).filePath(name)));
        return;
    }
    const QImage approved = QImage(QDir(kApproved).filePath(name)).convertToFormat(QImage::Format_RGB32);
    const QString rejected = QDir::current().filePath(QLatin1String("rejected-") + name);
    QImage marks = actual;
    const int differing = actual.size() == approved.size() ? differingPixels(actual, approved, &marks) : -1;
    if (differing < 0 || differing > kPixelTolerance)
        marks.save(rejected);
    QVERIFY2(differing >= 0 && differing <= kPixelTolerance,
             qPrintable(QStringLiteral("%1 pixels differ (-1: the size) from the approved %2; see %3")
                            .arg(differing)
                            .arg(name, rejected)));
}

// Run alone with QT_SCALE_FACTOR=2 as well: the window doubles, its drawings stay sharp.
void PicturesTest::windowRendersAtTheScreensScaleAndSharp()
{
    FormUnderTest t;
    t.form->show();
    const qreal scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
    QCOMPARE(t.form->grab().size(), t.form->size() * scale);
    for (int size : {16, 24, 32, 48, 64, 128})
        QVERIFY(t.form->windowIcon().availableSizes().contains(QSize(size, size)));

    // The piston is drawn from its vector source at device resolution, not scaled up.
    QWidget *piston = t.find("Image3");
    QImage direct(piston->size() * scale, QImage::Format_ARGB32_Premultiplied);
    direct.fill(Qt::transparent);
    QPainter painter(&direct);
    QSvgRenderer(QStringLiteral(":/piston.svg")).render(&painter);
    painter.end();
    const QImage drawn = piston->grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int x = 0, y = direct.height() / 2; x < direct.width() && scale > 1; ++x) // at 1, the pictures above
        if (direct.pixelColor(x, y).alpha() == 255)
            QCOMPARE(drawn.pixelColor(x, y), direct.pixelColor(x, y));
}

QTEST_MAIN(PicturesTest)
#include "tst_pictures.moc"
