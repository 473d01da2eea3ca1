#include "NewCategory.h"

#include "CategoryJob.h"
#include "Dialogs.h"
#include "FolderListing.h"
#include "MainWindow.h"

#include <QDir>
#include <QFileInfo>
#include <QProgressDialog>

namespace {

QString title() {
    //: The title of the boxes of Edit > New Category
    return NewCategory::tr("New Category");
}

} // namespace

void MainWindow::newCategory() {
    if (auto* running = qobject_cast<NewCategory*>(newCategory_)) {
        running->raise();
        return;
    }
    auto* flow = new NewCategory(*this, *dialogs_);
    if (!flow->start()) {
        delete flow;
        return;
    }
    newCategory_ = flow;
    connect(flow, &NewCategory::done, this, [this] { newCategory_ = nullptr; });
    connect(flow, &NewCategory::done, flow, &QObject::deleteLater);
}

NewCategory::NewCategory(MainWindow& window, Dialogs& dialogs)
    : QObject(&window), window_(window), dialogs_(dialogs) {}

bool NewCategory::start() {
    const QString folder = dialogs_.chooseFolder(&window_, tr("Choose a folder of pictures"));
    if (folder.isEmpty()) {
        return false;
    }
    const QString name = dialogs_
                             .inputBox(&window_, tr("The new category's name:"), title(),
                                       CategoryMaker::defaultName(folder))
                             .trimmed();
    if (name.isEmpty()) {
        return false;
    }
    MakerRequest request;
    request.source = folder;
    request.name = name;
    request.imgs = window_.pictureFolders().made;
    request.taken = FolderListing::folders(window_.pictureFolders().dataImgs());
    if (const QString problem = CategoryMaker::nameProblem(name); !problem.isEmpty()) {
        dialogs_.messageBox(&window_, problem, title());
        return false;
    }
    if (!request.imgs.isEmpty() && QFileInfo::exists(QDir(request.imgs).filePath(name))) {
        if (!dialogs_.question(&window_,
                               //: %1: the category's name, %2: the folder chosen
                               tr("A category named \"%1\" exists already. "
                                  "Replace it with the pictures of %2?")
                                   .arg(name, QDir::toNativeSeparators(folder)),
                               title())) {
            return false;
        }
        request.replace = true;
    }
    name_ = name;
    progress_ = new QProgressDialog(tr("Looking at the files..."), tr("Cancel"), 0, 0, &window_);
    progress_->setWindowTitle(title());
    progress_->setWindowModality(Qt::WindowModal);
    progress_->setAutoReset(false);
    progress_->setMinimumDuration(0);
    job_ = new CategoryJob(std::move(request), this);
    connect(progress_, &QProgressDialog::canceled, job_, &CategoryJob::cancel);
    connect(job_, &CategoryJob::progressed, this, &NewCategory::progressed);
    connect(job_, &CategoryJob::finished, this, &NewCategory::finished);
    job_->start();
    progress_->show();
    return true;
}

void NewCategory::raise() {
    if (progress_ != nullptr) {
        progress_->raise();
        progress_->activateWindow();
    }
}

void NewCategory::progressed(const MakerProgress& progress) {
    if (progress_ == nullptr || progress_->wasCanceled()) {
        return;
    }
    progress_->setLabelText(progress.making ? tr("Making the pictures of \"%1\"...").arg(name_)
                                            : tr("Looking at the files..."));
    progress_->setMaximum(progress.total);
    progress_->setValue(progress.done);
}

void NewCategory::finished(const MakerResult& result) {
    // This may run inside the dialog's own setValue(), whose processEvents()
    // delivered it, and which goes on using the dialog once it returns.
    progress_->hide();
    progress_->deleteLater();
    progress_ = nullptr;
    const bool made = result.outcome == MakerResult::Outcome::Made;
    const QString lost = made ? window_.rescanCategories() : QString();
    if (result.outcome != MakerResult::Outcome::Cancelled) {
        QString text = result.summary();
        if (made && window_.game().categoryIndexOf(name_, true) == 0) {
            text += QStringLiteral("\n\n") +
                    tr("It is not listed in Edit > Preferences, which lists only the first 32 "
                       "categories.");
        } else if (made) {
            //: Edit > Preferences: the menu and its item, as they are named in the menus
            text += QStringLiteral("\n\n") + tr("Choose it in Edit > Preferences.");
        }
        if (!lost.isEmpty()) {
            text += QStringLiteral("\n\n\"%1\" is no longer among the 32 categories listed: "
                                   "new games are dealt from \"%2\", the first one.")
                        .arg(lost, window_.game().category(1));
        }
        dialogs_.messageBox(&window_, text, title());
    }
    emit done();
}
