#include "BoardGeometry.h"

#include <cmath>

BoardGeometry computeBoardGeometry(int clientWidth, int statusBarTop, int columns, int rows) {
    BoardGeometry g;
    g.w = static_cast<int>(std::nearbyint(double(clientWidth - kBoardMargin) / columns));
    g.h = static_cast<int>(std::nearbyint(double(statusBarTop - kBoardMargin) / rows));
    g.f = static_cast<int>(std::nearbyint(2.0 * g.h / 3.0 / 20.0));
    return g;
}
