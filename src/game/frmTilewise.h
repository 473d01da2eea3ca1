#pragma once

#include "Dialogs.h"
#include "GameState.h"
#include "PictureCache.h"
#include "RandomSource.h"
#include "SoundDevice.h"

#include <QList>
#include <QMainWindow>
#include <array>
#include <memory>

class ImageControl;
class QLabel;
class QPushButton;
class QStatusBar;
class QTimer;

// The main window: the board of face-down tiles over their pictures, the
// menus and the status bar. Loading it starts a game; closing it saves the
// preferences of the game in progress.
class frmTilewise final : public QMainWindow, public GameState {
    Q_OBJECT
public:
    // What the window talks to outside itself. Empty members get the real
    // thing; tests put fakes in to answer boxes, fix deals and hear cues.
    struct Services {
        std::unique_ptr<Dialogs> dialogs;
        std::unique_ptr<RandomSource> random;
        std::unique_ptr<SoundDevice> sound;
    };

    explicit frmTilewise(Services services = {}, QWidget* parent = nullptr);
    ~frmTilewise() override;

    // Menu commands.
    void mnuGameNew_Click();
    void mnuGameRevealAll_Click();
    void mnuGameHighScores_Click();
    void mnuGameExit_Click();
    void mnuEditPreferences_Click();
    void mnuEditFont_Click();
    void mnuHelpAbout_Click();

    // Play: a click on tile Index, and the 500 ms tick.
    void btns_Click(int Index);
    void tmrTimer_Timer();

    // Progress messages go to the third status panel; an empty message shows
    // the board's standing notice (a missing picture), if any.
    void ShowStatus(const QString& message);
    void UpdateStatusBar();

    // The controls, by their names.
    QPushButton* btns(int index) const { return btns_.at(index); }
    ImageControl* imgs(int index) const { return imgs_.at(index); }
    int TileControls() const { return static_cast<int>(btns_.size()); }
    QStatusBar* sbMain() const { return sbMain_; }
    QString PanelText(int panel) const; // 1-based, as the panels are numbered
    QTimer* tmrTimer() const { return tmrTimer_; }
    SoundDevice& mmc1() const { return *mmc1_; }
    Dialogs& dialogs() const { return *dialogs_; }
    const PictureCache& Pictures() const { return pictures_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildDesign();
    void BuildMenus();
    void BuildStatusBar();
    void Form_Load();
    void Form_Unload();
    void ReadPreferences();

    void LoadImages();
    void UnloadImages();
    QString PictureFile(int pictureNumber) const;

    void CoverTiles();
    void TilesMismatched();
    void TilesMatched();

    std::unique_ptr<Dialogs> dialogs_;
    std::unique_ptr<RandomSource> random_;
    std::unique_ptr<SoundDevice> mmc1_;

    QWidget* client_ = nullptr;
    QList<QPushButton*> btns_;
    QList<ImageControl*> imgs_;
    QStatusBar* sbMain_ = nullptr;
    std::array<QLabel*, 3> panels_{};
    QTimer* tmrTimer_ = nullptr;

    PictureCache pictures_;
    QString boardNotice_; // what the last board build could not load
    bool unloaded_ = false;
};
