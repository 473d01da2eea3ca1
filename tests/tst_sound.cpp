// The sound cues: the commands PlaySound gives, and the real device with
// real, missing and broken files on this machine without a sound card.
#include "Fakes.h"
#include "Misc.h"
#include "TestWorkspace.h"
#include "WaveDevice.h"

#include <QProcess>
#include <QSoundEffect>
#include <QtEndian>
#include <QtTest>

class TestSound : public QObject {
    Q_OBJECT
private slots:
    void playSoundCommands();
    void waveDeviceFiles_data();
    void waveDeviceFiles();
    void atMostOneAudioWarning();
};

namespace {

template <typename T> QByteArray Le(T value) {
    QByteArray bytes(sizeof(T), '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray Chunk(const QByteArray& id, const QByteArray& body) {
    return id + Le<quint32>(body.size()) + body + QByteArray(body.size() % 2, '\0');
}

// 80 ms of mono silence at 22050 Hz; `extra` chunks come before the format.
QByteArray Wave(quint16 bits = 16, quint16 tag = 1, const QByteArray& extra = {}) {
    const quint16 block = bits / 8;
    const QByteArray format = Le(tag) + Le<quint16>(1) + Le<quint32>(22050) +
                              Le<quint32>(22050U * block) + Le(block) + Le(bits);
    const QByteArray body =
        "WAVE" + extra + Chunk("fmt ", format) + Chunk("data", QByteArray(1764 * block, '\0'));
    return "RIFF" + Le<quint32>(body.size()) + body;
}

} // namespace

void TestSound::playSoundCommands() {
    FakeSound sound;
    for (Misc::Cue cue : {Misc::Cue::Match, Misc::Cue::Mismatch, Misc::Cue::Greeting}) {
        Misc::PlaySound(sound, cue);
    }
    QCOMPARE(sound.Played(), QStringList({"match.wav", "mismatch.wav", "letsplay.wav"}));
    QCOMPARE(sound.calls.mid(5, 5),
             QStringList({"Close", "file:mismatch.wav", "Open", "Play", "played:mismatch.wav"}));
}

void TestSound::waveDeviceFiles_data() {
    QTest::addColumn<int>("cue");          // 7 is no cue: an empty file name
    QTest::addColumn<QByteArray>("bytes"); // nothing written when null
    QTest::addColumn<int>("effects");
    QTest::newRow("16-bit wave") << 0 << Wave() << 1;
    QTest::newRow("8-bit wave, list chunk first") << 0 << Wave(8, 1, Chunk("LIST", "IN")) << 1;
    QTest::newRow("missing file") << 0 << QByteArray() << 0;
    QTest::newRow("empty name") << 7 << QByteArray() << 0;
    QTest::newRow("text file") << 0 << QByteArray("not a sound") << 0;
    QTest::newRow("float samples") << 0 << Wave(32, 3) << 0;
    QTest::newRow("no data chunk") << 0 << Wave().left(36) << 0;
}

// Decoded once and kept; nothing is handed to Qt for a file it cannot play.
void TestSound::waveDeviceFiles() {
    QFETCH(int, cue);
    QFETCH(QByteArray, bytes);
    QFETCH(int, effects);
    TestWorkspace ws;
    if (!bytes.isNull()) {
        ws.WriteFile(Misc::CueFile(static_cast<Misc::Cue>(cue)), bytes);
    }
    WaveDevice device;
    for (int round = 0; round < 3; ++round) {
        Misc::PlaySound(device, static_cast<Misc::Cue>(cue));
        QTest::qWait(50);
    }
    QCOMPARE(device.findChildren<QSoundEffect*>().size(), effects);
}

// Without a sound card Qt warns once per decoded cue; the player sees one line.
// The test program runs its own file test again to count its warnings.
void TestSound::atMostOneAudioWarning() {
    QProcess run;
    run.start(QCoreApplication::applicationFilePath(), {"waveDeviceFiles"});
    QVERIFY(run.waitForFinished(120000));
    QCOMPARE(run.exitCode(), 0);
    const QString log = QString::fromLocal8Bit(run.readAllStandardOutput());
    QVERIFY2(log.count("QWARN") <= 1, qPrintable(log));
}

QTEST_MAIN(TestSound)
#include "tst_sound.moc"
