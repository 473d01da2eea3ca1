#include "SourcePictures.h"

#include "FileHash.h"
#include "NumberText.h"
#include "Parallel.h"
#include "PlainFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QSet>
#include <vector>

namespace {

// The scan's texts, in the player's language.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(SourcePictures)
};

enum class Verdict { Picture, Unreadable, TooLarge };

struct Look {
    Verdict verdict = Verdict::Unreadable;
    QString why;
};

// Judged by the length and the header: nothing is decoded here.
Look look(const QFileInfo& file) {
    PlainFile plain(file.filePath(), SourcePictures::kMaxFileBytes);
    if (plain.state() == PlainFile::State::TooLarge) {
        //: A picture's size in megabytes, in a list of files too large
        return {Verdict::TooLarge,
                Texts::tr("%1 MB").arg(NumberText::local(file.size() / (1024 * 1024)))};
    }
    if (!plain.isOpen()) {
        return {Verdict::Unreadable, plain.problem()};
    }
    QImageReader reader(&plain.file());
    if (!reader.canRead()) {
        return {Verdict::Unreadable, reader.errorString()};
    }
    const QSize size = reader.size();
    const qint64 pixels = qint64(size.width()) * size.height();
    if (pixels > SourcePictures::kMaxPixels) {
        return {Verdict::TooLarge,
                //: A picture's size, in a list of files too large
                Texts::tr("%1 x %2 pixels")
                    .arg(NumberText::local(size.width()), NumberText::local(size.height()))};
    }
    if (pixels > SourcePictures::kMaxWholePixels &&
        !reader.supportsOption(QImageIOHandler::ScaledSize)) {
        return {Verdict::TooLarge,
                //: A picture's size, in a list of files too large; %3: its kind, such as TIFF
                Texts::tr("%1 x %2 pixels: a %3 file is decoded whole, up to %4 megapixels")
                    .arg(NumberText::local(size.width()), NumberText::local(size.height()),
                         QString::fromLatin1(reader.format()).toUpper(),
                         NumberText::local(SourcePictures::kMaxWholePixels / 1'000'000))};
    }
    return {Verdict::Picture, {}};
}

// Keeps the first of each set of files with the same bytes. Only files of
// one length can be copies, so most files are never read whole.
void dropCopies(SourceScan& scan, const std::atomic<bool>& cancel) {
    QHash<qint64, int> byLength;
    for (const SourceFile& file : std::as_const(scan.pictures)) {
        ++byLength[file.bytes];
    }
    QSet<QByteArray> seen;
    QList<SourceFile> kept;
    for (const SourceFile& file : std::as_const(scan.pictures)) {
        if (byLength.value(file.bytes) > 1 && !cancel) {
            const QByteArray hash = fileHash(file.path, SourcePictures::kMaxFileBytes);
            if (!hash.isEmpty() && seen.contains(hash)) {
                scan.copies.append(file.name);
                continue;
            }
            seen.insert(hash);
        }
        kept.append(file);
    }
    scan.pictures = kept;
}

} // namespace

namespace SourcePictures {

SourceScan scan(const QString& folder, QThreadPool& pool, const std::function<void(int, int)>& step,
                const std::atomic<bool>& cancel) {
    SourceScan scan;
    const QDir dir(folder);
    if (!dir.isReadable()) {
        //: %1: the folder of pictures chosen
        scan.problem = Texts::tr("%1 cannot be read: there is no permission to list it.")
                           .arg(QDir::toNativeSeparators(folder));
        return scan;
    }
    // By name, in character-code order. System entries are listed so that
    // they can be told; they are never opened, as a FIFO would never answer.
    const QFileInfoList entries =
        dir.entryInfoList(QDir::Files | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    scan.files = static_cast<int>(entries.size());
    std::vector<Look> looks(entries.size());
    int done = 0;
    runEach(
        pool, scan.files,
        [&](int i) {
            const QFileInfo& entry = entries.at(i);
            if (!cancel && entry.isFile()) {
                looks.at(std::size_t(i)) = look(entry);
            }
        },
        [&] { step(++done, scan.files); });
    for (qsizetype i = 0; i < entries.size() && !cancel; ++i) {
        const QFileInfo& entry = entries.at(i);
        const Look& seen = looks.at(std::size_t(i));
        const QString why = entry.fileName() + QStringLiteral(" (") + seen.why + QLatin1Char(')');
        if (!entry.isFile()) {
            scan.notFiles.append(entry.fileName());
        } else if (seen.verdict == Verdict::TooLarge) {
            scan.tooLarge.append(why);
        } else if (seen.verdict == Verdict::Unreadable) {
            scan.unreadable.append(why);
        } else {
            scan.pictures.append({entry.fileName(), entry.filePath(), entry.size()});
        }
    }
    dropCopies(scan, cancel);
    return scan;
}

QList<int> spread(int count, int wanted) {
    QList<int> positions;
    const int taken = std::min(count, wanted);
    for (int i = 0; i < taken; ++i) {
        positions.append(static_cast<int>(qint64(i) * count / taken));
    }
    return positions;
}

} // namespace SourcePictures
