#include "PictureFiles.h"

#include <QDir>

PictureFiles::PictureFiles(const QString& folder, const QString& nameFilter) : folder_(folder) {
    // Sorted by name, so that of two files of one kind the first wins.
    const QStringList names = QDir(folder).entryList({nameFilter}, QDir::Files, QDir::Name);
    for (const QString& name : names) {
        const int rank = kind(name);
        if (rank < 0) {
            continue;
        }
        const QString base = name.left(name.lastIndexOf(QLatin1Char('.')));
        const QString kept = byBase_.value(base);
        if (kept.isEmpty() || rank < kind(kept)) {
            byBase_.insert(base, name);
        }
    }
}

QString PictureFiles::find(const QString& base) const {
    const QString name = byBase_.value(base);
    return name.isEmpty() ? QString() : folder_ + QLatin1Char('/') + name;
}

int PictureFiles::kind(const QString& fileName) {
    const QString suffix = fileName.section(QLatin1Char('.'), -1).toLower();
    if (fileName.indexOf(QLatin1Char('.')) < 0) {
        return -1;
    }
    if (suffix == QLatin1String("gif")) {
        return 0;
    }
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg")) {
        return 1;
    }
    return suffix == QLatin1String("png") ? 2 : -1;
}
