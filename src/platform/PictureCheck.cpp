#include "PictureCheck.h"

#include "FolderListing.h"
#include "GameState.h"
#include "PictureCache.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMap>
#include <algorithm>

namespace {

// Runs of numbers as "img003, img010-img049"; `numbers` ascends.
QString ranges(const QList<int>& numbers) {
    QStringList parts;
    for (qsizetype i = 0; i < numbers.size();) {
        qsizetype last = i;
        while (last + 1 < numbers.size() && numbers.at(last + 1) == numbers.at(last) + 1) {
            ++last;
        }
        const QString first = FolderListing::pictureBase(numbers.at(i));
        parts.append(last == i
                         ? first
                         : first + QLatin1Char('-') + FolderListing::pictureBase(numbers.at(last)));
        i = last + 1;
    }
    return parts.join(QStringLiteral(", "));
}

enum class Verdict { Fine, Unreadable, TooLarge };

// The limits are judged from the length and the header, so a huge picture is
// never decoded. Any other picture is decoded at a tiny size: enough to find
// a damaged file, and a JPEG is then decoded at an eighth of its size.
Verdict examine(const QString& path, QString& why) {
    const qint64 bytes = QFileInfo(path).size();
    if (bytes > PictureCache::kMaxFileBytes) {
        why = QStringLiteral("is too large: %1 bytes, over %2")
                  .arg(bytes)
                  .arg(PictureCache::kMaxFileBytes);
        return Verdict::TooLarge;
    }
    QImageReader reader(path);
    const QSize size = reader.size();
    if (size.width() > PictureCache::kMaxSide || size.height() > PictureCache::kMaxSide) {
        why = QStringLiteral("is too large: %1 x %2 pixels, over %3 on a side")
                  .arg(size.width())
                  .arg(size.height())
                  .arg(PictureCache::kMaxSide);
        return Verdict::TooLarge;
    }
    reader.setScaledSize(QSize(1, 1));
    if (reader.read().isNull()) {
        why = QStringLiteral("does not read as a picture (%1)").arg(reader.errorString());
        return Verdict::Unreadable;
    }
    return Verdict::Fine;
}

// Writes the lines for one category; true when it is complete.
bool checkCategory(const QString& path, const QString& name, QTextStream& out) {
    const QDir dir(path);
    QList<int> missing;
    QStringList faults;
    int unreadable = 0;
    int tooLarge = 0;
    QMap<QByteArray, QStringList> byHash;
    for (int n = 0; n < GameState::kPictures; ++n) {
        const QString shown = FolderListing::shownFile(dir.filePath(FolderListing::pictureBase(n)));
        if (!FolderListing::fileExists(shown)) {
            missing.append(n);
            continue;
        }
        const QString file = QFileInfo(shown).fileName();
        QString why;
        const Verdict verdict = examine(shown, why);
        unreadable += verdict == Verdict::Unreadable ? 1 : 0;
        tooLarge += verdict == Verdict::TooLarge ? 1 : 0;
        if (verdict != Verdict::Fine) {
            faults.append(file + QLatin1Char(' ') + why);
        }
        QFile bytes(shown);
        QCryptographicHash hash(QCryptographicHash::Sha1);
        if (bytes.open(QIODevice::ReadOnly) && hash.addData(&bytes)) {
            byHash[hash.result()].append(file);
        }
    }
    QList<QStringList> groups;
    int repeated = 0;
    for (const QStringList& files : std::as_const(byHash)) {
        if (files.size() > 1) {
            groups.append(files);
            repeated += int(files.size()) - 1;
        }
    }
    std::sort(groups.begin(), groups.end());
    for (const QStringList& files : std::as_const(groups)) {
        faults.append(QStringLiteral("same picture in ") + files.join(QStringLiteral(", ")));
    }
    if (!missing.isEmpty()) {
        faults.prepend(QStringLiteral("missing ") + ranges(missing));
    }
    for (const QString& fault : std::as_const(faults)) {
        out << name << ": " << fault << '\n';
    }
    if (faults.isEmpty()) {
        out << name << ": complete\n";
        return true;
    }
    out << name << ": incomplete: " << missing.size() << " missing, " << unreadable
        << " unreadable, " << tooLarge << " too large, " << repeated << " repeated\n";
    return false;
}

bool holdsPictures(const QDir& dir) {
    const QStringList patterns{QStringLiteral("img[0-9][0-9][0-9].gif"),
                               QStringLiteral("img[0-9][0-9][0-9].jpg")};
    return !dir.entryList(patterns, QDir::Files | QDir::CaseSensitive).isEmpty();
}

} // namespace

int checkPictures(const QString& folder, QTextStream& out) {
    if (!QFileInfo(folder).isDir()) {
        out << folder << ": there is no folder of that name\n";
        return 1;
    }
    QDir base(QFileInfo(folder).canonicalFilePath());
    QStringList names = FolderListing::folders(base.path());
    if (holdsPictures(base)) {
        names = QStringList{base.dirName()};
        base.cdUp();
    }
    std::sort(names.begin(), names.end()); // by UTF-16 code unit, as the game sorts
    if (names.isEmpty()) {
        out << folder << ": holds no category (no folders, and no pictures named img000.jpg"
            << " to img049.jpg or .gif)\n";
        return 1;
    }
    bool complete = true;
    for (const QString& name : std::as_const(names)) {
        complete = checkCategory(base.filePath(name), name, out) && complete;
    }
    out.flush();
    return complete ? 0 : 1;
}
