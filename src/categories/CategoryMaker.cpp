#include "CategoryMaker.h"

#include "FolderListing.h"
#include "GameState.h"
#include "NumberText.h"
#include "Parallel.h"
#include "PictureTitles.h"
#include "PlainFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QThread>
#include <QThreadPool>
#include <cerrno>
#include <cstring>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

using NumberText::local;
using Outcome = MakerResult::Outcome;

// The maker's texts, in the player's language.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(CategoryMaker)
};

constexpr int kPictures = GameState::kPictures;
constexpr int kMaxName = 64;
constexpr int kQuality = 90;

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// The picture's centre square at kSide as JPEG bytes. Asked for that way, a
// JPEG is cropped and scaled as it is decoded, at a quarter or an eighth of
// its size. Other kinds are asked for at a size that covers the square and
// cropped then: a PNG is scaled as it is decoded, row by row, and a kind
// that is decoded whole (up to 128 MB) is scaled before it is cropped, no
// second copy of it made, and only as many at once as `whole` lets.
QByteArray square(const QString& path, QSemaphore& whole, QString& why) {
    PlainFile plain(path, SourcePictures::kMaxFileBytes);
    if (!plain.isOpen()) {
        why = plain.problem();
        return {};
    }
    QImageReader reader(&plain.file());
    reader.setAutoTransform(true);
    const QSize full = reader.size();
    const bool decodedWhole = !reader.supportsOption(QImageIOHandler::ScaledSize);
    if (full.isValid() && reader.supportsOption(QImageIOHandler::ClipRect)) {
        const int side = std::min(full.width(), full.height());
        reader.setClipRect(
            QRect((full.width() - side) / 2, (full.height() - side) / 2, side, side));
        reader.setScaledSize(QSize(CategoryMaker::kSide, CategoryMaker::kSide));
    } else if (full.isValid()) {
        reader.setScaledSize(full.scaled(CategoryMaker::kSide, CategoryMaker::kSide,
                                         Qt::KeepAspectRatioByExpanding));
    }
    if (decodedWhole) {
        whole.acquire();
    }
    QImage image = reader.read();
    if (decodedWhole) {
        whole.release();
    }
    if (image.isNull()) {
        why = reader.errorString();
        return {};
    }
    if (image.width() != image.height()) { // not clipped as it was decoded
        const int side = std::min(image.width(), image.height());
        image = image.copy((image.width() - side) / 2, (image.height() - side) / 2, side, side);
    }
    if (image.width() != CategoryMaker::kSide) {
        image = image.scaled(CategoryMaker::kSide, CategoryMaker::kSide, Qt::IgnoreAspectRatio,
                             Qt::SmoothTransformation);
    }
    if (image.hasAlphaChannel()) { // JPEG has none: what was see-through shows white
        QImage flat(image.size(), QImage::Format_RGB32);
        flat.fill(Qt::white);
        QPainter(&flat).drawImage(0, 0, image);
        image = flat;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(kQuality);
    if (!writer.write(image)) {
        why = writer.errorString();
        return {};
    }
    return bytes;
}

// Written and flushed to the disk, so that a category renamed into place
// holds whole files even after a crash. Empty, or why not.
QString writeWhole(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return file.errorString();
    }
    // A write cut short tells no error; the next one says why.
    for (qint64 written = 0; written < bytes.size();) {
        const qint64 more = file.write(bytes.constData() + written, bytes.size() - written);
        if (more <= 0) {
            return file.errorString();
        }
        written += more;
    }
    if (::fdatasync(file.handle()) != 0) {
        return QString::fromLocal8Bit(std::strerror(errno));
    }
    return {};
}

// A link takes its name even when what it leads to is gone.
bool taken(const QString& path) {
    const QFileInfo entry(path);
    return entry.exists() || entry.isSymLink();
}

