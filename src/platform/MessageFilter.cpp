#include "MessageFilter.h"

#include <QString>
#include <cstdio>
#include <cstdlib>

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

// What Qt says on its way to giving up on the display.
bool IsDisplayFailure(const QString& message) {
    return message.contains(QLatin1String("could not connect to display")) ||
           message.contains(QLatin1String("Qt platform plugin"));
}

} // namespace

void FilterMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg && IsDisplayFailure(message)) {
        std::fprintf(stderr, "%s\n", kNoDisplay);
        std::_Exit(1);
    }
    const bool warning = type == QtWarningMsg || type == QtCriticalMsg;
    if ((warning && IsAudioWarning(context, message)) || IsDisplayFailure(message)) {
        return;
    }
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}
