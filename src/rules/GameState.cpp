#include "GameState.h"

#include "NumberText.h"

#include <algorithm>

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
    if (IsMatch()) {
        iNumUncovered = 0;
        ++iNumMatches;
        result.outcome = TurnOutcome::Matched;
        result.gameOver = iNumMatches == iNumSets;
    } else if (iNumUncovered >= current_.iNumTilesToMatch) {
        ++iNumMismatches;
        result.outcome = TurnOutcome::Mismatched;
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
