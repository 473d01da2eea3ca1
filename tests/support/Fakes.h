#pragma once

#include "Dialogs.h"
#include "MainWindow.h"
#include "ScriptedRandom.h"
#include "SoundDevice.h"

#include <QFont>
#include <QList>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

// Answers the blocking boxes and remembers what they asked.
class FakeDialogs final : public Dialogs {
public:
    struct Asked {
        QString kind; // "MsgBox", "InputBox", "ChooseFont", "ChooseFolder" or "Question"
        QString text;
        QString title;
        QString defaultText;
    };

    void messageBox(QWidget* parent, const QString& text, const QString& title) override;
    QString inputBox(QWidget* parent, const QString& prompt, const QString& title,
                     const QString& defaultText) override;
    // The player cancels: the real font dialog is tested instead.
    std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial) override;
    QString chooseFolder(QWidget* parent, const QString& title) override;
    bool question(QWidget* parent, const QString& text, const QString& title) override;

    QList<Asked> asked;
    QStringList inputAnswers;      // taken in order; an empty list answers ""
    QStringList folderAnswers;     // the same
    QList<bool> questionAnswers;   // taken in order; an empty list answers No
    std::function<void()> onInput; // runs as the input box is asked
};

// Records every file name and command given to the sound device.
class FakeSound final : public SoundDevice {
public:
    void setFileName(const QString& fileName) override;
    void setCommand(const QString& command) override;
    void start() override { calls.append(QStringLiteral("Start")); }

    QStringList calls;                             // "file:match.wav", "Open", "Play", ...
    QStringList played() const { return played_; } // the file names at each "Play"
private:
    QString fileName_;
    QStringList played_;
};

// A window built with fakes, kept together with them for the caller to use.
struct FakeWindow {
    FakeDialogs* dialogs = nullptr;
    FakeSound* sound = nullptr;
    ScriptedRandom* random = nullptr;
    std::unique_ptr<MainWindow> window;
};

// The window on a data folder and a settings file, dealt from a fixed seed;
// it finds made categories in `madeFolder`, and names pictures in `language`.
FakeWindow makeWindow(const QString& dataFolder, const QString& settingsFile,
                      const QString& madeFolder, const QString& language = {});
