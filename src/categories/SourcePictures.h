#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>

class QThreadPool;

// A file a category can be made from.
struct SourceFile {
    QString name;
    QString path;
    qint64 bytes = 0;
};

// What a folder offers for a category: every file Qt reads as a picture,
// whatever its name and the case of its extension, in file-name order (by
// character code), each picture once. The rest is told by name and why.
struct SourceScan {
    QString problem; // the folder could not be listed at all
    int files = 0;   // entries looked at; hidden ones and folders are not
    QList<SourceFile> pictures;
    QStringList unreadable; // "notes.txt (Unsupported image format)"
    QStringList copies;     // the same bytes as a file earlier by name
    QStringList tooLarge;
    QStringList notFiles; // FIFOs, devices, sockets, broken links: never opened
};

namespace SourcePictures {

// Pictures beyond these are skipped. A JPEG or a PNG is decoded at a
// fraction of its size, but other kinds are decoded whole, at 4 bytes a
// pixel, and Qt decodes nothing over 128 MB: 33.5 megapixels.
constexpr qint64 kMaxFileBytes = 128 * 1024 * 1024;
constexpr qint64 kMaxPixels = 50'000'000;
constexpr qint64 kMaxWholePixels = 32'000'000;

// Looks at every entry of `folder`: the headers of the pictures are read on
// the threads of `pool`, and only files of one length are read whole, to
// find copies. step(done, total) is called on the calling thread as files
// are looked at. Once `cancel` is set it returns soon, with what it has.
SourceScan scan(const QString& folder, QThreadPool& pool, const std::function<void(int, int)>& step,
                const std::atomic<bool>& cancel);

// `wanted` positions spread evenly over `count`, ascending: the first, and
// then every count/wanted-th; all of them when there are no more.
QList<int> spread(int count, int wanted);

} // namespace SourcePictures
