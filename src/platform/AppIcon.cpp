#include "AppIcon.h"

#include "IconDesign.h"

#include <QPixmap>

QIcon appIcon() {
    QIcon icon;
    for (int side : {16, 32, 48, 64}) {
        icon.addPixmap(QPixmap::fromImage(IconDesign::render(side)));
    }
    return icon;
}
