#include "HighScores.h"
#include "TestWorkspace.h"

#include <QDate>
#include <QDir>
#include <QLocale>
#include <QProcess>
#include <QSettings>
#include <QtTest>
#include <array>

using namespace HighScores;

namespace {

QString Today() {
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
}

} // namespace

class tst_HighScores : public QObject {
    Q_OBJECT

private slots:
    void scoreTexts_data() {
        QTest::addColumn<QString>("text"); // as stored under rank 10
        QTest::addColumn<int>("score");
        QTest::newRow("half rounds up to even") << "85.5" << 86;
        QTest::newRow("half rounds down to even") << "84.5" << 84;
        QTest::newRow("trailing letters") << "12abc" << 12;
        QTest::newRow("no number") << "abc" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("above 16 bits") << "99999" << 32767;
        QTest::newRow("below 16 bits") << "-99999" << -32768;
    }

    void scoreTexts() {
        QFETCH(QString, text);
        QFETCH(int, score);
        TestWorkspace ws;
        ws.Store(QStringLiteral("6 x 6 match 3"), QStringLiteral("value10"), text);
        QCOMPARE(int(GetScoreValue(6, 3, 10)), score);
        QVERIFY(!IsHighScore(6, 3, score)); // equalling rank 10 is not enough
        QVERIFY(IsHighScore(6, 3, score + 1));
    }

    void addHighScore_data() {
        QTest::addColumn<QString>("before"); // scores of E1, E2, ...
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("score");
        QTest::addColumn<QString>("names"); // "*" is the new, dated entry
        QTest::addColumn<QString>("values");
        const QString full = "90 80 80 70 60 50 40 30 20 10";
        const QString fresh = QStringLiteral("*") + QString(9, ' '); // then nine empty names
        QTest::newRow("first entry") << QString() << "Ann" << 50 << fresh << "50 0 0 0 0 0 0 0 0 0";
        QTest::newRow("empty name")
            << QString() << QString() << 70 << fresh << "70 0 0 0 0 0 0 0 0 0";
        QTest::newRow("equal scores go below")
            << full << "Ann" << 80 << "E1 E2 E3 * E4 E5 E6 E7 E8 E9"
            << "90 80 80 80 70 60 50 40 30 20";
        QTest::newRow("new best") << full << "Ann" << 95 << "* E1 E2 E3 E4 E5 E6 E7 E8 E9"
                                  << "95 90 80 80 70 60 50 40 30 20";
        QTest::newRow("beats only rank 10") << full << "Ann" << 15 << "E1 E2 E3 E4 E5 E6 E7 E8 E9 *"
                                            << "90 80 80 70 60 50 40 30 20 15";
        // Another copy may have filled the table since IsHighScore said yes.
        QTest::newRow("beats nothing under the lock")
            << full << "Ann" << 10 << "E1 E2 E3 E4 E5 E6 E7 E8 E9 E10" << full;
    }

    void addHighScore() {
        QFETCH(QString, before);
        QFETCH(QString, name);
        QFETCH(int, score);
        QFETCH(QString, names);
        QFETCH(QString, values);
        TestWorkspace ws;
        const QString section = QStringLiteral("10 x 10 match 5"); // shows a swapped size
        const QStringList scores = before.split(' ', Qt::SkipEmptyParts);
        for (qsizetype i = 1; i <= scores.size(); ++i) {
            ws.Store(section, QStringLiteral("name%1").arg(i), QStringLiteral("E%1").arg(i));
            ws.Store(section, QStringLiteral("value%1").arg(i), scores.at(i - 1));
        }

        QCOMPARE(AddHighScore(10, 5, name, score), QString());

        QStringList storedNames, storedValues;
        for (int rank = 1; rank <= 10; ++rank) {
            storedNames << ws.Stored(section, QStringLiteral("name%1").arg(rank));
            storedValues << ws.Stored(section, QStringLiteral("value%1").arg(rank));
        }
        QCOMPARE(storedNames,
                 names.split(' ').replaceInStrings(QStringLiteral("*"),
                                                   name + QStringLiteral(" (") + Today() + ')'));
        QCOMPARE(storedValues, values.split(' '));
        QSettings file(ws.SettingsFile(), QSettings::IniFormat);
        file.beginGroup(section);
        QCOMPARE(file.childKeys().size(), 20); // empty ranks are written too
    }

    void saveFailureIsReported() {
        TestWorkspace ws;
        QVERIFY(QDir().mkpath(ws.SettingsFile())); // a folder: unwritable even for root
        const QString problem = AddHighScore(6, 3, QStringLiteral("Ann"), 85);
        QVERIFY2(
            problem.startsWith(QStringLiteral("The high score could not be saved. The file ")) &&
                problem.endsWith(QStringLiteral("cannot be written.")),
            qPrintable(problem));
        QVERIFY(!SaveScoreValue(6, 3, 1, 85));
    }

    void twoRunningCopies() {
        TestWorkspace ws;
        std::array<QStringList, 2> scores{QStringList{ws.SettingsDir()}, {ws.SettingsDir()}};
        // 1 to 100 scattered, so good scores reach both copies until the end.
        for (int i = 1; i <= 100; ++i) {
            scores.at(i % 2) << QString::number(i * 37 % 101);
        }
        std::array<QProcess, 2> copies;
        for (size_t i = 0; i < copies.size(); ++i) {
            copies.at(i).start(QStringLiteral(TILEWISE_HELPER_DIR "/hs_offer"), scores.at(i));
            QVERIFY(copies.at(i).waitForStarted());
        }
        for (QProcess& copy : copies) { // both begin at once on "go"
            copy.write("go\n");
            QVERIFY(copy.waitForBytesWritten());
        }
        for (QProcess& copy : copies) {
            QVERIFY(copy.waitForFinished(240000));
            QCOMPARE(copy.exitCode(), 0);
        }
        for (int rank = 1; rank <= 10; ++rank) {
            QCOMPARE(int(GetScoreValue(6, 3, rank)), 101 - rank);
            QCOMPARE(GetScoreName(6, 3, rank),
                     QStringLiteral("Player %1 (%2)").arg(101 - rank).arg(Today()));
        }
    }
};

QTEST_GUILESS_MAIN(tst_HighScores)
#include "tst_highscores.moc"
