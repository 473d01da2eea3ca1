#include "MainWindow.h"

#include "Announcer.h"
#include "Cues.h"
#include "DialogFont.h"
#include "Dialogs.h"
#include "FolderListing.h"
#include "LazySound.h"
#include "NumberText.h"
#include "RandomSource.h"
#include "SettingsStore.h"
#include "TileAccessibility.h"
#include "TileButton.h"
#include "TilePicture.h"
#include "Twips.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QWindow>

namespace {

// The design-time client area and status bar, in twips.
constexpr int kClientWidth = 6885;
constexpr int kClientHeight = 5865;
constexpr int kStatusBarHeight = 285;

const QString kSettings = QStringLiteral("settings");

// A stored preference as a number within [lo, hi], or its default when the
// text is missing, not a number, or out of range.
std::int16_t inRange(const SettingsValues& stored, const QString& key, std::int16_t fallback,
                     int lo, int hi) {
    const auto value =
        NumberText::parseInt16(stored.get(kSettings, key, QString::number(fallback)));
    if (!value || *value < lo || *value > hi) {
        return fallback;
    }
    return *value;
}

} // namespace

MainWindow::MainWindow(Services services, QWidget* parent)
    : QMainWindow(parent), dataFolder_(services.dataFolder), store_(services.settingsFile),
      dialogs_(std::move(services.dialogs)), random_(std::move(services.random)),
      sound_(std::move(services.sound)) {
    if (!dialogs_) {
        dialogs_ = std::make_unique<QtDialogs>();
    }
    if (!random_) {
        random_ = std::make_unique<ClockRandom>();
    }
    if (!sound_) {
        sound_ = std::make_unique<LazySound>(
            dataFolder_,
            QStringList{cueFile(Cue::Greeting), cueFile(Cue::Match), cueFile(Cue::Mismatch)},
            QCoreApplication::applicationDirPath() + QStringLiteral("/" TILEWISE_SOUND_MODULE_DIR));
    }
    buildDesign();
    load();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildDesign() {
    setObjectName(QStringLiteral("frmTilewise"));
    setWindowTitle(QStringLiteral("Tilewise"));
    setFont(dialogFont());

    client_ = new QWidget(this);
    setCentralWidget(client_);

    // Element 0 of each tile array lives as long as the window.
    auto* picture = new TilePicture(client_);
    picture->setObjectName(QStringLiteral("imgs"));
    Twips::place(picture, 1020, 0, 1095, 615);
    tilePictures_.append(picture);

    auto* tile = new TileButton(client_);
    tile->setObjectName(QStringLiteral("btns"));
    QFont tileFont(QStringLiteral("Arial"));
    tileFont.setPointSizeF(20.25);
    tileFont.setBold(true);
    tile->setFont(tileFont);
    Twips::place(tile, 0, 0, 1035, 615);
    connect(tile, &QPushButton::clicked, this, [this] { clickTile(0); });
    buttons_.append(tile);
    picture->setCover(tile);

    installTileAccessibility();
    announcer_ = new Announcer(this);

    buildMenus();
    buildStatusBar();

    turnTimer_ = new QTimer(this);
    turnTimer_->setObjectName(QStringLiteral("tmrTimer"));
    turnTimer_->setInterval(500);
    connect(turnTimer_, &QTimer::timeout, this, &MainWindow::tick);
    turnTimer_->start();

    // Runs whenever the event loop is idle, one picture at a time.
    decodeTimer_ = new QTimer(this);
    decodeTimer_->setInterval(0);
    connect(decodeTimer_, &QTimer::timeout, this, &MainWindow::showNextPicture);

    // Size the window so that its client area, between the menu bar and the
    // status bar, has the design-time size; the first board is laid out in it.
    const double dpi = Twips::logicalDpi(this);
    const QSize client(Twips::toPixels(kClientWidth, dpi),
                       Twips::toPixels(kClientHeight - kStatusBarHeight, dpi));
    client_->resize(client);
    resize(client.width(), client.height() + menuBar()->sizeHint().height() +
                               Twips::toPixels(kStatusBarHeight, dpi));
    layout()->activate();
}

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

    QMenu* game = bar->addMenu(QStringLiteral("&Game"));
    game->setObjectName(QStringLiteral("mnuGame"));
    addItem(game, "mnuGameNew", QStringLiteral("&New"), &MainWindow::newGame);
    addItem(game, "mnuGameRevealAll", QStringLiteral("&Reveal All"), &MainWindow::revealAll);
    addSeparator(game, "mnuSeparator1");
    addItem(game, "mnuGameHighScores", QStringLiteral("&High Scores..."),
            &MainWindow::showHighScores);
    addSeparator(game, "mnuSeparator2");
    addItem(game, "mnuGameExit", QStringLiteral("E&xit"), &MainWindow::exitGame);

    QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    addItem(edit, "mnuEditPreferences", QStringLiteral("&Preferences..."),
            &MainWindow::editPreferences);
    addItem(edit, "mnuEditFont", QStringLiteral("&Font..."), &MainWindow::chooseTileFont);

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    addItem(help, "mnuHelpAbout", QStringLiteral("&About Tilewise..."), &MainWindow::showAbout);
}

