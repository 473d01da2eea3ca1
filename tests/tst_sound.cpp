// The sound cues: the commands each cue gives the device, and the real
// device over Qt Multimedia with real, missing and broken files. This machine
// has no sound card and no audio server, so these also show that the game
// neither hangs nor floods the log there.
#include "Fakes.h"
#include "Misc.h"
#include "TestWorkspace.h"
#include "WaveDevice.h"
#include "frmTilewise.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSoundEffect>
#include <QtEndian>
#include <QtTest>

class TestSound : public QObject {
    Q_OBJECT
private slots:
    void playSoundCommands_data();
    void playSoundCommands();
    void waveDeviceFiles_data();
    void waveDeviceFiles();
    void newCueCutsShortTheOldOne();
    void windowPreloadsThePlayCues();
    void noSoundCardGivesOneWarningAtMost();
};

namespace {

void Append16(QByteArray& bytes, quint16 value) {
    char le[2];
    qToLittleEndian(value, le);
    bytes.append(le, 2);
}

void Append32(QByteArray& bytes, quint32 value) {
    char le[4];
    qToLittleEndian(value, le);
    bytes.append(le, 4);
}

QByteArray Chunk(const QByteArray& id, const QByteArray& body) {
    QByteArray chunk = id;
    Append32(chunk, static_cast<quint32>(body.size()));
    chunk.append(body);
    if (body.size() % 2 == 1) {
        chunk.append('\0');
    }
    return chunk;
}

// A mono square-wave tone at 22050 Hz. `extra` chunks go before the format.
QByteArray Wave(int milliseconds, quint16 bits = 16, quint16 formatTag = 1,
                const QByteArray& extra = {}) {
    const int samples = 22050 * milliseconds / 1000;
    const int bytesPerSample = bits / 8;
    QByteArray format;
    Append16(format, formatTag);
    Append16(format, 1);
    Append32(format, 22050);
    Append32(format, static_cast<quint32>(22050 * bytesPerSample));
    Append16(format, static_cast<quint16>(bytesPerSample));
    Append16(format, bits);
    QByteArray data;
    for (int i = 0; i < samples; ++i) {
        const bool high = i % 50 < 25;
        if (bits == 8) {
            data.append(static_cast<char>(high ? 0xc0 : 0x40));
        } else {
            Append16(data, static_cast<quint16>(high ? 6000 : -6000));
        }
    }
    const QByteArray body = "WAVE" + extra + Chunk("fmt ", format) + Chunk("data", data);
    QByteArray file = "RIFF";
    Append32(file, static_cast<quint32>(body.size()));
    return file + body;
}

QList<QSoundEffect*> Effects(const QObject& device) {
    return device.findChildren<QSoundEffect*>();
}

} // namespace

void TestSound::playSoundCommands_data() {
    QTest::addColumn<int>("cue");
    QTest::addColumn<QString>("file");
    QTest::newRow("match") << 0 << "match.wav";
    QTest::newRow("mismatch") << 1 << "mismatch.wav";
    QTest::newRow("greeting") << 2 << "letsplay.wav";
    QTest::newRow("no such cue") << 7 << "";
}

void TestSound::playSoundCommands() {
    QFETCH(int, cue);
    QFETCH(QString, file);
    FakeSound sound;
    Misc::PlaySound(sound, static_cast<Misc::Cue>(cue));
    QCOMPARE(sound.calls, QStringList({"Close", "file:" + file, "Open", "Play", "played:" + file}));
}

