#include "ScoreTableLock.h"

#include <QDir>
#include <QFileInfo>

namespace {

// An update writes at most twenty values, so a copy that waits this long
// has met a lock that no working copy holds.
constexpr int kTimeoutMs = 10000;

} // namespace

ScoreTableLock::ScoreTableLock(const QString& settingsFile)
    : lock_(settingsFile + QStringLiteral(".highscores.lock")) {
    const QString folder = QFileInfo(settingsFile).absolutePath();
    if (!QDir().mkpath(folder)) {
        problem_ = QStringLiteral("The folder %1 cannot be created.").arg(folder);
        return;
    }
    // A lock left by a copy that crashed is taken over at once (its process
    // is gone); one whose owner hangs is taken over after the default 30 s.
    if (lock_.tryLock(kTimeoutMs)) {
        return;
    }
    switch (lock_.error()) {
    case QLockFile::LockFailedError:
        problem_ = QStringLiteral("Another copy of Tilewise kept the high scores locked.");
        break;
    case QLockFile::PermissionError:
        problem_ = QStringLiteral("The folder %1 cannot be written.").arg(folder);
        break;
    case QLockFile::NoError:
    case QLockFile::UnknownError:
        problem_ = QStringLiteral("The lock file in %1 cannot be created.").arg(folder);
        break;
    }
}
