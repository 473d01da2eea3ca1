#include "BoardView.h"

#include "TileBoard.h"

#include <QApplication>

BoardView::BoardView(TileBoard* board, QWidget* parent) : QScrollArea(parent) {
    setObjectName(QStringLiteral("boardView"));
    setFrameShape(QFrame::NoFrame);
    // Keys go to the tiles, or to the window when no tile has the focus.
    setFocusPolicy(Qt::NoFocus);
    setWidget(board);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now != nullptr && widget()->isAncestorOf(now)) {
            ensureWidgetVisible(now, 0, 0);
        }
    });
}

void BoardView::fitBoard() {
    widget()->resize(maximumViewportSize());
}