void TestSound::waveDeviceFiles_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes"); // nothing written when null
    QTest::addColumn<int>("effects");
    QTest::newRow("16-bit wave") << "cue.wav" << Wave(80) << 1;
    QTest::newRow("8-bit wave") << "cue.wav" << Wave(80, 8) << 1;
    QTest::newRow("wave with a list chunk first")
        << "cue.wav" << Wave(80, 16, 1, Chunk("LIST", "INFOabc")) << 1;
    QTest::newRow("missing file") << "absent.wav" << QByteArray() << 0;
    QTest::newRow("empty name") << "" << QByteArray() << 0;
    QTest::newRow("text file") << "cue.wav" << QByteArray("not a sound at all") << 0;
    QTest::newRow("float samples") << "cue.wav" << Wave(80, 32, 3) << 0;
    QTest::newRow("header only") << "cue.wav" << Wave(80).left(12) << 0;
    QTest::newRow("no data chunk") << "cue.wav" << Wave(80).left(36) << 0;
}

void TestSound::waveDeviceFiles() {
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(int, effects);
    TestWorkspace ws;
    if (!bytes.isNull()) {
        ws.WriteFile(name, bytes);
    }
    WaveDevice device;
    device.SetDeviceType("WaveAudio");
    device.Preload(name);
    for (int round = 0; round < 3; ++round) {
        device.SetCommand("Close");
        device.SetFileName(name);
        device.SetCommand("Open");
        device.SetCommand("Play");
        QTest::qWait(50);
    }
    // Decoded once and kept; nothing handed to Qt for a file it cannot play.
    QCOMPARE(Effects(device).size(), effects);
    device.SetCommand("Close");
    for (QSoundEffect* effect : Effects(device)) {
        QVERIFY(!effect->isPlaying());
    }
}

void TestSound::newCueCutsShortTheOldOne() {
    TestWorkspace ws;
    ws.WriteFile("first.wav", Wave(1500));
    ws.WriteFile("second.wav", Wave(1500));
    WaveDevice device;
    device.SetFileName("first.wav");
    device.SetCommand("Open");
    device.SetCommand("Play");
    device.SetCommand("Close");
    device.SetFileName("second.wav");
    device.SetCommand("Open");
    device.SetCommand("Play");
    const auto effects = Effects(device);
    QCOMPARE(effects.size(), 2);
    for (QSoundEffect* effect : effects) {
        const bool second = effect->source().fileName() == "second.wav";
        QCOMPARE(effect->isPlaying(), second);
    }
}

void TestSound::windowPreloadsThePlayCues() {
    TestWorkspace ws;
    ws.AddCategory("Animals");
    ws.AddFreePicture();
    for (const char* cue : {"letsplay.wav", "match.wav", "mismatch.wav"}) {
        ws.WriteFile(cue, Wave(100));
    }
    frmTilewise window; // the real device
    auto* device = dynamic_cast<WaveDevice*>(&window.mmc1());
    QVERIFY(device != nullptr);
    QCOMPARE(Effects(*device).size(), 1); // the greeting, while loading
    QTRY_COMPARE(Effects(*device).size(), 3);
}

// Without a sound card Qt complains once per decoded cue; the device lets
// the first complaint through and drops the rest.
void TestSound::noSoundCardGivesOneWarningAtMost() {
    TestWorkspace ws;
    for (const char* cue : {"letsplay.wav", "match.wav", "mismatch.wav"}) {
        ws.WriteFile(cue, Wave(100));
    }
    QProcess player;
    player.start(QStringLiteral(TILEWISE_HELPER_DIR "/cue_player"), {ws.Path()});
    QVERIFY(player.waitForFinished(120000));
    QCOMPARE(player.exitStatus(), QProcess::NormalExit);
    QCOMPARE(player.exitCode(), 0);
    QCOMPARE(player.readAllStandardOutput(), QByteArray("finished\n"));
    const QStringList lines =
        QString::fromLocal8Bit(player.readAllStandardError()).split('\n', Qt::SkipEmptyParts);
    const QRegularExpression audio("audio|sound", QRegularExpression::CaseInsensitiveOption);
    QVERIFY2(lines.filter(audio).size() <= 1, qPrintable(lines.join('\n')));
}

QTEST_MAIN(TestSound)
#include "tst_sound.moc"
