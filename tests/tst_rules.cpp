// The rules of the game, without a widget: categories, configurations, the
// deal, turns, covering, the score and the number texts.
#include "GameState.h"
#include "NumberText.h"
#include "ScriptedRandom.h"
#include "Sets.h"
#include "TileTexts.h"
#include "TypedNumber.h"

#include <QtTest>

namespace {

BoardConfig config(int side, int setSize, int category = 1) {
    BoardConfig c;
    c.columns = c.rows = static_cast<std::int16_t>(side);
    c.tilesPerSet = static_cast<std::int16_t>(setSize);
    c.categoryIndex = static_cast<std::int16_t>(category);
    return c;
}

// A dealt game played by a script: a capital turns the first face-down tile of
// that set (A: the lowest picture), "t" ticks 500 ms, "reveal" reveals all.
struct Game {
    Game(int side, int setSize, unsigned seed = 7) : random(seed) {
        state.configure(config(side, setSize));
        state.initialize();
        state.deal(random);
    }
    QList<QList<int>> sets() const { return setsOf(state); }
    std::optional<ClickResult> play(const QString& script) {
        std::optional<ClickResult> last;
        const auto all = sets();
        for (const QString& word : script.split(' ', Qt::SkipEmptyParts)) {
            if (word == QLatin1String("t")) {
                state.tick(500);
            } else if (word == QLatin1String("reveal")) {
                state.revealAll();
            } else {
                for (int tile : all.at(word.at(0).unicode() - 'A')) {
                    if (state.isFaceDown(tile)) {
                        last = state.click(tile);
                        break;
                    }
                }
            }
        }
        return last;
    }
    int faceUpInPlay() const {
        int up = 0;
        for (int t = 0; t < state.tileCount(); ++t) {
            up += state.isFaceUp(t) && state.tileImage(t) >= 0 ? 1 : 0;
        }
        return up;
    }
    ScriptedRandom random;
    GameState state;
};

// Every draw 0: a deal whose layout is known. On a 4 x 4 board of pairs the
// tiles 1 2, 3 4, ... 13 14 hold a set each, and so do the corner tiles 0 15.
class ZeroRandom final : public RandomSource {
public:
    void seed() override {}
    double next() override { return 0.0; }
};

double chiSquare(const QList<double>& observed, double expectedEach) {
    double sum = 0;
    for (double o : observed) {
        sum += (o - expectedEach) * (o - expectedEach) / expectedEach;
    }
    return sum;
}

} // namespace

class TestRules : public QObject {
    Q_OBJECT
private slots:
    void categories_data() {
        QTest::addColumn<QStringList>("folders");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("capitals sort first") << QStringList{"apple", "Zebra", "banana", "Apple"}
                                             << QStringList{"Apple", "Zebra", "apple", "banana"};
        QStringList forty;
        for (int i = 39; i >= 0; --i) {
            forty << QStringLiteral("C%1").arg(i, 2, 10, QLatin1Char('0'));
        }
        QStringList first32 = forty;
        first32.sort();
        QTest::newRow("40 folders: the first 32 by name") << forty << first32.mid(0, 32);
        QTest::newRow("33 folders: one left out") << forty.mid(7) << first32.mid(0, 32);
        QTest::newRow("32 folders: none left out") << forty.mid(8) << first32.mid(0, 32);
        QTest::newRow("none") << QStringList() << QStringList();
    }

    void categories() {
        QFETCH(QStringList, folders);
        QFETCH(QStringList, listed);
        GameState state;
        state.scanCategories(folders);
        QStringList got;
        for (int i = 1; !state.category(i).isEmpty(); ++i) {
            got << state.category(i);
        }
        QCOMPARE(got, listed);
        QCOMPARE(state.categoryCount(), listed.size());
        QCOMPARE(state.categoriesLeftOut(), folders.size() > 32);
        QVERIFY(state.category(0).isEmpty() && state.category(33).isEmpty());
    }

    void deal_data() {
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("setSize");
        for (int side = 4; side <= 10; ++side) {
            for (int s = 2; s <= 5; ++s) {
                QTest::addRow("%dx%d sets of %d", side, side, s) << side << s;
            }
        }
    }

