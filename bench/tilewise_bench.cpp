// Measures how fast Tilewise starts, deals, answers a click and enters a high
// score, and how much memory it holds, with the bundled pictures. Prints one
// table. Cold figures come from fresh copies of this program, started with
// one of the "--...-once" arguments, so one-time costs land where they belong.
//
//   tilewise-bench             the full run, 7 runs per figure
//   tilewise-bench --runs N    N runs per figure (at least 5 for the table)
//   tilewise-bench --smoke     every scene once, to keep the benchmark working
//   tilewise-bench --photos D  the photos of folder D, instead of ones made for the run
//   tilewise-bench --write-photos D   writes 50 photos of 4000 x 3000 into D
#include "BenchApplication.h"
#include "Machine.h"
#include "PhotoScenes.h"
#include "Photos.h"
#include "Scenarios.h"
#include "Table.h"

#include <QHash>
#include <QProcess>
#include <QTextStream>
#include <exception>
#include <stdexcept>

namespace {

struct Options {
    int runs = 7;
    int clicks = 50;
    int highScores = 20;
    int memoryCheckpoint = 10;
    int memoryGames = 100;
    QSize photoSize{4000, 3000};
    QString photos; // a folder of photos to use; made for the run when empty
};

// Every scene once, with small photos.
void makeSmoke(Options& options) {
    options.runs = 1;
    options.clicks = 1;
    options.highScores = 1;
    options.memoryCheckpoint = 1;
    options.memoryGames = 2;
    options.photoSize = QSize(400, 300);
}

// Runs this program again with `arguments`; returns its "key value" lines.
QHash<QString, double> runChild(const QStringList& arguments) {
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), arguments);
    const bool finished = child.waitForFinished(300000);
    const QString errors = QString::fromLocal8Bit(child.readAllStandardError());
    if (!finished || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
        throw std::runtime_error(QStringLiteral("%1 failed: %2")
                                     .arg(arguments.join(QLatin1Char(' ')), errors)
                                     .toStdString());
    }
    QHash<QString, double> values;
    const QStringList lines = QString::fromLocal8Bit(child.readAllStandardOutput())
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString& line : lines) {
        values.insert(line.section(QLatin1Char(' '), 0, 0),
                      line.section(QLatin1Char(' '), 1, 1).toDouble());
    }
    return values;
}

double value(const QHash<QString, double>& values, const QString& key) {
    const auto found = values.constFind(key);
    if (found == values.constEnd()) {
        throw std::runtime_error("a child run gave no " + key.toStdString());
    }
    return found.value();
}

QList<double> ratios(const QList<double>& numerators, const QList<double>& denominators) {
    QList<double> ratios;
    for (qsizetype i = 0; i < numerators.size(); ++i) {
        ratios << numerators.at(i) / denominators.at(i);
    }
    return ratios;
}

void addStartUp(Table& table, const Options& options) {
    for (const int columns : {5, 10}) {
        QList<double> tilewise;
        QList<double> bare;
        // Alternated, so a slow moment of the machine hits both alike.
        for (int run = 0; run < options.runs; ++run) {
            const QString side = QString::number(columns);
            tilewise << value(
                runChild({QStringLiteral("--startup-once"), QStringLiteral("tilewise"), side}),
                QStringLiteral("ms"));
            bare << value(
                runChild({QStringLiteral("--startup-once"), QStringLiteral("bare"), side}),
                QStringLiteral("ms"));
        }
        const QString board = QStringLiteral("%1 x %1").arg(columns);
        table.add({QStringLiteral("Start-up to first paint, %1 (ms)").arg(board), tilewise, {}});
        table.add({QStringLiteral("  bare QMainWindow, %1 (ms)").arg(board), bare, {}});
        table.add({QStringLiteral("  ratio Tilewise / bare, %1").arg(board), ratios(tilewise, bare),
                   1.3});
    }
}

