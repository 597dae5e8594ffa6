// Text files of quoted fields: each field written as "text" + CR LF, Windows-1252.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace QuotedFieldFile {

// Splits at commas and line ends outside quotes; quotes around a field are removed.
QStringList parse(const QByteArray& bytes);
QByteArray format(const QStringList& fields);

// name is a bare file name in the program folder. read() fails on a missing, unreadable
// or refused file (not a regular file, or over the timeline files' size limit); write()
// replaces the file atomically.
bool read(const QString& name, QStringList* fields);
bool write(const QString& name, const QStringList& fields, QString* error = nullptr);

} // namespace QuotedFieldFile
