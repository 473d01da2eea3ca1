// Writes the game's pictures into its data folder at build time:
//   generate_assets <data folder>
// Sounds are made by the build itself (see CMakeLists.txt).

#include "EmojiCategories.h"
#include "EmojiPainter.h"
#include "ShapePainter.h"
#include "TileCanvas.h"

#include <QDebug>
#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>

#include <functional>
#include <optional>

namespace {

using PictureMaker = std::function<std::optional<QImage>(int index)>;

QString PictureName(int index) {
    return QStringLiteral("img%1.jpg").arg(index, 3, 10, QLatin1Char('0'));
}

bool WriteCategory(const QDir& imgs, const QString& name, const PictureMaker& makePicture) {
    if (!imgs.mkpath(name)) {
        qCritical().noquote() << "cannot create" << imgs.filePath(name);
        return false;
    }
    // Goes on after a failure, so that one build run names every faulty picture.
    const QDir folder(imgs.filePath(name));
    bool written = true;
    for (int i = 0; i < TileCanvas::kPicturesPerCategory; ++i) {
        const std::optional<QImage> picture = makePicture(i);
        if (!picture) {
            qCritical().noquote() << "no colour picture for" << name << PictureName(i);
        }
        written =
            picture && TileCanvas::SaveJpeg(*picture, folder.filePath(PictureName(i))) && written;
    }
    return written;
}

bool WriteEmojiCategory(const QDir& imgs, const EmojiCategory& category) {
    QStringList distinct = category.emoji;
    distinct.removeDuplicates();
    if (distinct.size() != TileCanvas::kPicturesPerCategory ||
        category.emoji.size() != TileCanvas::kPicturesPerCategory) {
        qCritical().noquote() << category.name << "needs" << TileCanvas::kPicturesPerCategory
                              << "different emoji, has" << distinct.size();
        return false;
    }
    const QFont font = EmojiPainter::EmojiFont();
    return WriteCategory(imgs, category.name, [&](int i) {
        return EmojiPainter::DrawEmojiTile(font, category.emoji.at(i), TileCanvas::Background(i));
    });
}

bool WriteEmojiCategories(const QDir& imgs) {
    if (!QFontDatabase::families().contains(EmojiPainter::EmojiFont().family())) {
        qWarning("Noto Color Emoji is not installed (Debian: fonts-noto-color-emoji); "
                 "only the drawn pictures are written");
        return true;
    }
    bool written = true;
    for (const EmojiCategory& category : EmojiCategories()) {
        written = WriteEmojiCategory(imgs, category) && written;
    }
    return written;
}

} // namespace

int main(int argc, char* argv[]) {
    const QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2) {
        qCritical("usage: generate_assets <data folder>");
        return 2;
    }
    const QDir data(arguments.at(1));
    QDir imgs(data.filePath(QStringLiteral("imgs")));
    // Start afresh, so a renamed category leaves no stale folder behind.
    imgs.removeRecursively();

    const bool written =
        WriteCategory(imgs, QStringLiteral("Shapes"),
                      [](int i) { return std::optional(ShapePainter::DrawShapeTile(i)); }) &&
        WriteEmojiCategories(imgs) &&
        TileCanvas::SaveJpeg(ShapePainter::DrawFreeTile(),
                             data.filePath(QStringLiteral("free.jpg")));
    return written ? 0 : 1;
}
