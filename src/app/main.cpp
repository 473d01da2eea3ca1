#include "DataFolder.h"
#include "frmTilewise.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tilewise"));
    QApplication::setApplicationName(QStringLiteral("Tilewise"));
    DataFolder::ChooseWorkingFolder(QApplication::applicationDirPath());

    frmTilewise window;
    window.show();
    return QApplication::exec();
}
