#include "PictureCheck.h"

#include "FileHash.h"
#include "FolderListing.h"
#include "GameState.h"
#include "NumberText.h"
#include "PictureCache.h"
#include "PictureFiles.h"
#include "PlainFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QMap>
#include <QSet>
#include <algorithm>

namespace {

// The check's texts, in the player's language.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(PictureCheck)
};

using NumberText::local;

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
    PlainFile plain(path, PictureCache::kMaxFileBytes);
    if (plain.state() == PlainFile::State::TooLarge) {
        //: Said after a picture's file name: its size, and the largest the game shows
        why = Texts::tr("is too large: %1 bytes, over %2")
                  .arg(local(QFileInfo(path).size()), local(PictureCache::kMaxFileBytes));
        return Verdict::TooLarge;
    }
    if (!plain.isOpen()) {
        why = plain.problem();
        return Verdict::Unreadable;
    }
    QImageReader reader(&plain.file());
    const QSize size = reader.size();
    if (size.width() > PictureCache::kMaxSide || size.height() > PictureCache::kMaxSide) {
        //: Said after a picture's file name
        why = Texts::tr("is too large: %1 x %2 pixels, over %3 on a side")
                  .arg(local(size.width()), local(size.height()), local(PictureCache::kMaxSide));
        return Verdict::TooLarge;
    }
    reader.setScaledSize(QSize(1, 1));
    if (reader.read().isNull()) {
        //: Said after a picture's file name; %1: the image reader's reason
        why = Texts::tr("does not read as a picture (%1)").arg(reader.errorString());
        return Verdict::Unreadable;
    }
    return Verdict::Fine;
}

// Files that look like pictures but are not among those the game shows.
QStringList nearMisses(const QDir& dir, const QSet<QString>& shown) {
    QStringList suffixes;
    for (const QByteArray& format : QImageReader::supportedImageFormats()) {
        suffixes.append(QStringLiteral("*.") + QString::fromLatin1(format));
    }
    QStringList lines;
    const QStringList files = dir.entryList(suffixes, QDir::Files, QDir::Name);
    for (const QString& file : files) {
        if (shown.contains(file)) {
            continue;
        }
        const QString base = file.left(file.lastIndexOf(QLatin1Char('.')));
        const bool named = base.size() == 6 && base.startsWith(QLatin1String("img")) &&
                           base.mid(3).toInt() < GameState::kPictures &&
                           std::all_of(base.cbegin() + 3, base.cend(),
                                       [](QChar c) { return c >= u'0' && c <= u'9'; });
        if (!named) {
            //: %1: a file's name; the names img000 to img049 stay as they are
            lines.append(Texts::tr("%1 is not named img000 to img049").arg(file));
        } else if (PictureFiles::kind(file) < 0) {
            lines.append(Texts::tr("%1 is not a .gif, .jpg, .jpeg or .png file").arg(file));
        }
    }
    return lines;
}

// Writes the lines for one category; true when it is complete. Counts the
// files named otherwise in `misnamed`.
bool checkCategory(const QString& path, const QString& name, QTextStream& out, int& misnamed) {
    const QDir dir(path);
    const PictureFiles pictures(path, QStringLiteral("img"));
    QSet<QString> shownNames;
    QList<int> missing;
    QStringList faults;
    int unreadable = 0;
    int tooLarge = 0;
    QMap<QByteArray, QStringList> byHash;
    for (int n = 0; n < GameState::kPictures; ++n) {
        const QString shown = pictures.find(FolderListing::pictureBase(n));
        if (shown.isEmpty()) {
            missing.append(n);
            continue;
        }
        const QString file = QFileInfo(shown).fileName();
        shownNames.insert(file);
        QString why;
        const Verdict verdict = examine(shown, why);
        unreadable += verdict == Verdict::Unreadable ? 1 : 0;
        tooLarge += verdict == Verdict::TooLarge ? 1 : 0;
        if (verdict != Verdict::Fine) {
            //: A picture's file name and what is wrong with it: "img003.jpg is too large: ..."
            faults.append(Texts::tr("%1 %2").arg(file, why));
        }
        const QByteArray hash = verdict == Verdict::TooLarge
                                    ? QByteArray()
                                    : fileHash(shown, PictureCache::kMaxFileBytes);
        if (!hash.isEmpty()) {
            byHash[hash].append(file);
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
        //: %1: the files, such as "img003.jpg, img017.jpg"
        faults.append(Texts::tr("same picture in %1").arg(files.join(QStringLiteral(", "))));
    }
    if (!missing.isEmpty()) {
        //: %1: the pictures, such as "img003, img010-img049"
        faults.prepend(Texts::tr("missing %1").arg(ranges(missing)));
    }
    const QStringList misses = nearMisses(dir, shownNames);
    misnamed += static_cast<int>(misses.size());
    //: A line of the picture check: a category's name and what was found in it
    const QString line = Texts::tr("%1: %2");
    for (const QString& miss : misses) {
        out << line.arg(name, miss) << '\n';
    }
    for (const QString& fault : std::as_const(faults)) {
        out << line.arg(name, fault) << '\n';
    }
    if (faults.isEmpty()) {
        //: A category with all its pictures
        out << line.arg(name, Texts::tr("complete")) << '\n';
        return true;
    }
    //: Counts of pictures
    out << line.arg(name, Texts::tr("incomplete: %1 missing, %2 unreadable, %3 too large, "
                                    "%4 repeated")
                              .arg(local(missing.size()), local(unreadable), local(tooLarge),
                                   local(repeated)))
        << '\n';
    return false;
}

// A category folder holds pictures named as the game names them, or holds
// pictures and no folder at all.
bool holdsPictures(const QDir& dir) {
    const QStringList files = dir.entryList(QDir::Files);
    const auto picture = [](const QString& file) { return PictureFiles::kind(file) >= 0; };
    const bool named = std::any_of(files.cbegin(), files.cend(), [&picture](const QString& file) {
        return picture(file) && file.startsWith(QLatin1String("img")) &&
               file.indexOf(QLatin1Char('.')) == 6;
    });
    return named || (std::any_of(files.cbegin(), files.cend(), picture) &&
                     dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());
}

} // namespace

int checkPictures(const QString& folder, QTextStream& out) {
    if (!QFileInfo(folder).isDir()) {
        out << Texts::tr("%1: there is no folder of that name").arg(folder) << '\n';
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
        out << Texts::tr("%1: holds no category (no folders, and no pictures named img000.jpg "
                         "to img049.jpg, .gif or .png)")
                   .arg(folder)
            << '\n';
        return 1;
    }
    bool complete = true;
    int misnamed = 0;
    for (const QString& name : std::as_const(names)) {
        complete = checkCategory(base.filePath(name), name, out, misnamed) && complete;
    }
    if (misnamed > 0) {
        //: FOLDER and NAME as the command line's help names them
        out << Texts::tr("To make a category of pictures named in any way: tilewise "
                         "--make-category FOLDER [NAME]")
            << '\n';
    }
    out.flush();
    return complete ? 0 : 1;
}
