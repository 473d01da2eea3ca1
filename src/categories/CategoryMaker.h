#pragma once

#include "SourcePictures.h"

#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>

// What to make: a category named `name`, from the pictures in `source`,
// inside `imgs`.
struct MakerRequest {
    QString source;
    QString name;
    QString imgs;         // where made categories are kept
    QStringList taken;    // names no made category may take: the data folder's
    bool replace = false; // a category of that name is replaced, not refused
};

// How far the work is: files looked at, then pictures made.
struct MakerProgress {
    bool making = false;
    int done = 0;
    int total = 0;
};

struct MakerResult {
    enum class Outcome { Made, Exists, TooFew, Cancelled, Failed };
    Outcome outcome = Outcome::Failed;
    QString message; // what was made, or why nothing was
    QString folder;  // the category, once made
    SourceScan scan; // what the folder held, and what was skipped
    int usable = 0;  // pictures found fit for a category

    // The message, then what was skipped and why, a line each.
    QString summary() const;
};

// Makes a picture category from any folder of pictures: 50 of them, spread
// evenly over the folder in file-name order, so the same folder always gives
// the same category. Each is cropped to its centre square, turned as its
// EXIF orientation says, and scaled to 512 x 512 (crisp on the largest tile
// at scale 2) as img000.jpg to img049.jpg, with a names.txt taken from the
// file names. The category is written in a hidden folder beside its place
// and renamed into place at the end, so a cancel, a full disk or a crash
// leaves no part of it where the game looks; what a killed make leaves there
// is removed by the next one, once a minute old.
namespace CategoryMaker {

constexpr int kSide = 512;

// Why `name` cannot name a category (it holds / or .., starts with a dot,
// holds a control character or is too long); empty when it can.
QString nameProblem(const QString& name);

// The name a category made from `folder` takes unless given another: the
// folder's own.
QString defaultName(const QString& folder);

// Does the work on the calling thread, and its decodes on every core.
// progress() is called on the calling thread; `cancel` may be set from any.
MakerResult make(const MakerRequest& request,
                 const std::function<void(const MakerProgress&)>& progress,
                 const std::atomic<bool>& cancel);

} // namespace CategoryMaker
