#include "Scenarios.h"

#include "BareWindow.h"
#include "BenchApplication.h"
#include "DataFolder.h"
#include "Fakes.h"
#include "HighScores.h"
#include "Machine.h"
#include "MainWindow.h"
#include "PictureCache.h"
#include "SettingsStore.h"
#include "TileBoard.h"
#include "TilePicture.h"

#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <memory>
#include <stdexcept>

namespace {

using Clock = BenchApplication::Clock;

constexpr auto milliseconds = &BenchApplication::milliseconds;

// A settings file of its own, and the bundled data folder, for as long as
// it lives.
class BenchFolder {
public:
    BenchFolder() {
        if (!settings_.isValid()) {
            throw std::runtime_error("cannot make a temporary settings folder");
        }
        if (!QDir(data() + QStringLiteral("/imgs")).exists()) {
            throw std::runtime_error("no bundled pictures in " + data().toStdString());
        }
    }
    static QString data() { return DataFolder::bundled(QCoreApplication::applicationDirPath()); }
    QString settingsFile() const { return settings_.filePath(QStringLiteral("Tilewise.ini")); }
    QString madeFolder() const { return settings_.filePath(QStringLiteral("made")); }

    void storeColumns(int columns) const {
        SettingsStore store(settingsFile());
        if (!store.update([columns](SettingsValues& values) {
                values.set(QStringLiteral("settings"), QStringLiteral("columns"),
                           QString::number(columns));
                return true;
            })) {
            throw std::runtime_error(store.error().toStdString());
        }
    }

    // The window as a player meets it, with no sound and no boxes that wait.
    std::unique_ptr<MainWindow> window() const {
        return std::move(makeWindow(data(), settingsFile(), madeFolder()).window);
    }

private:
    QTemporaryDir settings_;
};

std::unique_ptr<MainWindow> shownWindow(BenchApplication& app, const BenchFolder& folder) {
    app.startWatch();
    std::unique_ptr<MainWindow> window = folder.window();
    window->show();
    app.waitForPaint(visibleLeaves(*window));
    return window;
}

// The board's tiles that show: each picture, and each button over one.
QList<QWidget*> shownTiles(const MainWindow& w) {
    QList<QWidget*> tiles;
    for (int i = 0; i < w.game().tileCount(); ++i) {
        tiles << w.board()->picture(i);
        if (!w.board()->button(i)->isHidden()) {
            tiles << w.board()->button(i);
        }
    }
    return tiles;
}

// From the menu command to the end of the paint of the new board with all
// its pictures.
double timedNewGame(BenchApplication& app, MainWindow& w, int columns, int category) {
    BoardConfig next = w.game().current();
    next.columns = next.rows = static_cast<std::int16_t>(columns);
    next.tilesPerSet = 2;
    next.categoryIndex = static_cast<std::int16_t>(category);
    w.setNextGame(next);
    app.startWatch();
    const Clock::time_point start = Clock::now();
    w.newGame();
    w.board()->finishPictures(); // what idle time does after the first frame, counted here too
    return milliseconds(start, app.waitForPaint(shownTiles(w)));
}

// From a click on a face-down tile to the paint of its picture, which is
// made once the picture has been decoded.
double timedClick(BenchApplication& app, MainWindow& w, int tile) {
    app.startWatch();
    const Clock::time_point start = Clock::now();
    w.clickTile(tile);
    while (w.board()->picture(tile) == nullptr || w.board()->picture(tile)->picture().isNull()) {
        if (Clock::now() - start > std::chrono::seconds(20)) {
            throw std::runtime_error("the picture of a clicked tile never came");
        }
        app.processEvents(QEventLoop::AllEvents);
    }
    return milliseconds(start, app.waitForPaint({w.board()->picture(tile)}));
}

} // namespace

