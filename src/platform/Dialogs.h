#pragma once

#include <QFont>
#include <QString>
#include <optional>

class QWidget;

// The blocking boxes the game asks the player through. The window holds one
// of these, so tests can answer the boxes without a person.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A box with the text, an OK button, no icon and the title.
    virtual void messageBox(QWidget* parent, const QString& text, const QString& title) = 0;

    // A box that asks for a line of text. Cancel gives the empty text.
    virtual QString inputBox(QWidget* parent, const QString& prompt, const QString& title,
                             const QString& defaultText) = 0;

    // The font dialog, preset with `initial`. Nothing when cancelled.
    virtual std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial) = 0;

    // A folder chooser. The empty text when cancelled.
    virtual QString chooseFolder(QWidget* parent, const QString& title) = 0;

    // A question with Yes and No; true for Yes.
    virtual bool question(QWidget* parent, const QString& text, const QString& title) = 0;
};

// The real boxes: QMessageBox, QInputDialog, QFontDialog and QFileDialog.
class QtDialogs final : public Dialogs {
public:
    void messageBox(QWidget* parent, const QString& text, const QString& title) override;
    QString inputBox(QWidget* parent, const QString& prompt, const QString& title,
                     const QString& defaultText) override;
    std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial) override;
    QString chooseFolder(QWidget* parent, const QString& title) override;
    bool question(QWidget* parent, const QString& text, const QString& title) override;
};
