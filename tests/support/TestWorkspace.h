#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A scratch working folder with its own settings file. While it lives, the
// process works in it and QSettings reads and writes its Tilewise.ini.
class TestWorkspace {
public:
    TestWorkspace();
    ~TestWorkspace();
    TestWorkspace(const TestWorkspace&) = delete;
    TestWorkspace& operator=(const TestWorkspace&) = delete;

    QString Path() const { return dir_.path(); }
    QString SettingsDir() const { return dir_.path() + QStringLiteral("/config"); }
    QString SettingsFile() const;

    // A category folder under imgs holding img000 to img(count-1) as JPEGs,
    // each a plain colour that tells its number.
    void AddCategory(const QString& name, int count = 50);
    // Any entry under imgs: an ordinary file when `folder` is false.
    void AddEntry(const QString& name, bool folder = true);
    void WriteJpeg(const QString& relativePath, QColor colour, int side = 24);
    void WriteGif(const QString& relativePath); // a 1 x 1 red GIF
    void WriteFile(const QString& relativePath, const QByteArray& bytes);
    void AddFreePicture();

    // Writes a value into the settings file, as a player's earlier run would.
    void Store(const QString& section, const QString& key, const QString& value);
    QString Stored(const QString& section, const QString& key) const;

    // The colour that picture n of a category gets from AddCategory.
    static QColor PictureColour(int n);

private:
    QTemporaryDir dir_;
    QString previousDir_;
};