    // Every used picture lies under exactly s tiles; the N mod s left over are
    // free, face up from the start; the rest of the arrays stays empty.
    void deal() {
        QFETCH(int, side);
        QFETCH(int, setSize);
        Game big(10, 2); // a full board first, so the reset before the next deal shows
        big.play("A B C");
        GameState state = big.state;
        state.initialize();
        state.configure(config(side, setSize));
        QVERIFY(state.deal(big.random));

        const int tiles = side * side;
        QHash<int, int> perPicture;
        for (int t = 0; t < GameState::kMaxTiles; ++t) {
            const int picture = state.tileImage(t);
            QVERIFY(picture >= -1 && picture < GameState::kPictures);
            QVERIFY(t < tiles || picture == -1);
            QCOMPARE(state.tileClicks(t), 0);
            QCOMPARE(state.isFaceUp(t), t < tiles && picture == -1);
            perPicture[picture] += t < tiles ? 1 : 0;
        }
        QCOMPARE(perPicture.take(-1), tiles % setSize);
        QCOMPARE(perPicture.size(), tiles / setSize);
        for (int count : std::as_const(perPicture)) {
            QCOMPARE(count, setSize);
        }
        QCOMPARE(state.numSets(), tiles / setSize);
        QCOMPARE(state.numUncovered(), 0);
    }

    // 11 x 11, 5 x 6, sets of 6, category 33: refused, and nothing changes.
    void dealRefusesWhatItIsNotBuiltFor() {
        for (const QList<int>& bad :
             QList<QList<int>>{{11, 11, 2, 1}, {5, 6, 2, 1}, {5, 5, 6, 1}, {5, 5, 2, 33}}) {
            Game game(4, 2);
            const int before = game.state.tileImage(0);
            BoardConfig refused = config(bad.at(0), bad.at(2), bad.at(3));
            refused.rows = static_cast<std::int16_t>(bad.at(1));
            game.state.configure(refused);
            const int draws = game.random.draws;
            QVERIFY(!game.state.deal(game.random));
            QCOMPARE(game.random.draws, draws);
            QCOMPARE(game.state.tileImage(0), before);
        }
    }

    // 20000 4 x 4 deals: every picture chosen, and a set on every tile, equally
    // often. A shuffle drawing one position short of the end misses both by far.
    void dealIsUniform() {
        constexpr int kDeals = 20000;
        Game game(4, 2, 2024u);
        QList<double> chosen(GameState::kPictures, 0.0);
        QList<double> placed(16, 0.0); // where the set of the lowest picture lands
        for (int d = 0; d < kDeals; ++d) {
            game.state.initialize();
            game.state.deal(game.random);
            int lowest = GameState::kPictures;
            for (int t = 0; t < 16; ++t) {
                chosen[game.state.tileImage(t)] += 0.5;
                lowest = std::min(lowest, game.state.tileImage(t));
            }
            for (int t = 0; t < 16; ++t) {
                placed[t] += game.state.tileImage(t) == lowest ? 1 : 0;
            }
        }
        // Fair shuffles stay near the degrees of freedom, 49 and 15.
        QVERIFY2(chiSquare(chosen, kDeals * 8 / 50.0) < 100, "pictures chosen unevenly");
        QVERIFY2(chiSquare(placed, kDeals * 2 / 16.0) < 50, "sets placed unevenly");

        // The free tile of a 5 x 5 board of pairs lands on every tile, the last
        // one too, about equally often.
        Game fives(5, 2, 2025u);
        QList<double> free(25, 0.0);
        for (int d = 0; d < kDeals; ++d) {
            fives.state.initialize();
            fives.state.deal(fives.random);
            for (int t = 0; t < 25; ++t) {
                free[t] += fives.state.tileImage(t) == -1 ? 1 : 0;
            }
        }
        QVERIFY2(chiSquare(free, kDeals / 25.0) < 70, "free tiles placed unevenly");
    }

    void navigation_data() {
        QTest::addColumn<QString>("faceUp"); // sets turned first: "H" is the corners 0 and 15
        QTest::addColumn<QString>("move");   // Home, End, Next, Left, Right, Up or Down
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        auto row = [](const char* faceUp, const char* move, int from, int to) {
            QTest::addRow("%s %s from %d", faceUp, move, from) << faceUp << move << from << to;
        };
        row("", "Home", -1, 0);
        row("", "End", -1, 15);
        row("H", "Home", -1, 1);
        row("H", "End", -1, 14);
        row("G H", "End", -1, 12);
        row("H", "Next", 14, 1);
        row("", "Next", 15, 0);
        row("A B C D E F G H", "Next", 3, -1);
        row("", "Right", 3, -1);
        row("", "Left", 4, -1);
        row("", "Up", 2, -1);
        row("", "Down", 13, -1);
        row("", "Down", 1, 5);
        row("C", "Down", 1, 4);
        row("B", "Right", 2, 7);
        row("C", "Right", 4, 1);
        row("H", "Left", 12, -1);
        row("A", "Up", 6, 3);
    }

