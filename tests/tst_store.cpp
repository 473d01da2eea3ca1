// The settings file, its preferences and high-score tables: what is kept when
// a write fails, damaged files, two copies at once; and where the pictures are
// found.
#include "DataFolder.h"
#include "FolderListing.h"
#include "HighScores.h"
#include "PictureCache.h"
#include "PictureNames.h"
#include "Preferences.h"
#include "SettingsNotice.h"
#include "SettingsStore.h"
#include "TestWorkspace.h"
#include "WaveFile.h"

#include <QDate>
#include <QDir>
#include <QHostInfo>
#include <QLocale>
#include <QProcess>
#include <QSettings>
#include <QtTest>
#include <array>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

QString today() {
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
}

const QString kTable = QStringLiteral("10 x 10 match 5");

// A table under kTable: E1, E2... with the scores given.
void fillTable(TestWorkspace& ws, const QList<int>& scores) {
    SettingsStore store(ws.settingsFile());
    QVERIFY(store.update([&](SettingsValues& values) {
        for (int rank = 1; rank <= scores.size(); ++rank) {
            values.set(kTable, QStringLiteral("name%1").arg(rank), QStringLiteral("E%1").arg(rank));
            values.set(kTable, QStringLiteral("value%1").arg(rank),
                       QString::number(scores.at(rank - 1)));
        }
        values.set("settings", "columns", "6");
        return true;
    }));
}

bool saveColumns(SettingsStore& store, const QString& columns) {
    return store.update([&](SettingsValues& values) {
        values.set("settings", "columns", columns);
        return true;
    });
}

} // namespace

class TestStore : public QObject {
    Q_OBJECT
private slots:
    // A working folder with its own imgs wins; anywhere else the bundled folder
    // beside the program, when there is one. The working folder never changes.
    // The settings file is where QSettings keeps Tilewise's.
    void dataFolder() {
        QCOMPARE(SettingsStore::userFile(),
                 QSettings(QSettings::IniFormat, QSettings::UserScope, "Tilewise", "Tilewise")
                     .fileName());
        const QString data = QDir::cleanPath("prefix/bin/" TILEWISE_BUNDLED_DATA_DIR);
        for (const auto& [ownImgs, bundled, expected] : {std::tuple{true, true, QString("work")},
                                                         {false, true, data},
                                                         {false, false, QString("work")}}) {
            QTemporaryDir root;
            QDir(root.path()).mkpath("prefix/bin");
            QDir(root.path()).mkpath(ownImgs ? "work/imgs/Mine" : "work");
            if (bundled) {
                QDir(root.path()).mkpath(data);
            }
            const QString before = QDir::currentPath();
            QCOMPARE(DataFolder::resolve(root.filePath("work"), root.filePath("prefix/bin")),
                     root.filePath(expected));
            QCOMPARE(QDir::currentPath(), before);
        }
    }

    // Folders only: no plain file, and no link that loops back into imgs or above.
    void categoryFolders() {
        TestWorkspace ws;
        ws.addEntry("Zoo");
        ws.addEntry("README.txt", false);
        QTemporaryDir outside;
        const QString imgs = ws.path() + "/imgs/";
        QVERIFY(QFile::link(outside.path(), imgs + "Outside"));
        QVERIFY(QFile::link(imgs, imgs + "Self"));
        QVERIFY(QFile::link(ws.path(), imgs + "Up"));
        QVERIFY(QFile::link(imgs + "Zoo", imgs + "ZooAgain"));
        QStringList folders = FolderListing::folders(imgs);
        folders.sort();
        QCOMPARE(folders, QStringList({"Outside", "Zoo"}));
    }

    void addHighScore_data() {
        QTest::addColumn<QString>("before"); // scores of E1, E2, ...
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("score");
        QTest::addColumn<QString>("names"); // "*" is the new, dated entry
        QTest::addColumn<QString>("values");
        const QString full = "90 80 80 70 60 50 40 30 20 10";
        const QString fresh = QStringLiteral("*") + QString(9, ' '); // then nine empty names
        const auto row = [](const char* name, const QString& before, const char* who, int score,
                            const QString& names, const QString& values) {
            QTest::newRow(name) << before << QString(who) << score << names << values;
        };
        row("first entry", "", "Ann", 50, fresh, "50 0 0 0 0 0 0 0 0 0");
        row("empty name", "", "", 70, fresh, "70 0 0 0 0 0 0 0 0 0");
        row("equal scores go below", full, "Ann", 80, "E1 E2 E3 * E4 E5 E6 E7 E8 E9",
            "90 80 80 80 70 60 50 40 30 20");
        row("new best", full, "Ann", 95, "* E1 E2 E3 E4 E5 E6 E7 E8 E9",
            "95 90 80 80 70 60 50 40 30 20");
        row("beats only rank 10", full, "Ann", 15, "E1 E2 E3 E4 E5 E6 E7 E8 E9 *",
            "90 80 80 70 60 50 40 30 20 15");
        // Another copy may have filled the table since isHighScore said yes.
        row("beats nothing under the lock", full, "Ann", 10, "E1 E2 E3 E4 E5 E6 E7 E8 E9 E10",
            full);
    }