void addNewGames(Table& table, const Options& options) {
    QList<double> cold;
    QList<double> warm;
    double coldDecodes = 0;
    double warmDecodes = 0;
    // The start-up board shows category 1; 2 to 6 are the other bundled ones.
    for (int run = 0; run < options.runs; ++run) {
        const auto values =
            runChild({QStringLiteral("--new-game-once"), QString::number(2 + run % 5)});
        cold << value(values, QStringLiteral("cold"));
        warm << value(values, QStringLiteral("warm"));
        coldDecodes = value(values, QStringLiteral("coldDecodes"));
        warmDecodes = value(values, QStringLiteral("warmDecodes"));
    }
    table.add(
        {QStringLiteral("New game 10 x 10, cold, %1 decodes (ms)").arg(coldDecodes), cold, 40.0});
    table.add(
        {QStringLiteral("New game 10 x 10, warm, %1 decodes (ms)").arg(warmDecodes), warm, 10.0});
}

void addFirstClicks(Table& table, const Options& options) {
    for (const int columns : {5, 10}) {
        QList<double> times;
        for (int run = 0; run < options.runs; ++run) {
            times << value(
                runChild({QStringLiteral("--first-click-once"), QString::number(columns)}),
                QStringLiteral("ms"));
        }
        table.add(
            {QStringLiteral("First click after start-up, %1 x %1 (ms)").arg(columns), times, 16.0});
    }
}

void addClicks(Table& table, BenchApplication& app, const Options& options) {
    for (const int columns : {5, 10}) {
        table.add({QStringLiteral("Click on a covered tile, %1 x %1 (ms)").arg(columns),
                   Scenarios::clicks(app, columns, options.clicks), 1.0, 3});
    }
}

void addMemory(Table& table, const Options& options) {
    QList<double> start;
    QList<double> checkpoint;
    QList<double> end;
    QList<double> growth;
    for (int run = 0; run < options.runs; ++run) {
        const auto values =
            runChild({QStringLiteral("--memory-once"), QString::number(options.memoryCheckpoint),
                      QString::number(options.memoryGames)});
        const double mib = 1024.0;
        start << value(values, QStringLiteral("start")) / mib;
        checkpoint << value(values, QStringLiteral("checkpoint")) / mib;
        end << value(values, QStringLiteral("end")) / mib;
        growth << end.last() - checkpoint.last();
    }
    table.add({QStringLiteral("Resident memory, start-up board (MB)"), start, 45.0, 1});
    table.add({QStringLiteral("Resident memory, after game %1 (MB)").arg(options.memoryCheckpoint),
               checkpoint, 45.0, 1});
    table.add({QStringLiteral("Resident memory, after game %1 (MB)").arg(options.memoryGames), end,
               45.0, 1});
    table.add({QStringLiteral("  growth, game %1 to %2 (MB)")
                   .arg(options.memoryCheckpoint)
                   .arg(options.memoryGames),
               growth, 1.0, 1});
}

void addPhotos(Table& table, const Options& options) {
    const Photos photos(options.photos, 50, options.photoSize);
    const QString folder = photos.folder();
    QList<double> made;
    QList<double> stalls;
    QList<double> allShown;
    QList<double> clicks;
    QList<double> peak;
    for (int run = 0; run < options.runs; ++run) {
        made << value(runChild({QStringLiteral("--make-category-once"), folder}),
                      QStringLiteral("ms"));
        const auto board = runChild({QStringLiteral("--photo-board-once"), folder});
        stalls << value(board, QStringLiteral("stall"));
        allShown << value(board, QStringLiteral("shown"));
        peak << value(board, QStringLiteral("peak")) / 1024.0;
        clicks << value(runChild({QStringLiteral("--photo-click-once"), folder}),
                        QStringLiteral("ms"));
    }
    table.add({QStringLiteral("Make a category of 50 photos (ms)"), made, 6000.0, 0});
    table.add({QStringLiteral("Photos 10 x 10, longest stall (ms)"), stalls, 50.0});
    table.add({QStringLiteral("Photos 10 x 10, all pictures shown (ms)"), allShown, 1500.0, 0});
    table.add({QStringLiteral("Photos 10 x 10, click to undecoded (ms)"), clicks, 100.0});
    table.add({QStringLiteral("Photos 10 x 10, peak resident memory (MB)"), peak, 60.0, 1});
}

