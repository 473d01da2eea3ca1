#pragma once

#include "Dialogs.h"
#include "GameState.h"
#include "PictureCache.h"
#include "RandomSource.h"
#include "SettingsStore.h"
#include "SoundDevice.h"

#include <QList>
#include <QMainWindow>
#include <array>
#include <map>
#include <memory>
#include <tuple>

class Announcer;
class TilePicture;
class QLabel;
class QPushButton;
class QStatusBar;
class QTimer;

// The main window: it holds the game's rules and draws them as a board of
// face-down tiles over their pictures, with the menus and the status bar.
// Loading it starts a game; closing it saves the preferences of the game in
// progress.
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
    void showAbout();

    // Play: a click on a tile, and the 500 ms tick.
    void clickTile(int index);
    void tick();

    // Progress messages go to the third status panel. The notices of a new
    // board (pictures it could not show) take their place until the first
    // click; after that an empty message brings them back.
    void showStatus(const QString& message);
    void updateStatusBar();

    // Shows every picture of the board still waiting to be decoded.
    void finishPictures();
    // The picture files this board could not show, as far as decoded.
    QStringList missingPictures() const { return missing_; }

    const GameState& game() const { return game_; }
    // Chooses the next game, as the Preferences dialog does.
    void setNextGame(const BoardConfig& next) { game_.setNext(next); }

    // The controls, by their names.
    QPushButton* tileButton(int index) const { return buttons_.at(index); }
    // Null until the tile's picture is first shown; element 0 always exists.
    TilePicture* tilePicture(int index) const { return tilePictures_.at(index); }
    int tileControls() const { return static_cast<int>(buttons_.size()); }
    QLabel* panel(int panel) const; // 1-based, as the panels are numbered
    QTimer* turnTimer() const { return turnTimer_; }
    const PictureCache& pictureCache() const { return pictureCache_; }
    SettingsStore& settings() { return store_; }

    // Panel 3's notices: start-up news (told once) and what the board could
    // not show, short in the panel and in full in its tool tip.
    struct Notice {
        QString text;
        QString detail;
    };

signals:
    // Every picture of the board has been decoded and shown.
    void picturesShown();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildDesign();
    void buildMenus();
    void buildStatusBar();
    void load();
    void unload();
    BoardConfig storedConfig(const SettingsValues& stored) const;

    void loadImages();
    void unloadImages();
    QString pictureFile(int pictureNumber) const;
    QString tileToolTip(int index) const;
    void showPicture(int tile);
    void showNextPicture();

    // This board's notices, held in panel 3 until the next click.
    void setBoardNotices(QList<Notice> notices);
    // Shows a tile's face as the rules have it: a face-up tile's button hides,
    // and with it, for the screen reader, the picture's name comes forward.
    void showFace(int tile);
    // A tile's picture control is made when its picture is first shown: in
    // idle time after the first frame, or at the tile's first click. Until
    // then the button covers its place, and a board of 100 tiles reaches the
    // screen with half its widgets.
    void makePicture(int tile);
    // The tile's names and place for the screen reader, fixed for the board:
    // the button's, and the picture's once it is made.
    void nameForScreenReaders(int tile);
    void namePicture(int tile);
    QString tilePlace(int tile) const;
    QString pictureName(int tile) const;
    void announce(int tile, const ClickResult& turn);

    // The keyboard: moves across the board, Enter, and typed tile numbers.
    bool tileKey(const QKeyEvent& event);
    int focusedTile() const;
    void focusTile(int tile);
    void turnTypedTile();
    void coverTiles(const QList<int>& tiles);
    void tilesMismatched();
    void tilesMatched(bool gameOver);

    GameState game_;
    QString dataFolder_;
    SettingsStore store_;
    std::unique_ptr<Dialogs> dialogs_;
    std::unique_ptr<RandomSource> random_;
    std::unique_ptr<SoundDevice> sound_;

    QWidget* client_ = nullptr;
    QList<QPushButton*> buttons_;
    QList<TilePicture*> tilePictures_;
    QStatusBar* statusBar_ = nullptr;
    std::array<QLabel*, 3> panels_{};
    QTimer* turnTimer_ = nullptr;

    PictureCache pictureCache_;
    struct PendingPicture {
        int tile;
        QSize pixels; // decoded at the board's nominal tile size
        QSize shown;  // this tile's own size, a pixel off at most
    };
    QList<PendingPicture> pending_; // in tile order
    QStringList missing_;           // files this board could not show
    // Stand-ins drawn for this board by picture number and size, so that the
    // tiles of a set share one, as they share a decoded picture.
    std::map<std::tuple<int, int, int>, QPixmap> standIns_;
    QTimer* decodeTimer_ = nullptr;
    QList<Notice> news_;
    QList<Notice> boardNotices_;
    bool noticesHold_ = false; // until the first click of a board
    QString typed_;            // the digits of a tile number being typed
    QStringList pictureNames_; // the category's names, by picture number
    Announcer* announcer_ = nullptr;
    bool unloaded_ = false;
    bool onScreen_ = false; // the first frame has been painted
};
