#include "TestWorkspace.h"

#include "NumberText.h"
#include "SettingsStore.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTimer>
#include <QtTest>

QString TestWorkspace::settingsFile() const {
    return dir_.filePath(QStringLiteral("config/Tilewise/Tilewise.ini"));
}

QString TestWorkspace::madeFolder() const {
    return dir_.filePath(QStringLiteral("share/Tilewise/imgs"));
}

QColor TestWorkspace::pictureColour(int n) {
    return QColor::fromHsv((n * 7) % 360, 200, 100 + (n % 3) * 60);
}

void TestWorkspace::addCategory(const QString& name, int count) {
    QDir(dir_.path()).mkpath(QStringLiteral("imgs/") + name);
    for (int n = 0; n < count; ++n) {
        writeJpeg(QStringLiteral("imgs/%1/img%2.jpg").arg(name, NumberText::threeDigits(n)),
                  pictureColour(n));
    }
}

void TestWorkspace::addEntry(const QString& name, bool folder) {
    if (folder) {
        QDir(dir_.path()).mkpath(QStringLiteral("imgs/") + name);
    } else {
        writeFile(QStringLiteral("imgs/") + name, "not a category");
    }
}

void TestWorkspace::writeJpeg(const QString& relativePath, QColor colour, int side) {
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(colour);
    QDir(dir_.path()).mkpath(QFileInfo(relativePath).path());
    image.save(dir_.filePath(relativePath), "JPEG", 95);
}

void TestWorkspace::writeGif(const QString& relativePath, QColor colour) {
    QByteArray gif = QByteArray::fromHex("47494638396101000100800000ff00000000002c00000000010001"
                                         "000002024401003b");
    gif[13] = char(colour.red());
    gif[14] = char(colour.green());
    gif[15] = char(colour.blue());
    writeFile(relativePath, gif);
}

void TestWorkspace::writeFile(const QString& relativePath, const QByteArray& bytes) {
    QDir(dir_.path()).mkpath(QFileInfo(relativePath).path());
    QFile file(dir_.filePath(relativePath));
    if (file.open(QIODevice::WriteOnly)) {
        file.write(bytes);
    }
}

void TestWorkspace::store(const QString& section, const QString& key, const QString& value) {
    SettingsStore store(settingsFile());
    QVERIFY(store.update([&](SettingsValues& values) {
        values.set(section, key, value);
        return true;
    }));
}

QString TestWorkspace::stored(const QString& section, const QString& key) const {
    return SettingsStore(settingsFile()).read().get(section, key, QString());
}

QByteArray TestWorkspace::settingsBytes() const {
    QFile file(settingsFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

FakeWindow TestWorkspace::open() const {
    return makeWindow(path(), settingsFile(), madeFolder());
}

bool withModal(const std::function<void()>& open, const std::function<void(QDialog&)>& inspect) {
    bool seen = false;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        seen = true;
        inspect(*dialog);
        if (QTest::currentTestFailed() && dialog->isVisible()) {
            dialog->reject();
        }
    });
    timer.start(0);
    open();
    return seen;
}
