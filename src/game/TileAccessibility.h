#pragma once

// What a screen reader is told about the board beyond Qt's defaults: the
// announcer is a notification that reads its text, and a tile's picture is
// a graphic named "Tile 12: cat face" only while the tile lies face up (a
// face-down picture must not give itself away, not even to a review of the
// whole screen). Registered with Qt once the application object exists.
void installTileAccessibility();