    // Where the keyboard goes: over face-down tiles only, the nearest across
    // first, then the nearest along.
    void navigation() {
        QFETCH(QString, faceUp);
        QFETCH(QString, move);
        QFETCH(int, from);
        QFETCH(int, to);
        GameState state;
        state.configure(config(4, 2));
        state.initialize();
        ZeroRandom zero;
        QVERIFY(state.deal(zero));
        const QList<QList<int>> sets{{1, 2},  {3, 4},   {5, 6},   {7, 8},
                                     {9, 10}, {11, 12}, {13, 14}, {0, 15}};
        for (const QString& set : faceUp.split(' ', Qt::SkipEmptyParts)) {
            for (int tile : sets.at(set.at(0).unicode() - 'A')) {
                state.click(tile);
            }
        }
        const QHash<QString, std::function<int()>> moves{
            {"Home", [&] { return state.firstFaceDown(); }},
            {"End", [&] { return state.lastFaceDown(); }},
            {"Next", [&] { return state.nextFaceDown(from); }},
            {"Left", [&] { return state.nearestFaceDown(from, Direction::Left); }},
            {"Right", [&] { return state.nearestFaceDown(from, Direction::Right); }},
            {"Up", [&] { return state.nearestFaceDown(from, Direction::Up); }},
            {"Down", [&] { return state.nearestFaceDown(from, Direction::Down); }}};
        QCOMPARE(moves.value(move)(), to);
    }

    void turns_data() {
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("setSize");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QList<int>>("expected"); // matches, mismatches, in the turn, face up
        QTest::addColumn<int>("outcome");         // of the last click
        const int open = int(TurnOutcome::Open);
        const int match = int(TurnOutcome::Matched);
        const int mismatch = int(TurnOutcome::Mismatched);
        auto row = [](const char* name, int side, int s, const char* script, QList<int> expected,
                      int outcome) {
            QTest::newRow(name) << side << s << script << expected << outcome;
        };
        row("a pair", 4, 2, "A A", {1, 0, 0, 2}, match);
        row("two pictures", 4, 2, "A B", {0, 1, 2, 2}, mismatch);
        row("7 7 7", 6, 3, "A A A", {1, 0, 0, 3}, match);
        row("7 7 9", 6, 3, "A A B", {0, 1, 3, 3}, mismatch);
        row("7 9 7", 6, 3, "A B A", {0, 1, 3, 3}, mismatch);
        row("9 7 7: only the last two agree", 6, 3, "B A A", {0, 1, 3, 3}, mismatch);
        row("a set not yet whole", 6, 3, "A A", {0, 0, 2, 2}, open);
        row("five, the last differs", 10, 5, "A A A A B", {0, 1, 5, 5}, mismatch);
        row("four ticks: still showing", 4, 2, "A B t t t t", {0, 1, 2, 2}, mismatch);
        row("the fifth tick covers", 4, 2, "A B t t t t t", {0, 1, 0, 0}, mismatch);
        row("the next click covers first", 4, 2, "A B C", {0, 1, 1, 1}, open);
        row("a quick second mismatch goes sooner", 6, 2, "A B t t t C D t t", {0, 2, 0, 0},
            mismatch);
        row("a tick between starts the count anew", 6, 2, "A B t t t C t D t t", {0, 2, 2, 2},
            mismatch);
        row("a match is never covered", 4, 2, "A A t t t t t t", {1, 0, 0, 2}, match);
        row("Reveal All keeps the tally", 4, 2, "A A B C reveal t t t t t t", {1, 1, 0, 16},
            mismatch);
    }

    void turns() {
        QFETCH(int, side);
        QFETCH(int, setSize);
        QFETCH(QString, script);
        QFETCH(QList<int>, expected);
        QFETCH(int, outcome);
        Game game(side, setSize);
        const std::optional<ClickResult> last = game.play(script);
        QVERIFY(last.has_value());
        QCOMPARE(int(last->outcome), outcome);
        QCOMPARE(QList<int>({game.state.numMatches(), game.state.numMismatches(),
                             game.state.numUncovered(), game.faceUpInPlay()}),
                 expected);
    }

    void score_data() {
        QTest::addColumn<int>("matches");
        QTest::addColumn<int>("mismatches");
        QTest::addColumn<int>("score");
        QTest::newRow("no turns") << 0 << 0 << 0;
        QTest::newRow("12.5 to even") << 1 << 7 << 12;
        QTest::newRow("37.5 to even") << 3 << 5 << 38;
        QTest::newRow("62.5 to even") << 5 << 3 << 62;
        QTest::newRow("two of three") << 2 << 1 << 67;
        QTest::newRow("8 in 11") << 8 << 3 << 73;
    }

