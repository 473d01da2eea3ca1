// Writes the game's pictures, with a names.txt for each category, into its data folder, and
// the program's theme icons into an icon folder, at build time:
//   generate_assets <data folder> <icon folder> <names folder>
// The names folder holds a folder per language ("de") of files named for the categories
// ("Animals.txt"), 50 names each in the order of the English ones; each becomes the category's
// names.de.txt. Sounds are made by the build itself (see CMakeLists.txt).

#include "EmojiCategories.h"
#include "EmojiPainter.h"
#include "ShapePainter.h"
#include "ThemeIcons.h"
#include "TileCanvas.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>

#include <functional>
#include <optional>

namespace {

using PictureMaker = std::function<std::optional<QImage>(int index)>;

QString pictureName(int index) {
    return QStringLiteral("img%1.jpg").arg(index, 3, 10, QLatin1Char('0'));
}

// Line n + 1 of names.txt names picture n, so a screen reader can say what a tile shows.
bool writeNames(const QDir& folder, const QString& category, const QStringList& names,
                const QString& fileName) {
    QStringList distinct = names;
    distinct.removeDuplicates();
    distinct.removeAll(QString());
    if (names.size() != TileCanvas::kPicturesPerCategory || distinct.size() != names.size()) {
        qCritical().noquote() << category << "needs" << TileCanvas::kPicturesPerCategory
                              << "different picture names, has" << distinct.size();
        return false;
    }
    QFile file(folder.filePath(fileName));
    const QByteArray text = (names.join(u'\n') + u'\n').toUtf8();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text) != text.size()) {
        qCritical().noquote() << "cannot write" << file.fileName();
        return false;
    }
    return true;
}

// The category's names in every language the names folder holds, from its file there.
bool writeTranslatedNames(const QDir& folder, const QString& category, const QDir& translations) {
    bool written = true;
    for (const QString& language : translations.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile source(translations.filePath(language + u'/' + category + QStringLiteral(".txt")));
        if (!source.open(QIODevice::ReadOnly | QIODevice::Text)) {
            qCritical().noquote() << "no" << language << "names for" << category;
            written = false;
            continue;
        }
        const QStringList names =
            QString::fromUtf8(source.readAll()).split(u'\n', Qt::SkipEmptyParts);
        written = writeNames(folder, category + u' ' + language, names,
                             QStringLiteral("names.%1.txt").arg(language)) &&
                  written;
    }
    return written;
}

bool writeCategory(const QDir& imgs, const QDir& translations, const QString& name,
                   const QStringList& names, const PictureMaker& makePicture) {
    if (!imgs.mkpath(name)) {
        qCritical().noquote() << "cannot create" << imgs.filePath(name);
        return false;
    }
    // Goes on after a failure, so that one build run names every faulty picture.
    const QDir folder(imgs.filePath(name));
    bool written = writeNames(folder, name, names, QStringLiteral("names.txt"));
    written = writeTranslatedNames(folder, name, translations) && written;
    for (int i = 0; i < TileCanvas::kPicturesPerCategory; ++i) {
        const std::optional<QImage> picture = makePicture(i);
        if (!picture) {
            qCritical().noquote() << "no colour picture for" << name << pictureName(i);
        }
        written =
            picture && TileCanvas::saveJpeg(*picture, folder.filePath(pictureName(i))) && written;
    }
    return written;
}

bool writeEmojiCategory(const QDir& imgs, const QDir& translations, const EmojiCategory& category) {
    QStringList emoji;
    QStringList names;
    for (const EmojiPicture& picture : category.pictures) {
        emoji.append(picture.emoji);
        names.append(picture.name);
    }
    QStringList distinct = emoji;
    distinct.removeDuplicates();
    if (distinct.size() != TileCanvas::kPicturesPerCategory ||
        emoji.size() != TileCanvas::kPicturesPerCategory) {
        qCritical().noquote() << category.name << "needs" << TileCanvas::kPicturesPerCategory
                              << "different emoji, has" << distinct.size();
        return false;
    }
    const QFont font = EmojiPainter::emojiFont();
    return writeCategory(imgs, translations, category.name, names, [&](int i) {
        return EmojiPainter::drawEmojiTile(font, emoji.at(i), TileCanvas::background(i));
    });
}

QStringList shapeNames() {
    QStringList names;
    for (int i = 0; i < TileCanvas::kPicturesPerCategory; ++i) {
        names.append(ShapePainter::shapeName(i));
    }
    return names;
}

bool writeEmojiCategories(const QDir& imgs, const QDir& translations) {
    if (!QFontDatabase::families().contains(EmojiPainter::emojiFont().family())) {
        qWarning("Noto Color Emoji is not installed (Debian: fonts-noto-color-emoji); "
                 "only the drawn pictures are written");
        return true;
    }
    bool written = true;
    for (const EmojiCategory& category : emojiCategories()) {
        written = writeEmojiCategory(imgs, translations, category) && written;
    }
    return written;
}

} // namespace

int main(int argc, char* argv[]) {
    const QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 4) {
        qCritical("usage: generate_assets <data folder> <icon folder> <names folder>");
        return 2;
    }
    const QDir data(arguments.at(1));
    QDir imgs(data.filePath(QStringLiteral("imgs")));
    // Start afresh, so a renamed category leaves no stale folder behind.
    imgs.removeRecursively();

    const QDir translations(arguments.at(3));
    const bool written =
        writeCategory(imgs, translations, QStringLiteral("Shapes"), shapeNames(),
                      [](int i) { return std::optional(ShapePainter::drawShapeTile(i)); }) &&
        writeEmojiCategories(imgs, translations) &&
        TileCanvas::saveJpeg(ShapePainter::drawFreeTile(),
                             data.filePath(QStringLiteral("free.jpg"))) &&
        ThemeIcons::write(QDir(arguments.at(2)));
    return written ? 0 : 1;
}
