#include "AppIcon.h"
#include "DataFolder.h"
#include "frmTilewise.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tilewise"));
    QApplication::setApplicationName(QStringLiteral("Tilewise"));
    // Every window, the standard boxes included, carries the program's icon.
    QApplication::setWindowIcon(AppIcon());
    DataFolder::ChooseWorkingFolder(QApplication::applicationDirPath());

    frmTilewise window;
    window.show();
    return QApplication::exec();
}
