#include "LazySound.h"

#include "SoundFactory.h"

#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

namespace {

// Where libpulse looks for a server: the PULSE_SERVER variable, the user's
// socket, and the system-wide one.
bool soundServerReachable() {
    if (!qEnvironmentVariableIsEmpty("PULSE_SERVER")) {
        return true;
    }
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    for (const QString& socket :
         {runtime + QStringLiteral("/pulse/native"), QStringLiteral("/run/pulse/native"),
          QStringLiteral("/var/run/pulse/native")}) {
        if (QFileInfo::exists(socket)) {
            return true;
        }
    }
    return false;
}

} // namespace

LazySound::LazySound(QString folder, QStringList cues, QString moduleFolder)
    : folder_(std::move(folder)), cues_(std::move(cues)), moduleFolder_(std::move(moduleFolder)) {}

LazySound::~LazySound() = default;

void LazySound::setFileName(const QString& fileName) {
    fileName_ = fileName;
    if (device_) {
        device_->setFileName(fileName);
    }
}

void LazySound::setCommand(const QString& command) {
    if (device_) {
        device_->setCommand(command);
    } else if (command == QLatin1String("Open")) {
        opened_ = fileName_;
        playing_ = false;
    } else if (command == QLatin1String("Play")) {
        playing_ = !opened_.isEmpty();
    } else if (command == QLatin1String("Close")) {
        opened_.clear();
        playing_ = false;
    }
}

void LazySound::start() {
    if (started_) {
        return;
    }
    started_ = true;
    if (!soundServerReachable()) {
        qInfo("tilewise: no sound server found; playing without sound");
        return;
    }
    QPluginLoader loader(QDir(moduleFolder_).absoluteFilePath(QStringLiteral("tilewise_sound")));
    auto* factory = qobject_cast<SoundFactory*>(loader.instance());
    if (factory == nullptr) {
        qInfo("tilewise: the sound module cannot be loaded (%s); playing without sound",
              qPrintable(loader.errorString()));
        return;
    }
    device_ = factory->create(folder_, cues_);
    device_->start();
    if (!opened_.isEmpty()) {
        device_->setFileName(opened_);
        device_->setCommand(QStringLiteral("Open"));
        if (playing_) {
            device_->setCommand(QStringLiteral("Play"));
        }
    }
    device_->setFileName(fileName_);
}
