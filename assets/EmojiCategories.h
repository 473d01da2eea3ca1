#pragma once

#include <QList>
#include <QString>

// One picture of an emoji category: the emoji and the name a screen reader gives it, in
// lowercase ("dog face"), which the generator writes into the category's names.txt.
struct EmojiPicture {
    QString emoji;
    QString name;
};

// A picture category made of emoji; picture n of the category is line n + 1 of its list in the
// source, just as in the names.txt written from it.
struct EmojiCategory {
    QString name;
    QList<EmojiPicture> pictures;
};

// Every emoji here has a colour glyph in Noto Color Emoji 2.042 (Debian 12), and each one
// stands apart from the others of its category in shape or colour.
QList<EmojiCategory> emojiCategories();
