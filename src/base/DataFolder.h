// The program's folders: the writable one that holds the practice's workbook, and the folder of
// shipped documents when the program is installed rather than run from its own portable folder.
#pragma once

#include <QString>

namespace DataFolder {

struct Roots
{
    QString writable; // holds every User Created File; the current directory
    QString shipped;  // read-only shipped documents; empty when they lie in the writable root
    // The workbook can only be read: a portable folder that holds the practice's files but
    // cannot be written. Its files are shown and nothing is saved, rather than starting an
    // empty second workbook elsewhere.
    bool readOnly = false;
};

// The one rule. When programDir is writable and holds the shipped documents, it is the whole
// DataFolder (portable mode); when it holds them and User Created Files but cannot be written,
// it is still the DataFolder, read-only. Otherwise the workbook lives in userDir and the
// shipped documents are read from programDir when it holds them, else from
// installedShippedDir. Without a userDir (no home folder) writable is empty: there is no
// workbook folder.
// isUserFile tells a User Created File by its name.
using UserFileTest = bool (*)(const QString& name);
Roots chooseRoots(const QString& programDir, const QString& installedShippedDir, const QString& userDir,
                  UserFileTest isUserFile);
// The same rule for the running executable: <prefix>/share/tessaly beside <prefix>/bin, and the
// user's $XDG_DATA_HOME/Tessaly (~/.local/share/Tessaly), none when neither is set.
Roots chooseRoots(const QString& programDir, UserFileTest isUserFile);

// Makes roots the DataFolder, creating the writable root when it is missing, and makes the
// writable root the current directory. Returns false when the writable root cannot be used.
bool setRoots(const Roots& roots);
// Portable mode: dir holds everything. Tests pass a private copy of the program folder.
bool setRoot(const QString& dir);

// The writable root: the folder that holds the workbook, which backup and restore mean.
QString root();
// The read-only folder of shipped documents, or an empty string in portable mode.
QString shippedRoot();

// Changes the current directory to the writable root again.
bool makeCurrent();

// Where to read a bare file name: the writable root first, then the shipped folder, finding an
// existing file whatever the letter case of its name. A file found in neither gets the name as
// spelled here, in the writable root.
QString path(const QString& name);
bool exists(const QString& name);

// Where to write a bare file name: always in the writable root, under the spelling of a file
// already there whatever its case, else as spelled here. A shipped copy is never written.
QString writePath(const QString& name);

} // namespace DataFolder
