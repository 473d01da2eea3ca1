#pragma once

#include "Dialogs.h"
#include "GameState.h"
#include "RandomSource.h"
#include "SoundDevice.h"

#include <QFont>
#include <QList>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <random>

class frmTilewise;
class QDialog;

// Answers the blocking boxes and remembers what they asked.
class FakeDialogs final : public Dialogs {
public:
    struct Asked {
        QString kind; // "MsgBox", "InputBox" or "ChooseFont"
        QString text;
        QString title;
        QString defaultText;
    };

    void MsgBox(QWidget* parent, const QString& text, const QString& title) override;
    QString InputBox(QWidget* parent, const QString& prompt, const QString& title,
                     const QString& defaultText) override;
    std::optional<QFont> ChooseFont(QWidget* parent, const QFont& initial) override;

    QList<Asked> asked;
    QStringList inputAnswers;        // taken in order; empty list answers ""
    std::optional<QFont> fontAnswer; // nothing: the player cancels
    QFont fontOffered;
};

// Records every property set and command given to the sound device.
class FakeSound final : public SoundDevice {
public:
    void SetDeviceType(const QString& deviceType) override;
    void SetFileName(const QString& fileName) override;
    void SetCommand(const QString& command) override;

    QStringList calls;          // "type:WaveAudio", "file:match.wav", "Open", ...
    QStringList Played() const; // file names at each "Play"
private:
    QString fileName_;
};

// A fixed sequence of draws, repeated; or, given a seed, a seeded engine.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(QList<double> values) : values_(std::move(values)) {}
    explicit ScriptedRandom(unsigned seed) : engine_(seed), seeded_(true) {}

    void Seed() override {}
    double Next() override;

    int draws = 0;

private:
    QList<double> values_;
    std::mt19937 engine_;
    bool seeded_ = false;
};

// Reads the window's private game state.
class GameStateProbe {
public:
    static int TileImage(const GameState& s, int tile) { return s.iTileImages.at(tile); }
    static int TileClicks(const GameState& s, int tile) { return s.iTileClicks.at(tile); }
    static int PoolEntry(const GameState& s, int k) { return s.iImagePool.at(k); }
    static int NumTurns(const GameState& s) { return s.iNumTurns; }
    static int Score(const GameState& s) { return s.iScore; }
    static int NumSets(const GameState& s) { return s.iNumSets; }
    static int CategoryIndex(const GameState& s) { return s.iCategoryIndex; }
    static int NumCategories(const GameState& s) { return s.iNumCategories; }

    static void SetCounts(GameState& s, int matches, int mismatches, int uncovered) {
        s.iNumMatches = static_cast<std::int16_t>(matches);
        s.iNumMismatches = static_cast<std::int16_t>(mismatches);
        s.iNumUncovered = static_cast<std::int16_t>(uncovered);
    }
    static void SetClicks(GameState& s, int tile, int clicks) {
        s.iTileClicks.at(tile) = static_cast<std::int16_t>(clicks);
    }
    static void SetTurn(GameState& s, QList<int> tiles, QList<int> images);

    // The deal read back: the tiles of each set, by picture number, and the
    // free tiles, on the board in play.
    static QList<QList<int>> Sets(const GameState& s);
    static QList<int> FreeTiles(const GameState& s);
};

// A window built with fakes, kept together with them for the test to inspect.
struct TestWindow {
    FakeDialogs* dialogs = nullptr;
    FakeSound* sound = nullptr;
    ScriptedRandom* random = nullptr;
    std::unique_ptr<frmTilewise> window;
};

// Builds the window in the current working folder. Without a script the deal
// comes from a fixed seed.
TestWindow MakeWindow(std::unique_ptr<ScriptedRandom> random = nullptr);

// Calls `open`, which shows a modal dialog, and runs `inspect` on the dialog
// while it is up. When a check fails inside, the dialog is rejected so that
// `open` returns. Returns false when no modal dialog came up.
bool WithModal(const std::function<void()>& open, const std::function<void(QDialog&)>& inspect);
