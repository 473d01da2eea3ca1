#include "DataFolder.h"

#include <QDir>

namespace DataFolder {

QString Resolve(const QString& workingFolder, const QString& applicationDir) {
    const QDir working(workingFolder);
    const QString bundled = QDir::cleanPath(applicationDir + QStringLiteral("/../share/tilewise"));
    if (!working.exists(QStringLiteral("imgs")) && QDir(bundled).exists()) {
        return bundled;
    }
    return working.absolutePath();
}

} // namespace DataFolder
