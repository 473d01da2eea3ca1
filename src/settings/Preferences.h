#pragma once

#include "BoardConfig.h"

#include <QFont>
#include <QString>
#include <optional>

class SettingsValues;

// The preferences kept in the settings file's section [settings]: the board
// size, the tiles per set and the picture category of the game in progress,
// written as plain decimal text ("columns=6"), and the font of the tile
// numbers, as QFont writes itself out.
namespace Preferences {

inline const QString kSection = QStringLiteral("settings");
inline const QString kCategoryKey = QStringLiteral("categoryIndex");
inline const QString kTilesPerSetKey = QStringLiteral("numTilesToMatch");
inline const QString kColumnsKey = QStringLiteral("columns");
inline const QString kTileFontKey = QStringLiteral("tileFont");

// A 5 x 5 board of pairs from the first category: what a first start plays,
// and what Preferences' Default button chooses.
inline constexpr int kDefaultColumns = 5;
inline constexpr int kDefaultTilesPerSet = 2;
inline constexpr int kDefaultCategory = 1;

// The stored configuration, rows equal to columns. A value that is missing,
// not a whole number, or outside what a board is built for (4 to 10 columns,
// sets of 2 to 5, categories 1 to `categories`) gives its default.
BoardConfig read(const SettingsValues& stored, int categories);

// Writes the configuration's category, tiles per set and columns.
void write(SettingsValues& values, const BoardConfig& config);

// The stored tile font's family, italic, underline and strikeout on
// `design`: a board sets size and weight itself. Nothing when none is stored
// or the text is no font.
std::optional<QFont> readTileFont(const SettingsValues& stored, const QFont& design);
void writeTileFont(SettingsValues& values, const QFont& font);

} // namespace Preferences
