#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

// tilewise --make-category FOLDER [NAME], with no window: the category
// `name` (the folder's own name when empty) is made in `imgs` from the
// pictures in `folder`. On a terminal, a progress line is redrawn on `err`;
// the summary goes to `out`, the reason for making nothing to `err`.
// Returns 0 when the category is made, 1 otherwise, also when one of that
// name exists: only the window replaces a category, after asking.
int makeCategoryCommand(const QString& folder, const QString& name, const QString& imgs,
                        const QStringList& taken, QTextStream& out, QTextStream& err,
                        bool terminal);
