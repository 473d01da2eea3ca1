#pragma once

#include <QFont>

// The font the window and dialog layouts are designed around: a small sans
// serif of 8.25 points, with the metrics of the classic dialog font. Qt's
// own default is wider, and the fixed layouts would cut their texts.
QFont dialogFont();
