#pragma once

#include "Fakes.h"

#include <QColor>
#include <QString>
#include <QTemporaryDir>
#include <functional>

class QDialog;

// A scratch data folder with a settings file of its own, for a window or a
// store under test. Nothing process-wide changes.
class TestWorkspace {
public:
    QString path() const { return dir_.path(); }
    QString settingsFile() const;
    // Where the window finds made categories: share/Tilewise/imgs.
    QString madeFolder() const;

    // imgs/name holding img000 to img(count-1), JPEGs of pictureColour(n).
    void addCategory(const QString& name, int count = 50);
    // A folder under imgs, or an ordinary file when `folder` is false.
    void addEntry(const QString& name, bool folder = true);
    void writeJpeg(const QString& relativePath, QColor colour, int side = 24);
    void writeGif(const QString& relativePath, QColor colour = Qt::red); // 1 x 1, 35 bytes
    void writeFile(const QString& relativePath, const QByteArray& bytes);

    // Writes a value into the settings file, as a player's earlier run would.
    void store(const QString& section, const QString& key, const QString& value);
    QString stored(const QString& section, const QString& key) const;
    QByteArray settingsBytes() const;

    // The window on this folder, with fakes.
    FakeWindow open() const;

    // The colour that picture n of a category gets from addCategory.
    static QColor pictureColour(int n);

private:
    QTemporaryDir dir_;
};

// Calls `open`, which shows a modal dialog, and runs `inspect` on it while it
// is up; a failed check rejects it. False when no modal dialog came up.
bool withModal(const std::function<void()>& open, const std::function<void(QDialog&)>& inspect);
