#include "AudioWarnings.h"

#include <QString>
#include <cstdio>

namespace {

bool IsAudioWarning(const QMessageLogContext& context, const QString& message) {
    if (context.category != nullptr && qstrncmp(context.category, "qt.multimedia", 13) == 0) {
        return true;
    }
    for (const char* prefix :
         {"PulseAudio", "QPulseAudio", "QSoundEffect", "QAudio", "No audio device"}) {
        if (message.startsWith(QLatin1String(prefix))) {
            return true;
        }
    }
    return false;
}

} // namespace

void DropAudioWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    const bool warning = type == QtWarningMsg || type == QtCriticalMsg;
    if (warning && IsAudioWarning(context, message)) {
        return;
    }
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}