// Removes a folder and all it holds, but only the link when it is one: what
// a link leads to is the player's, wherever it lies.
bool removeEntry(const QString& path) {
    const QFileInfo entry(path);
    return entry.isSymLink() || !entry.isDir() ? QFile::remove(path)
                                               : QDir(path).removeRecursively();
}

// The names a make gives its work in `imgs`: ".new-category-" and six
// letters or digits (QTemporaryDir's), and that with "-replaced".
bool isWorkName(const QString& name) {
    const QString prefix = QStringLiteral(".new-category-");
    QStringView rest(name);
    if (!rest.startsWith(prefix)) {
        return false;
    }
    rest = rest.mid(prefix.size());
    if (rest.endsWith(QLatin1String("-replaced"))) {
        rest.chop(9);
    }
    return rest.size() == 6 && std::all_of(rest.begin(), rest.end(), [](QChar c) {
               return c.unicode() < 128 && c.isLetterOrNumber();
           });
}

// A make that was killed left its work behind. What is a minute old is no
// other maker's work in progress.
void removeLeftovers(const QString& imgs) {
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-60);
    const QFileInfoList entries = QDir(imgs).entryInfoList(QDir::AllEntries | QDir::Hidden |
                                                           QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        if (isWorkName(entry.fileName()) && entry.lastModified() < before) {
            removeEntry(entry.filePath());
        }
    }
}

// Moves the finished folder into place. A category there is replaced only
// when `replace` says so, and goes only once the new one can take its place;
// without it, the name may have been taken meanwhile by another maker, and
// nothing is overwritten. Made, with a sentence to add when the one replaced
// could not be removed in full; or else the outcome and why (empty for Exists).
std::pair<Outcome, QString> install(const QString& made, const QString& target, bool replace) {
    QDir dir;
    const QString cannot = Texts::tr("Cannot move the new category to %1.").arg(native(target));
    if (!replace || !taken(target)) { // a rename that overwrites nothing
        if (dir.rename(made, target)) {
            return {Outcome::Made, {}};
        }
        return taken(target) ? std::pair(Outcome::Exists, QString())
                             : std::pair(Outcome::Failed, cannot);
    }
    const QString old = made + QStringLiteral("-replaced");
    if (!dir.rename(target, old)) {
        return {Outcome::Failed, Texts::tr("Cannot replace %1.").arg(native(target))};
    }
    if (!dir.rename(made, target)) {
        dir.rename(old, target);
        return {Outcome::Failed, cannot};
    }
    if (!removeEntry(old)) {
        //: Follows "Made the category ...": %1 is a folder
        return {Outcome::Made, Texts::tr(" The category it replaced could not be removed "
                                         "in full: what is left is in %1.")
                                   .arg(native(old))};
    }
    return {Outcome::Made, {}};
}

} // namespace

namespace CategoryMaker {

QString nameProblem(const QString& name) {
    if (name.trimmed().isEmpty()) {
        return Texts::tr("A category needs a name.");
    }
    if (name.size() > kMaxName) {
        return Texts::tr("A category's name holds at most %1 characters.").arg(local(kMaxName));
    }
    const bool unprintable =
        std::any_of(name.cbegin(), name.cend(), [](QChar c) { return !c.isPrint(); });
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
        name.contains(QLatin1String("..")) || name.startsWith(QLatin1Char('.')) || unprintable) {
        return Texts::tr("\"%1\" cannot name a category: a name holds no / or \\ or .., "
                         "and starts with no dot.")
            .arg(name);
    }
    return {};
}