int runAll(BenchApplication& app, const Options& options) {
    QTextStream out(stdout);
    Table table;
    addStartUp(table, options);
    addNewGames(table, options);
    addFirstClicks(table, options);
    addClicks(table, app, options);
    table.add({QStringLiteral("High-score entry into a full table (ms)"),
               Scenarios::highScoreEntries(options.highScores), 5.0, 3});
    addMemory(table, options);
    addPhotos(table, options);

    out << QStringLiteral("Tilewise benchmark: Qt %1, platform %2, %3 run(s) per figure\n")
               .arg(QString::fromLatin1(qVersion()), QGuiApplication::platformName())
               .arg(options.runs);
    out << QStringLiteral("Machine: %1 cores, %2\n")
               .arg(Machine::coreCount())
               .arg(Machine::cpuModel());
    out << QStringLiteral(
               "Start-up: from constructing the window (the application object exists) to "
               "the end of its first paint, each in a fresh process.\n"
               "Cold new games and first clicks run in fresh processes too; the first click "
               "turns over the tile decoded last, before the decoding threads reach it; clicks and "
               "high scores are "
               "%1 and %2 samples in one process.\n"
               "Photos: 50 JPEGs of %3 x %4 made at run time, each scene in a fresh process; "
               "stalls are the longest gaps between the ticks of a 10 ms timer, less 10 ms, from "
               "the first frame until every picture is painted, with Reveal All chosen 100 ms "
               "after that frame; pictures are shown when painted, counted from the first "
               "frame; the click comes at once after the first frame.\n\n")
               .arg(options.clicks)
               .arg(options.highScores)
               .arg(options.photoSize.width())
               .arg(options.photoSize.height());
    table.print(out);
    return 0;
}

int run(BenchApplication& app, const QStringList& arguments) {
    QTextStream out(stdout);
    const QString mode = arguments.value(1);
    if (mode == QLatin1String("--startup-once")) {
        out << "ms " << Scenarios::startUp(app, arguments.value(2), arguments.value(3).toInt())
            << '\n';
        return 0;
    }
    if (mode == QLatin1String("--first-click-once")) {
        out << "ms " << Scenarios::firstClick(app, arguments.value(2).toInt()) << '\n';
        return 0;
    }
    if (mode == QLatin1String("--new-game-once")) {
        const Scenarios::NewGames games = Scenarios::newGame(app, arguments.value(2).toInt());
        out << "cold " << games.coldMs << "\nwarm " << games.warmMs << "\ncoldDecodes "
            << games.coldDecodes << "\nwarmDecodes " << games.warmDecodes << '\n';
        return 0;
    }
    if (mode == QLatin1String("--memory-once")) {
        const Scenarios::Memory memory =
            Scenarios::newGamesMemory(app, arguments.value(2).toInt(), arguments.value(3).toInt());
        out << "start " << memory.startKiB << "\ncheckpoint " << memory.checkpointKiB << "\nend "
            << memory.endKiB << '\n';
        return 0;
    }
    if (mode == QLatin1String("--make-category-once")) {
        out << "ms " << PhotoScenes::makeCategory(arguments.value(2)) << '\n';
        return 0;
    }
    if (mode == QLatin1String("--photo-board-once")) {
        const PhotoScenes::Board board = PhotoScenes::board(app, arguments.value(2));
        out << "stall " << board.longestStallMs << "\nshown " << board.allShownMs << "\npeak "
            << board.peakKiB << '\n';
        return 0;
    }
    if (mode == QLatin1String("--photo-click-once")) {
        out << "ms " << PhotoScenes::click(app, arguments.value(2)) << '\n';
        return 0;
    }
    if (mode == QLatin1String("--write-photos")) {
        Photos::write(arguments.value(2), 50, Options().photoSize);
        return 0;
    }
    Options options;
    for (int at = 1; at < arguments.size(); ++at) {
        const QString argument = arguments.at(at);
        if (argument == QLatin1String("--smoke")) {
            makeSmoke(options);
        } else if (argument == QLatin1String("--runs")) {
            options.runs = arguments.value(++at).toInt();
            if (options.runs < 1) {
                throw std::runtime_error("--runs wants a positive number");
            }
        } else if (argument == QLatin1String("--photos")) {
            options.photos = arguments.value(++at);
        } else {
            throw std::runtime_error("unknown argument " + argument.toStdString());
        }
    }
    return runAll(app, options);
}

} // namespace

int main(int argc, char* argv[]) {
    BenchApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tilewise"));
    QApplication::setApplicationName(QStringLiteral("Tilewise"));
    try {
        return run(app, QCoreApplication::arguments());
    } catch (const std::exception& error) {
        QTextStream(stderr) << "tilewise-bench: " << error.what() << '\n';
        return 1;
    }
}
