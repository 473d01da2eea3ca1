#include "FolderListing.h"

#include <QDir>
#include <QFileInfo>

namespace FolderListing {

QStringList List(const QString& folder) {
    const QDir dir(folder);
    if (!dir.exists()) {
        return {};
    }
    return dir.entryList(QDir::AllEntries, QDir::Unsorted);
}

bool FileExists(const QString& path) {
    return QFileInfo(path).isFile();
}

} // namespace FolderListing
