#pragma once

#include <QChar>
#include <QString>

// A tile number typed digit by digit on the board, as in "5, 7, Enter".
// Boards have at most 100 tiles, so a fourth digit is ignored; Backspace
// takes the last digit back, Escape all of them.
class TypedNumber {
public:
    static constexpr int kMaxDigits = 3;

    // True for the ASCII digits 0 to 9, the only keys that type a number.
    static bool isDigit(QChar key);

    bool isEmpty() const { return digits_.isEmpty(); }
    void addDigit(QChar digit);
    void removeDigit() { digits_.chop(1); }
    void clear() { digits_.clear(); }

    // What the status bar shows while typing: "Tile number: 57", or the
    // empty text once nothing is typed.
    QString statusText() const;

    // The number typed, and nothing typed any more.
    int take();

    // Told when the number names no face-down tile.
    static QString refused(int number);

private:
    QString digits_;
};
