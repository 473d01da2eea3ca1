#include "PictureTitles.h"

#include <QRegularExpression>

namespace {

// Long enough for any title; a names.txt line holds no more.
constexpr int kMaxTitle = 80;

QString readable(QString base) {
    static const QRegularExpression separators(QStringLiteral("[\\s_.]+"));
    for (QChar& c : base) {
        if (!c.isPrint()) {
            c = QLatin1Char(' ');
        }
    }
    return base.replace(separators, QStringLiteral(" ")).trimmed().left(kMaxTitle).trimmed();
}

} // namespace

namespace PictureTitles {

bool isCameraName(const QString& baseName) {
    static const QRegularExpression camera(
        QStringLiteral("^(img|dsc|dscn|dscf|pxl|mvimg|gopr|dji|sam|cimg|imag|pic|pict|p|pano|wp|"
                       "dcp|sdc|mg|photo)?[\\s_-]*\\d[\\d\\s_~().-]*$"),
        QRegularExpression::CaseInsensitiveOption);
    return camera.match(baseName).hasMatch();
}

QStringList fromFileNames(const QStringList& fileNames) {
    QStringList titles;
    int photos = 0;
    for (const QString& name : fileNames) {
        const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
        const QString base = dot > 0 ? name.left(dot) : name;
        const QString title = readable(base);
        titles.append(isCameraName(base) || title.isEmpty()
                          ? QStringLiteral("Photo %1").arg(++photos)
                          : title);
    }
    return titles;
}

} // namespace PictureTitles
