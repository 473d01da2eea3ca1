#pragma once

#include "MainWindow.h"
#include "Sets.h"
#include "TestWorkspace.h"
#include "TileBoard.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

// A window on a category of 50 pictures, on the stored board, its timer
// stopped: tests tick it by hand.
struct Win {
    explicit Win(int side = 4, int setSize = 2) {
        ws.addCategory("Animals");
        ws.writeJpeg("free.jpg", Qt::white);
        ws.store("settings", "columns", QString::number(side));
        ws.store("settings", "numTilesToMatch", QString::number(setSize));
        t = ws.open();
        w().turnTimer()->stop();
    }
    MainWindow& w() { return *t.window; }
    QString panel(int panel) { return w().panel(panel)->text(); }
    QList<QList<int>> sets() { return setsOf(w().game()); }
    QList<int> deal() {
        QList<int> deal;
        for (int tile = 0; tile < w().game().tileCount(); ++tile) {
            deal << w().game().tileImage(tile);
        }
        return deal;
    }
    void click(const QList<int>& tiles) {
        for (int tile : tiles) {
            w().board()->button(tile)->click();
        }
    }
    void tick(int times) {
        for (int k = 0; k < times; ++k) {
            w().tick();
        }
    }
    // Face up: the button over the picture is hidden.
    bool faceUp(const QList<int>& tiles, bool up = true) {
        return std::all_of(tiles.begin(), tiles.end(),
                           [&](int tile) { return w().board()->button(tile)->isHidden() == up; });
    }
    // All but the first tile of set i, and a stranger from the next set.
    QList<int> mismatch(int i) {
        const auto all = sets();
        return all.at(i).mid(1) + QList<int>{all.at(i + 1).at(0)};
    }
    // Matches every set, the first `mismatches` of them after a mismatch that
    // the timer or the next click covers in turn. Returns the cues expected.
    QStringList playGame(int mismatches) {
        QStringList cues;
        const auto all = sets();
        for (int i = 0; i < all.size(); ++i) {
            if (i < mismatches) {
                click(mismatch(i));
                tick(i % 2 == 0 ? 5 : 0);
                cues << "mismatch.wav";
            }
            click(all.at(i));
            cues << "match.wav";
        }
        return cues;
    }
    TestWorkspace ws;
    FakeWindow t;
};
