#pragma once

#include <QtGlobal>
#include <functional>

// The program's message handler: Qt's messages as Qt would print them, but
//  - the warnings of Qt's audio back ends are dropped: Qt 6.4 logs them
//    without a category, once per sound, when there is no sound card or
//    audio server, and the sound device says once itself that the game
//    plays silently;
//  - a display that cannot be opened ends the program with one clear line
//    and exit status 1, instead of Qt's warnings and an abort;
//  - a display that goes away runs the hook below first.
void filterMessages(QtMsgType type, const QMessageLogContext& context, const QString& message);

// Runs `hook` once when the display goes away (the X server or the Wayland
// compositor ends), just before Qt ends the program from inside its event
// processing (exit status 1 under X11): there is no later moment to save.
// An empty hook removes it.
void onDisplayLost(std::function<void()> hook);

// The line printed when no display can be opened: in the player's language
// once the catalogues are installed, in English before.
QString noDisplayText();
