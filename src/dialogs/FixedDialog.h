#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The common ground of the game's dialogs: a fixed client size and control
// places given in twips, and no default or cancel
// button. Enter and Space press only the focused command button; Enter
// elsewhere and Escape do nothing. Only OK, Cancel and the close box end a
// dialog.
class FixedDialog : public QDialog {
    Q_OBJECT
public:
    explicit FixedDialog(QWidget* parent = nullptr);

protected:
    void setClientSize(int widthTwips, int heightTwips);
    // Once the texts are in: widens (or lengthens) the dialog, and every
    // control's place and size with it, by the least factor that gives each
    // text its room, as a translation longer than the English the layout was
    // designed for needs. English fits as designed and keeps its sizes.
    void fitTexts();

    // Plain-text labels, so that a name typed by a player shows as typed;
    // the text starts at the top left, as the designs assume.
    static QLabel* addLabel(QWidget* parent, const char* name, const QString& text, int left,
                            int top, int width, int height);
    // A command button that never becomes the dialog's default.
    static QPushButton* addButton(QWidget* parent, const char* name, const QString& caption,
                                  int left, int top, int width, int height);

    void keyPressEvent(QKeyEvent* event) override;
};
