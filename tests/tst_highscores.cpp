#include "HighScores.h"
#include "SettingsStore.h"
#include "TestWorkspace.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QtTest>
#include <array>
#include <unistd.h>

using namespace HighScores;

namespace {

const QString kSection = QStringLiteral("6 x 6 match 3");

QString Today() {
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
}

// A full table as an earlier run left it: names E1 to E10 with the scores.
void StoreTable(TestWorkspace& ws, const QString& section, const QStringList& scores) {
    for (qsizetype i = 0; i < scores.size(); ++i) {
        ws.Store(section, QStringLiteral("name%1").arg(i + 1), QStringLiteral("E%1").arg(i + 1));
        ws.Store(section, QStringLiteral("value%1").arg(i + 1), scores.at(i));
    }
}

QStringList StoredRanks(const TestWorkspace& ws, const QString& section, const QString& key) {
    QStringList texts;
    for (int rank = 1; rank <= 10; ++rank) {
        texts << ws.Stored(section, key + QString::number(rank));
    }
    return texts;
}

bool RunningAsRoot() {
    return ::geteuid() == 0;
}

enum class Blocker { SettingsFileIsFolder, ConfigFolderInsideFile, ReadOnlyFile };

} // namespace

Q_DECLARE_METATYPE(Blocker)

class tst_HighScores : public QObject {
    Q_OBJECT

private slots:
    void storedScoreTexts_data();
    void storedScoreTexts();
    void isHighScore_data();
    void isHighScore();
    void addHighScore_data();
    void addHighScore();
    void saveFailureIsReported_data();
    void saveFailureIsReported();
    void writeAfterClockSetBackIsSeen();
    void twoRunningCopies();
};

void tst_HighScores::storedScoreTexts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("score");
    QTest::newRow("half rounds up to even") << "85.5" << 86;
    QTest::newRow("half rounds down to even") << "84.5" << 84;
    QTest::newRow("trailing letters") << "12abc" << 12;
    QTest::newRow("no number") << "abc" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("above 16 bits") << "99999" << 32767;
    QTest::newRow("below 16 bits") << "-99999" << -32768;
    QTest::newRow("leading blank") << " 7" << 7;
}

void tst_HighScores::storedScoreTexts() {
    QFETCH(QString, text);
    QFETCH(int, score);
    TestWorkspace ws;
    ws.Store(kSection, QStringLiteral("value4"), text);
    QCOMPARE(int(GetScoreValue(6, 3, 4)), score);
}

void tst_HighScores::isHighScore_data() {
    QTest::addColumn<QString>("tenth"); // stored score text of rank 10, "" for none
    QTest::addColumn<int>("score");
    QTest::addColumn<bool>("qualifies");
    QTest::newRow("never played, 1") << "" << 1 << true;
    QTest::newRow("never played, 0") << "" << 0 << false;
    QTest::newRow("never played, -1") << "" << -1 << false;
    QTest::newRow("equal to tenth") << "40" << 40 << false;
    QTest::newRow("one above tenth") << "40" << 41 << true;
}

void tst_HighScores::isHighScore() {
    QFETCH(QString, tenth);
    QFETCH(int, score);
    QFETCH(bool, qualifies);
    TestWorkspace ws;
    if (!tenth.isEmpty()) {
        ws.Store(kSection, QStringLiteral("value10"), tenth);
    }
    QCOMPARE(IsHighScore(6, 3, score), qualifies);
}

void tst_HighScores::addHighScore_data() {
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("tilesPerSet");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QStringList>("before"); // scores of E1 to E10, or none at all
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("score");
    QTest::addColumn<QStringList>("names"); // "*" is the new, dated entry
    QTest::addColumn<QStringList>("values");

    const QStringList full{"90", "80", "80", "70", "60", "50", "40", "30", "20", "10"};
    const QStringList unchanged{"E1", "E2", "E3", "E4", "E5", "E6", "E7", "E8", "E9", "E10"};
    const QStringList emptied{"*", "", "", "", "", "", "", "", "", ""};
    const QStringList zeros{"0", "0", "0", "0", "0", "0", "0", "0", "0"};

    QTest::newRow("first entry") << 6 << 3 << kSection << QStringList() << "Ann" << 50 << emptied
                                 << (QStringList{"50"} + zeros);
    QTest::newRow("empty name") << 6 << 3 << kSection << QStringList() << "" << 70 << emptied
                                << (QStringList{"70"} + zeros);
    QTest::newRow("equal scores go below")
        << 6 << 3 << kSection << full << "Ann" << 80
        << QStringList{"E1", "E2", "E3", "*", "E4", "E5", "E6", "E7", "E8", "E9"}
        << QStringList{"90", "80", "80", "80", "70", "60", "50", "40", "30", "20"};
    QTest::newRow("new best") << 6 << 3 << kSection << full << "Ann" << 95
                              << QStringList{"*",  "E1", "E2", "E3", "E4",
                                             "E5", "E6", "E7", "E8", "E9"}
                              << QStringList{"95", "90", "80", "80", "70",
                                             "60", "50", "40", "30", "20"};
    QTest::newRow("beats only rank 10, 10 x 10 match 5")
        << 10 << 5 << QStringLiteral("10 x 10 match 5") << full << "Ann" << 15
        << QStringList{"E1", "E2", "E3", "E4", "E5", "E6", "E7", "E8", "E9", "*"}
        << QStringList{"90", "80", "80", "70", "60", "50", "40", "30", "20", "15"};
    // Another copy may have filled the table since IsHighScore said yes.
    QTest::newRow("equal to rank 10")
        << 6 << 3 << kSection << full << "Ann" << 10 << unchanged << full;
    QTest::newRow("beats nothing") << 6 << 3 << kSection << full << "Ann" << 5 << unchanged << full;
}

