#include "Preferences.h"

#include "NumberText.h"
#include "SettingsStore.h"

namespace Preferences {

namespace {

std::int16_t inRange(const SettingsValues& stored, const QString& key, int fallback, int lo,
                     int hi) {
    const auto value = NumberText::parseInt16(stored.get(kSection, key));
    if (!value || *value < lo || *value > hi) {
        return static_cast<std::int16_t>(fallback);
    }
    return *value;
}

} // namespace

BoardConfig read(const SettingsValues& stored, int categories) {
    BoardConfig config;
    config.categoryIndex = inRange(stored, kCategoryKey, kDefaultCategory, 1, categories);
    config.tilesPerSet = inRange(stored, kTilesPerSetKey, kDefaultTilesPerSet, BoardConfig::kMinSet,
                                 BoardConfig::kMaxSet);
    config.columns =
        inRange(stored, kColumnsKey, kDefaultColumns, BoardConfig::kMinSide, BoardConfig::kMaxSide);
    config.rows = config.columns;
    return config;
}

void write(SettingsValues& values, const BoardConfig& config) {
    values.set(kSection, kCategoryKey, QString::number(config.categoryIndex));
    values.set(kSection, kTilesPerSetKey, QString::number(config.tilesPerSet));
    values.set(kSection, kColumnsKey, QString::number(config.columns));
}

std::optional<QFont> readTileFont(const SettingsValues& stored, const QFont& design) {
    QFont chosen;
    const QString text = stored.get(kSection, kTileFontKey);
    if (text.isEmpty() || !chosen.fromString(text) || chosen.family().isEmpty()) {
        return std::nullopt;
    }
    QFont font = design;
    font.setFamily(chosen.family());
    font.setItalic(chosen.italic());
    font.setUnderline(chosen.underline());
    font.setStrikeOut(chosen.strikeOut());
    return font;
}

void writeTileFont(SettingsValues& values, const QFont& font) {
    values.set(kSection, kTileFontKey, font.toString());
}

} // namespace Preferences
