// The rules that need no window: category list, set test, deal and score.
#include "Fakes.h"
#include "GameState.h"

#include <QtTest>
#include <stdexcept>

class TestGameState : public QObject {
    Q_OBJECT
private slots:
    void categoryScan_data();
    void categoryScan();
    void isMatch_data();
    void isMatch();
    void dealInvariants_data();
    void dealInvariants();
    void dealIsUniform();
    void scoreAndToolTip_data();
    void scoreAndToolTip();
};

void TestGameState::categoryScan_data() {
    QTest::addColumn<QStringList>("listing");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("dots skipped, files count")
        << QStringList{".", "Food", "..", "readme.txt", "Animals"}
        << QStringList{"Animals", "Food", "readme.txt"};
    QTest::newRow("capitals sort first") << QStringList{"apple", "Zebra", "banana", "Apple"}
                                         << QStringList{"Apple", "Zebra", "apple", "banana"};
    QStringList forty;
    for (int i = 39; i >= 0; --i) {
        forty << QStringLiteral("c%1").arg(i, 2, 10, QLatin1Char('0'));
    }
    QStringList kept = forty.mid(0, 32);
    kept.sort();
    QTest::newRow("first 32 in listing order") << (QStringList{".", ".."} + forty) << kept;
}

void TestGameState::categoryScan() {
    QFETCH(QStringList, listing);
    QFETCH(QStringList, expected);
    GameState state;
    state.ScanCategories(listing);
    QStringList got;
    for (int i = 1; i <= 32 && !state.GetCategory(i).isEmpty(); ++i) {
        got << state.GetCategory(i);
    }
    QCOMPARE(got, expected);
    QCOMPARE(GameStateProbe::NumCategories(state), expected.size());
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, state.GetCategory(0));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, state.GetCategory(33));
}

void TestGameState::isMatch_data() {
    QTest::addColumn<int>("setSize");
    QTest::addColumn<QList<int>>("pictures");
    QTest::addColumn<bool>("match");
    QTest::newRow("7 7 7") << 3 << QList<int>{7, 7, 7} << true;
    QTest::newRow("7 7 9") << 3 << QList<int>{7, 7, 9} << false;
    QTest::newRow("7 9 7") << 3 << QList<int>{7, 9, 7} << false;
    QTest::newRow("set not complete") << 3 << QList<int>{7, 7} << false;
    QTest::newRow("five, last differs") << 5 << QList<int>{1, 1, 1, 1, 2} << false;
}

void TestGameState::isMatch() {
    QFETCH(int, setSize);
    QFETCH(QList<int>, pictures);
    QFETCH(bool, match);
    GameState state;
    state.Initialize();
    state.iNumTilesToMatch = static_cast<std::int16_t>(setSize);
    QList<int> tiles;
    for (int k = 0; k < pictures.size(); ++k) {
        tiles << 10 + 3 * k;
    }
    GameStateProbe::SetTurn(state, tiles, pictures);
    QCOMPARE(state.IsMatch(), match);
}

void TestGameState::dealInvariants_data() {
    QTest::addColumn<int>("side");
    QTest::addColumn<int>("setSize");
    for (int side = 4; side <= 10; ++side) {
        for (int s = 2; s <= 5; ++s) {
            QTest::addRow("%dx%d sets of %d", side, side, s) << side << s;
        }
    }
}

