// The files of a backup set: each User Created File and the name of its copy on a medium.
#pragma once

#include <QList>
#include <QString>

namespace BackupSet {

struct Item
{
    QString dataName;   // in the program folder, e.g. "Action3.Fil"
    QString mediumName; // on the medium, e.g. "Action3.hb1"
};

// Items 1 to 6: the small files, copied first to every first disk.
QList<Item> smallFiles();
// Items 0 to 162: Action0-46, Comment0-46, Policy0-46, Wksht0-20, DRPln1.
QList<Item> numberedFiles();

constexpr int kLastItem = 162;
// The progress bar runs to 166: the small files count 1 to 6, numbered item i counts i + 5.
constexpr int kProgressMaximum = 166;

} // namespace BackupSet
