#include "ThemeIcons.h"

#include "IconDesign.h"

#include <QDebug>
#include <QFile>
#include <QImage>

namespace ThemeIcons {

namespace {

// Where the icon of one theme size goes, its folder made; empty when that fails.
QString IconPath(const QDir& root, const QString& size, const QString& suffix) {
    const QString folder = QStringLiteral("hicolor/%1/apps").arg(size);
    if (!root.mkpath(folder)) {
        qCritical().noquote() << "cannot create" << root.filePath(folder);
        return {};
    }
    return root.filePath(QStringLiteral("%1/tilewise.%2").arg(folder, suffix));
}

bool WritePng(const QDir& root, int side) {
    const QString path = IconPath(root, QStringLiteral("%1x%1").arg(side), QStringLiteral("png"));
    if (path.isEmpty()) {
        return false;
    }
    if (!IconDesign::Render(side).save(path, "PNG")) {
        qCritical().noquote() << "cannot write" << path;
        return false;
    }
    return true;
}

bool WriteSvg(const QDir& root) {
    const QString path = IconPath(root, QStringLiteral("scalable"), QStringLiteral("svg"));
    if (path.isEmpty()) {
        return false;
    }
    QFile file(path);
    const QByteArray svg = IconDesign::Svg().toUtf8();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(svg) != svg.size()) {
        qCritical().noquote() << "cannot write" << path;
        return false;
    }
    return true;
}

} // namespace

bool Write(const QDir& root) {
    bool written = WriteSvg(root);
    for (int side : {16, 32, 48, 64, 128, 256}) {
        written = WritePng(root, side) && written;
    }
    return written;
}

} // namespace ThemeIcons
