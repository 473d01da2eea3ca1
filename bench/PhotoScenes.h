#pragma once

#include <QString>

class BenchApplication;

// Scenes with camera photos (see Photos): a 10 x 10 board of pairs over a
// category of 50 of them, named img000.JPG to img049.JPG as a player would
// rename them, in a start folder with no free picture. Each is meant for a
// fresh process.
namespace PhotoScenes {

struct Board {
    double longestStallMs = 0; // the longest gap between probe ticks, less their 10 ms
    double allShownMs = 0;     // from the end of the first frame to the last picture painted
    long peakKiB = 0;          // the most resident memory held (VmHWM)
};

// From the window's first frame, a 10 ms probe timer measures how long the
// event loop is kept from answering, with Reveal All chosen 100 ms after
// that frame, until every picture has been painted.
Board board(BenchApplication& app, const QString& photos);

// At once after the first frame, a click on the tile decoded last: until its
// picture is painted.
double click(BenchApplication& app, const QString& photos);

// A category made from the photos, on every core, into a scratch folder.
double makeCategory(const QString& photos);

} // namespace PhotoScenes
