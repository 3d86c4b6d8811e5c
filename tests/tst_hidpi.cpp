// SPDX-License-Identifier: MIT
// Runs with QT_SCALE_FACTOR=2: the window doubles and its drawings stay sharp.
#include "formtest.h"

#include <QPainter>
#include <QSvgRenderer>

class HighDpiTest : public QObject
{
    Q_OBJECT
private slots:
    void windowRendersAtTwiceTheSizeWithSharpDrawings();
    void nothingIsClipped();
};

void HighDpiTest::windowRendersAtTwiceTheSizeWithSharpDrawings()
{
    FormUnderTest t;
    t.form->show();
    QCOMPARE(t.form->devicePixelRatioF(), 2.0);
    const QPixmap shot = t.form->grab();
    QCOMPARE(shot.size(), t.form->size() * 2);

    // The piston is drawn from its vector source at device resolution, not scaled up.
    QWidget *piston = t.find("Image3");
    QImage direct(piston->size() * 2, QImage::Format_ARGB32_Premultiplied);
    direct.fill(Qt::transparent);
    QPainter painter(&direct);
    QSvgRenderer(QStringLiteral(":/piston.svg")).render(&painter);
    painter.end();
    const QImage drawn = piston->grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QCOMPARE(drawn.size(), direct.size());
    const int y = direct.height() / 2;
    for (int x = 0; x < direct.width(); ++x)
        if (direct.pixelColor(x, y).alpha() == 255)
            QCOMPARE(drawn.pixelColor(x, y), direct.pixelColor(x, y));

    const QList<QSize> iconSizes = t.form->windowIcon().availableSizes();
    QVERIFY(iconSizes.contains(QSize(128, 128)));
}

void HighDpiTest::nothingIsClipped()
{
    FormUnderTest t;
    t.form->show();
    for (QLabel *label : t.form->findChildren<QLabel *>()) {
        if (label->text().isEmpty() || label->objectName().isEmpty())
            continue;
        QVERIFY2(label->width() >= label->fontMetrics().horizontalAdvance(label->text()),
                 qPrintable(label->objectName()));
        const QRect bounds = label->parentWidget()->rect();
        QVERIFY2(bounds.contains(label->geometry()), qPrintable(label->objectName()));
    }
}

QTEST_MAIN(HighDpiTest)
#include "tst_hidpi.moc"
