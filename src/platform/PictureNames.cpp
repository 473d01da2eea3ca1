#include "PictureNames.h"

#include <QFile>

QStringList readPictureNames(const QString& categoryFolder) {
    QFile file(categoryFolder + QStringLiteral("/names.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return {};
    }
    QStringList names = QString::fromUtf8(file.read(64 * 1024)).split(QLatin1Char('\n'));
    for (QString& name : names) {
        name = name.trimmed();
    }
    return names;
}
