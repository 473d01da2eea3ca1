#include "Fakes.h"

void FakeDialogs::messageBox(QWidget* /*parent*/, const QString& text, const QString& title) {
    asked.append({QStringLiteral("MsgBox"), text, title, QString()});
}

QString FakeDialogs::inputBox(QWidget* /*parent*/, const QString& prompt, const QString& title,
                              const QString& defaultText) {
    asked.append({QStringLiteral("InputBox"), prompt, title, defaultText});
    if (onInput) {
        onInput();
    }
    return inputAnswers.isEmpty() ? QString() : inputAnswers.takeFirst();
}

std::optional<QFont> FakeDialogs::chooseFont(QWidget* /*parent*/, const QFont& initial) {
    asked.append({QStringLiteral("ChooseFont"), initial.family(), QString(), QString()});
    return std::nullopt;
}

QString FakeDialogs::chooseFolder(QWidget* /*parent*/, const QString& title) {
    asked.append({QStringLiteral("ChooseFolder"), QString(), title, QString()});
    return folderAnswers.isEmpty() ? QString() : folderAnswers.takeFirst();
}

bool FakeDialogs::question(QWidget* /*parent*/, const QString& text, const QString& title) {
    asked.append({QStringLiteral("Question"), text, title, QString()});
    return !questionAnswers.isEmpty() && questionAnswers.takeFirst();
}

void FakeSound::setFileName(const QString& fileName) {
    fileName_ = fileName;
    calls.append(QStringLiteral("file:") + fileName);
}

void FakeSound::setCommand(const QString& command) {
    calls.append(command);
    if (command == QLatin1String("Play")) {
        played_.append(fileName_);
    }
}

FakeWindow makeWindow(const QString& dataFolder, const QString& settingsFile,
                      const QString& madeFolder, const QString& language) {
    auto dialogs = std::make_unique<FakeDialogs>();
    auto sound = std::make_unique<FakeSound>();
    auto random = std::make_unique<ScriptedRandom>(12345u);
    FakeWindow t{dialogs.get(), sound.get(), random.get(), nullptr};
    t.window = std::make_unique<MainWindow>(
        MainWindow::Services{dataFolder, settingsFile, std::move(dialogs), std::move(random),
                             std::move(sound), madeFolder, QString(), language});
    return t;
}
