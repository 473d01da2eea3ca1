#include "MainWindow.h"

#include <QKeyEvent>
#include <QPushButton>

namespace {

constexpr int kMaxTypedDigits = 3;

} // namespace

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (!tileKey(*event)) {
        QMainWindow::keyPressEvent(event);
    }
}

int MainWindow::focusedTile() const {
    return static_cast<int>(buttons_.indexOf(qobject_cast<QPushButton*>(focusWidget())));
}

void MainWindow::focusTile(int tile) {
    if (tile >= 0) {
        tileButton(tile)->setFocus(Qt::OtherFocusReason);
    } else {
        client_->setFocus(Qt::OtherFocusReason); // never a hidden tile
    }
}

bool MainWindow::tileKey(const QKeyEvent& event) {
    const int focused = focusedTile();
    const auto move = [&](Direction direction) {
        const int to =
            focused < 0 ? game_.firstFaceDown() : game_.nearestFaceDown(focused, direction);
        if (to >= 0) {
            focusTile(to);
        }
        return true;
    };
    switch (event.key()) {
    case Qt::Key_Left:
        return move(Direction::Left);
    case Qt::Key_Right:
        return move(Direction::Right);
    case Qt::Key_Up:
        return move(Direction::Up);
    case Qt::Key_Down:
        return move(Direction::Down);
    case Qt::Key_Home:
        focusTile(game_.firstFaceDown());
        return true;
    case Qt::Key_End:
        focusTile(game_.lastFaceDown());
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!typed_.isEmpty()) {
            turnTypedTile();
        } else if (focused >= 0) {
            tileButton(focused)->click();
        }
        return true;
    case Qt::Key_Backspace:
    case Qt::Key_Escape:
        if (typed_.isEmpty()) {
            return false;
        }
        event.key() == Qt::Key_Escape ? typed_.clear() : typed_.chop(1);
        showStatus(typed_.isEmpty() ? QString() : QStringLiteral("Tile number: ") + typed_);
        return true;
    default:
        break;
    }
    const QString text = event.text();
    if (text.size() == 1 && text.at(0).isDigit() && text.at(0).unicode() < 128 &&
        (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (typed_.size() < kMaxTypedDigits) {
            typed_ += text;
        }
        showStatus(QStringLiteral("Tile number: ") + typed_);
        return true;
    }
    return false;
}

void MainWindow::turnTypedTile() {
    const int number = typed_.toInt();
    typed_.clear();
    const int tile = number - 1;
    if (!game_.isFaceDown(tile)) {
        showStatus(QStringLiteral("There is no face-down tile %1.").arg(number));
        return;
    }
    focusTile(tile);
    tileButton(tile)->click();
}
