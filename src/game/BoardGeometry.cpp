#include "BoardGeometry.h"

#include <cmath>

BoardGeometry ComputeBoardGeometry(int clientWidth, int statusBarTop, int columns, int rows) {
    BoardGeometry g;
    g.W = static_cast<int>(std::nearbyint(double(clientWidth - kBoardMargin) / columns));
    g.H = static_cast<int>(std::nearbyint(double(statusBarTop - kBoardMargin) / rows));
    g.F = static_cast<int>(std::nearbyint(2.0 * g.H / 3.0 / 20.0));
    return g;
}
