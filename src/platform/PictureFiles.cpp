#include "PictureFiles.h"

#include <QDirIterator>
#include <algorithm>

// Listed without name filters: QDir's default "*" is matched through a
// regular expression, and the first one loads PCRE2 and its JIT, half a
// megabyte of the game's memory.
PictureFiles::PictureFiles(const QString& folder, const QString& prefix) : folder_(folder) {
    QStringList names;
    for (QDirIterator it(folder, QDir::Files); it.hasNext();) {
        names.append(it.next().section(QLatin1Char('/'), -1));
    }
    // By name, so that of two files of one kind the first wins.
    std::sort(names.begin(), names.end());
    for (const QString& name : std::as_const(names)) {
        const int rank = kind(name);
        if (rank < 0 || !name.startsWith(prefix)) {
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
