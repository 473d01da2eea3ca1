#include "GameState.h"

#include "NumberText.h"

#include <algorithm>
#include <cstdlib>

namespace {

std::size_t At(int index) {
    return static_cast<std::size_t>(index);
}

} // namespace

void GameState::Configure(const BoardConfig& config) {
    current_ = config;
    next_ = config;
}

void GameState::ScanCategories(QStringList names) {
    // QString compares UTF-16 code units: every capital sorts before every
    // small letter, as the stored positions were always counted.
    std::sort(names.begin(), names.end());
    categoriesLeftOut_ = names.size() > BoardConfig::kMaxCategories;
    categoryCount_ =
        static_cast<std::int16_t>(std::min<qsizetype>(names.size(), BoardConfig::kMaxCategories));
    for (int i = 1; i <= BoardConfig::kMaxCategories; ++i) {
        categories_.at(At(i)) = i <= categoryCount_ ? names.at(i - 1) : QString();
    }
}

QString GameState::category(int index) const {
    if (index < 1 || index > BoardConfig::kMaxCategories) {
        return QString();
    }
    return categories_.at(At(index));
}

void GameState::Initialize() {
    matches_ = 0;
    mismatches_ = 0;
    coverElapsed_ = 0;
    uncovered_ = 0;
    turn_.fill(-1);
    tileClicks_.fill(0);
    tileImages_.fill(-1);
    faceUp_.fill(false);
}

bool GameState::IsMatch() const {
    if (uncovered_ < current_.tilesPerSet) {
        return false;
    }
    for (int k = 1; k < uncovered_; ++k) {
        const int here = turn_.at(At(k));
        const int before = turn_.at(At(k - 1));
        if (tileImages_.at(At(here)) != tileImages_.at(At(before))) {
            return false;
        }
    }
    return true;
}

std::optional<ClickResult> GameState::Click(int index) {
    if (!IsFaceDown(index)) {
        return std::nullopt;
    }
    ClickResult result;
    result.clicksBefore = tileClicks_.at(At(index));
    if (uncovered_ >= current_.tilesPerSet) {
        result.covered = CoverTiles();
    }
    faceUp_.at(At(index)) = true;
    if (uncovered_ < kMaxTurnTiles) {
        turn_.at(At(uncovered_)) = static_cast<std::int16_t>(index);
        ++uncovered_;
    }
    const QList<int> turn(turn_.begin(), turn_.begin() + uncovered_);
    if (IsMatch()) {
        result.turn = turn;
        uncovered_ = 0;
        ++matches_;
        result.outcome = TurnOutcome::Matched;
        result.gameOver = matches_ == sets_;
    } else if (uncovered_ >= current_.tilesPerSet) {
        ++mismatches_;
        result.outcome = TurnOutcome::Mismatched;
        result.turn = turn;
    }
    ++tileClicks_.at(At(index));
    return result;
}

QList<int> GameState::Tick(int intervalMs) {
    if (uncovered_ < current_.tilesPerSet) {
        coverElapsed_ = 0;
        return {};
    }
    // Only a tick that finds no whole turn resets the count: a second
    // mismatch made before the next tick is covered that much sooner.
    if (coverElapsed_ < kCoverDelayMs) {
        coverElapsed_ = static_cast<std::int16_t>(coverElapsed_ + intervalMs);
        return {};
    }
    return CoverTiles();
}

QList<int> GameState::CoverTiles() {
    QList<int> covered;
    for (int k = 0; k < uncovered_; ++k) {
        const int tile = turn_.at(At(k));
        faceUp_.at(At(tile)) = false;
        covered.append(tile);
    }
    uncovered_ = 0;
    return covered;
}

void GameState::RevealAll() {
    for (int i = 0; i < TileCount(); ++i) {
        faceUp_.at(At(i)) = true;
    }
    uncovered_ = 0;
}

int GameState::TileImage(int index) const {
    return tileImages_.at(At(index));
}

int GameState::TileClicks(int index) const {
    return tileClicks_.at(At(index));
}

bool GameState::IsFaceUp(int index) const {
    return faceUp_.at(At(index));
}

bool GameState::IsFaceDown(int index) const {
    return index >= 0 && index < TileCount() && !faceUp_.at(At(index));
}

int GameState::Score() const {
    const int turns = NumTurns();
    return turns > 0 ? NumberText::RoundToInt16(matches_ * 100.0 / turns) : 0;
}

void GameState::SetPlayerName(const QString& answer) {
    playerName_ = answer.isEmpty() ? QStringLiteral("No Name") : answer;
}

int GameState::NearestFaceDown(int from, Direction direction) const {
    const int columns = current_.columns;
    const bool across = direction == Direction::Left || direction == Direction::Right;
    const int sign = direction == Direction::Right || direction == Direction::Down ? 1 : -1;
    int best = -1;
    int bestAway = 0;
    int bestAside = 0;
    for (int t = 0; t < TileCount(); ++t) {
        if (!IsFaceDown(t)) {
            continue;
        }
        const int dx = t % columns - from % columns;
        const int dy = t / columns - from / columns;
        const int away = sign * (across ? dx : dy);
        const int aside = std::abs(across ? dy : dx);
        if (away > 0 &&
            (best == -1 || away < bestAway || (away == bestAway && aside < bestAside))) {
            best = t;
            bestAway = away;
            bestAside = aside;
        }
    }
    return best;
}

int GameState::LastFaceDown() const {
    for (int t = TileCount() - 1; t >= 0; --t) {
        if (IsFaceDown(t)) {
            return t;
        }
    }
    return -1;
}

int GameState::NextFaceDown(int from) const {
    for (int k = 1; k <= TileCount(); ++k) {
        const int t = (from + k + TileCount()) % TileCount();
        if (IsFaceDown(t) && (t != from || from < 0)) {
            return t;
        }
    }
    return -1;
}