    // Current at every read: after each turn, not only when a status bar asks.
    void score() {
        QFETCH(int, matches);
        QFETCH(int, mismatches);
        QFETCH(int, score);
        Game game(10, 2);
        QString script;
        for (int m = 0; m < mismatches; ++m) {
            script += QString(QChar('A' + 2 * m)) + ' ' + QChar('B' + 2 * m) + ' ';
        }
        for (int m = 0; m < matches; ++m) {
            const QString set(QChar('Q' + m));
            script += set + ' ' + set + ' ';
        }
        game.play(script);
        QCOMPARE(game.state.numTurns(), matches + mismatches);
        QCOMPARE(game.state.score(), score);
    }

    void texts_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        auto row = [](const char* name, const QString& text, const char* expected) {
            QTest::newRow(name) << text << QString::fromUtf8(expected);
        };
        row("tool tip, none", TileTexts::toolTip(0), "Uncovered 0 time before");
        row("tool tip, once", TileTexts::toolTip(1), "Uncovered 1 time before");
        row("tool tip, twice", TileTexts::toolTip(2), "Uncovered 2 times before");
        row("hint, once before", TileTexts::clickedHint(1), "");
        row("hint, twice before", TileTexts::clickedHint(2),
            "You've clicked this 2 times already.");
        row("place of the first tile", TileTexts::place(0, 4), "row 1, column 1");
        row("place down", TileTexts::place(4, 4), "row 2, column 1");
        row("place at the end of a row", TileTexts::place(9, 10), "row 1, column 10");
        row("place of the last tile", TileTexts::place(99, 10), "row 10, column 10");
    }

    void texts() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(text, expected);
    }

    void typedNumbers_data() {
        QTest::addColumn<QString>("keys"); // "<" is Backspace
        QTest::addColumn<QString>("status");
        QTest::addColumn<int>("number");
        const auto row = [](const char* name, const QString& keys, const char* status, int n) {
            QTest::newRow(name) << keys << status << n;
        };
        row("nothing typed", "", "", 0);
        row("one digit", "7", "Tile number: 7", 7);
        row("three digits", "100", "Tile number: 100", 100);
        row("a fourth digit is ignored", "1005", "Tile number: 100", 100);
        row("Backspace takes the last back", "12<", "Tile number: 1", 1);
        row("Backspace to nothing", "1<", "", 0);
        row("letters and other digits type nothing", QString::fromUtf8("a\xd9\xa3"), "", 0);
    }

    void typedNumbers() {
        QFETCH(QString, keys);
        QFETCH(QString, status);
        QFETCH(int, number);
        TypedNumber typed;
        for (const QChar key : keys) {
            key == QLatin1Char('<') ? typed.removeDigit() : typed.addDigit(key);
        }
        QCOMPARE(typed.statusText(), status);
        QCOMPARE(typed.take(), number);
        QVERIFY(typed.isEmpty());
    }

    void numberTexts_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("leading"); // the leading number, rounded to 16 bits
        QTest::addColumn<int>("whole");   // the whole text as a number; -1: not one
        QTest::newRow("half up to even") << "85.5" << 86 << -1;
        QTest::newRow("half down to even") << "84.5" << 84 << -1;
        QTest::newRow("trailing letters") << "12abc" << 12 << -1;
        QTest::newRow("no number") << "abc" << 0 << -1;
        QTest::newRow("blanks around") << " 7 " << 7 << 7;
        QTest::newRow("point first") << ".5" << 0 << -1;
        QTest::newRow("exponent") << "1.5e1x" << 15 << -1;
        QTest::newRow("above 16 bits") << "99999" << 32767 << -1;
        QTest::newRow("far beyond a double") << "1e999" << 32767 << -1;
        QTest::newRow("below 16 bits") << "-99999" << -32768 << -1;
    }

    void numberTexts() {
        QFETCH(QString, text);
        QFETCH(int, leading);
        QFETCH(int, whole);
        QCOMPARE(int(NumberText::roundToInt16(NumberText::leadingNumber(text))), leading);
        QCOMPARE(NumberText::parseInt16(text).value_or(-1), whole);
        QCOMPARE(NumberText::local(leading), QString::number(leading));
    }
};

QTEST_GUILESS_MAIN(TestRules)
#include "tst_rules.moc"
