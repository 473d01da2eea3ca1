#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

#include <optional>

namespace EmojiPainter {

// The colour emoji font, without fallback to other fonts: those would put black-and-white
// glyphs in place of the emoji this font lacks.
QFont emojiFont();

// One emoji, as large as the tile allows and centred on the background. Empty when the font
// draws no colour glyph for it, so a missing emoji is caught at build time, not in play.
std::optional<QImage> drawEmojiTile(const QFont& font, const QString& emoji,
                                    const QColor& background);

} // namespace EmojiPainter
