#include "MainWindow.h"

#include "Announcer.h"
#include "BoardView.h"
#include "Cues.h"
#include "DataFolder.h"
#include "DialogFont.h"
#include "FolderListing.h"
#include "LazySound.h"
#include "Preferences.h"
#include "SettingsNotice.h"
#include "TileAccessibility.h"
#include "TileBoard.h"
#include "TileTexts.h"
#include "Twips.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QWindow>

namespace {

// The design-time client area and status bar, in twips.
constexpr int kClientWidth = 6885;
constexpr int kClientHeight = 5865;
constexpr int kStatusBarHeight = 285;

} // namespace

MainWindow::MainWindow(Services services, QWidget* parent)
    : QMainWindow(parent), folders_{services.dataFolder,
                                    services.madeFolder.isEmpty() ? DataFolder::made()
                                                                  : services.madeFolder,
                                    services.bundledFolder.isEmpty()
                                        ? DataFolder::bundled(
                                              QCoreApplication::applicationDirPath())
                                        : services.bundledFolder,
                                    services.language},
      store_(services.settingsFile), dialogs_(std::move(services.dialogs)),
      random_(std::move(services.random)), sound_(std::move(services.sound)) {
    if (!dialogs_) {
        dialogs_ = std::make_unique<QtDialogs>();
    }
    if (!random_) {
        random_ = std::make_unique<ClockRandom>();
    }
    if (!sound_) {
        sound_ = std::make_unique<LazySound>(
            folders_.data,
            QStringList{cueFile(Cue::Greeting), cueFile(Cue::Match), cueFile(Cue::Mismatch)},
            QCoreApplication::applicationDirPath() + QStringLiteral("/" TILEWISE_SOUND_MODULE_DIR));
    }
    setObjectName(QStringLiteral("frmTilewise"));
    setWindowTitle(QStringLiteral("Tilewise"));
    setFont(dialogFont());

    board_ = new TileBoard(game_, folders_, this);
    view_ = new BoardView(board_, this);
    setCentralWidget(view_);
    connect(board_, &TileBoard::tileClicked, this, &MainWindow::clickTile);
    connect(board_, &TileBoard::statusMessage, this, &MainWindow::showStatus);
    connect(board_, &TileBoard::picturesShown, this, &MainWindow::boardPicturesShown);

    installTileAccessibility();
    announcer_ = new Announcer(this);
    connect(board_, &TileBoard::announcement, announcer_, &Announcer::announce);

    buildMenus();
    buildStatusBar();

    turnTimer_ = new QTimer(this);
    turnTimer_->setObjectName(QStringLiteral("tmrTimer"));
    turnTimer_->setInterval(500);
    connect(turnTimer_, &QTimer::timeout, this, &MainWindow::tick);
    turnTimer_->start();

    // Size the window so that its client area, between the menu bar and the
    // status bar, has the design-time size; the first board is laid out in it.
    // On a smaller screen the window opens no larger than the screen, its
    // title bar included.
    const double dpi = Twips::logicalDpi(this);
    const int bars = menuBar()->sizeHint().height() + Twips::toPixels(kStatusBarHeight, dpi);
    QSize size(Twips::toPixels(kClientWidth, dpi),
               Twips::toPixels(kClientHeight - kStatusBarHeight, dpi) + bars);
    if (const QScreen* shown = screen()) {
        size = size.boundedTo(shown->availableGeometry().size() -
                              QSize(0, style()->pixelMetric(QStyle::PM_TitleBarHeight)));
    }
    view_->resize(size.width(), size.height() - bars);
    resize(size);
    layout()->activate();

    load();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenus() {
    QMenuBar* bar = menuBar();
    auto addItem = [this](QMenu* menu, const char* name, const QString& caption,
                          void (MainWindow::*handler)()) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, handler);
    };
    auto addSeparator = [](QMenu* menu, const char* name) {
        menu->addSeparator()->setObjectName(QLatin1String(name));
    };

    QMenu* game = bar->addMenu(tr("&Game"));
    game->setObjectName(QStringLiteral("mnuGame"));
    //: Game > New: deals a new game
    addItem(game, "mnuGameNew", tr("&New"), &MainWindow::newGame);
    //: Game > Reveal All: gives the game up and turns every tile face up
    addItem(game, "mnuGameRevealAll", tr("&Reveal All"), &MainWindow::revealAll);
    addSeparator(game, "mnuSeparator1");
    addItem(game, "mnuGameHighScores", tr("&High Scores..."), &MainWindow::showHighScores);
    addSeparator(game, "mnuSeparator2");
    addItem(game, "mnuGameExit", tr("E&xit"), &MainWindow::exitGame);

    QMenu* edit = bar->addMenu(tr("&Edit"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    addItem(edit, "mnuEditPreferences", tr("&Preferences..."), &MainWindow::editPreferences);
    //: Edit > Font: the font of the numbers on the tiles
    addItem(edit, "mnuEditFont", tr("&Font..."), &MainWindow::chooseTileFont);
    //: Edit > New Category: makes a category of pictures from a folder of photos
    addItem(edit, "mnuEditNewCategory", tr("&New Category..."), &MainWindow::newCategory);

    QMenu* help = bar->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    addItem(help, "mnuHelpAbout", tr("&About Tilewise..."), &MainWindow::showAbout);
}

void MainWindow::buildStatusBar() {
    auto* bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("sbMain"));
    bar->setSizeGripEnabled(false);
    const double dpi = Twips::logicalDpi(this);
    bar->setFixedHeight(Twips::toPixels(kStatusBarHeight, dpi));

    struct Panel {
        const char* text;
        const char* toolTip;
    };
    // The first two texts show only until the first count replaces them.
    const std::array<Panel, 3> design{
        {{QT_TR_NOOP("Matches:"), QT_TR_NOOP("Matches / Guesses")},
         {QT_TR_NOOP("Uncovered Tiles:"), QT_TR_NOOP("# uncovered / # required")},
         {"", ""}}};
    for (std::size_t p = 0; p < design.size(); ++p) {
        const bool last = p + 1 == design.size();
        auto* label = new QLabel(last ? QString() : tr(design.at(p).text), bar);
        label->setToolTip(last ? QString() : tr(design.at(p).toolTip));
        // Panels keep their designed minimum and widen when a long count
        // needs it; the third takes the rest of the bar.
        label->setMinimumWidth(Twips::toPixels(1440, dpi));
        label->setFrameShape(QFrame::StyledPanel);
        label->setFrameShadow(QFrame::Sunken);
        if (last) {
            // A long notice is cut short here and read whole in the tool tip;
            // it must not widen the window.
            label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        }
        bar->addWidget(label, last ? 1 : 0);
        panels_.at(p) = label;
    }
    setStatusBar(bar);
}

