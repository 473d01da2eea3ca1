#include "MakeCategoryCommand.h"

#include "CategoryMaker.h"

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
                    << (progress.making ? QStringLiteral("Making pictures: %1 of %2")
                                        : QStringLiteral("Looking at files: %1 of %2"))
                           .arg(progress.done)
                           .arg(progress.total)
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
        told << "Remove it first, or give another NAME: the command line replaces no category.\n";
    }
    told.flush();
    return made ? 0 : 1;
}
