#include "Scenarios.h"

#include "BareWindow.h"
#include "BenchApplication.h"
#include "BenchServices.h"
#include "DataFolder.h"
#include "HighScores.h"
#include "ImageControl.h"
#include "Machine.h"
#include "SettingsStore.h"
#include "frmTilewise.h"

#include <QDir>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <memory>
#include <stdexcept>

namespace {

using Clock = BenchApplication::Clock;

double Milliseconds(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// A settings file of its own, and the bundled data folder as working folder,
// for as long as it lives.
class BenchFolder {
public:
    BenchFolder() {
        if (!settings_.isValid()) {
            throw std::runtime_error("cannot make a temporary settings folder");
        }
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings_.path());
        const QString data = DataFolder::Bundled(QCoreApplication::applicationDirPath());
        if (!QDir(data + QStringLiteral("/imgs")).exists()) {
            throw std::runtime_error("no bundled pictures in " + data.toStdString());
        }
        QDir::setCurrent(data);
    }

private:
    QTemporaryDir settings_;
};

void StoreColumns(int columns) {
    SettingsStore store;
    if (!store.SaveSetting(QStringLiteral("settings"), QStringLiteral("columns"),
                           QString::number(columns))) {
        throw std::runtime_error(store.Error().toStdString());
    }
}

std::unique_ptr<frmTilewise> ShownWindow(BenchApplication& app) {
    app.StartWatch();
    auto window = std::make_unique<frmTilewise>(BenchServices());
    window->show();
    app.WaitForPaint(VisibleLeaves(*window));
    return window;
}

// The board's tiles that show: each picture, and each button over one.
QList<QWidget*> ShownTiles(const frmTilewise& w) {
    QList<QWidget*> tiles;
    for (int i = 0; i < w.iNumColumns * w.iNumRows; ++i) {
        tiles << w.imgs(i);
        if (!w.btns(i)->isHidden()) {
            tiles << w.btns(i);
        }
    }
    return tiles;
}

// From the menu command to the end of the paint of the new board.
double TimedNewGame(BenchApplication& app, frmTilewise& w, int columns, int category) {
    w.iNewNumColumns = static_cast<std::int16_t>(columns);
    w.iNewNumRows = static_cast<std::int16_t>(columns);
    w.iNewNumTilesToMatch = 2;
    w.iNewCategoryIndex = static_cast<std::int16_t>(category);
    app.StartWatch();
    const Clock::time_point start = Clock::now();
    w.mnuGameNew_Click();
    return Milliseconds(start, app.WaitForPaint(ShownTiles(w)));
}

} // namespace

namespace Scenarios {

double StartUp(BenchApplication& app, const QString& kind, int columns) {
    const BenchFolder folder;
    const bool tilewise = kind == QLatin1String("tilewise");
    if (tilewise) {
        StoreColumns(columns);
    } else if (kind != QLatin1String("bare")) {
        throw std::runtime_error("unknown window kind " + kind.toStdString());
    }
    app.StartWatch();
    const Clock::time_point start = Clock::now();
    std::unique_ptr<QMainWindow> window;
    if (tilewise) {
        window = std::make_unique<frmTilewise>(BenchServices());
    } else {
        window = std::make_unique<BareWindow>(columns);
    }
    window->show();
    return Milliseconds(start, app.WaitForPaint(VisibleLeaves(*window)));
}

NewGames NewGame(BenchApplication& app, int category) {
    const BenchFolder folder;
    const std::unique_ptr<frmTilewise> window = ShownWindow(app);
    if (category < 1 || window->GetCategory(category).isEmpty() ||
        category == window->iNewCategoryIndex) {
        throw std::runtime_error("category " + std::to_string(category) +
                                 " is not another bundled category");
    }
    NewGames result;
    int decodes = window->Pictures().Decodes();
    result.coldMs = TimedNewGame(app, *window, 10, category);
    result.coldDecodes = window->Pictures().Decodes() - decodes;
    decodes = window->Pictures().Decodes();
    result.warmMs = TimedNewGame(app, *window, 10, category);
    result.warmDecodes = window->Pictures().Decodes() - decodes;
    return result;
}

QList<double> Clicks(BenchApplication& app, int columns, int count) {
    const BenchFolder folder;
    StoreColumns(columns);
    const std::unique_ptr<frmTilewise> window = ShownWindow(app);
    frmTilewise& w = *window;
    // A fresh board every 20 clicks: at most 10 matches, so no game ends
    // (its boxes are not what is measured here).
    constexpr int kClicksPerBoard = 20;
    QList<double> times;
    int next = 0;
    for (int c = 0; c < count; ++c) {
        if (c % kClicksPerBoard == 0) {
            TimedNewGame(app, w, columns, w.iNewCategoryIndex);
            next = 0;
        }
        while (w.btns(next)->isHidden()) {
            ++next;
        }
        app.StartWatch();
        const Clock::time_point start = Clock::now();
        w.btns_Click(next);
        times << Milliseconds(start, app.WaitForPaint({w.imgs(next)}));
        ++next;
    }
    return times;
}

QList<double> HighScoreEntries(int count) {
    const BenchFolder folder;
    constexpr int kColumns = 10;
    constexpr int kSetSize = 2;
    auto add = [](int score) {
        const QString failure =
            HighScores::AddHighScore(kColumns, kSetSize, QStringLiteral("Bench"), score);
        if (!failure.isEmpty()) {
            throw std::runtime_error(failure.toStdString());
        }
    };
    for (int score = 1; score <= 10; ++score) {
        add(score);
    }
    QList<double> times;
    // Each score is the best yet, so it goes to the top and every entry moves.
    for (int k = 0; k < count; ++k) {
        const int score = 11 + k;
        if (!HighScores::IsHighScore(kColumns, kSetSize, score)) {
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
    const std::unique_ptr<frmTilewise> window = ShownWindow(app);
    Memory result;
    result.startKiB = Machine::ResidentKiB();
    int categories = 0;
    while (categories < GameState::kMaxCategories &&
           !window->GetCategory(categories + 1).isEmpty()) {
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
