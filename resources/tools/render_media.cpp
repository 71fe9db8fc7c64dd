// Draws the board's pictures from colour emoji and the program icon, as PNG files.
//   render_media pictures <folder> <codepoints>...   writes DATA_1.png, DATA_2.png, ...
//   render_media icon <file>
// A codepoint argument is one or more hexadecimal code points joined by '+', e.g. 2708+FE0F.
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QStringList>

#include <cstdio>

namespace {

constexpr int kPictureSide = 90;
constexpr int kFigureSide = 78;
constexpr int kEmojiPixelSize = 109; // the font's only bitmap strike

QString TextOf(const QString &codepoints)
{
    QString text;
    for (const QString &hex : codepoints.split(u'+')) {
        bool ok = false;
        const char32_t cp = hex.toUInt(&ok, 16);
        if (!ok)
            return {};
        text += QString::fromUcs4(&cp, 1);
    }
    return text;
}

// The smallest rectangle holding every pixel that is not fully transparent.
QRect OpaqueBounds(const QImage &image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

QImage RenderPicture(const QString &text)
{
    QImage glyph(2 * kEmojiPixelSize, 2 * kEmojiPixelSize, QImage::Format_ARGB32_Premultiplied);
    glyph.fill(Qt::transparent);
    {
        QFont font(QStringLiteral("Noto Color Emoji"));
        font.setPixelSize(kEmojiPixelSize);
        QPainter painter(&glyph);
        painter.setFont(font);
        painter.drawText(glyph.rect(), Qt::AlignCenter, text);
    }
    const QRect bounds = OpaqueBounds(glyph);
    if (bounds.isEmpty())
        return {};
    const QImage figure = glyph.copy(bounds).scaled(kFigureSide, kFigureSide, Qt::KeepAspectRatio,
                                                    Qt::SmoothTransformation);
    QImage picture(kPictureSide, kPictureSide, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.drawImage((kPictureSide - figure.width()) / 2, (kPictureSide - figure.height()) / 2,
                      figure);
    return picture;
}

// A 4 x 4 board of silver cells with two lit ones, on a light blue panel.
QImage RenderIcon()
{
    constexpr int side = 64, margin = 4, gap = 2, cell = (side - 2 * margin - 3 * gap) / 4;
    QImage icon(side, side, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x40, 0x60, 0x90), 2));
    painter.setBrush(QColor(0xB9, 0xD1, 0xEA));
    painter.drawRoundedRect(QRectF(1, 1, side - 2, side - 2), 6, 6);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            const bool lit = (row == 1 && column == 2) || (row == 2 && column == 0);
            const QRect r(margin + column * (cell + gap), margin + row * (cell + gap), cell, cell);
            painter.fillRect(r, lit ? QColor(0xFF, 0xFF, 0x00) : QColor(0xC0, 0xC0, 0xC0));
            painter.setPen(QColor(0x80, 0x80, 0x80));
            painter.drawLine(r.topLeft(), r.topRight());
            painter.drawLine(r.topLeft(), r.bottomLeft());
            painter.setPen(Qt::white);
            painter.drawLine(r.bottomLeft(), r.bottomRight());
            painter.drawLine(r.topRight(), r.bottomRight());
        }
    }
    return icon;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == u"icon")
        return RenderIcon().save(args[2]) ? 0 : 1;
    if (args.size() < 4 || args[1] != u"pictures") {
        std::fputs("usage: render_media pictures <folder> <codepoints>... | icon <file>\n", stderr);
        return 2;
    }
    for (int i = 3; i < args.size(); ++i) {
        const QImage picture = RenderPicture(TextOf(args[i]));
        const QString file = QStringLiteral("%1/DATA_%2.png").arg(args[2]).arg(i - 2);
        if (picture.isNull() || !picture.save(file)) {
            std::fprintf(stderr, "cannot draw %s into %s\n", qPrintable(args[i]), qPrintable(file));
            return 1;
        }
    }
    return 0;
}
