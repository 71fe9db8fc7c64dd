// Draws the board's pictures from colour emoji, as PNG files.
//   render_media pictures <folder> <codepoints>...   writes DATA_1.png, DATA_2.png, ...
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

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4 || args[1] != u"pictures") {
        std::fputs("usage: render_media pictures <folder> <codepoints>...\n", stderr);
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
