#include "Misc.h"

#include "SoundDevice.h"

namespace Misc {

QString CueFile(Cue cue) {
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

void PlaySound(SoundDevice& mmc1, Cue cue) {
    const QString fileName = CueFile(cue);
    mmc1.SetCommand(QStringLiteral("Close"));
    mmc1.SetFileName(fileName);
    mmc1.SetCommand(QStringLiteral("Open"));
    mmc1.SetCommand(QStringLiteral("Play"));
}

} // namespace Misc
