#pragma once

#include "CategoryMaker.h"

#include <QObject>

class CategoryJob;
class Dialogs;
class MainWindow;
class QProgressDialog;

// Edit > New Category...: a folder chosen, a name asked (the folder's own
// by default) and, when a category of that name exists, whether to replace
// it. The category is then made on threads of its own, under a progress
// dialog with Cancel, while the window goes on answering. A summary ends
// it, and the category is listed in Preferences at once.
class NewCategory final : public QObject {
    Q_OBJECT
public:
    NewCategory(MainWindow& window, Dialogs& dialogs);

    // Asks the player and starts the work; false when there is nothing to
    // make (cancelled, or refused with a box).
    bool start();
    // The progress dialog, in front again.
    void raise();

signals:
    void done();

private:
    void progressed(const MakerProgress& progress);
    void finished(const MakerResult& result);

    MainWindow& window_;
    Dialogs& dialogs_;
    QString name_;
    CategoryJob* job_ = nullptr;
    QProgressDialog* progress_ = nullptr;
};
