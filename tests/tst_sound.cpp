// Which wave files are played as cues: short PCM waves only.
#include "TestWorkspace.h"
#include "WaveFile.h"

#include <QtEndian>
#include <QtTest>

namespace {

template <typename T> QByteArray le(T value) {
    QByteArray bytes(sizeof(T), '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray chunk(const QByteArray& id, const QByteArray& body) {
    return id + le<quint32>(body.size()) + body + QByteArray(body.size() % 2, '\0');
}

// `seconds` of mono silence at 8000 Hz; `extra` chunks come before the format.
QByteArray wave(quint16 bits = 16, quint16 tag = 1, const QByteArray& extra = {},
                double seconds = 0.1) {
    const quint16 block = bits / 8;
    const QByteArray format = le(tag) + le<quint16>(1) + le<quint32>(8000) +
                              le<quint32>(8000U * block) + le(block) + le(bits);
    const auto samples = static_cast<int>(8000 * seconds);
    const QByteArray body =
        "WAVE" + extra + chunk("fmt ", format) + chunk("data", QByteArray(samples * block, '\0'));
    return "RIFF" + le<quint32>(body.size()) + body;
}

} // namespace

class TestSound : public QObject {
    Q_OBJECT
private slots:
    void waveFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("playable");
        QTest::newRow("16-bit wave") << wave() << true;
        QTest::newRow("an odd-length chunk before the format")
            << wave(16, 1, chunk("LIST", "INF")) << true;
        QTest::newRow("ten seconds") << wave(8, 1, {}, 10) << true;
        QTest::newRow("longer than ten seconds") << wave(8, 1, {}, 10.5) << false;
        QTest::newRow("larger than 5 MB")
            << wave(8, 1, chunk("junk", QByteArray(5 << 20, 'x'))) << false;
        QTest::newRow("empty file") << QByteArray() << false;
        QTest::newRow("text file") << QByteArray("not a sound") << false;
        QTest::newRow("float samples") << wave(32, 3) << false;
        QTest::newRow("no data chunk") << wave().left(36) << false;
    }

    void waveFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, playable);
        TestWorkspace ws;
        ws.writeFile("cue.wav", bytes);
        QCOMPARE(WaveFile::inspect(ws.path() + "/cue.wav").playable, playable);
    }
};

QTEST_MAIN(TestSound)
#include "tst_sound.moc"
