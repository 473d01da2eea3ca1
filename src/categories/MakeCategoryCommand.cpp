#include "MakeCategoryCommand.h"

#include "CategoryMaker.h"
#include "NumberText.h"

#include <QCoreApplication>

int makeCategoryCommand(const QString& folder, const QString& name, const QString& imgs,
                        const QStringList& taken, QTextStream& out, QTextStream& err,
                        bool terminal) {
    MakerRequest request;
    request.source = folder;
    request.name = name.trimmed().isEmpty() ? CategoryMaker::defaultName(folder) : name.trimmed();
    request.imgs = imgs;
    request.taken = taken;
    const std::atomic<bool> never{false};
    const MakerResult result = CategoryMaker::make(
        request,
        [&](const MakerProgress& progress) {
            if (terminal) {
                err << '\r'
                    << (progress.making
                            //: A progress line on the terminal: pictures made so far, of all
                            ? QCoreApplication::translate("MakeCategoryCommand",
                                                          "Making pictures: %1 of %2")
                            //: A progress line on the terminal: files looked at so far, of all
                            : QCoreApplication::translate("MakeCategoryCommand",
                                                          "Looking at files: %1 of %2"))
                           .arg(NumberText::local(progress.done), NumberText::local(progress.total))
                    << "\x1b[K";
                err.flush();
            }
        },
        never);
    if (terminal) {
        err << "\r\x1b[K";
        err.flush();
    }
    const bool made = result.outcome == MakerResult::Outcome::Made;
    QTextStream& told = made ? out : err;
    told << result.summary() << '\n';
    if (result.outcome == MakerResult::Outcome::Exists) {
        //: NAME as the command line's help names it
        told << QCoreApplication::translate("MakeCategoryCommand",
                                            "Remove it first, or give another NAME: the command "
                                            "line replaces no category.")
             << '\n';
    }
    told.flush();
    return made ? 0 : 1;
}
