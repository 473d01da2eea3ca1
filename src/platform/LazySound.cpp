#include "LazySound.h"

#include "SoundFactory.h"

#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

namespace {

// Where libpulse looks for a server: the PULSE_SERVER variable, the user's
// socket, and the system-wide one.
bool SoundServerReachable() {
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

void LazySound::SetFileName(const QString& fileName) {
    fileName_ = fileName;
    if (device_) {
        device_->SetFileName(fileName);
    }
}

void LazySound::SetCommand(const QString& command) {
    if (device_) {
        device_->SetCommand(command);
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

void LazySound::Start() {
    if (started_) {
        return;
    }
    started_ = true;
    if (!SoundServerReachable()) {
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
    device_ = factory->Create(folder_, cues_);
    device_->Start();
    if (!opened_.isEmpty()) {
        device_->SetFileName(opened_);
        device_->SetCommand(QStringLiteral("Open"));
        if (playing_) {
            device_->SetCommand(QStringLiteral("Play"));
        }
    }
    device_->SetFileName(fileName_);
}
