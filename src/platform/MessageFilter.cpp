#include "MessageFilter.h"

#include <QCoreApplication>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

constexpr char kNoDisplay[] = QT_TRANSLATE_NOOP(
    "MessageFilter", "tilewise: cannot open a display; set DISPLAY or WAYLAND_DISPLAY");

bool isAudioWarning(const QMessageLogContext& context, const QString& message) {
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
bool isDisplayFailure(const QString& message) {
    return message.contains(QLatin1String("could not connect to display")) ||
           message.contains(QLatin1String("Qt platform plugin"));
}

// What Qt says just before it ends the program on a display that went away.
bool isDisplayLost(const QString& message) {
    return message.startsWith(QLatin1String("The X11 connection broke")) ||
           message.startsWith(QLatin1String("The Wayland connection"));
}

// Qt's message handler is a plain function, so what it calls on has to be
// reachable from everywhere.
std::function<void()>& displayLostHook() {
    static std::function<void()> hook;
    return hook;
}

} // namespace

QString noDisplayText() {
    return QCoreApplication::translate("MessageFilter", kNoDisplay);
}

void onDisplayLost(std::function<void()> hook) {
    displayLostHook() = std::move(hook);
}

void filterMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (isDisplayLost(message) && displayLostHook()) {
        const std::function<void()> hook = std::exchange(displayLostHook(), nullptr);
        hook();
    }
    if (type == QtFatalMsg && isDisplayFailure(message)) {
        std::fprintf(stderr, "%s\n", qPrintable(noDisplayText()));
        std::_Exit(1);
    }
    const bool warning = type == QtWarningMsg || type == QtCriticalMsg;
    if ((warning && isAudioWarning(context, message)) || isDisplayFailure(message)) {
        return;
    }
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}
