#include "AppIcon.h"
#include "AudioWarnings.h"
#include "DataFolder.h"
#include "frmTilewise.h"

#include <QApplication>
#include <QDir>
#include <QSettings>

int main(int argc, char* argv[]) {
    qInstallMessageHandler(&DropAudioWarnings);
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tilewise"));
    QApplication::setApplicationName(QStringLiteral("Tilewise"));
    // Every window, the standard boxes included, carries the program's icon.
    QApplication::setWindowIcon(AppIcon());

    frmTilewise::Services services;
    services.dataFolder =
        DataFolder::Resolve(QDir::currentPath(), QApplication::applicationDirPath());
    services.settingsFile = QSettings(QSettings::IniFormat, QSettings::UserScope,
                                      QStringLiteral("Tilewise"), QStringLiteral("Tilewise"))
                                .fileName();
    frmTilewise window(std::move(services));
    window.show();
    return QApplication::exec();
}