QLabel* MainWindow::panel(int panel) const {
    return panels_.at(static_cast<std::size_t>(panel - 1));
}

void MainWindow::showStatus(const QString& message) {
    const StatusNotices::Shown shown = notices_.shown(message);
    panels_.at(2)->setText(shown.text);
    panels_.at(2)->setToolTip(shown.toolTip);
}

void MainWindow::updateStatusBar() {
    panels_.at(0)->setText(
        TileTexts::matchesPanel(game_.numMatches(), game_.numTurns(), game_.score()));
    panels_.at(1)->setText(
        TileTexts::uncoveredPanel(game_.numUncovered(), game_.current().tilesPerSet));
}

void MainWindow::load() {
    const QString imgs = folders_.dataImgs();
    const QStringList own = FolderListing::folders(imgs);
    game_.scanCategories(own, FolderListing::folders(folders_.made));
    const SettingsStore::StartUp stored = store_.startUp();
    if (const auto notice = settingsNotice(stored, store_.fileName())) {
        notices_.addNews(*notice);
    }
    if (game_.categoriesLeftOut()) {
        notices_.addNews(
            {//: Status bar, at start-up; the tool tip says more
             tr("Only the first 32 categories are listed."),
             own.size() > BoardConfig::kMaxCategories
                 ? tr("More than 32 category folders lie in %1; Preferences "
                      "lists the first 32 by name.")
                       .arg(QDir::toNativeSeparators(imgs))
                 //: %1: the folder of the player's own categories, %2: the game's picture folder
                 : tr("With the categories you made in %1, there are more than 32; "
                      "Preferences lists those of %2 first, then the ones you made, "
                      "up to 32.")
                       .arg(QDir::toNativeSeparators(folders_.made),
                            QDir::toNativeSeparators(imgs))});
    }
    game_.configure(Preferences::read(stored.values, game_.categoryCount()));
    // Tile 0's font is the one every board starts from.
    if (const auto font = Preferences::readTileFont(stored.values, board_->tileFont())) {
        board_->button(0)->setFont(*font);
    }
    game_.initialize();
    game_.deal(*random_);
    buildBoard();
    notices_.setBoardNotices({});
    updateStatusBar();

    playCue(*sound_, Cue::Greeting);
    showStatus(tr("Start matching tiles."));

    if (game_.categoryCount() == 0) {
        // Told once, after the window is up, so the player sees it over the board.
        QTimer::singleShot(0, this, [this] {
            dialogs_->messageBox(this,
                                 //: "imgs" is a folder's name: keep it as it is
                                 tr("No picture categories were found.\n\nTilewise looks for "
                                    "category folders inside a folder named \"imgs\" in %1. "
                                    "Until there is one, the tiles show numbered stand-ins.")
                                     .arg(QDir::toNativeSeparators(folders_.data)),
                                 QStringLiteral("Tilewise"));
        });
    }
}

