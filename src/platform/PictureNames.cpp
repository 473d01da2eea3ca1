#include "PictureNames.h"

#include "PlainFile.h"

QStringList readPictureNames(const QString& categoryFolder) {
    PlainFile file(categoryFolder + QStringLiteral("/names.txt"), 1024 * 1024);
    if (!file.isOpen()) {
        return {};
    }
    QStringList names = QString::fromUtf8(file.file().read(64 * 1024)).split(QLatin1Char('\n'));
    for (QString& name : names) {
        name = name.trimmed();
    }
    return names;
}