void MainWindow::buildStatusBar() {
    statusBar_ = new QStatusBar(this);
    statusBar_->setObjectName(QStringLiteral("sbMain"));
    statusBar_->setSizeGripEnabled(false);
    const double dpi = Twips::logicalDpi(this);
    statusBar_->setFixedHeight(Twips::toPixels(kStatusBarHeight, dpi));

    struct Panel {
        const char* text;
        const char* toolTip;
    };
    const std::array<Panel, 3> design{{{"Matches:", "Matches / Guesses"},
                                       {"Uncovered Tiles:", "# uncovered / # required"},
                                       {"", ""}}};
    for (std::size_t p = 0; p < design.size(); ++p) {
        auto* label = new QLabel(QString::fromLatin1(design.at(p).text), statusBar_);
        label->setToolTip(QString::fromLatin1(design.at(p).toolTip));
        // Panels keep their designed minimum and widen when a long count
        // needs it; the third takes the rest of the bar.
        label->setMinimumWidth(Twips::toPixels(1440, dpi));
        label->setFrameShape(QFrame::StyledPanel);
        label->setFrameShadow(QFrame::Sunken);
        const bool last = p + 1 == design.size();
        if (last) {
            // A long notice is cut short here and read whole in the tool tip;
            // it must not widen the window.
            label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        }
        statusBar_->addWidget(label, last ? 1 : 0);
        panels_.at(p) = label;
    }
    setStatusBar(statusBar_);
}

QLabel* MainWindow::panel(int panel) const {
    return panels_.at(static_cast<std::size_t>(panel - 1));
}

void MainWindow::load() {
    game_.scanCategories(FolderListing::folders(dataFolder_ + QStringLiteral("/imgs")));
    SettingsValues stored;
    if (const QString copy = store_.keepDamagedCopy(&stored); !copy.isEmpty()) {
        news_.append({QStringLiteral("Settings file damaged; a copy was kept."),
                      QStringLiteral("The settings file could not be read whole. It was copied "
                                     "to %1 before Tilewise writes it again.")
                          .arg(copy)});
    }
    if (game_.categoriesLeftOut()) {
        news_.append({QStringLiteral("Only the first 32 categories are listed."),
                      QStringLiteral("More than 32 category folders lie in %1; Preferences "
                                     "lists the first 32 by name.")
                          .arg(QDir::toNativeSeparators(dataFolder_ + QStringLiteral("/imgs")))});
    }
    game_.configure(storedConfig(stored));
    game_.initialize();
    game_.deal(*random_);
    loadImages();

    playCue(*sound_, Cue::Greeting);
    showStatus(QStringLiteral("Start matching tiles."));

    if (game_.categoryCount() == 0) {
        // Told once, after the window is up, so the player sees it over the board.
        QTimer::singleShot(0, this, [this] {
            dialogs_->messageBox(
                this,
                QStringLiteral("No picture categories were found.\n\nTilewise looks for "
                               "category folders inside a folder named \"imgs\" in %1. "
                               "Until there is one, the tiles show numbered stand-ins.")
                    .arg(QDir::toNativeSeparators(dataFolder_)),
                QStringLiteral("Tilewise"));
        });
    }
}

BoardConfig MainWindow::storedConfig(const SettingsValues& stored) const {
    BoardConfig config;
    config.categoryIndex =
        inRange(stored, QStringLiteral("categoryIndex"), 1, 1, game_.categoryCount());
    config.tilesPerSet = inRange(stored, QStringLiteral("numTilesToMatch"), 2, BoardConfig::kMinSet,
                                 BoardConfig::kMaxSet);
    config.columns =
        inRange(stored, QStringLiteral("columns"), 5, BoardConfig::kMinSide, BoardConfig::kMaxSide);
    config.rows = config.columns;
    return config;
}

void MainWindow::unload() {
    if (unloaded_) {
        return;
    }
    unloaded_ = true;
    sound_->setCommand(QStringLiteral("Close"));
    const BoardConfig& current = game_.current();
    const bool saved = store_.update([&current](SettingsValues& values) {
        values.set(kSettings, QStringLiteral("categoryIndex"),
                   QString::number(current.categoryIndex));
        values.set(kSettings, QStringLiteral("numTilesToMatch"),
                   QString::number(current.tilesPerSet));
        values.set(kSettings, QStringLiteral("columns"), QString::number(current.columns));
        return true;
    });
    if (!saved) {
        dialogs_->messageBox(
            this, QStringLiteral("Your preferences could not be saved. ") + store_.error(),
            QStringLiteral("Tilewise"));
    }
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
            decodeTimer_->start();
        });
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::exitGame() {
    showStatus(QStringLiteral("Exiting Tilewise..."));
    close();
}
