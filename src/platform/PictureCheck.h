#pragma once

#include <QString>
#include <QTextStream>

// Checks picture categories made by hand before they are played with, and
// opens no window.
//
// `folder` is taken as one category when it directly holds at least one
// file named img + three digits + .gif, .jpg, .jpeg or .png (such as
// img000.jpg or img000.JPG: the case of the extension does not matter), or
// holds pictures and no folder. Otherwise it is taken as an imgs folder:
// every folder inside it, as the game lists them, is a category, checked in
// the game's order (by character code, capitals first).
//
// For each category it writes lines that start with the category's name:
//   Animals: missing img003, img010-img049
//   Animals: img007.jpg does not read as a picture (Unsupported image format)
//   Animals: img012.jpg is too large: 8001 x 2 pixels, over 8000 on a side
//   Animals: same picture in img001.jpg, img002.gif
//   Animals: IMG045.JPG is not named img000 to img049
//   Animals: incomplete: 41 missing, 1 unreadable, 1 too large, 1 repeated
// or, for a category with nothing wrong, only "Animals: complete".
// Each number is checked as the game shows it: the GIF when there is one,
// else the JPEG, else the PNG. Pictures the game does not show by their
// names are named, and a last line then points to --make-category; they
// leave a category complete. "repeated" counts the pictures that have the same bytes as
// a lower-numbered one. A picture over the limits is judged by its length
// and its header alone and never decoded, and is not compared with the
// others; a file is opened only as a plain file (see PlainFile), even when
// it changes after the folder was listed. A JPEG cut short still counts as
// readable: Qt shows its missing part grey, in the game as well.
//
// Returns 0 when there is at least one category and every one is complete,
// 1 otherwise, also when the folder does not exist or holds no category
// (a line says why).
int checkPictures(const QString& folder, QTextStream& out);
