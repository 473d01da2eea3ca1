#pragma once

#include <QSize>
#include <QString>
#include <QTemporaryDir>

// Camera photos for the benchmark, made at run time in a folder of their
// own: JPEGs of colour patches and fine noise, which compress about as real
// photos do (some 4 MB at 4000 x 3000), named as a camera names them,
// IMG_1000.JPG and on. None is kept.
class Photos {
public:
    // The photos of `folder`, or, when it is empty, `count` of `size` made
    // in a scratch folder.
    Photos(const QString& folder, int count, QSize size);
    QString folder() const { return folder_; }

    // Writes `count` photos of `size` into `folder`.
    static void write(const QString& folder, int count, QSize size);

private:
    QTemporaryDir dir_;
    QString folder_;
};
