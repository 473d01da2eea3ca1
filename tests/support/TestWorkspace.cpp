#include "TestWorkspace.h"

#include "NumberText.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QSettings>

TestWorkspace::TestWorkspace() : previousDir_(QDir::currentPath()) {
    QDir(dir_.path()).mkpath(QStringLiteral("config"));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, SettingsDir());
    QDir::setCurrent(dir_.path());
}

TestWorkspace::~TestWorkspace() {
    QDir::setCurrent(previousDir_);
}

QString TestWorkspace::SettingsFile() const {
    return SettingsDir() + QStringLiteral("/Tilewise/Tilewise.ini");
}

QColor TestWorkspace::PictureColour(int n) {
    return QColor::fromHsv((n * 7) % 360, 200, 100 + (n % 3) * 60);
}

void TestWorkspace::AddCategory(const QString& name, int count) {
    QDir(dir_.path()).mkpath(QStringLiteral("imgs/") + name);
    for (int n = 0; n < count; ++n) {
        WriteJpeg(QStringLiteral("imgs/%1/img%2.jpg").arg(name, NumberText::ThreeDigits(n)),
                  PictureColour(n));
    }
}

void TestWorkspace::AddEntry(const QString& name, bool folder) {
    QDir(dir_.path()).mkpath(QStringLiteral("imgs"));
    if (folder) {
        QDir(dir_.path()).mkpath(QStringLiteral("imgs/") + name);
    } else {
        WriteFile(QStringLiteral("imgs/") + name, "not a category");
    }
}

void TestWorkspace::WriteJpeg(const QString& relativePath, QColor colour, int side) {
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(colour);
    QDir(dir_.path()).mkpath(QFileInfo(relativePath).path());
    image.save(dir_.filePath(relativePath), "JPEG", 95);
}

void TestWorkspace::WriteGif(const QString& relativePath) {
    static const unsigned char gif[] = {'G',  'I',  'F',  '8',  '9',  'a',  0x01, 0x00, 0x01,
                                        0x00, 0x80, 0x00, 0x00, 0xff, 0x00, 0x00, 0x00, 0x00,
                                        0x00, ',',  0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x01,
                                        0x00, 0x00, 0x02, 0x02, 'D',  0x01, 0x00, ';'};
    WriteFile(relativePath, QByteArray(reinterpret_cast<const char*>(gif), sizeof gif));
}

void TestWorkspace::WriteFile(const QString& relativePath, const QByteArray& bytes) {
    QDir(dir_.path()).mkpath(QFileInfo(relativePath).path());
    QFile file(dir_.filePath(relativePath));
    if (file.open(QIODevice::WriteOnly)) {
        file.write(bytes);
    }
}

void TestWorkspace::AddFreePicture() {
    WriteJpeg(QStringLiteral("free.jpg"), Qt::white);
}

void TestWorkspace::Store(const QString& section, const QString& key, const QString& value) {
    QSettings store(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Tilewise"),
                    QStringLiteral("Tilewise"));
    store.setValue(section + QLatin1Char('/') + key, value);
    store.sync();
}

QString TestWorkspace::Stored(const QString& section, const QString& key) const {
    QSettings store(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Tilewise"),
                    QStringLiteral("Tilewise"));
    store.sync();
    return store.value(section + QLatin1Char('/') + key).toString();
}
