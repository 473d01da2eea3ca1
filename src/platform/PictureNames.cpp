#include "PictureNames.h"

#include "PlainFile.h"

QStringList readPictureNames(const QString& categoryFolder, const QString& language) {
    const QString translated = QStringLiteral("/names.%1.txt").arg(language);
    PlainFile file(categoryFolder +
                       (language.isEmpty() ? QStringLiteral("/names.txt") : translated),
                   1024 * 1024);
    if (!file.isOpen()) {
        return language.isEmpty() ? QStringList() : readPictureNames(categoryFolder);
    }
    QStringList names = QString::fromUtf8(file.file().read(64 * 1024)).split(QLatin1Char('\n'));
    for (QString& name : names) {
        name = name.trimmed();
    }
    return names;
}
