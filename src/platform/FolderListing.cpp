#include "FolderListing.h"

#include "NumberText.h"

#include <QDir>
#include <QFileInfo>

namespace {

// True when `inner` is `outer` or lies somewhere below it.
bool within(const QString& inner, const QString& outer) {
    const QString prefix = outer.endsWith(QLatin1Char('/')) ? outer : outer + QLatin1Char('/');
    return inner == outer || inner.startsWith(prefix);
}

} // namespace

namespace FolderListing {

QStringList folders(const QString& folder) {
    const QDir dir(folder);
    const QString home = dir.canonicalPath();
    QStringList names;
    if (folder.isEmpty() || home.isEmpty()) {
        return names;
    }
    const QFileInfoList entries =
        dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Unsorted);
    for (const QFileInfo& entry : entries) {
        // Only a link can lead back; a plain folder needs no resolving.
        if (!entry.isSymLink()) {
            names.append(entry.fileName());
            continue;
        }
        const QString target = entry.canonicalFilePath();
        if (!(within(home, target) || within(target, home))) {
            names.append(entry.fileName());
        }
    }
    return names;
}

QString pictureBase(int n) {
    return QStringLiteral("img") + NumberText::threeDigits(n);
}

} // namespace FolderListing
