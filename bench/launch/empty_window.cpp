// The floor for Tilewise's launch figures: the least a Qt Widgets program does
// to put a window on the screen, one plain QWidget with a title.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Empty window"));
    window.show();
    return QApplication::exec();
}
