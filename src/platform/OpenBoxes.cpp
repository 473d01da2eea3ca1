#include "OpenBoxes.h"

#include <QApplication>
#include <QDialog>
#include <QInputDialog>

namespace OpenBoxes {

std::optional<QString> inputText() {
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (const QWidget* window : windows) {
        if (const auto* box = qobject_cast<const QInputDialog*>(window); box && box->isVisible()) {
            return box->textValue();
        }
    }
    return std::nullopt;
}

void closeAll() {
    // Bounded: a box that will not close is left to the program's end.
    for (int n = 0; n < 16; ++n) {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            return;
        }
        if (auto* box = qobject_cast<QDialog*>(modal)) {
            box->reject();
        } else {
            modal->close();
        }
    }
}

} // namespace OpenBoxes
