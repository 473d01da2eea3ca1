// Plays the game's three cues over and over through the real sound device,
// in the folder given as its argument, then says "finished". tst_sound runs
// it to see what a machine without sound prints.
#include "Misc.h"
#include "WaveDevice.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QTextStream>
#include <QTimer>
#include <array>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc < 2 || !QDir::setCurrent(QString::fromLocal8Bit(argv[1]))) {
        return 2;
    }
    WaveDevice device;
    const std::array<Misc::Cue, 3> cues{Misc::Cue::Greeting, Misc::Cue::Match, Misc::Cue::Mismatch};
    std::size_t played = 0;
    QTimer player;
    player.setInterval(40);
    QObject::connect(&player, &QTimer::timeout, &app, [&] {
        if (played == 4 * cues.size()) {
            device.SetCommand(QStringLiteral("Close"));
            QCoreApplication::quit();
            return;
        }
        Misc::PlaySound(device, cues.at(played++ % cues.size()));
    });
    player.start();
    const int result = QCoreApplication::exec();
    QTextStream(stdout) << "finished\n";
    return result;
}
