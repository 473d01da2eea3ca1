#pragma once

#include <QtGlobal>

// A message handler that drops the warnings of Qt's audio back ends and
// passes everything else on as Qt would print it. Qt 6.4 logs them without
// a category, once per sound, when there is no sound card or audio server;
// the sound device says once itself that the game plays silently.
void DropAudioWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message);
