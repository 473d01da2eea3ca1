#include "GameState.h"

#include "NumberText.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

std::size_t at(int index) {
    return static_cast<std::size_t>(index);
}

} // namespace

void GameState::configure(const BoardConfig& config) {
    current_ = config;
    next_ = config;
}

void GameState::scanCategories(QStringList names, QStringList made) {
    // QString compares UTF-16 code units: every capital sorts before every
    // small letter, as the stored positions were always counted.
    std::sort(names.begin(), names.end());
    std::sort(made.begin(), made.end());
    made.removeIf([&names](const QString& name) { return names.contains(name); });
    const qsizetype found = names.size() + made.size();
    categoriesLeftOut_ = found > BoardConfig::kMaxCategories;
    dataCategoryCount_ =
        static_cast<std::int16_t>(std::min<qsizetype>(names.size(), BoardConfig::kMaxCategories));
    categoryCount_ =
        static_cast<std::int16_t>(std::min<qsizetype>(found, BoardConfig::kMaxCategories));
    names += made;
    for (int i = 1; i <= BoardConfig::kMaxCategories; ++i) {
        categories_.at(at(i)) = i <= categoryCount_ ? names.at(i - 1) : QString();
    }
}

QString GameState::rescanCategories(QStringList names, QStringList made) {
    using Place = std::pair<QString, bool>;
    const auto placeOf = [this](int index) {
        return Place(category(index), isMadeCategory(index));
    };
    const Place current = placeOf(current_.categoryIndex);
    const Place next = placeOf(next_.categoryIndex);
    scanCategories(std::move(names), std::move(made));
    QString lost;
    for (const auto& [config, place] : {std::pair(&current_, current), std::pair(&next_, next)}) {
        const int index = categoryIndexOf(place.first, place.second);
        if (index == 0 && !place.first.isEmpty() && lost.isEmpty()) {
            lost = place.first;
        }
        config->categoryIndex = static_cast<std::int16_t>(std::max(index, 1));
    }
    return lost;
}

int GameState::categoryIndexOf(const QString& name, bool made) const {
    for (int i = 1; i <= categoryCount_; ++i) {
        if (categories_.at(at(i)) == name && isMadeCategory(i) == made) {
            return i;
        }
    }
    return 0;
}

QString GameState::category(int index) const {
    if (index < 1 || index > BoardConfig::kMaxCategories) {
        return QString();
    }
    return categories_.at(at(index));
}

void GameState::initialize() {
    matches_ = 0;
    mismatches_ = 0;
    coverElapsed_ = 0;
    uncovered_ = 0;
    turn_.fill(-1);
    tileClicks_.fill(0);
    tileImages_.fill(-1);
    faceUp_.fill(false);
}

bool GameState::isMatch() const {
    if (uncovered_ < current_.tilesPerSet) {
        return false;
    }
    for (int k = 1; k < uncovered_; ++k) {
        const int here = turn_.at(at(k));
        const int before = turn_.at(at(k - 1));
        if (tileImages_.at(at(here)) != tileImages_.at(at(before))) {
            return false;
        }
    }
    return true;
}

std::optional<ClickResult> GameState::click(int index) {
    if (!isFaceDown(index)) {
        return std::nullopt;
    }
    ClickResult result;
    result.clicksBefore = tileClicks_.at(at(index));
    if (uncovered_ >= current_.tilesPerSet) {
        result.covered = coverTiles();
    }
    faceUp_.at(at(index)) = true;
    if (uncovered_ < kMaxTurnTiles) {
        turn_.at(at(uncovered_)) = static_cast<std::int16_t>(index);
        ++uncovered_;
    }
    if (isMatch()) {
        uncovered_ = 0;
        ++matches_;
        result.outcome = TurnOutcome::Matched;
        result.gameOver = matches_ == sets_;
    } else if (uncovered_ >= current_.tilesPerSet) {
        ++mismatches_;
        result.outcome = TurnOutcome::Mismatched;
    }
    ++tileClicks_.at(at(index));
    return result;
}

QList<int> GameState::tick(int intervalMs) {
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
    return coverTiles();
}

QList<int> GameState::coverTiles() {
    QList<int> covered;
    for (int k = 0; k < uncovered_; ++k) {
        const int tile = turn_.at(at(k));
        faceUp_.at(at(tile)) = false;
        covered.append(tile);
    }
    uncovered_ = 0;
    return covered;
}

void GameState::revealAll() {
    for (int i = 0; i < tileCount(); ++i) {
        faceUp_.at(at(i)) = true;
    }
    uncovered_ = 0;
}

int GameState::tileImage(int index) const {
    return tileImages_.at(at(index));
}

int GameState::tileClicks(int index) const {
    return tileClicks_.at(at(index));
}

bool GameState::isFaceUp(int index) const {
    return faceUp_.at(at(index));
}

bool GameState::isFaceDown(int index) const {
    return index >= 0 && index < tileCount() && !faceUp_.at(at(index));
}

int GameState::score() const {
    const int turns = numTurns();
    return turns > 0 ? NumberText::roundToInt16(matches_ * 100.0 / turns) : 0;
}

void GameState::setPlayerName(const QString& answer) {
    //: The name a high score is entered under when the player gives none
    playerName_ = answer.isEmpty() ? QCoreApplication::translate("GameState", "No Name") : answer;
}

int GameState::nearestFaceDown(int from, Direction direction) const {
    const int columns = current_.columns;
    const bool across = direction == Direction::Left || direction == Direction::Right;
    const int sign = direction == Direction::Right || direction == Direction::Down ? 1 : -1;
    int best = -1;
    int bestAway = 0;
    int bestAside = 0;
    for (int t = 0; t < tileCount(); ++t) {
        if (!isFaceDown(t)) {
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

int GameState::lastFaceDown() const {
    for (int t = tileCount() - 1; t >= 0; --t) {
        if (isFaceDown(t)) {
            return t;
        }
    }
    return -1;
}

int GameState::previousFaceDown(int from) const {
    for (int k = 1; k <= tileCount(); ++k) {
        const int t = ((from - k) % tileCount() + tileCount()) % tileCount();
        if (isFaceDown(t) && t != from) {
            return t;
        }
    }
    return -1;
}

int GameState::adjacent(int from, Direction direction) const {
    const int columns = current_.columns;
    const int row = from / columns;
    const int column = from % columns;
    switch (direction) {
    case Direction::Left:
        return column > 0 ? from - 1 : -1;
    case Direction::Right:
        return column < columns - 1 ? from + 1 : -1;
    case Direction::Up:
        return row > 0 ? from - columns : -1;
    case Direction::Down:
        return row < current_.rows - 1 ? from + columns : -1;
    }
    return -1;
}

int GameState::nextFaceDown(int from) const {
    for (int k = 1; k <= tileCount(); ++k) {
        const int t = (from + k + tileCount()) % tileCount();
        if (isFaceDown(t) && (t != from || from < 0)) {
            return t;
        }
    }
    return -1;
}
