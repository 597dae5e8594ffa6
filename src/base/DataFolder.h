// The program folder, where every file the program reads or writes lives.
#pragma once

#include <QString>

namespace DataFolder {

// Makes dir the program folder and the current directory. The program passes its
// own executable's folder; tests pass a private copy of it.
bool setRoot(const QString& dir);
QString root();

// Changes the current directory to the program folder again.
bool makeCurrent();

// The full path of a bare file name. An existing file is found whatever the letter
// case of its name; a file that does not exist yet gets the name as spelled here.
QString path(const QString& name);
bool exists(const QString& name);

} // namespace DataFolder
