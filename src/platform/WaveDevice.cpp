#include "WaveDevice.h"

#include <QFile>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace {

// RIFF/WAVE with a format chunk is all QSoundEffect can decode; anything else
// would only make it log errors.
bool LooksLikeWave(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray head = file.read(12);
    return head.size() == 12 && head.startsWith("RIFF") && head.mid(8, 4) == "WAVE";
}

} // namespace

WaveDevice::WaveDevice(QObject* parent) : QObject(parent) {}

void WaveDevice::SetDeviceType(const QString& deviceType) {
    deviceType_ = deviceType;
}

void WaveDevice::SetFileName(const QString& fileName) {
    fileName_ = fileName;
}

void WaveDevice::SetCommand(const QString& command) {
    if (command == QLatin1String("Open")) {
        current_ = EffectFor(fileName_);
    } else if (command == QLatin1String("Play")) {
        if (current_ != nullptr) {
            current_->play();
        }
    } else if (command == QLatin1String("Close")) {
        if (current_ != nullptr) {
            current_->stop();
        }
        current_ = nullptr;
    }
}

void WaveDevice::Preload(const QString& fileName) {
    EffectFor(fileName);
}

QSoundEffect* WaveDevice::EffectFor(const QString& fileName) {
    if (fileName.isEmpty()) {
        return nullptr;
    }
    const QString path = QFileInfo(fileName).absoluteFilePath();
    const auto found = effects_.constFind(path);
    if (found != effects_.constEnd()) {
        return found.value();
    }
    QSoundEffect* effect = nullptr;
    if (LooksLikeWave(path)) {
        effect = new QSoundEffect(this);
        effect->setSource(QUrl::fromLocalFile(path));
    }
    effects_.insert(path, effect);
    return effect;
}
