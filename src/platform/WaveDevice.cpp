#include "WaveDevice.h"

#include <QFile>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>
#include <QtEndian>
#include <atomic>

namespace {

// A RIFF/WAVE file with a PCM format chunk of 8 or 16 bits and a data chunk:
// what QSoundEffect decodes. Anything else would only make Qt log errors.
bool IsPcmWave(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray head = file.read(12);
    if (head.size() != 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE") {
        return false;
    }
    bool pcm = false;
    for (;;) {
        const QByteArray chunk = file.read(8);
        if (chunk.size() != 8) {
            return false;
        }
        const QByteArray id = chunk.left(4);
        const quint32 size = qFromLittleEndian<quint32>(chunk.constData() + 4);
        if (id == "data") {
            return pcm && size > 0;
        }
        if (id == "fmt ") {
            const QByteArray format = file.peek(16);
            if (format.size() != 16) {
                return false;
            }
            const auto tag = qFromLittleEndian<quint16>(format.constData());
            const auto channels = qFromLittleEndian<quint16>(format.constData() + 2);
            const auto rate = qFromLittleEndian<quint32>(format.constData() + 4);
            const auto bits = qFromLittleEndian<quint16>(format.constData() + 14);
            pcm = tag == 1 && channels >= 1 && rate > 0 && (bits == 8 || bits == 16);
        }
        // Chunks are padded to an even length.
        if (!file.seek(file.pos() + size + (size & 1U))) {
            return false;
        }
    }
}

bool IsAudioWarning(const QMessageLogContext& context, const QString& message) {
    if (context.category != nullptr && qstrncmp(context.category, "qt.multimedia", 13) == 0) {
        return true;
    }
    // Qt 6.4's audio back ends warn without a category.
    for (const char* prefix :
         {"PulseAudio", "QPulseAudio", "QSoundEffect", "QAudio", "No audio device"}) {
        if (message.startsWith(QLatin1String(prefix))) {
            return true;
        }
    }
    return false;
}

void PassFirstAudioWarning(QtMsgType type, const QMessageLogContext& context,
                           const QString& message);

// Qt calls a message handler as a plain function, with no room for data of
// our own, so the handler's state has to be static: the handler it passes
// messages on to, and whether an audio warning has been shown yet. Kept in
// this one function; atomic because Qt's audio threads log too.
struct AudioWarningGate {
    QtMessageHandler next;
    std::atomic<bool> shown{false};
};

AudioWarningGate& Gate() {
    static AudioWarningGate gate{qInstallMessageHandler(&PassFirstAudioWarning)};
    return gate;
}

void PassFirstAudioWarning(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
    AudioWarningGate& gate = Gate();
    const bool warning = type == QtWarningMsg || type == QtCriticalMsg;
    if (warning && IsAudioWarning(context, message) && gate.shown.exchange(true)) {
        return;
    }
    gate.next(type, context, message);
}

} // namespace

WaveDevice::WaveDevice(QObject* parent) : QObject(parent) {
    Gate(); // installed once, by the first device, before Qt's audio starts
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
    if (IsPcmWave(path)) {
        effect = new QSoundEffect(this);
        effect->setSource(QUrl::fromLocalFile(path));
    }
    effects_.insert(path, effect);
    return effect;
}
