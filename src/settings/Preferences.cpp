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

} // namespace Preferences
