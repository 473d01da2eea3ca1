#include "ThemeIcons.h"

#include "IconDesign.h"

#include <QDebug>
#include <QFile>
#include <QImage>

namespace ThemeIcons {

namespace {

// Where the icon of one theme size goes, its folder made; empty when that fails.
QString iconPath(const QDir& root, const QString& size, const QString& suffix) {
    const QString folder = QStringLiteral("hicolor/%1/apps").arg(size);
    if (!root.mkpath(folder)) {
        qCritical().noquote() << "cannot create" << root.filePath(folder);
        return {};
    }
    return root.filePath(QStringLiteral("%1/tilewise.%2").arg(folder, suffix));
}

bool writePng(const QDir& root, int side) {
    const QString path = iconPath(root, QStringLiteral("%1x%1").arg(side), QStringLiteral("png"));
    if (path.isEmpty()) {
        return false;
    }
    if (!IconDesign::render(side).save(path, "PNG")) {
        qCritical().noquote() << "cannot write" << path;
        return false;
    }
    return true;
}

bool writeSvg(const QDir& root) {
    const QString path = iconPath(root, QStringLiteral("scalable"), QStringLiteral("svg"));
    if (path.isEmpty()) {
        return false;
    }
    QFile file(path);
    const QByteArray svg = IconDesign::svg().toUtf8();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(svg) != svg.size()) {
        qCritical().noquote() << "cannot write" << path;
        return false;
    }
    return true;
}

} // namespace

bool write(const QDir& root) {
    bool written = writeSvg(root);
    for (int side : {16, 32, 48, 64, 128, 256}) {
        written = writePng(root, side) && written;
    }
    return written;
}

} // namespace ThemeIcons
