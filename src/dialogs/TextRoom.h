#pragma once

#include <QSizeF>

class QGroupBox;
class QWidget;

// How much room a control's text lacks: the text's size over the room the
// control gives it, across and down; 1 or less where it fits. Labels,
// buttons, option buttons and frame titles are measured; other widgets,
// and empty texts, fit.
QSizeF textShortfall(const QWidget& widget);

// The highest an option inside a frame may start, in the frame's own
// coordinates: 60 twips (4 pixels at 96 dpi) below the top of its border,
// under its title.
int optionsTop(const QGroupBox& frame);
