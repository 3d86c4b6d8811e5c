// SPDX-License-Identifier: MIT
// Runs with QT_SCALE_FACTOR=2: the window doubles and its drawings stay sharp.
#include "formtest.h"

#include <QPainter>
#include <QSvgRenderer>

class HighDpiTest : public QObject
{
    Q_OBJECT
private slots:
    void windowRendersAtTwiceTheSizeAndSharp();
};

void HighDpiTest::windowRendersAtTwiceTheSizeAndSharp()
{
    FormUnderTest t;
    t.form->show();
    QCOMPARE(t.form->grab().size(), t.form->size() * 2);
    for (int size : {16, 24, 32, 48, 64, 128})
        QVERIFY(t.form->windowIcon().availableSizes().contains(QSize(size, size)));

    // The piston is drawn from its vector source at device resolution, not scaled up.
    QWidget *piston = t.find("Image3");
    QImage direct(piston->size() * 2, QImage::Format_ARGB32_Premultiplied);
    direct.fill(Qt::transparent);
    QPainter painter(&direct);
    QSvgRenderer(QStringLiteral(":/piston.svg")).render(&painter);
    painter.end();
    const QImage drawn = piston->grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int x = 0, y = direct.height() / 2; x < direct.width(); ++x)
        if (direct.pixelColor(x, y).alpha() == 255)
            QCOMPARE(drawn.pixelColor(x, y), direct.pixelColor(x, y));
}

QTEST_MAIN(HighDpiTest)
#include "tst_hidpi.moc"
