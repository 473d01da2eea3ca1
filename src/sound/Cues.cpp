#include "Cues.h"

#include "SoundDevice.h"

QString cueFile(Cue cue) {
    switch (cue) {
    case Cue::Match:
        return QStringLiteral("match.wav");
    case Cue::Mismatch:
        return QStringLiteral("mismatch.wav");
    case Cue::Greeting:
        return QStringLiteral("letsplay.wav");
    }
    return QString();
}

void playCue(SoundDevice& device, Cue cue) {
    const QString fileName = cueFile(cue);
    device.setCommand(QStringLiteral("Close"));
    device.setFileName(fileName);
    device.setCommand(QStringLiteral("Open"));
    device.setCommand(QStringLiteral("Play"));
}
