#include "WaveFile.h"

#include "PlainFile.h"

#include <QtEndian>

namespace {

WaveFile refused(const QString& problem) {
    WaveFile wave;
    wave.problem = problem;
    return wave;
}

} // namespace

WaveFile WaveFile::inspect(const QString& path) {
    PlainFile plain(path, kMaxBytes);
    if (plain.state() == PlainFile::State::TooLarge) {
        return refused(QStringLiteral("is larger than 5 MB"));
    }
    if (!plain.isOpen()) {
        return refused(plain.problem());
    }
    QFile& file = plain.file();
    const QByteArray head = file.read(12);
    if (head.size() != 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE") {
        return refused(QStringLiteral("is not a wave file"));
    }
    quint32 bytesPerSecond = 0;
    for (;;) {
        const QByteArray chunk = file.read(8);
        if (chunk.size() != 8) {
            return refused(QStringLiteral("has no sound data"));
        }
        const quint32 size = qFromLittleEndian<quint32>(chunk.constData() + 4);
        if (chunk.startsWith("data")) {
            if (bytesPerSecond == 0 || size == 0) {
                return refused(QStringLiteral("is not 8- or 16-bit PCM sound"));
            }
            WaveFile wave;
            wave.seconds = double(size) / bytesPerSecond;
            if (wave.seconds > kMaxSeconds) {
                return refused(QStringLiteral("is longer than 10 seconds"));
            }
            wave.playable = true;
            return wave;
        }
        if (chunk.startsWith("fmt ")) {
            const QByteArray format = file.peek(16);
            if (format.size() != 16) {
                return refused(QStringLiteral("has a short format chunk"));
            }
            const auto tag = qFromLittleEndian<quint16>(format.constData());
            const auto channels = qFromLittleEndian<quint16>(format.constData() + 2);
            const auto rate = qFromLittleEndian<quint32>(format.constData() + 4);
            const auto bits = qFromLittleEndian<quint16>(format.constData() + 14);
            const bool pcm = tag == 1 && channels >= 1 && rate > 0 && (bits == 8 || bits == 16);
            bytesPerSecond = pcm ? rate * channels * (bits / 8U) : 0;
        }
        // Chunks are padded to an even length.
        if (!file.seek(file.pos() + size + (size & 1U))) {
            return refused(QStringLiteral("has no sound data"));
        }
    }
}
