#pragma once

// Tile size and caption font for a board, in twips of the client area. The
// board leaves a 72-twip margin at the left and the top only; tiles abut.
struct BoardGeometry {
    int w = 0; // tile width, twips
    int h = 0; // tile height, twips
    int f = 0; // caption font size, points: two thirds of the tile height
};

inline constexpr int kBoardMargin = 72;

BoardGeometry computeBoardGeometry(int clientWidth, int statusBarTop, int columns, int rows);
