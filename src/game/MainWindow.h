#pragma once

#include "Dialogs.h"
#include "GameState.h"
#include "PictureFolders.h"
#include "RandomSource.h"
#include "SettingsStore.h"
#include "SoundDevice.h"
#include "StatusNotices.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>
#include <optional>

class Announcer;
class BoardView;
class QLabel;
class QTimer;
class TileBoard;

// The main window: it holds the game and plays its turns, draws it on a
// TileBoard as its central widget, and has the menus and the status bar.
// Loading it starts a game; closing it saves the preferences of the game in
// progress and the tile font.
class MainWindow final : public QMainWindow {
    Q_OBJECT
public:
    // What the window talks to outside itself. Empty members get the real
    // thing; tests put fakes in to answer boxes, fix deals and hear cues.
    struct Services {
        QString dataFolder;   // holds imgs, the free picture and the cues
        QString settingsFile; // the preferences and high scores
        std::unique_ptr<Dialogs> dialogs;
        std::unique_ptr<RandomSource> random;
        std::unique_ptr<SoundDevice> sound;
        QString madeFolder{};    // the player's made categories
        QString bundledFolder{}; // the bundled data folder, for its free picture
        QString language{};      // the player's, for the pictures' names: "de"
    };

    explicit MainWindow(Services services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Menu commands.
    void newGame();
    void revealAll();
    void showHighScores();
    void exitGame();
    void editPreferences();
    void chooseTileFont();
    void newCategory();
    void showAbout();

    // Ends the program from outside (a signal, the desktop's log-out): saves
    // what the player decided, closes the boxes that are open and closes the
    // window, as Exit does. A finished game's high score is entered under
    // the name in its box, or the name the box would offer.
    void endSession();
    // Saves what the player decided, once, without a box: the high score of
    // a finished game, the preferences and the tile font. What Exit writes,
    // for an end with nobody to answer a box, or no display left to show one.
    void saveDecided();

    // Play: a tile turned over, and the 500 ms tick.
    void clickTile(int index);
    void tick();

    // Progress messages go to the third status panel, or the notices held
    // there (see StatusNotices).
    void showStatus(const QString& message);
    void updateStatusBar();

    const GameState& game() const { return game_; }
    const PictureFolders& pictureFolders() const { return folders_; }
    // Lists the categories again, as after one is made; the games keep theirs
    // (see GameState::rescanCategories: the name of one that went, or empty).
    QString rescanCategories();
    // Chooses the next game, as the Preferences dialog does.
    void setNextGame(const BoardConfig& next) { game_.setNext(next); }

    TileBoard* board() const { return board_; }
    QLabel* panel(int panel) const; // 1-based, as the panels are numbered
    QTimer* turnTimer() const { return turnTimer_; }
    SettingsStore& settings() { return store_; }

signals:
    // Every picture of the board has been decoded and shown, and the
    // pictures it could not show are told.
    void picturesShown();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildMenus();
    void buildStatusBar();
    void load();
    void unload();
    bool savePreferences();
    void buildBoard();
    void boardPicturesShown();

    // Told to the screen reader without moving the focus, in words short
    // enough for a key every 3 s: the picture of a tile turned while the
    // turn goes on ("Tile 3: cat face"), else how the turn ended with the
    // picture turned last ("Match: cat face", "No match: dog face"). The
    // last match is left to the result box.
    void announce(int tile, const ClickResult& turn);
    void tilesMismatched();
    void tilesMatched(bool gameOver);
    void enterHighScore(int score);

    GameState game_;
    PictureFolders folders_;
    SettingsStore store_;
    std::unique_ptr<Dialogs> dialogs_;
    std::unique_ptr<RandomSource> random_;
    std::unique_ptr<SoundDevice> sound_;

    TileBoard* board_ = nullptr;
    BoardView* view_ = nullptr;
    std::array<QLabel*, 3> panels_{};
    QTimer* turnTimer_ = nullptr;
    StatusNotices notices_;
    Announcer* announcer_ = nullptr;
    QPointer<QObject> newCategory_; // a category being made
    bool unloaded_ = false;
    bool ending_ = false;
    // A finished game's score until it is entered, or found to earn no rank.
    std::optional<int> finishedScore_;
    bool onScreen_ = false; // the first frame has been painted
};
