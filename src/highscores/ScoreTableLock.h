#pragma once

#include <QLockFile>
#include <QString>

// Keeps other running copies out of the high-score tables while one copy
// rewrites a table. The lock file lies beside the settings file; its name
// differs from "<settings file>.lock", which QSettings takes itself on every
// write and which we would otherwise wait on forever.
class ScoreTableLock {
public:
    explicit ScoreTableLock(const QString& settingsFile);
    ScoreTableLock(const ScoreTableLock&) = delete;
    ScoreTableLock& operator=(const ScoreTableLock&) = delete;

    bool IsHeld() const { return lock_.isLocked(); }
    // Why the lock could not be taken, as a sentence for the player.
    QString Problem() const { return problem_; }

private:
    QLockFile lock_;
    QString problem_;
};
