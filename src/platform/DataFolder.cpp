#include "DataFolder.h"

#include <QDir>

namespace DataFolder {

QString Bundled(const QString& applicationDir) {
    return QDir::cleanPath(applicationDir + QStringLiteral("/../share/tilewise"));
}

QString ChooseWorkingFolder(const QString& applicationDir) {
    if (!QDir(QStringLiteral("imgs")).exists()) {
        const QString bundled = Bundled(applicationDir);
        if (QDir(bundled).exists()) {
            QDir::setCurrent(bundled);
        }
    }
    return QDir::currentPath();
}

} // namespace DataFolder
