#include "Scenarios.h"

#include "BareWindow.h"
#include "BenchApplication.h"
#include "DataFolder.h"
#include "Fakes.h"
#include "HighScores.h"
#include "Machine.h"
#include "MainWindow.h"
#include "SettingsStore.h"
#include "TilePicture.h"

#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <memory>
#include <stdexcept>

namespace {

using Clock = BenchApplication::Clock;

double Milliseconds(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// A settings file of its own, and the bundled data folder, for as long as
// it lives.
class BenchFolder {
public:
    BenchFolder() {
        if (!settings_.isValid()) {
            throw std::runtime_error("cannot make a temporary settings folder");
        }
        if (!QDir(Data() + QStringLiteral("/imgs")).exists()) {
            throw std::runtime_error("no bundled pictures in " + Data().toStdString());
        }
    }
    static QString Data() { return DataFolder::Bundled(QCoreApplication::applicationDirPath()); }
    QString SettingsFile() const { return settings_.filePath(QStringLiteral("Tilewise.ini")); }

    void StoreColumns(int columns) const {
        SettingsStore store(SettingsFile());
        if (!store.Update([columns](SettingsValues& values) {
                values.Set(QStringLiteral("settings"), QStringLiteral("columns"),
                           QString::number(columns));
                return true;
            })) {
            throw std::runtime_error(store.Error().toStdString());
        }
    }

    // The window as a player meets it, with no sound and no boxes that wait.
    std::unique_ptr<MainWindow> Window() const {
        return std::move(MakeWindow(Data(), SettingsFile()).window);
    }

private:
    QTemporaryDir settings_;
};

std::unique_ptr<MainWindow> ShownWindow(BenchApplication& app, const BenchFolder& folder) {
    app.StartWatch();
    std::unique_ptr<MainWindow> window = folder.Window();
    window->show();
    app.WaitForPaint(VisibleLeaves(*window));
    return window;
}

// The board's tiles that show: each picture, and each button over one.
QList<QWidget*> ShownTiles(const MainWindow& w) {
    QList<QWidget*> tiles;
    for (int i = 0; i < w.Game().TileCount(); ++i) {
        tiles << w.tilePicture(i);
        if (!w.tileButton(i)->isHidden()) {
            tiles << w.tileButton(i);
        }
    }
    return tiles;
}

// From the menu command to the end of the paint of the new board with all
// its pictures.
double TimedNewGame(BenchApplication& app, MainWindow& w, int columns, int category) {
    BoardConfig next = w.Game().Current();
    next.columns = next.rows = static_cast<std::int16_t>(columns);
    next.tilesPerSet = 2;
    next.categoryIndex = static_cast<std::int16_t>(category);
    w.SetNextGame(next);
    app.StartWatch();
    const Clock::time_point start = Clock::now();
    w.newGame();
    w.FinishPictures(); // what idle time does after the first frame, counted here too
    return Milliseconds(start, app.WaitForPaint(ShownTiles(w)));
}

} // namespace

namespace Scenarios {

double StartUp(BenchApplication& app, const QString& kind, int columns) {
    const BenchFolder folder;
    const bool tilewise = kind == QLatin1String("tilewise");
    if (tilewise) {
        folder.StoreColumns(columns);
    } else if (kind != QLatin1String("bare")) {
        throw std::runtime_error("unknown window kind " + kind.toStdString());
    }
    app.StartWatch();
    const Clock::time_point start = Clock::now();
    std::unique_ptr<QMainWindow> window;
    if (tilewise) {
        window = folder.Window();
    } else {
        window = std::make_unique<BareWindow>(columns);
    }
    window->show();
    return Milliseconds(start, app.WaitForPaint(VisibleLeaves(*window)));
}

NewGames NewGame(BenchApplication& app, int category) {
    const BenchFolder folder;
    const std::unique_ptr<MainWindow> window = ShownWindow(app, folder);
    if (category < 1 || window->Game().category(category).isEmpty() ||
        category == window->Game().Current().categoryIndex) {
        throw std::runtime_error("category " + std::to_string(category) +
                                 " is not another bundled category");
    }
    NewGames result;
    int decodes = window->pictureCache().Decodes();
    result.coldMs = TimedNewGame(app, *window, 10, category);
    result.coldDecodes = window->pictureCache().Decodes() - decodes;
    decodes = window->pictureCache().Decodes();
    result.warmMs = TimedNewGame(app, *window, 10, category);
    result.warmDecodes = window->pictureCache().Decodes() - decodes;
    return result;
}

double FirstClick(BenchApplication& app, int columns) {
    const BenchFolder folder;
    folder.StoreColumns(columns);
    const std::unique_ptr<MainWindow> window = ShownWindow(app, folder);
    const int tile = window->Game().LastFaceDown(); // decoded last of all
    app.StartWatch();
    const Clock::time_point start = Clock::now();
    window->clickTile(tile);
    return Milliseconds(start, app.WaitForPaint({window->tilePicture(tile)}));
}

QList<double> Clicks(BenchApplication& app, int columns, int count) {
    const BenchFolder folder;
    folder.StoreColumns(columns);
    const std::unique_ptr<MainWindow> window = ShownWindow(app, folder);
    MainWindow& w = *window;
    // A fresh board every 20 clicks: at most 10 matches, so no game ends
    // (its boxes are not what is measured here).
    constexpr int kClicksPerBoard = 20;
    QList<double> times;
    int next = 0;
    for (int c = 0; c < count; ++c) {
        if (c % kClicksPerBoard == 0) {
            TimedNewGame(app, w, columns, w.Game().Current().categoryIndex);
            next = 0;
        }
        while (w.tileButton(next)->isHidden()) {
            ++next;
        }
        app.StartWatch();
        const Clock::time_point start = Clock::now();
        w.clickTile(next);
        times << Milliseconds(start, app.WaitForPaint({w.tilePicture(next)}));
        ++next;
    }
    return times;
}

QList<double> HighScoreEntries(int count) {
    const BenchFolder folder;
    constexpr int kColumns = 10;
    constexpr int kSetSize = 2;
    SettingsStore store(folder.SettingsFile());
    HighScores table(store);
    auto add = [&table](int score) {
        const HighScores::Result added =
            table.AddHighScore(kColumns, kSetSize, QStringLiteral("Bench"), score);
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
        if (!table.IsHighScore(kColumns, kSetSize, score)) {
            throw std::runtime_error("the table took no high score");
        }
        const Clock::time_point start = Clock::now();
        add(score);
        times << Milliseconds(start, Clock::now());
    }
    return times;
}

Memory NewGamesMemory(BenchApplication& app, int checkpoint, int games) {
    const BenchFolder folder;
    const std::unique_ptr<MainWindow> window = ShownWindow(app, folder);
    Memory result;
    result.startKiB = Machine::ResidentKiB();
    int categories = 0;
    while (!window->Game().category(categories + 1).isEmpty()) {
        ++categories;
    }
    // Every category in turn, so each one's pictures are decoded and kept.
    for (int game = 1; game <= games; ++game) {
        TimedNewGame(app, *window, 10, (game - 1) % categories + 1);
        if (game == checkpoint) {
            result.checkpointKiB = Machine::ResidentKiB();
        }
    }
    result.endKiB = Machine::ResidentKiB();
    return result;
}

} // namespace Scenarios
