#pragma once

#include <QDir>

// The program's icon for the desktop's icon theme: PNG files at the usual sizes and one SVG,
// laid out as hicolor/<size>/apps/tilewise.<png|svg> under the given folder.
namespace ThemeIcons {

// Reports a failure itself, so callers only pass the result on.
bool write(const QDir& root);

} // namespace ThemeIcons
