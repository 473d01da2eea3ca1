#include "EmojiPainter.h"

#include "TileCanvas.h"

#include <QPainter>

namespace EmojiPainter {

namespace {

constexpr int kGlyphPixels = 160;
constexpr int kGlyphBox = 160;           // leaves a rim of background around the emoji
constexpr int kMinColouredPixels = 1500; // a real emoji colours far more; a blank none

QImage renderGlyph(const QFont& font, const QString& emoji) {
    QImage glyph(2 * kGlyphPixels, 2 * kGlyphPixels, QImage::Format_ARGB32_Premultiplied);
    glyph.fill(Qt::transparent);
    QPainter painter(&glyph);
    painter.setFont(font);
    painter.drawText(glyph.rect(), Qt::AlignCenter, emoji);
    return glyph;
}

QRect opaqueBounds(const QImage& glyph) {
    QRect bounds;
    for (int y = 0; y < glyph.height(); ++y) {
        for (int x = 0; x < glyph.width(); ++x) {
            if (qAlpha(glyph.pixel(x, y)) > 0) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

int countColouredPixels(const QImage& glyph) {
    int count = 0;
    for (int y = 0; y < glyph.height(); ++y) {
        for (int x = 0; x < glyph.width(); ++x) {
            const QColor pixel = glyph.pixelColor(x, y);
            if (pixel.alpha() > 128 && pixel.hsvSaturation() > 64) {
                ++count;
            }
        }
    }
    return count;
}

} // namespace

QFont emojiFont() {
    QFont font(QStringLiteral("Noto Color Emoji"));
    font.setPixelSize(kGlyphPixels);
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

std::optional<QImage> drawEmojiTile(const QFont& font, const QString& emoji,
                                    const QColor& background) {
    const QImage glyph = renderGlyph(font, emoji);
    if (countColouredPixels(glyph) < kMinColouredPixels) {
        return std::nullopt;
    }
    const QImage fitted =
        glyph.copy(opaqueBounds(glyph))
            .scaled(kGlyphBox, kGlyphBox, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QImage tile = TileCanvas::New(background);
    QPainter painter(&tile);
    painter.drawImage((tile.width() - fitted.width()) / 2, (tile.height() - fitted.height()) / 2,
                      fitted);
    return tile;
}

} // namespace EmojiPainter