namespace Scenarios {

double startUp(BenchApplication& app, const QString& kind, int columns) {
    const BenchFolder folder;
    const bool tilewise = kind == QLatin1String("tilewise");
    if (tilewise) {
        folder.storeColumns(columns);
    } else if (kind != QLatin1String("bare")) {
        throw std::runtime_error("unknown window kind " + kind.toStdString());
    }
    app.startWatch();
    const Clock::time_point start = Clock::now();
    std::unique_ptr<QMainWindow> window;
    if (tilewise) {
        window = folder.window();
    } else {
        window = std::make_unique<BareWindow>(columns);
    }
    window->show();
    return milliseconds(start, app.waitForPaint(visibleLeaves(*window)));
}

NewGames newGame(BenchApplication& app, int category) {
    const BenchFolder folder;
    const std::unique_ptr<MainWindow> window = shownWindow(app, folder);
    if (category < 1 || window->game().category(category).isEmpty() ||
        category == window->game().current().categoryIndex) {
        throw std::runtime_error("category " + std::to_string(category) +
                                 " is not another bundled category");
    }
    NewGames result;
    int decodes = window->board()->pictureCache().decodes();
    result.coldMs = timedNewGame(app, *window, 10, category);
    result.coldDecodes = window->board()->pictureCache().decodes() - decodes;
    decodes = window->board()->pictureCache().decodes();
    result.warmMs = timedNewGame(app, *window, 10, category);
    result.warmDecodes = window->board()->pictureCache().decodes() - decodes;
    return result;
}

double firstClick(BenchApplication& app, int columns) {
    const BenchFolder folder;
    folder.storeColumns(columns);
    const std::unique_ptr<MainWindow> window = shownWindow(app, folder);
    const int tile = window->game().lastFaceDown(); // decoded last of all
    return timedClick(app, *window, tile);
}

QList<double> clicks(BenchApplication& app, int columns, int count) {
    const BenchFolder folder;
    folder.storeColumns(columns);
    const std::unique_ptr<MainWindow> window = shownWindow(app, folder);
    MainWindow& w = *window;
    // A fresh board every 20 clicks: at most 10 matches, so no game ends
    // (its boxes are not what is measured here).
    constexpr int kClicksPerBoard = 20;
    QList<double> times;
    int next = 0;
    for (int c = 0; c < count; ++c) {
        if (c % kClicksPerBoard == 0) {
            timedNewGame(app, w, columns, w.game().current().categoryIndex);
            next = 0;
        }
        while (w.board()->button(next)->isHidden()) {
            ++next;
        }
        times << timedClick(app, w, next);
        ++next;
    }
    return times;
}

QList<double> highScoreEntries(int count) {
    const BenchFolder folder;
    constexpr int kColumns = 10;
    constexpr int kSetSize = 2;
    SettingsStore store(folder.settingsFile());
    HighScores table(store);
    auto add = [&table](int score) {
        const HighScores::Result added =
            table.addHighScore(kColumns, kSetSize, QStringLiteral("Bench"), score);
        if (added.outcome != HighScores::Outcome::Added) {
            throw std::runtime_error(added.problem.toStdString());
        }
    };
    for (int score = 1; score <= 10; ++score) {
        add(score);
    }
    QList<double> times;
    // Each score is the best yet, so it goes to the top and every entry moves.
    for (int k = 0; k < count; ++k) {
        const int score = 11 + k;
        if (!table.isHighScore(kColumns, kSetSize, score)) {
            throw std::runtime_error("the table took no high score");
        }
        const Clock::time_point start = Clock::now();
        add(score);
        times << milliseconds(start, Clock::now());
    }
    return times;
}

Memory newGamesMemory(BenchApplication& app, int checkpoint, int games) {
    const BenchFolder folder;
    const std::unique_ptr<MainWindow> window = shownWindow(app, folder);
    Memory result;
    result.startKiB = Machine::residentKiB();
    int categories = 0;
    while (!window->game().category(categories + 1).isEmpty()) {
        ++categories;
    }
    // Every category in turn, so each one's pictures are decoded and kept.
    for (int game = 1; game <= games; ++game) {
        timedNewGame(app, *window, 10, (game - 1) % categories + 1);
        if (game == checkpoint) {
            result.checkpointKiB = Machine::residentKiB();
        }
    }
    result.endKiB = Machine::residentKiB();
    return result;
}

} // namespace Scenarios