MakerResult make(const MakerRequest& request,
                 const std::function<void(const MakerProgress&)>& progress,
                 const std::atomic<bool>& cancel) {
    MakerResult result;
    const auto stop = [&result](Outcome outcome, const QString& message) {
        result.outcome = outcome;
        result.message = message;
        return result;
    };
    const auto cancelled = [&stop] {
        return stop(Outcome::Cancelled, Texts::tr("Cancelled: nothing was written."));
    };
    if (const QString problem = nameProblem(request.name); !problem.isEmpty()) {
        return stop(Outcome::Failed, problem);
    }
    if (request.taken.contains(request.name)) {
        return stop(Outcome::Failed, Texts::tr("\"%1\" is the name of a category the game "
                                               "has already. Choose another name.")
                                         .arg(request.name));
    }
    if (request.imgs.isEmpty()) {
        //: Said of the new category
        return stop(Outcome::Failed, Texts::tr("There is no home folder to keep it in."));
    }
    if (!QFileInfo(request.source).isDir()) {
        return stop(Outcome::Failed, Texts::tr("%1 is not a folder.").arg(native(request.source)));
    }
    const QString target = QDir(request.imgs).filePath(request.name);
    const auto exists = [&] {
        //: %1: the category's name, %2: its folder
        return stop(Outcome::Exists, Texts::tr("A category named \"%1\" exists already: %2.")
                                         .arg(request.name, native(target)));
    };
    if (taken(target) && !request.replace) {
        return exists();
    }

    QThreadPool pool;
    pool.setMaxThreadCount(QThread::idealThreadCount());
    QSemaphore whole(2); // pictures decoded whole at once: at most 256 MB
    result.scan = SourcePictures::scan(
        request.source, pool,
        [&progress](int done, int total) {
            progress({false, done, total});
        },
        cancel);
    if (cancel) {
        return cancelled();
    }
    if (!result.scan.problem.isEmpty()) {
        return stop(Outcome::Failed, result.scan.problem);
    }

    // The pictures are chosen, then made; one that fails to decode is told
    // and the choice is spread again over the rest, until 50 are made.
    QList<SourceFile> candidates = result.scan.pictures;
    QHash<QString, QByteArray> made; // by path
    QList<SourceFile> chosen;
    for (;;) {
        result.usable = static_cast<int>(candidates.size());
        if (result.usable < kPictures) {
            return stop(Outcome::TooFew,
                        //: %1: the folder, %2: the pictures found, %3: 50, %4: how many are
                        //: missing
                        Texts::tr("Usable pictures in %1: %2 of the %3 a category needs; "
                                  "add %4 more. Nothing was written.")
                            .arg(native(request.source), local(result.usable), local(kPictures),
                                 local(kPictures - result.usable)));
        }
        chosen.clear();
        QList<SourceFile> todo;
        for (const int at : SourcePictures::spread(result.usable, kPictures)) {
            chosen.append(candidates.at(at));
            if (!made.contains(chosen.last().path)) {
                todo.append(chosen.last());
            }
        }
        if (todo.isEmpty()) {
            break;
        }
        std::vector<QByteArray> bytes(todo.size());
        std::vector<QString> why(todo.size());
        int done = kPictures - static_cast<int>(todo.size());
        runEach(
            pool, static_cast<int>(todo.size()),
            [&](int i) {
                if (!cancel) {
                    bytes.at(std::size_t(i)) =
                        square(todo.at(i).path, whole, why.at(std::size_t(i)));
                }
            },
            [&] {
                progress({true, ++done, kPictures});
            });
        if (cancel) {
            return cancelled();
        }
        for (qsizetype i = 0; i < todo.size(); ++i) {
            const SourceFile& file = todo.at(i);
            if (bytes.at(std::size_t(i)).isEmpty()) {
                result.scan.unreadable.append(file.name + QStringLiteral(" (") +
                                              why.at(std::size_t(i)) + QLatin1Char(')'));
                candidates.removeIf([&file](const SourceFile& c) { return c.path == file.path; });
            } else {
                made.insert(file.path, bytes.at(std::size_t(i)));
            }
        }
    }

    if (!QDir().mkpath(request.imgs)) {
        return stop(Outcome::Failed,
                    Texts::tr("Cannot make the folder %1.").arg(native(request.imgs)));
    }
    removeLeftovers(request.imgs);
    QTemporaryDir temp(QDir(request.imgs).filePath(QStringLiteral(".new-category-XXXXXX")));
    if (!temp.isValid()) {
        return stop(
            Outcome::Failed,
            //: %1: a folder, %2: why
            Texts::tr("Cannot write in %1: %2").arg(native(request.imgs), temp.errorString()));
    }
    QStringList names;
    for (int n = 0; n < kPictures; ++n) {
        const QString file = temp.filePath(FolderListing::pictureBase(n) + QStringLiteral(".jpg"));
        if (const QString error = writeWhole(file, made.value(chosen.at(n).path));
            !error.isEmpty()) {
            return stop(Outcome::Failed,
                        //: %1: a file, %2: why
                        Texts::tr("Cannot write %1: %2").arg(native(file), error));
        }
        names.append(chosen.at(n).name);
    }
    const QByteArray titles =
        (PictureTitles::fromFileNames(names).join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
    const QString namesFile = temp.filePath(QStringLiteral("names.txt"));
    if (const QString error = writeWhole(namesFile, titles); !error.isEmpty()) {
        return stop(Outcome::Failed,
                    Texts::tr("Cannot write %1: %2").arg(native(namesFile), error));
    }
    if (cancel) {
        return cancelled();
    }
    const auto [installed, note] = install(temp.path(), target, request.replace);
    if (installed == Outcome::Exists) {
        return exists();
    }
    if (installed != Outcome::Made) {
        return stop(installed, note);
    }
    temp.setAutoRemove(false);
    result.folder = target;
    //: %1: the category's name, %2: the files in the folder, %3: 50, %4: the new folder
    return stop(Outcome::Made, Texts::tr("Made the category \"%1\" from %2 files: %3 "
                                         "pictures, in %4.")
                                       .arg(request.name, local(result.scan.files),
                                            local(kPictures), native(target)) +
                                   note);
}

QString defaultName(const QString& folder) {
    return QFileInfo(QDir(folder).absolutePath()).fileName();
}

} // namespace CategoryMaker