void tst_HighScores::addHighScore() {
    QFETCH(int, columns);
    QFETCH(int, tilesPerSet);
    QFETCH(QString, section);
    QFETCH(QStringList, before);
    QFETCH(QString, name);
    QFETCH(int, score);
    QFETCH(QStringList, names);
    QFETCH(QStringList, values);
    TestWorkspace ws;
    StoreTable(ws, section, before);

    QCOMPARE(AddHighScore(columns, tilesPerSet, name, score), QString());

    names.replaceInStrings(QRegularExpression(QStringLiteral("^\\*$")),
                           name + QStringLiteral(" (") + Today() + QStringLiteral(")"));
    QCOMPARE(StoredRanks(ws, section, QStringLiteral("name")), names);
    QCOMPARE(StoredRanks(ws, section, QStringLiteral("value")), values);
    QSettings file(ws.SettingsFile(), QSettings::IniFormat);
    file.beginGroup(section);
    QCOMPARE(file.childKeys().size(), 20);
}

void tst_HighScores::saveFailureIsReported_data() {
    QTest::addColumn<Blocker>("blocker");
    QTest::addColumn<QString>("reason");
    QTest::newRow("settings file is a folder")
        << Blocker::SettingsFileIsFolder << "cannot be written";
    QTest::newRow("config folder inside a file")
        << Blocker::ConfigFolderInsideFile << "cannot be created";
    QTest::newRow("read-only settings file") << Blocker::ReadOnlyFile << "read-only";
}

void tst_HighScores::saveFailureIsReported() {
    QFETCH(Blocker, blocker);
    QFETCH(QString, reason);
    TestWorkspace ws;
    switch (blocker) {
    case Blocker::SettingsFileIsFolder:
        QVERIFY(QDir().mkpath(ws.SettingsFile()));
        break;
    case Blocker::ConfigFolderInsideFile:
        ws.WriteFile(QStringLiteral("plain"), "a file, not a folder");
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                           ws.Path() + QStringLiteral("/plain/config"));
        break;
    case Blocker::ReadOnlyFile:
        if (RunningAsRoot()) {
            QSKIP("root writes read-only files; the other rows fail as root too");
        }
        StoreTable(ws, kSection, {"90", "80", "80", "70", "60", "50", "40", "30", "20", "10"});
        QVERIFY(QFile::setPermissions(ws.SettingsFile(), QFile::ReadOwner));
        break;
    }

    const QStringList before = StoredRanks(ws, kSection, QStringLiteral("value"));
    const QString problem = AddHighScore(6, 3, QStringLiteral("Ann"), 85);
    QVERIFY2(problem.startsWith(QStringLiteral("The high score could not be saved.")),
             qPrintable(problem));
    QVERIFY2(problem.contains(reason), qPrintable(problem));
    QCOMPARE(SaveScoreValue(6, 3, 1, 85), false);
    // Nothing unsaved lingers in memory to be shown as if it had been saved.
    QCOMPARE(StoredRanks(ws, kSection, QStringLiteral("value")), before);
}

void tst_HighScores::writeAfterClockSetBackIsSeen() {
    // Other copies notice a change by the file's size and time of change; a
    // write with the clock behind the file's time must still move it on.
    TestWorkspace ws;
    QVERIFY(SaveScoreValue(6, 3, 1, 11));
    const QDateTime ahead = QDateTime::currentDateTime().addSecs(60);
    {
        QFile file(ws.SettingsFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.setFileTime(ahead, QFileDevice::FileModificationTime));
    }
    QVERIFY(SaveScoreValue(6, 3, 1, 22));
    QVERIFY(QFileInfo(ws.SettingsFile()).lastModified() > ahead);
}

void tst_HighScores::twoRunningCopies() {
    TestWorkspace ws;
    const QString helper = QStringLiteral(TILEWISE_HELPER_DIR "/hs_offer");
    QStringList odd{ws.SettingsDir(), QStringLiteral("6"), QStringLiteral("3")};
    QStringList even = odd;
    // Scores 1 to 100 in a scattered order, so that good scores keep coming
    // to both copies until the end and an entry lost on the way stays lost.
    for (int i = 1; i <= 100; ++i) {
        const int score = i * 37 % 101;
        (score % 2 != 0 ? odd : even) << QString::number(score);
    }
    std::array<QProcess, 2> copies;
    copies.at(0).start(helper, odd);
    copies.at(1).start(helper, even);
    for (QProcess& copy : copies) {
        QVERIFY(copy.waitForStarted());
    }
    for (QProcess& copy : copies) {
        copy.write("go\n");
    }
    for (QProcess& copy : copies) {
        QVERIFY(copy.waitForBytesWritten());
    }
    for (QProcess& copy : copies) {
        QVERIFY(copy.waitForFinished(240000));
        QVERIFY2(copy.exitCode() == 0, copy.readAllStandardError().constData());
    }

    for (int rank = 1; rank <= 10; ++rank) {
        const int best = 101 - rank;
        QCOMPARE(int(GetScoreValue(6, 3, rank)), best);
        QCOMPARE(GetScoreName(6, 3, rank), QStringLiteral("Player %1 (%2)").arg(best).arg(Today()));
    }
}

QTEST_GUILESS_MAIN(tst_HighScores)
#include "tst_highscores.moc"
