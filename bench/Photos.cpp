#include "Photos.h"

#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QThreadPool>
#include <atomic>
#include <stdexcept>

namespace {

QImage photo(int seed, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    QRandomGenerator random(static_cast<quint32>(seed) + 1);
    {
        QPainter painter(&image);
        QLinearGradient sky(0, 0, size.width(), size.height());
        sky.setColorAt(0, QColor::fromHsv(random.bounded(360), 120, 160));
        sky.setColorAt(1, QColor::fromHsv(random.bounded(360), 120, 220));
        painter.fillRect(image.rect(), sky);
        painter.setPen(Qt::NoPen);
        for (int i = 0; i < 300; ++i) {
            painter.setBrush(QColor::fromHsv(random.bounded(360), 150, 200));
            painter.drawEllipse(
                QPointF(random.bounded(size.width()), random.bounded(size.height())),
                random.bounded(size.width() / 200 + 1, size.width() / 13 + 2),
                random.bounded(size.height() / 150 + 1, size.height() / 10 + 2));
        }
    }
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const int noise = int(random.generate() & 31) - 16;
            const QRgb c = line[x];
            line[x] = qRgb(qBound(0, qRed(c) + noise, 255), qBound(0, qGreen(c) + noise, 255),
                           qBound(0, qBlue(c) + noise, 255));
        }
    }
    return image;
}

} // namespace

Photos::Photos(const QString& folder, int count, QSize size) : folder_(folder) {
    if (folder_.isEmpty()) {
        if (!dir_.isValid()) {
            throw std::runtime_error("cannot make a folder for the photos");
        }
        folder_ = dir_.path();
        write(folder_, count, size);
    }
}

void Photos::write(const QString& folder, int count, QSize size) {
    std::atomic<int> failed{0};
    QThreadPool pool;
    for (int n = 0; n < count; ++n) {
        pool.start([&folder, n, size, &failed] {
            const QString file = folder + QStringLiteral("/IMG_%1.JPG").arg(1000 + n);
            if (!photo(n, size).save(file, "JPEG", 90)) {
                ++failed;
            }
        });
    }
    pool.waitForDone();
    if (failed > 0) {
        throw std::runtime_error("cannot write the photos");
    }
}
