#include "PhotoScenes.h"

#include "BenchApplication.h"
#include "CategoryMaker.h"
#include "Fakes.h"
#include "Machine.h"
#include "MainWindow.h"
#include "TileBoard.h"
#include "TilePicture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>
#include <stdexcept>

namespace {

using Clock = BenchApplication::Clock;

constexpr auto milliseconds = &BenchApplication::milliseconds;

// A start folder whose one category links to the photos, and settings for
// a 10 x 10 board of pairs.
class PhotoFolder {
public:
    explicit PhotoFolder(const QString& photos) {
        const QStringList names = QDir(photos).entryList(QDir::Files, QDir::Name);
        const QDir data(dir_.path());
        if (!dir_.isValid() || names.size() < 50 || !data.mkpath(QStringLiteral("imgs/Photos"))) {
            throw std::runtime_error("cannot lay out the photo category");
        }
        for (int n = 0; n < 50; ++n) {
            QFile::link(
                QDir(photos).filePath(names.at(n)),
                data.filePath(
                    QStringLiteral("imgs/Photos/img%1.JPG").arg(n, 3, 10, QLatin1Char('0'))));
        }
        QFile settings(settingsFile());
        if (!settings.open(QIODevice::WriteOnly) ||
            settings.write("[settings]\ncolumns=10\nnumTilesToMatch=2\n") < 0) {
            throw std::runtime_error("cannot write the settings");
        }
    }
    QString settingsFile() const { return dir_.filePath(QStringLiteral("Tilewise.ini")); }
    std::unique_ptr<MainWindow> window() const {
        return std::move(
            makeWindow(dir_.path(), settingsFile(), dir_.filePath(QStringLiteral("made"))).window);
    }

private:
    QTemporaryDir dir_;
};

// Runs the event loop until `done`, waking at least every 5 ms, without
// spinning: a busy loop here would take a core from the decodes.
void runUntil(const std::function<bool()>& done) {
    QTimer wake;
    wake.start(5);
    const Clock::time_point deadline = Clock::now() + std::chrono::seconds(60);
    while (!done()) {
        if (Clock::now() > deadline) {
            throw std::runtime_error("the pictures did not come within a minute");
        }
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

std::unique_ptr<MainWindow> shown(BenchApplication& app, const PhotoFolder& folder,
                                  Clock::time_point& firstFrame) {
    app.startWatch();
    std::unique_ptr<MainWindow> window = folder.window();
    window->show();
    firstFrame = app.waitForPaint(visibleLeaves(*window));
    return window;
}

} // namespace

namespace PhotoScenes {

Board board(BenchApplication& app, const QString& photos) {
    const PhotoFolder folder(photos);
    Clock::time_point firstFrame;
    const std::unique_ptr<MainWindow> window = shown(app, folder, firstFrame);
    bool allShown = false;
    QObject::connect(window.get(), &MainWindow::picturesShown, [&allShown] { allShown = true; });
    app.startWatch();

    Board result;
    Clock::time_point last = Clock::now();
    const auto probe = [&result, &last] {
        const Clock::time_point now = Clock::now();
        result.longestStallMs = std::max(result.longestStallMs, milliseconds(last, now) - 10);
        last = now;
    };
    QTimer probeTimer;
    probeTimer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&probeTimer, &QTimer::timeout, probe);
    probeTimer.start(10);
    QTimer::singleShot(100, window.get(), [&window] { window->revealAll(); });

    runUntil([&allShown] { return allShown; });
    QList<QWidget*> pictures;
    for (int i = 0; i < window->game().tileCount(); ++i) {
        pictures << window->board()->picture(i);
    }
    result.allShownMs = milliseconds(firstFrame, app.waitForPaint(pictures));
    probe();
    result.peakKiB = Machine::peakResidentKiB();
    return result;
}

double click(BenchApplication& app, const QString& photos) {
    const PhotoFolder folder(photos);
    Clock::time_point firstFrame;
    const std::unique_ptr<MainWindow> window = shown(app, folder, firstFrame);
    const int tile = window->game().lastFaceDown();
    app.startWatch();
    const Clock::time_point start = Clock::now();
    window->clickTile(tile);
    runUntil([&window, tile] {
        const TilePicture* picture = window->board()->picture(tile);
        return picture != nullptr && !picture->picture().isNull();
    });
    return milliseconds(start, app.waitForPaint({window->board()->picture(tile)}));
}

double makeCategory(const QString& photos) {
    const QTemporaryDir imgs;
    const MakerRequest request{photos, QStringLiteral("Photos"), imgs.path(), {}, false};
    const std::atomic<bool> never{false};
    const Clock::time_point start = Clock::now();
    const MakerResult result = CategoryMaker::make(
        request, [](const MakerProgress&) {}, never);
    const double ms = milliseconds(start, Clock::now());
    if (result.outcome != MakerResult::Outcome::Made) {
        throw std::runtime_error(result.summary().toStdString());
    }
    return ms;
}

} // namespace PhotoScenes