QString MakerResult::summary() const {
    QStringList lines{message};
    const auto tell = [&lines](const QString& why, const QStringList& names) {
        if (names.isEmpty()) {
            return;
        }
        QStringList shown = names.mid(0, 5);
        if (names.size() > 5) {
            //: The end of a list of files cut short
            shown.append(Texts::tr("and %Ln more", nullptr, int(names.size() - 5)));
        }
        lines.append(
            //: %1: why, such as "not read as pictures", %2: how many files, %3: the files
            Texts::tr("Skipped, %1 (%2): %3")
                .arg(why, local(names.size()), shown.join(QStringLiteral(", "))));
    };
    //: Why files were skipped: "Skipped, not read as pictures (3): ..."
    tell(Texts::tr("not read as pictures"), scan.unreadable);
    //: Why files were skipped: "Skipped, exact copies of files before them (2): ..."
    tell(Texts::tr("exact copies of files before them"), scan.copies);
    //: Why files were skipped: "Skipped, over 20 MB or 50 megapixels (1): ..."
    tell(Texts::tr("over %1 MB or %2 megapixels")
             .arg(local(SourcePictures::kMaxFileBytes / (1024 * 1024)),
                  local(SourcePictures::kMaxPixels / 1'000'000)),
         scan.tooLarge);
    //: Why files were skipped: "Skipped, not ordinary files, never opened (1): ..."
    tell(Texts::tr("not ordinary files, never opened"), scan.notFiles);
    if (outcome == Outcome::Made && usable > kPictures) {
        //: %Ln: the usable pictures beyond 50, %1: 50
        lines.append(Texts::tr("Left out: %Ln more pictures. A category holds %1, taken "
                               "evenly over the folder by file name.",
                               nullptr, usable - kPictures)
                         .arg(local(kPictures)));
    }
    return lines.join(QLatin1Char('\n'));
}
