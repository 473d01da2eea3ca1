// The rules that need no window: category list, reset, set test, deal, score.
#include "Fakes.h"
#include "GameState.h"

#include <QSet>
#include <QtTest>
#include <stdexcept>

class TestGameState : public QObject {
    Q_OBJECT
private slots:
    void categoryScan_data();
    void categoryScan();
    void getCategoryBounds();
    void initializeClearsTurnAndTiles();
    void isMatch_data();
    void isMatch();
    void dealInvariants_data();
    void dealInvariants();
    void dealDrawsOncePerPosition();
    void shuffleIsUniform();
    void picturesChosenUniformly();
    void score_data();
    void score();
    void toolTip_data();
    void toolTip();
};

void TestGameState::categoryScan_data() {
    QTest::addColumn<QStringList>("listing");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("dots skipped, files count")
        << QStringList{".", "Food", "..", "readme.txt", "Animals"}
        << QStringList{"Animals", "Food", "readme.txt"};
    QTest::newRow("capitals sort first") << QStringList{"apple", "Zebra", "banana", "Apple"}
                                         << QStringList{"Apple", "Zebra", "apple", "banana"};
    QTest::newRow("empty folder") << QStringList{".", ".."} << QStringList{};

    QStringList forty;
    QStringList firstThirtyTwo;
    for (int i = 39; i >= 0; --i) {
        forty << QStringLiteral("cat%1").arg(i, 2, 10, QLatin1Char('0'));
    }
    firstThirtyTwo = forty.mid(0, 32);
    firstThirtyTwo.sort(Qt::CaseSensitive);
    QTest::newRow("only the first 32 in listing order")
        << (QStringList{".", ".."} + forty) << firstThirtyTwo;
}

void TestGameState::categoryScan() {
    QFETCH(QStringList, listing);
    QFETCH(QStringList, expected);
    GameState state;
    state.ScanCategories(listing);
    QStringList got;
    for (int i = 1; i <= GameState::kMaxCategories && !state.GetCategory(i).isEmpty(); ++i) {
        got << state.GetCategory(i);
    }
    QCOMPARE(got, expected);
    QCOMPARE(GameStateProbe::NumCategories(state), expected.size());
}

void TestGameState::getCategoryBounds() {
    GameState state;
    state.ScanCategories({"b", "c", "a"});
    QCOMPARE(state.GetCategory(1), QStringLiteral("a"));
    QCOMPARE(state.GetCategory(4), QString());
    QCOMPARE(state.GetCategory(32), QString());
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, state.GetCategory(0));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, state.GetCategory(33));
}

void TestGameState::initializeClearsTurnAndTiles() {
    GameState state;
    state.iNumColumns = state.iNumRows = 10;
    state.iNumTilesToMatch = 2;
    ScriptedRandom random(7u);
    state.Initialize();
    state.RandomizeArray(random);
    GameStateProbe::SetCounts(state, 3, 4, 2);
    GameStateProbe::SetClicks(state, 99, 5);
    GameStateProbe::SetTurn(state, {1, 2}, {3, 4});

    state.Initialize();
    for (int t = 0; t < 100; ++t) {
        QCOMPARE(GameStateProbe::TileImage(state, t), -1);
        QCOMPARE(GameStateProbe::TileClicks(state, t), 0);
    }
    for (int k = 0; k < 10; ++k) {
        QCOMPARE(GameStateProbe::UncoveredTile(state, k), -1);
    }
    QCOMPARE(GameStateProbe::NumMatches(state), 0);
    QCOMPARE(GameStateProbe::NumMismatches(state), 0);
    QCOMPARE(GameStateProbe::NumUncovered(state), 0);
}

void TestGameState::isMatch_data() {
    QTest::addColumn<int>("setSize");
    QTest::addColumn<QList<int>>("pictures");
    QTest::addColumn<bool>("match");
    QTest::newRow("7 7 7") << 3 << QList<int>{7, 7, 7} << true;
    QTest::newRow("7 7 9") << 3 << QList<int>{7, 7, 9} << false;
    QTest::newRow("7 9 7") << 3 << QList<int>{7, 9, 7} << false;
    QTest::newRow("one picture, set not complete") << 3 << QList<int>{7, 7} << false;
    QTest::newRow("pair") << 2 << QList<int>{4, 4} << true;
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
    state.iNumColumns = state.iNumRows = static_cast<std::int16_t>(side);
    state.iNumTilesToMatch = static_cast<std::int16_t>(setSize);
    ScriptedRandom random(static_cast<unsigned>(side * 10 + setSize));
    state.Initialize();
    state.RandomizeArray(random);

    const int tiles = side * side;
    QHash<int, int> perPicture;
    int free = 0;
    for (int t = 0; t < tiles; ++t) {
        const int picture = GameStateProbe::TileImage(state, t);
        if (picture == -1) {
            ++free;
        } else {
            QVERIFY(picture >= 0 && picture < 50);
            ++perPicture[picture];
        }
    }
    for (int t = tiles; t < 100; ++t) {
        QCOMPARE(GameStateProbe::TileImage(state, t), -1);
    }
    QCOMPARE(free, tiles % setSize);
    QCOMPARE(perPicture.size(), tiles / setSize);
    for (int count : std::as_const(perPicture)) {
        QCOMPARE(count, setSize);
    }
    QCOMPARE(GameStateProbe::NumSets(state), tiles / setSize);
    for (int t = 0; t < 100; ++t) {
        QCOMPARE(GameStateProbe::TileClicks(state, t), 0);
    }
}

