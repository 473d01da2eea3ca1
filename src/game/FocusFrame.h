#pragma once

class QWidget;

// The focus mark of the board: a 3-pixel frame in the highlight colour,
// painted over a focused tile whatever the style draws, on a face-down
// tile's button and on a face-up tile's picture alike.
void paintFocusFrame(QWidget& widget);