    void addHighScore() {
        QFETCH(QString, before);
        QFETCH(QString, name);
        QFETCH(int, score);
        QFETCH(QString, names);
        QFETCH(QString, values);
        TestWorkspace ws;
        QList<int> scores;
        for (const QString& s : before.split(' ', Qt::SkipEmptyParts)) {
            scores << s.toInt();
        }
        fillTable(ws, scores);
        SettingsStore store(ws.settingsFile());
        HighScores table(store);

        const HighScores::Outcome expected =
            score > 10 ? HighScores::Outcome::Added : HighScores::Outcome::NoLongerHigh;
        QCOMPARE(table.addHighScore(10, 5, name, score).outcome, expected);

        QStringList storedNames, storedValues;
        for (const HighScoreEntry& entry : HighScores::table(store.read(), 10, 5)) {
            storedNames << entry.name;
            storedValues << QString::number(entry.score);
        }
        QCOMPARE(storedNames,
                 names.split(' ').replaceInStrings(QStringLiteral("*"),
                                                   name + QStringLiteral(" (") + today() + ')'));
        QCOMPARE(storedValues, values.split(' '));
        QCOMPARE(ws.stored("settings", "columns"), QStringLiteral("6")); // the rest stays
        QCOMPARE(ws.stored(kTable, "value10"), values.section(' ', 9));  // empty ranks written too
    }

    void storedPreferences_data() {
        QTest::addColumn<QStringList>("stored"); // columns, tiles per set, category
        QTest::addColumn<QList<int>>("used");
        QTest::newRow("nothing stored") << QStringList() << QList<int>{5, 2, 1};
        QTest::newRow("the largest") << QStringList{"10", "5", "3"} << QList<int>{10, 5, 3};
        QTest::newRow("the smallest") << QStringList{"4", "2", "1"} << QList<int>{4, 2, 1};
        QTest::newRow("above") << QStringList{"11", "6", "4"} << QList<int>{5, 2, 1};
        QTest::newRow("below") << QStringList{"3", "1", "0"} << QList<int>{5, 2, 1};
        QTest::newRow("not numbers") << QStringList{"six", "x", ""} << QList<int>{5, 2, 1};
    }

    // Of three categories; each value outside its range gives its default.
    void storedPreferences() {
        QFETCH(QStringList, stored);
        QFETCH(QList<int>, used);
        TestWorkspace ws;
        const char* keys[] = {"columns", "numTilesToMatch", "categoryIndex"};
        for (int k = 0; k < stored.size(); ++k) {
            ws.store("settings", keys[k], stored.at(k));
        }
        const BoardConfig c = Preferences::read(SettingsStore(ws.settingsFile()).read(), 3);
        QCOMPARE(QList<int>({c.columns, c.tilesPerSet, c.categoryIndex}), used);
        QCOMPARE(c.rows, c.columns);
    }

