// SPDX-License-Identifier: MIT
// Renders the one icon drawing into what desktops want:
//   make-icons ICON.svg OUTDIR NAME
// writes OUTDIR/hicolor/<n>x<n>/apps/NAME.png for the sizes of the icon theme, and
// OUTDIR/NAME.ico with the 17 images a Windows program file carries: 48, 32, 24 and 16 px
// in 16 and in 256 colours, and 256, 128, 64, 48, 40, 32, 24, 20 and 16 px in 32-bit colour
// with alpha (20 and 40 are the small icons at 125 and 200 %, 256 the large ones).
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>

namespace {

QImage render(QSvgRenderer &drawing, int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    drawing.render(&painter);
    return image;
}

// The 16 colours of the classic palette that 16-colour icons are drawn in.
QList<QRgb> classicPalette()
{
    return {0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080, 0xff008080, 0xffc0c0c0,
            0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00, 0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff};
}

template<typename T>
void put(QByteArray &out, T value)
{
    const T little = qToLittleEndian(value);
    out.append(reinterpret_cast<const char *>(&little), sizeof little);
}

int stride(int width, int bits)
{
    return (width * bits + 31) / 32 * 4;
}

// One image as a device-independent bitmap: header, palette, colour rows and the 1-bit
// transparency mask, both bottom-up.
QByteArray bitmap(const QImage &source, int bits)
{
    const int size = source.width();
    QImage image = source;
    if (bits == 4)
        image = source.convertToFormat(QImage::Format_Indexed8, classicPalette(), Qt::ThresholdDither);
    else if (bits == 8)
        image = source.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);

    QByteArray out;
    put<quint32>(out, 40);
    put<qint32>(out, size);
    put<qint32>(out, size * 2); // colour rows and mask rows
    put<quint16>(out, 1);
    put<quint16>(out, quint16(bits));
    put<quint32>(out, 0);
    put<quint32>(out, quint32((stride(size, bits) + stride(size, 1)) * size));
    for (int i = 0; i < 4; ++i)
        put<quint32>(out, 0);
    if (bits <= 8) {
        const QList<QRgb> colours = image.colorTable();
        for (int i = 0; i < (1 << bits); ++i) {
            const QRgb colour = i < colours.size() ? colours[i] : 0;
            out.append(char(qBlue(colour))).append(char(qGreen(colour))).append(char(qRed(colour))).append('\0');
        }
    }
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row(stride(size, bits), '\0');
        for (int x = 0; x < size; ++x) {
            if (bits == 32) {
                const QRgb pixel = source.pixel(x, y);
                const qsizetype at = qsizetype(x) * 4;
                row[at] = char(qBlue(pixel));
                row[at + 1] = char(qGreen(pixel));
                row[at + 2] = char(qRed(pixel));
                row[at + 3] = char(qAlpha(pixel));
            } else if (bits == 8) {
                row[x] = char(image.pixelIndex(x, y));
            } else {
                row[x / 2] = char(row[x / 2] | image.pixelIndex(x, y) << (x % 2 ? 0 : 4));
            }
        }
        out.append(row);
    }
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row(stride(size, 1), '\0');
        for (int x = 0; x < size; ++x)
            if (qAlpha(source.pixel(x, y)) < 128)
                row[x / 8] = char(row[x / 8] | 0x80 >> (x % 8));
        out.append(row);
    }
    return out;
}

// The large image as PNG, as Windows reads it since Vista: a quarter of the bitmap's size.
QByteArray png(const QImage &image)
{
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return out;
}

QByteArray icoFile(QSvgRenderer &drawing)
{
    const std::pair<int, int> images[] = {{48, 4},  {32, 4},  {24, 4},   {16, 4},   {48, 8},  {32, 8},
                                          {24, 8},  {16, 8},  {256, 32}, {128, 32}, {64, 32}, {48, 32},
                                          {40, 32}, {32, 32}, {24, 32},  {20, 32},  {16, 32}};
    QByteArray directory, data;
    put<quint16>(directory, 0);
    put<quint16>(directory, 1);
    put<quint16>(directory, quint16(std::size(images)));
    const int start = 6 + 16 * int(std::size(images));
    for (const auto &[size, bits] : images) {
        const QByteArray image = size == 256 ? png(render(drawing, size)) : bitmap(render(drawing, size), bits);
        // A width and height of 256 are written as 0.
        directory.append(char(size % 256)).append(char(size % 256)).append(char(bits == 4 ? 16 : 0)).append('\0');
        put<quint16>(directory, 1);
        put<quint16>(directory, quint16(bits));
        put<quint32>(directory, quint32(image.size()));
        put<quint32>(directory, quint32(start + data.size()));
        data.append(image);
    }
    return directory + data;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 4) {
        qWarning("usage: make-icons ICON.svg OUTDIR NAME");
        return 2;
    }
    QSvgRenderer drawing(args[1]);
    if (!drawing.isValid()) {
        qWarning("cannot read %s", qPrintable(args[1]));
        return 1;
    }
    const QDir out(args[2]);
    for (int size : {16, 24, 32, 48, 64, 128}) {
        const QString folder = QStringLiteral("hicolor/%1x%1/apps").arg(size);
        if (!out.mkpath(folder)
            || !render(drawing, size).save(out.filePath(folder + QLatin1Char('/') + args[3] + QLatin1String(".png"))))
            return 1;
    }
    QFile ico(out.filePath(args[3] + QLatin1String(".ico")));
    return ico.open(QIODevice::WriteOnly) && ico.write(icoFile(drawing)) > 0 ? 0 : 1;
}
