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
    iNumCategories =
        static_cast<std::int16_t>(std::min<qsizetype>(names.size(), BoardConfig::kMaxCategories));
    for (int i = 1; i <= BoardConfig::kMaxCategories; ++i) {
        sCategories.at(At(i)) = i <= iNumCategories ? names.at(i - 1) : QString();
    }
}

QString GameState::GetCategory(int index) const {
    if (index < 1 || index > BoardConfig::kMaxCategories) {
        return QString();
    }
    return sCategories.at(At(index));
}

void GameState::Initialize() {
    iNumMatches = 0;
    iNumMismatches = 0;
    iCoverElapsed = 0;
    iNumUncovered = 0;
    iUncoveredTiles.fill(-1);
    iTileClicks.fill(0);
    iTileImages.fill(-1);
    faceUp_.fill(false);
}

bool GameState::IsMatch() const {
    if (iNumUncovered < current_.iNumTilesToMatch) {
        return false;
    }
    for (int k = 1; k < iNumUncovered; ++k) {
        const int here = iUncoveredTiles.at(At(k));
        const int before = iUncoveredTiles.at(At(k - 1));
        if (iTileImages.at(At(here)) != iTileImages.at(At(before))) {
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
    result.clicksBefore = iTileClicks.at(At(index));
    if (iNumUncovered >= current_.iNumTilesToMatch) {
        result.covered = CoverTiles();
    }
    faceUp_.at(At(index)) = true;
    if (iNumUncovered < kMaxTurnTiles) {
        iUncoveredTiles.at(At(iNumUncovered)) = static_cast<std::int16_t>(index);
        ++iNumUncovered;
    }
    const QList<int> turn(iUncoveredTiles.begin(), iUncoveredTiles.begin() + iNumUncovered);
    if (IsMatch()) {
        result.turn = turn;
        iNumUncovered = 0;
        ++iNumMatches;
        result.outcome = TurnOutcome::Matched;
        result.gameOver = iNumMatches == iNumSets;
    } else if (iNumUncovered >= current_.iNumTilesToMatch) {
        ++iNumMismatches;
        result.outcome = TurnOutcome::Mismatched;
        result.turn = turn;
    }
    ++iTileClicks.at(At(index));
    return result;
}

QList<int> GameState::Tick(int intervalMs) {
    if (iNumUncovered < current_.iNumTilesToMatch) {
        iCoverElapsed = 0;
        return {};
    }
    // Only a tick that finds no whole turn resets the count: a second
    // mismatch made before the next tick is covered that much sooner.
    if (iCoverElapsed < kCoverDelayMs) {
        iCoverElapsed = static_cast<std::int16_t>(iCoverElapsed + intervalMs);
        return {};
    }
    return CoverTiles();
}

QList<int> GameState::CoverTiles() {
    QList<int> covered;
    for (int k = 0; k < iNumUncovered; ++k) {
        const int tile = iUncoveredTiles.at(At(k));
        faceUp_.at(At(tile)) = false;
        covered.append(tile);
    }
    iNumUncovered = 0;
    return covered;
}

void GameState::RevealAll() {
    for (int i = 0; i < TileCount(); ++i) {
        faceUp_.at(At(i)) = true;
    }
    iNumUncovered = 0;
}

int GameState::TileImage(int index) const {
    return iTileImages.at(At(index));
}

int GameState::TileClicks(int index) const {
    return iTileClicks.at(At(index));
}

bool GameState::IsFaceUp(int index) const {
    return faceUp_.at(At(index));
}

bool GameState::IsFaceDown(int index) const {
    return index >= 0 && index < TileCount() && !faceUp_.at(At(index));
}

int GameState::Score() const {
    const int turns = NumTurns();
    return turns > 0 ? NumberText::RoundToInt16(iNumMatches * 100.0 / turns) : 0;
}

void GameState::SetPlayerName(const QString& answer) {
    sPlayerName = answer.isEmpty() ? QStringLiteral("No Name") : answer;
}

int GameState::NearestFaceDown(int from, Direction direction) const {
    const int columns = current_.iNumColumns;
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