    void failedWritesKeepTheFile_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("said"); // part of the reason given
        // "cut N B": the Nth copy a save writes loses its last B bytes. The
        // first is the round trip's; "columns=6\n" is its last line.
        const auto row = [](const char* name, const char* fault, const char* said) {
            QTest::newRow(name) << QString(fault) << QString(said);
        };
        row("the round trip's copy ends mid-line", "cut 1 2", "checked");
        row("the round trip's copy ends after a line", "cut 1 10", "checked");
        row("the written copy reads back short", "cut 2 2", "disk may be full");
        row("the lock is a folder", "lock folder", "lock");
        row("a fresh lock of another host", "foreign lock", "held by another");
        row("the file is a folder", "folder", "is a folder");
        row("the folder is read-only", "read-only", "cannot be written");
    }

    // Every failure leaves the old file byte for byte, says why, and leaves no copy.
    void failedWritesKeepTheFile() {
        QFETCH(QString, fault);
        QFETCH(QString, said);
        TestWorkspace ws;
        fillTable(ws, {90, 80, 70, 60, 50, 40, 30, 20, 10, 5});
        SettingsStore store(ws.settingsFile());
        const QString folder = QFileInfo(ws.settingsFile()).path();
        if (fault.startsWith("cut")) {
            store.setWriteHook([n = 0, fault](const QString& written) mutable {
                if (++n == fault.section(' ', 1, 1).toInt()) {
                    QFile(written).resize(QFileInfo(written).size() -
                                          fault.section(' ', 2).toInt());
                }
            });
        } else if (fault == "lock folder") {
            QVERIFY(QDir().mkpath(ws.settingsFile() + ".lock"));
        } else if (fault == "foreign lock") {
            QFile lock(ws.settingsFile() + ".lock");
            QVERIFY(lock.open(QIODevice::WriteOnly));
            lock.write("4242\ntilewise\nsome-other-host\n");
        } else if (fault == "folder") {
            QVERIFY(QFile::remove(ws.settingsFile()) && QDir().mkpath(ws.settingsFile()));
        } else if (fault == "read-only") {
            if (::geteuid() == 0) {
                QSKIP("root writes into a read-only folder anyway");
            }
            QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        }
        const QByteArray before = ws.settingsBytes();
        HighScores table(store);
        const HighScores::Result result = table.addHighScore(10, 5, "Ann", 95);
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner);
        QCOMPARE(result.outcome, HighScores::Outcome::NotSaved);
        QVERIFY2(result.problem.contains(said), qPrintable(result.problem));
        QCOMPARE(ws.settingsBytes(), before);
        const QStringList left = QDir(folder).entryList(QDir::Files);
        QCOMPARE(left.filter(QRegularExpression("^Tilewise\\.ini\\.(?!lock$)")), QStringList());
    }

    // A nearly full disk: a real 16 KB file system, where root may mount one.
    void fullDisk() {
        TestWorkspace ws;
        const QString mount = ws.path() + "/config/Tilewise";
        QVERIFY(QDir().mkpath(mount));
        if (::geteuid() != 0 ||
            QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=16k", "tmpfs", mount}) != 0) {
            QSKIP("mounting a small tmpfs needs root");
        }
        const auto unmount = qScopeGuard([&] { QProcess::execute("umount", {mount}); });
        fillTable(ws, {90, 80, 70, 60, 50, 40, 30, 20, 10, 5});
        const QByteArray before = ws.settingsBytes();
        QFile filler(mount + "/filler");
        QVERIFY(filler.open(QIODevice::WriteOnly));
        while (filler.write(QByteArray(512, 'x')) == 512 && filler.flush()) {
        }
        filler.close();
        SettingsStore store(ws.settingsFile());
        QVERIFY(!store.update([](SettingsValues& values) {
            values.set("settings", "categoryIndex", "2");
            return true;
        }));
        QCOMPARE(ws.settingsBytes(), before);
        QCOMPARE(store.read().get(kTable, "value1"), QStringLiteral("90")); // still read
    }

    void damagedFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("readShort"); // else only a save finds values it cannot write back
        const QByteArray table = "[10%20x%2010%20match%205]\nname1=\"Ann (1/2/26)\"\nvalue1=90\n";
        QTest::newRow("binary garbage first") << QByteArray("\x01\x02\xff\xfe\n") + table << true;
        QTest::newRow("a line without =") << QByteArray("no equals here\n") + table << true;
        QTest::newRow("an unterminated quote")
            << QByteArray("[settings]\ncolumns=\"6\ncategoryIndex=2\n") + table << true;
        QTest::newRow("a key without a name") << QByteArray("[settings]\n=1\n") + table << false;
        QTest::newRow("a NaN") << table + "x=@Variant(\\0\\0\\0\\x6\\x7f\\xf8\\0\\0\\0\\0\\0\\0)\n"
                               << false;
    }

    // The damaged file is copied aside, once, before it is written over; then
    // the preferences are always written.
    void damagedFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, readShort);
        TestWorkspace ws;
        ws.writeFile("config/Tilewise/Tilewise.ini", bytes);
        SettingsStore store(ws.settingsFile());
        QCOMPARE(store.startUp().keptAs.isEmpty(), !readShort);
        QVERIFY(store.update([](SettingsValues& values) {
            for (const char* key : {"categoryIndex", "numTilesToMatch", "columns"}) {
                values.set("settings", key, "3");
            }
            return true;
        }));
        for (const char* key : {"categoryIndex", "numTilesToMatch", "columns"}) {
            QCOMPARE(ws.stored("settings", key), QStringLiteral("3"));
        }
        QVERIFY(store.startUp().keptAs.isEmpty()); // sound again
        const QDir folder = QFileInfo(ws.settingsFile()).dir();
        const QStringList copies = folder.entryList({"Tilewise.ini.bad-*"});
        QFile kept(folder.filePath(copies.value(0)));
        QVERIFY(copies.size() == 1 && kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), bytes);
    }

    void notPlainFiles_data() {
        QTest::addColumn<QString>("file"); // made what the row's name ends with
        const QString ini = QStringLiteral("config/Tilewise/Tilewise.ini");
        QTest::newRow("settings: a FIFO") << ini;
        QTest::newRow("settings: /dev/zero") << ini;
        QTest::newRow("settings: over 64 MB") << ini;
        QTest::newRow("its lock: a FIFO") << ini + ".lock";
        QTest::newRow("names.txt: a FIFO") << QString("imgs/A/names.txt");
        QTest::newRow("a cue: a FIFO") << QString("match.wav");
        QTest::newRow("a picture: a FIFO") << QString("imgs/A/img000.jpg");
    }

    // Nothing blocks or grows (the suite's time-out is the guard): settings are
    // moved aside and written anew, a lock fails the save, the rest are missing.
    void notPlainFiles() {
        QFETCH(QString, file);
        const QString kind = QString(QTest::currentDataTag()).section(": ", 1);
        TestWorkspace ws;
        ws.store("settings", "columns", "6");
        ws.addEntry("A");
        const QString path = ws.path() + '/' + file;
        QFile::remove(path);
        QFile huge(path); // sparse: nothing is written
        QVERIFY(kind == "a FIFO" ? ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0
                : kind == "/dev/zero"
                    ? QFile::link(kind, path)
                    : huge.open(QIODevice::WriteOnly) && huge.resize(SettingsStore::kMaxBytes + 1));
        SettingsStore store(ws.settingsFile());
        const SettingsStore::StartUp found = store.startUp();
        QCOMPARE(found.keptAs.startsWith(ws.settingsFile() + ".bad-"), file.endsWith(".ini"));
        const QString told = settingsNotice(found, file).value_or(StatusNotices::Notice()).detail;
        QCOMPARE(told.contains(QString::number(SettingsStore::kMaxBytes >> 20) + " MB"),
                 file.endsWith(".ini"));                                        // the size refused
        QCOMPARE(QFileInfo::exists(ws.settingsFile()), !file.endsWith(".ini")); // moved aside
        QCOMPARE(saveColumns(store, "7"), !file.endsWith(".lock"));
        QCOMPARE(ws.stored("settings", "columns"), file.endsWith(".lock") ? "6" : "7");
        QCOMPARE(readPictureNames(ws.path() + "/imgs/A"), QStringList());
        QVERIFY(!WaveFile::inspect(ws.path() + "/match.wav").playable);
        QVERIFY(PictureCache::decode(ws.path() + "/imgs/A/img000.jpg", {8, 8}).isNull());
    }

    void savedThroughLinks_data() {
        QTest::addColumn<QString>("end"); // what two links lead to
        QTest::newRow("a plain file") << "plain";
        QTest::newRow("a device node (root)") << "device";
    }

    // The chain's end is written, the links stay; a device there refuses the save.
    void savedThroughLinks() {
        QFETCH(QString, end);
        if (end == "device" && ::geteuid() != 0) {
            QSKIP("making a device node needs root");
        }
        TestWorkspace ws;
        ws.store("settings", "columns", "6");
        const QString real = ws.path() + "/real.ini";
        const QByteArray name = QFile::encodeName(real);
        QVERIFY(end == "plain" ? QFile::rename(ws.settingsFile(), real)
                               : ::mknod(name.constData(), S_IFCHR | 0600, makedev(1, 3)) == 0);
        QFile::remove(ws.settingsFile());
        QVERIFY(QFile::link(real, ws.path() + "/middle.ini") &&
                QFile::link("../../middle.ini", ws.settingsFile())); // relative
        SettingsStore store(ws.settingsFile());
        QCOMPARE(saveColumns(store, "7"), end == "plain");
        QVERIFY(QFileInfo(ws.settingsFile()).isSymLink() &&
                QFileInfo(ws.path() + "/middle.ini").isSymLink());
        QCOMPARE(QFileInfo(real).isFile(), end == "plain"); // else still a device
        QCOMPARE(ws.stored("settings", "columns"), end == "plain" ? QString("7") : QString());
    }

    // A save keeps the file's owner and mode, gives a new file the folder's
    // owner, and removes what killed saves left: its own names, a minute old.
    void whatASaveLeaves() {
        TestWorkspace ws;
        const auto restore = qScopeGuard([tmp = qgetenv("TMPDIR")] { qputenv("TMPDIR", tmp); });
        qputenv("TMPDIR", "/proc"); // no folder to write in: every copy goes beside the file
        const QByteArray file = QFile::encodeName(ws.settingsFile());
        const QDir folder = QFileInfo(ws.settingsFile()).dir();
        const bool root = ::geteuid() == 0; // only root gives files away
        QVERIFY(folder.mkpath(".") &&
                (!root || ::chown(qPrintable(folder.path()), 65534, 65534) == 0));
        for (const char* stray :
             {"Tilewise.ini.saving-AbCdEf", "Tilewise.ini.saving-GhIjKl", "Tilewise.ini.backup",
              "Tilewise.ini.saving-AbC4Ef", "Other.ini.saving-AbCdEf"}) {
            QFile made(folder.filePath(stray));
            QVERIFY(made.open(QIODevice::WriteOnly));
            const int age = qstrcmp(stray, "Tilewise.ini.saving-GhIjKl") == 0 ? 10 : 120;
            made.setFileTime(QDateTime::currentDateTime().addSecs(-age),
                             QFileDevice::FileModificationTime);
        }
        const uint owner = root ? 65534 : ::geteuid();
        for (const mode_t mode : {0600, 0640}) { // new, then the player's own mode
            ws.store("settings", "columns", QString::number(mode));
            struct stat written {};
            QCOMPARE(::stat(file.constData(), &written), 0);
            QCOMPARE(QList<uint>({written.st_uid, written.st_mode & 07777}),
                     QList<uint>({owner, mode}));
            QCOMPARE(::chmod(file.constData(), 0640), 0);
        }
        QCOMPARE(folder.entryList(QDir::Files),
                 QStringList({"Other.ini.saving-AbCdEf", "Tilewise.ini", "Tilewise.ini.backup",
                              "Tilewise.ini.saving-AbC4Ef", "Tilewise.ini.saving-GhIjKl"}));
    }

    // QSettings alone would serve a cached copy of a file rewritten with the same
    // size and time of change.
    void sameSizeRewriteIsSeen() {
        TestWorkspace ws;
        ws.store(kTable, "value1", "85");
        SettingsStore store(ws.settingsFile());
        QCOMPARE(store.read().get(kTable, "value1", QString()), QStringLiteral("85"));
        QFile file(ws.settingsFile());
        const QDateTime changed = QFileInfo(file).lastModified();
        QByteArray bytes = ws.settingsBytes();
        bytes.replace("=85", "=86");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.setFileTime(changed, QFileDevice::FileModificationTime);
        file.close();
        QCOMPARE(store.read().get(kTable, "value1", QString()), QStringLiteral("86"));
    }

    // Two copies offering 50 scores each at once: the table ends with exactly
    // the best ten.
    void twoRunningCopies() {
        TestWorkspace ws;
        std::array<QStringList, 2> scores{QStringList{ws.settingsFile()}, {ws.settingsFile()}};
        for (int i = 1; i <= 100; ++i) { // scattered, so good scores reach both to the end
            scores.at(i % 2) << QString::number(i * 37 % 101);
        }
        std::array<QProcess, 2> copies;
        for (size_t i = 0; i < copies.size(); ++i) {
            copies.at(i).start(QStringLiteral(TILEWISE_HELPER_DIR "/hs_offer"), scores.at(i));
        }
        for (QProcess& copy : copies) { // both begin at once on "go"
            QVERIFY(copy.waitForStarted() && copy.write("go\n") == 3 && copy.waitForBytesWritten());
        }
        for (QProcess& copy : copies) {
            QVERIFY(copy.waitForFinished(240000) && copy.exitCode() == 0);
        }
        SettingsStore store(ws.settingsFile());
        const QList<HighScoreEntry> table = HighScores::table(store.read(), 6, 3);
        for (int rank = 1; rank <= 10; ++rank) {
            QCOMPARE(int(table.at(rank - 1).score), 101 - rank);
        }
    }
};

QTEST_GUILESS_MAIN(TestStore)
#include "tst_store.moc"