QString MainWindow::rescanCategories() {
    return game_.rescanCategories(FolderListing::folders(folders_.dataImgs()),
                                  FolderListing::folders(folders_.made));
}

// Told once every picture has been tried, and held until the next click; a
// board with all its pictures leaves the panel as it is.
void MainWindow::boardPicturesShown() {
    if (const auto notices = StatusNotices::missingPictures(board_->missingPictures());
        !notices.isEmpty()) {
        notices_.setBoardNotices(notices);
        showStatus(QString());
    }
    emit picturesShown();
}

void MainWindow::buildBoard() {
    view_->fitBoard();
    board_->build();
}

void MainWindow::unload() {
    sound_->setCommand(QStringLiteral("Close"));
    if (unloaded_) {
        return;
    }
    if (!savePreferences()) {
        dialogs_->messageBox(
            //: %1: why, a sentence of its own
            this, tr("Your preferences could not be saved. %1").arg(store_.error()),
            QStringLiteral("Tilewise"));
    }
}

void MainWindow::exitGame() {
    showStatus(tr("Exiting Tilewise..."));
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    unload();
    event->accept();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!onScreen_ && windowHandle() != nullptr) {
        windowHandle()->installEventFilter(this);
    }
}

// The first expose comes once the window is mapped, and its first frame is
// painted as it is handled: what waits for the screen starts after that.
// Work queued any earlier would run before the request to map the window
// even left the program.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle() && event->type() == QEvent::Expose && !onScreen_ &&
        windowHandle()->isExposed()) {
        onScreen_ = true;
        windowHandle()->removeEventFilter(this);
        QTimer::singleShot(0, this, [this] {
            sound_->start();
            board_->startPictures();
        });
    }
    return QMainWindow::eventFilter(watched, event);
}

// Keys that reach the window while no tile has the focus still play.
void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (!board_->handleKey(*event)) {
        QMainWindow::keyPressEvent(event);
    }
}