void TestGameState::dealDrawsOncePerPosition() {
    GameState state;
    state.iNumColumns = state.iNumRows = 7;
    state.iNumTilesToMatch = 5;
    ScriptedRandom random(QList<double>{0.999999, 0.0, 0.5});
    state.Initialize();
    state.RandomizeArray(random);
    QCOMPARE(random.seeds, 1);
    QCOMPARE(random.draws, 50 + 49);
}

namespace {

// Pearson's statistic of observed counts against expected ones.
double ChiSquare(const QList<double>& observed, const QList<double>& expected) {
    double sum = 0;
    for (int i = 0; i < observed.size(); ++i) {
        const double d = observed.at(i) - expected.at(i);
        sum += d * d / expected.at(i);
    }
    return sum;
}

} // namespace

void TestGameState::shuffleIsUniform() {
    // 4 x 4 with sets of 3: five sets and one free tile. Over many deals every
    // set must land on every position equally often; a shuffle that never lets
    // the last position keep its entry skews this far beyond chance.
    constexpr int kDeals = 20000;
    constexpr int kTiles = 16;
    constexpr int kClasses = 6; // five sets, then the free tile
    GameState state;
    state.iNumColumns = state.iNumRows = 4;
    state.iNumTilesToMatch = 3;
    ScriptedRandom random(2024u);
    QList<double> counts(kClasses * kTiles, 0.0);
    for (int d = 0; d < kDeals; ++d) {
        state.Initialize();
        state.RandomizeArray(random);
        for (int t = 0; t < kTiles; ++t) {
            const int picture = GameStateProbe::TileImage(state, t);
            int cls = kClasses - 1;
            for (int m = 0; m < kClasses - 1; ++m) {
                if (GameStateProbe::PoolEntry(state, m) == picture) {
                    cls = m;
                }
            }
            counts[cls * kTiles + t] += 1;
        }
    }
    QList<double> expected;
    for (int cls = 0; cls < kClasses; ++cls) {
        const double share = cls < kClasses - 1 ? 3.0 / kTiles : 1.0 / kTiles;
        for (int t = 0; t < kTiles; ++t) {
            expected << kDeals * share;
        }
    }
    // 96 cells: the statistic of a fair shuffle stays well below 160.
    QVERIFY2(ChiSquare(counts, expected) < 160.0,
             qPrintable(QString::number(ChiSquare(counts, expected))));
}

void TestGameState::picturesChosenUniformly() {
    constexpr int kDeals = 20000;
    GameState state;
    state.iNumColumns = state.iNumRows = 4;
    state.iNumTilesToMatch = 2;
    ScriptedRandom random(99u);
    QList<double> used(50, 0.0);
    for (int d = 0; d < kDeals; ++d) {
        state.Initialize();
        state.RandomizeArray(random);
        for (int m = 0; m < 8; ++m) {
            used[GameStateProbe::PoolEntry(state, m)] += 1;
        }
    }
    const QList<double> expected(50, kDeals * 8.0 / 50.0);
    QVERIFY2(ChiSquare(used, expected) < 100.0,
             qPrintable(QString::number(ChiSquare(used, expected))));
}

void TestGameState::score_data() {
    QTest::addColumn<int>("matches");
    QTest::addColumn<int>("mismatches");
    QTest::addColumn<int>("score");
    QTest::newRow("no turns") << 0 << 0 << 0;
    QTest::newRow("12.5 rounds down to even") << 1 << 7 << 12;
    QTest::newRow("37.5 rounds up to even") << 3 << 5 << 38;
    QTest::newRow("62.5 rounds down to even") << 5 << 3 << 62;
    QTest::newRow("two of three") << 2 << 1 << 67;
    QTest::newRow("one of three") << 1 << 2 << 33;
    QTest::newRow("8 in 11") << 8 << 3 << 73;
    QTest::newRow("perfect") << 50 << 0 << 100;
}

void TestGameState::score() {
    QFETCH(int, matches);
    QFETCH(int, mismatches);
    QFETCH(int, score);
    GameState state;
    GameStateProbe::SetCounts(state, matches, mismatches, 0);
    state.ComputeScore();
    QCOMPARE(GameStateProbe::NumTurns(state), matches + mismatches);
    QCOMPARE(GameStateProbe::Score(state), score);
}

void TestGameState::toolTip_data() {
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QString>("text");
    QTest::newRow("never") << 0 << "Uncovered 0 time before";
    QTest::newRow("once") << 1 << "Uncovered 1 time before";
    QTest::newRow("twice") << 2 << "Uncovered 2 times before";
}

void TestGameState::toolTip() {
    QFETCH(int, clicks);
    QFETCH(QString, text);
    GameState state;
    state.Initialize();
    GameStateProbe::SetClicks(state, 42, clicks);
    QCOMPARE(state.GetTileToolTip(42), text);
}

QTEST_GUILESS_MAIN(TestGameState)
#include "tst_gamestate.moc"
