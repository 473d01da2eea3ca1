#include "WaveDevice.h"

#include "WaveFile.h"

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

WaveDevice::WaveDevice(const QString& folder, QStringList cues, QObject* parent)
    : QObject(parent), folder_(folder), cues_(std::move(cues)) {}

void WaveDevice::setFileName(const QString& fileName) {
    fileName_ = fileName;
}

void WaveDevice::setCommand(const QString& command) {
    if (command == QLatin1String("Open")) {
        current_ = effectFor(fileName_);
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

void WaveDevice::start() {
    if (QMediaDevices::audioOutputs().isEmpty()) {
        silent_ = true;
        qInfo("tilewise: no sound output found; playing without sound");
        return;
    }
    for (const QString& cue : std::as_const(cues_)) {
        effectFor(cue);
    }
}

QSoundEffect* WaveDevice::effectFor(const QString& fileName) {
    if (fileName.isEmpty() || silent_) {
        return nullptr;
    }
    const QString path = folder_.absoluteFilePath(fileName);
    const auto found = effects_.constFind(path);
    if (found != effects_.constEnd()) {
        return found.value();
    }
    QSoundEffect* effect = nullptr;
    const WaveFile wave = WaveFile::inspect(path);
    if (wave.playable) {
        effect = new QSoundEffect(this);
        effect->setSource(QUrl::fromLocalFile(path));
    } else if (QFile::exists(path)) {
        qInfo("tilewise: %s %s; it is not played", qPrintable(path), qPrintable(wave.problem));
    }
    effects_.insert(path, effect);
    return effect;
}
