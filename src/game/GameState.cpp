#include "GameState.h"

#include "NumberText.h"

#include <cmath>
#include <stdexcept>

QString GameState::GetCategory(int index) const {
    if (index < 1 || index > kMaxCategories) {
        throw std::out_of_range("category position outside 1 to 32");
    }
    return sCategories.at(static_cast<std::size_t>(index));
}

void GameState::Initialize() {
    iNumMatches = 0;
    iNumMismatches = 0;
    iCoverDelay = 2000;
    iCoverElapsed = 0;
    iNumUncovered = 0;
    for (std::size_t p = 0; p <= 9; ++p) {
        iUncoveredTiles.at(p) = -1;
    }
    for (std::size_t t = 0; t < kMaxTiles; ++t) {
        iTileClicks.at(t) = 0;
        iTileImages.at(t) = -1;
    }
    iNumImages = 50;
}

bool GameState::IsMatch() const {
    if (iNumUncovered < iNumTilesToMatch) {
        return false;
    }
    for (int k = 1; k < iNumUncovered; ++k) {
        const auto here = static_cast<std::size_t>(iUncoveredTiles.at(static_cast<std::size_t>(k)));
        const auto before =
            static_cast<std::size_t>(iUncoveredTiles.at(static_cast<std::size_t>(k - 1)));
        if (iTileImages.at(here) != iTileImages.at(before)) {
            return false;
        }
    }
    return true;
}

void GameState::ScanCategories(const QStringList& listing) {
    iNumCategories = 0;
    for (const QString& name : listing) {
        if (name.isEmpty() || iNumCategories == kMaxCategories) {
            break;
        }
        if (name != QLatin1String(".") && name != QLatin1String("..")) {
            ++iNumCategories;
            sCategories.at(static_cast<std::size_t>(iNumCategories)) = name;
        }
    }
    for (int i = iNumCategories + 1; i <= kMaxCategories; ++i) {
        sCategories.at(static_cast<std::size_t>(i)).clear();
    }
    // Exchange sort by character code: capitals sort before small letters.
    for (int i = 1; i <= iNumCategories; ++i) {
        for (int j = i + 1; j <= iNumCategories; ++j) {
            QString& a = sCategories.at(static_cast<std::size_t>(i));
            QString& b = sCategories.at(static_cast<std::size_t>(j));
            if (QString::compare(a, b, Qt::CaseSensitive) > 0) {
                a.swap(b);
            }
        }
    }
}

void GameState::ComputeScore() {
    iNumTurns = static_cast<std::int16_t>(iNumMatches + iNumMismatches);
    if (iNumTurns > 0) {
        iScore = NumberText::RoundToInt16(iNumMatches * 100.0 / iNumTurns);
    } else {
        iScore = 0;
    }
}

QString GameState::GetTileToolTip(int index) const {
    const int n = iTileClicks.at(static_cast<std::size_t>(index));
    const QString ending = n > 1 ? QStringLiteral("s") : QString();
    return QStringLiteral("Uncovered") + NumberText::Num(n) + QStringLiteral(" time") + ending +
           QStringLiteral(" before");
}
