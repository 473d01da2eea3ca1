// Starts the game window in a given working folder and settings folder, as a
// separate process would, and either prints the preferences it started with
// or changes them through a new game and exits from the menu.
//   prefs_probe <workdir> <configdir> show
//   prefs_probe <workdir> <configdir> change <columns> <tiles per set> <category>
#include "Fakes.h"
#include "frmTilewise.h"

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 4) {
        return 2;
    }
    QDir::setCurrent(args.at(1));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, args.at(2));

    TestWindow t = MakeWindow();
    frmTilewise& w = *t.window;
    if (args.at(3) == QLatin1String("change") && args.size() == 7) {
        w.iNewNumColumns = w.iNewNumRows = static_cast<std::int16_t>(args.at(4).toInt());
        w.iNewNumTilesToMatch = static_cast<std::int16_t>(args.at(5).toInt());
        w.iNewCategoryIndex = static_cast<std::int16_t>(args.at(6).toInt());
        w.mnuGameNew_Click();
        w.mnuGameExit_Click();
        return 0;
    }
    std::printf("%d %d %d %d\n", w.iNumColumns, w.iNumRows, w.iNumTilesToMatch,
                GameStateProbe::CategoryIndex(w));
    return 0;
}
