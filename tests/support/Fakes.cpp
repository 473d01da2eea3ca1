#include "Fakes.h"

void FakeDialogs::MsgBox(QWidget* /*parent*/, const QString& text, const QString& title) {
    asked.append({QStringLiteral("MsgBox"), text, title, QString()});
}

QString FakeDialogs::InputBox(QWidget* /*parent*/, const QString& prompt, const QString& title,
                              const QString& defaultText) {
    asked.append({QStringLiteral("InputBox"), prompt, title, defaultText});
    if (onInput) {
        onInput();
    }
    return inputAnswers.isEmpty() ? QString() : inputAnswers.takeFirst();
}

std::optional<QFont> FakeDialogs::ChooseFont(QWidget* /*parent*/, const QFont& initial) {
    asked.append({QStringLiteral("ChooseFont"), initial.family(), QString(), QString()});
    fontOffered = initial;
    return fontAnswer;
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

FakeWindow MakeWindow(const QString& dataFolder, const QString& settingsFile,
                      std::unique_ptr<ScriptedRandom> random) {
    FakeWindow t;
    auto dialogs = std::make_unique<FakeDialogs>();
    auto sound = std::make_unique<FakeSound>();
    if (!random) {
        random = std::make_unique<ScriptedRandom>(12345u);
    }
    t.dialogs = dialogs.get();
    t.sound = sound.get();
    t.random = random.get();
    frmTilewise::Services services;
    services.dataFolder = dataFolder;
    services.settingsFile = settingsFile;
    services.dialogs = std::move(dialogs);
    services.sound = std::move(sound);
    services.random = std::move(random);
    t.window = std::make_unique<frmTilewise>(std::move(services));
    return t;
}
