#pragma once

#include <QWidget>

// Speaks a sentence through the screen reader without moving the focus: a
// widget of no size, outside any layout, whose accessible role is a
// notification. Showing it again with a new text is what screen readers
// (Orca among them) speak; a label's new text, a new name on the focused
// button or an alert event are not.
class Announcer final : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* parent);

    void announce(const QString& text);
    QString text() const { return text_; }

private:
    QString text_;
};
