#include "Fakes.h"

#include "frmTilewise.h"

#include <QApplication>
#include <QDialog>
#include <QMap>
#include <QTimer>
#include <QtTest>

void FakeDialogs::MsgBox(QWidget* /*parent*/, const QString& text, const QString& title) {
    asked.append({QStringLiteral("MsgBox"), text, title, QString()});
}

QString FakeDialogs::InputBox(QWidget* /*parent*/, const QString& prompt, const QString& title,
                              const QString& defaultText) {
    asked.append({QStringLiteral("InputBox"), prompt, title, defaultText});
    return inputAnswers.isEmpty() ? QString() : inputAnswers.takeFirst();
}

std::optional<QFont> FakeDialogs::ChooseFont(QWidget* /*parent*/, const QFont& initial) {
    asked.append({QStringLiteral("ChooseFont"), initial.family(), QString(), QString()});
    fontOffered = initial;
    return fontAnswer;
}

void FakeSound::SetDeviceType(const QString& deviceType) {
    calls.append(QStringLiteral("type:") + deviceType);
}

void FakeSound::SetFileName(const QString& fileName) {
    fileName_ = fileName;
    calls.append(QStringLiteral("file:") + fileName);
}

void FakeSound::SetCommand(const QString& command) {
    calls.append(command);
    if (command == QLatin1String("Play")) {
        calls.append(QStringLiteral("played:") + fileName_);
    }
}

QStringList FakeSound::Played() const {
    QStringList played;
    for (const QString& call : calls) {
        if (call.startsWith(QLatin1String("played:"))) {
            played.append(call.mid(7));
        }
    }
    return played;
}

double ScriptedRandom::Next() {
    ++draws;
    if (seeded_) {
        return std::uniform_real_distribution<double>(0.0, 1.0)(engine_);
    }
    if (values_.isEmpty()) {
        return 0.0;
    }
    return values_.at((draws - 1) % values_.size());
}

void GameStateProbe::SetTurn(GameState& s, QList<int> tiles, QList<int> images) {
    for (int k = 0; k < tiles.size(); ++k) {
        s.iUncoveredTiles.at(k) = static_cast<std::int16_t>(tiles.at(k));
        s.iTileImages.at(tiles.at(k)) = static_cast<std::int16_t>(images.at(k));
    }
    s.iNumUncovered = static_cast<std::int16_t>(tiles.size());
}

QList<QList<int>> GameStateProbe::Sets(const GameState& s) {
    QMap<int, QList<int>> byPicture;
    for (int tile = 0; tile < s.iNumColumns * s.iNumRows; ++tile) {
        const int picture = s.iTileImages.at(tile);
        if (picture >= 0) {
            byPicture[picture].append(tile);
        }
    }
    return byPicture.values();
}

QList<int> GameStateProbe::FreeTiles(const GameState& s) {
    QList<int> free;
    for (int tile = 0; tile < s.iNumColumns * s.iNumRows; ++tile) {
        if (s.iTileImages.at(tile) == -1) {
            free.append(tile);
        }
    }
    return free;
}

TestWindow MakeWindow(std::unique_ptr<ScriptedRandom> random) {
    TestWindow t;
    auto dialogs = std::make_unique<FakeDialogs>();
    auto sound = std::make_unique<FakeSound>();
    if (!random) {
        random = std::make_unique<ScriptedRandom>(12345u);
    }
    t.dialogs = dialogs.get();
    t.sound = sound.get();
    t.random = random.get();
    frmTilewise::Services services;
    services.dialogs = std::move(dialogs);
    services.sound = std::move(sound);
    services.random = std::move(random);
    t.window = std::make_unique<frmTilewise>(std::move(services));
    return t;
}

bool WithModal(const std::function<void()>& open, const std::function<void(QDialog&)>& inspect) {
    bool seen = false;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        seen = true;
        inspect(*dialog);
        if (QTest::currentTestFailed() && dialog->isVisible()) {
            dialog->reject();
        }
    });
    timer.start(0);
    open();
    return seen;
}
