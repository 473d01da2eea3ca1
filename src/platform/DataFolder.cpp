#include "DataFolder.h"

#include <QDir>
#include <QStandardPaths>

namespace DataFolder {

QString bundled(const QString& applicationDir) {
    return QDir::cleanPath(applicationDir + QStringLiteral("/" TILEWISE_BUNDLED_DATA_DIR));
}

QString resolve(const QString& workingFolder, const QString& applicationDir) {
    const QDir working(workingFolder);
    const QString shipped = bundled(applicationDir);
    if (!working.exists(QStringLiteral("imgs")) && QDir(shipped).exists()) {
        return shipped;
    }
    return working.absolutePath();
}

QString made() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return data.isEmpty() ? QString() : data + QStringLiteral("/Tilewise/imgs");
}

} // namespace DataFolder
