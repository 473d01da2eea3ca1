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
    TestWorkspace();

    QString Path() const { return dir_.path(); }
    QString SettingsFile() const;

    // imgs/name holding img000 to img(count-1), JPEGs of PictureColour(n).
    void AddCategory(const QString& name, int count = 50);
    // A folder under imgs, or an ordinary file when `folder` is false.
    void AddEntry(const QString& name, bool folder = true);
    void WriteJpeg(const QString& relativePath, QColor colour, int side = 24);
    void WriteGif(const QString& relativePath, QColor colour = Qt::red); // 1 x 1, 35 bytes
    void WriteFile(const QString& relativePath, const QByteArray& bytes);

    // Writes a value into the settings file, as a player's earlier run would.
    void Store(const QString& section, const QString& key, const QString& value);
    QString Stored(const QString& section, const QString& key) const;
    QByteArray SettingsBytes() const;

    // The window on this folder, with fakes.
    FakeWindow Open() const;

    // The colour that picture n of a category gets from AddCategory.
    static QColor PictureColour(int n);

private:
    QTemporaryDir dir_;
};

// Calls `open`, which shows a modal dialog, and runs `inspect` on it while it
// is up; a failed check rejects it. False when no modal dialog came up.
bool WithModal(const std::function<void()>& open, const std::function<void(QDialog&)>& inspect);
