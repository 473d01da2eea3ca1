#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A picture category made of emoji; picture n of the category is emoji n (ten to a row in the
// source, so a picture's number can be read off the layout).
struct EmojiCategory {
    QString name;
    QStringList emoji;
};

// Every emoji here has a colour glyph in Noto Color Emoji 2.042 (Debian 12), and each one
// stands apart from the others of its category in shape or colour.
QList<EmojiCategory> EmojiCategories();
