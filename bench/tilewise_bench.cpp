// Measures how fast Tilewise starts, deals, answers a click and enters a high
// score, and how much memory it holds, with the bundled pictures. Prints one
// table. Cold figures come from fresh copies of this program, started with
// one of the "--...-once" arguments, so one-time costs land where they belong.
//
//   tilewise-bench             the full run, 7 runs per figure
//   tilewise-bench --runs N    N runs per figure (at least 5 for the table)
//   tilewise-bench --smoke     every scene once, to keep the benchmark working
#include "BenchApplication.h"
#include "Machine.h"
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
};

Options Smoke() {
    Options options;
    options.runs = 1;
    options.clicks = 1;
    options.highScores = 1;
    options.memoryCheckpoint = 1;
    options.memoryGames = 2;
    return options;
}

// Runs this program again with `arguments`; returns its "key value" lines.
QHash<QString, double> RunChild(const QStringList& arguments) {
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

double Value(const QHash<QString, double>& values, const QString& key) {
    const auto found = values.constFind(key);
    if (found == values.constEnd()) {
        throw std::runtime_error("a child run gave no " + key.toStdString());
    }
    return found.value();
}

QList<double> Ratios(const QList<double>& numerators, const QList<double>& denominators) {
    QList<double> ratios;
    for (qsizetype i = 0; i < numerators.size(); ++i) {
        ratios << numerators.at(i) / denominators.at(i);
    }
    return ratios;
}

void AddStartUp(Table& table, const Options& options) {
    for (const int columns : {5, 10}) {
        QList<double> tilewise;
        QList<double> bare;
        // Alternated, so a slow moment of the machine hits both alike.
        for (int run = 0; run < options.runs; ++run) {
            const QString side = QString::number(columns);
            tilewise << Value(
                RunChild({QStringLiteral("--startup-once"), QStringLiteral("tilewise"), side}),
                QStringLiteral("ms"));
            bare << Value(
                RunChild({QStringLiteral("--startup-once"), QStringLiteral("bare"), side}),
                QStringLiteral("ms"));
        }
        const QString board = QStringLiteral("%1 x %1").arg(columns);
        table.Add({QStringLiteral("Start-up to first paint, %1 (ms)").arg(board), tilewise, {}});
        table.Add({QStringLiteral("  bare QMainWindow, %1 (ms)").arg(board), bare, {}});
        table.Add({QStringLiteral("  ratio Tilewise / bare, %1").arg(board), Ratios(tilewise, bare),
                   1.3});
    }
}

void AddNewGames(Table& table, const Options& options) {
    QList<double> cold;
    QList<double> warm;
    double coldDecodes = 0;
    double warmDecodes = 0;
    // The start-up board shows category 1; 2 to 6 are the other bundled ones.
    for (int run = 0; run < options.runs; ++run) {
        const auto values =
            RunChild({QStringLiteral("--new-game-once"), QString::number(2 + run % 5)});
        cold << Value(values, QStringLiteral("cold"));
        warm << Value(values, QStringLiteral("warm"));
        coldDecodes = Value(values, QStringLiteral("coldDecodes"));
        warmDecodes = Value(values, QStringLiteral("warmDecodes"));
    }
    table.Add(
        {QStringLiteral("New game 10 x 10, cold, %1 decodes (ms)").arg(coldDecodes), cold, 40.0});
    table.Add(
        {QStringLiteral("New game 10 x 10, warm, %1 decodes (ms)").arg(warmDecodes), warm, 10.0});
}

void AddFirstClicks(Table& table, const Options& options) {
    for (const int columns : {5, 10}) {
        QList<double> times;
        for (int run = 0; run < options.runs; ++run) {
            times << Value(
                RunChild({QStringLiteral("--first-click-once"), QString::number(columns)}),
                QStringLiteral("ms"));
        }
        table.Add(
            {QStringLiteral("First click after start-up, %1 x %1 (ms)").arg(columns), times, 16.0});
    }
}

void AddClicks(Table& table, BenchApplication& app, const Options& options) {
    for (const int columns : {5, 10}) {
        table.Add({QStringLiteral("Click on a covered tile, %1 x %1 (ms)").arg(columns),
                   Scenarios::Clicks(app, columns, options.clicks), 1.0, 3});
    }
}

void AddMemory(Table& table, const Options& options) {
    QList<double> start;
    QList<double> checkpoint;
    QList<double> end;
    QList<double> growth;
    for (int run = 0; run < options.runs; ++run) {
        const auto values =
            RunChild({QStringLiteral("--memory-once"), QString::number(options.memoryCheckpoint),
                      QString::number(options.memoryGames)});
        const double mib = 1024.0;
        start << Value(values, QStringLiteral("start")) / mib;
        checkpoint << Value(values, QStringLiteral("checkpoint")) / mib;
        end << Value(values, QStringLiteral("end")) / mib;
        growth << end.last() - checkpoint.last();
    }
    table.Add({QStringLiteral("Resident memory, start-up board (MB)"), start, 45.0, 1});
    table.Add({QStringLiteral("Resident memory, after game %1 (MB)").arg(options.memoryCheckpoint),
               checkpoint, 45.0, 1});
    table.Add({QStringLiteral("Resident memory, after game %1 (MB)").arg(options.memoryGames), end,
               45.0, 1});
    table.Add({QStringLiteral("  growth, game %1 to %2 (MB)")
                   .arg(options.memoryCheckpoint)
                   .arg(options.memoryGames),
               growth, 1.0, 1});
}

int RunAll(BenchApplication& app, const Options& options) {
    QTextStream out(stdout);
    Table table;
    AddStartUp(table, options);
    AddNewGames(table, options);
    AddFirstClicks(table, options);
    AddClicks(table, app, options);
    table.Add({QStringLiteral("High-score entry into a full table (ms)"),
               Scenarios::HighScoreEntries(options.highScores), 5.0, 3});
    AddMemory(table, options);

    out << QStringLiteral("Tilewise benchmark: Qt %1, platform %2, %3 run(s) per figure\n")
               .arg(QString::fromLatin1(qVersion()), QGuiApplication::platformName())
               .arg(options.runs);
    out << QStringLiteral("Machine: %1 cores, %2\n")
               .arg(Machine::CoreCount())
               .arg(Machine::CpuModel());
    out << QStringLiteral(
               "Start-up: from constructing the window (the application object exists) to "
               "the end of its first paint, each in a fresh process.\n"
               "Cold new games and first clicks run in fresh processes too; the first click "
               "turns over the tile decoded last, before idle time reaches it; clicks and "
               "high scores are "
               "%1 and %2 samples in one process.\n\n")
               .arg(options.clicks)
               .arg(options.highScores);
    table.Print(out);
    return 0;
}

int Run(BenchApplication& app, const QStringList& arguments) {
    QTextStream out(stdout);
    const QString mode = arguments.value(1);
    if (mode == QLatin1String("--startup-once")) {
        out << "ms " << Scenarios::StartUp(app, arguments.value(2), arguments.value(3).toInt())
            << '\n';
        return 0;
    }
    if (mode == QLatin1String("--first-click-once")) {
        out << "ms " << Scenarios::FirstClick(app, arguments.value(2).toInt()) << '\n';
        return 0;
    }
    if (mode == QLatin1String("--new-game-once")) {
        const Scenarios::NewGames games = Scenarios::NewGame(app, arguments.value(2).toInt());
        out << "cold " << games.coldMs << "\nwarm " << games.warmMs << "\ncoldDecodes "
            << games.coldDecodes << "\nwarmDecodes " << games.warmDecodes << '\n';
        return 0;
    }
    if (mode == QLatin1String("--memory-once")) {
        const Scenarios::Memory memory =
            Scenarios::NewGamesMemory(app, arguments.value(2).toInt(), arguments.value(3).toInt());
        out << "start " << memory.startKiB << "\ncheckpoint " << memory.checkpointKiB << "\nend "
            << memory.endKiB << '\n';
        return 0;
    }
    if (mode == QLatin1String("--smoke")) {
        return RunAll(app, Smoke());
    }
    Options options;
    if (mode == QLatin1String("--runs")) {
        options.runs = arguments.value(2).toInt();
        if (options.runs < 1) {
            throw std::runtime_error("--runs wants a positive number");
        }
    } else if (!mode.isEmpty()) {
        throw std::runtime_error("unknown argument " + mode.toStdString());
    }
    return RunAll(app, options);
}

} // namespace

int main(int argc, char* argv[]) {
    BenchApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tilewise"));
    QApplication::setApplicationName(QStringLiteral("Tilewise"));
    try {
        return Run(app, QCoreApplication::arguments());
    } catch (const std::exception& error) {
        QTextStream(stderr) << "tilewise-bench: " << error.what() << '\n';
        return 1;
    }
}