void TestGameState::dealInvariants() {
    QFETCH(int, side);
    QFETCH(int, setSize);
    GameState state;
    ScriptedRandom random(static_cast<unsigned>(side * 10 + setSize));
    // A full 10 x 10 board first, so the reset before the next deal shows.
    state.iNumColumns = state.iNumRows = 10;
    state.iNumTilesToMatch = 2;
    state.Initialize();
    state.RandomizeArray(random);
    GameStateProbe::SetClicks(state, 99, 3);

    state.iNumColumns = state.iNumRows = static_cast<std::int16_t>(side);
    state.iNumTilesToMatch = static_cast<std::int16_t>(setSize);
    state.Initialize();
    state.RandomizeArray(random);

    const int tiles = side * side;
    QHash<int, int> perPicture;
    for (int t = 0; t < 100; ++t) {
        const int picture = GameStateProbe::TileImage(state, t);
        QVERIFY(picture >= -1 && picture < 50);
        QVERIFY(t < tiles || picture == -1);
        QCOMPARE(GameStateProbe::TileClicks(state, t), 0);
        if (t < tiles) {
            ++perPicture[picture];
        }
    }
    QCOMPARE(perPicture.take(-1), tiles % setSize);
    QCOMPARE(perPicture.size(), tiles / setSize);
    for (int count : std::as_const(perPicture)) {
        QCOMPARE(count, setSize);
    }
    QCOMPARE(GameStateProbe::NumSets(state), tiles / setSize);
}

namespace {

double ChiSquare(const QList<double>& observed, double expectedEach) {
    double sum = 0;
    for (double o : observed) {
        sum += (o - expectedEach) * (o - expectedEach) / expectedEach;
    }
    return sum;
}

} // namespace

void TestGameState::dealIsUniform() {
    // 4 x 4 with pairs, 20000 seeded deals: every picture must be chosen, and
    // every set land on every tile, equally often. A shuffle that draws from
    // one position short of the end misses both by far (statistics of ~3000).
    constexpr int kDeals = 20000;
    GameState state;
    state.iNumColumns = state.iNumRows = 4;
    state.iNumTilesToMatch = 2;
    ScriptedRandom random(2024u);
    QList<double> chosen(50, 0.0);
    QList<double> placed(8 * 16, 0.0); // set m on tile t
    for (int d = 0; d < kDeals; ++d) {
        state.Initialize();
        state.RandomizeArray(random);
        for (int m = 0; m < 8; ++m) {
            chosen[GameStateProbe::PoolEntry(state, m)] += 1;
        }
        for (int t = 0; t < 16; ++t) {
            for (int m = 0; m < 8; ++m) {
                if (GameStateProbe::PoolEntry(state, m) == GameStateProbe::TileImage(state, t)) {
                    placed[m * 16 + t] += 1;
                }
            }
        }
    }
    // Fair shuffles stay near the degrees of freedom (49 and 127).
    QVERIFY2(ChiSquare(chosen, kDeals * 8 / 50.0) < 100, "pictures chosen unevenly");
    QVERIFY2(ChiSquare(placed, kDeals * 2 / 16.0) < 210, "sets placed unevenly");
}

void TestGameState::scoreAndToolTip_data() {
    QTest::addColumn<int>("matches");
    QTest::addColumn<int>("mismatches");
    QTest::addColumn<int>("score");
    QTest::addColumn<QString>("toolTip"); // of a tile uncovered `matches` times
    QTest::newRow("no turns") << 0 << 0 << 0 << "Uncovered 0 time before";
    QTest::newRow("12.5 to even") << 1 << 7 << 12 << "Uncovered 1 time before";
    QTest::newRow("37.5 to even") << 3 << 5 << 38 << "Uncovered 3 times before";
    QTest::newRow("62.5 to even") << 5 << 3 << 62 << "Uncovered 5 times before";
    QTest::newRow("two of three") << 2 << 1 << 67 << "Uncovered 2 times before";
    QTest::newRow("8 in 11") << 8 << 3 << 73 << "Uncovered 8 times before";
}

void TestGameState::scoreAndToolTip() {
    QFETCH(int, matches);
    QFETCH(int, mismatches);
    QFETCH(int, score);
    QFETCH(QString, toolTip);
    GameState state;
    state.Initialize();
    GameStateProbe::SetCounts(state, matches, mismatches, 0);
    GameStateProbe::SetClicks(state, 42, matches);
    state.ComputeScore();
    QCOMPARE(GameStateProbe::NumTurns(state), matches + mismatches);
    QCOMPARE(GameStateProbe::Score(state), score);
    QCOMPARE(state.GetTileToolTip(42), toolTip);
}

QTEST_GUILESS_MAIN(TestGameState)
#include "tst_gamestate.moc"
