#pragma once

#include <QIcon>

// The program's icon, carried by every window: four tiles, one turned over.
QIcon appIcon();
