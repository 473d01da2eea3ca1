#include "DataFolder.h"

#include <QDir>

namespace DataFolder {

QString Bundled(const QString& applicationDir) {
    return QDir::cleanPath(applicationDir + QStringLiteral("/" TILEWISE_BUNDLED_DATA_DIR));
}

QString Resolve(const QString& workingFolder, const QString& applicationDir) {
    const QDir working(workingFolder);
    const QString bundled = Bundled(applicationDir);
    if (!working.exists(QStringLiteral("imgs")) && QDir(bundled).exists()) {
        return bundled;
    }
    return working.absolutePath();
}

} // namespace DataFolder
