#include "PictureFolders.h"

#include "GameState.h"
#include "PictureFiles.h"

QString PictureFolders::categoryOf(const GameState& game) const {
    const int index = game.current().categoryIndex;
    return (game.isMadeCategory(index) ? made : dataImgs()) + QLatin1Char('/') +
           game.category(index);
}

QString PictureFolders::freePicture() const {
    const QString own = PictureFiles(data, QStringLiteral("free")).find(QStringLiteral("free"));
    if (!own.isEmpty() || bundled.isEmpty()) {
        return own;
    }
    return PictureFiles(bundled, QStringLiteral("free")).find(QStringLiteral("free"));
}
