// Whole-file writes that either replace the file completely or leave it untouched.
#pragma once

#include <QByteArray>
#include <QString>

// Writes bytes to path through QSaveFile. On failure the previous file stays whole,
// false is returned and *error (if given) says why in plain words.
bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// Reads a whole file; false when it is missing or unreadable.
bool readWholeFile(const QString& path, QByteArray* bytes);
