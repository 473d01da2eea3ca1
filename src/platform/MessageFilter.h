#pragma once

#include <QtGlobal>

// The program's message handler: Qt's messages as Qt would print them, but
//  - the warnings of Qt's audio back ends are dropped: Qt 6.4 logs them
//    without a category, once per sound, when there is no sound card or
//    audio server, and the sound device says once itself that the game
//    plays silently;
//  - a display that cannot be opened ends the program with one clear line
//    and exit status 1, instead of Qt's warnings and an abort.
void filterMessages(QtMsgType type, const QMessageLogContext& context, const QString& message);

// The line printed when no display can be opened.
inline constexpr char kNoDisplay[] =
    "tilewise: cannot open a display; set DISPLAY or WAYLAND_DISPLAY";
