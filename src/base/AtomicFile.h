// Reading and writing the program's files safely: whole-file writes that either replace the
// file completely or leave it untouched, and reads that take only regular files of a sane size.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

class QSaveFile;

// The most the program reads of one file of each kind. A record file holds a few dozen
// records; the timeline a few thousand rows; a document a long policy with pictures.
namespace FileLimits {
constexpr qint64 kRecordFile = 64 * 1024;
constexpr qint64 kTimelineFile = 8 * 1024 * 1024;
constexpr qint64 kDocument = 50 * 1024 * 1024;
} // namespace FileLimits

enum class ReadOutcome
{
    Read,
    Missing,
    Refused
};

// Reads a whole file. A missing file is Missing, with bytes empty. A file that is not a
// regular file (a folder, a device, or a link to anything at all), that is larger than maxBytes
// or that cannot be read is Refused: bytes stay empty, *error says why, naming the file, and
// the refusal reporter is told (once per file and reason in a run).
ReadOutcome readFileWithin(const QString& path, qint64 maxBytes, QByteArray* bytes, QString* error = nullptr);

// True when path is missing or a regular file that is not a link: what a read or a write may
// go through.
bool isRegularOrMissing(const QString& path, QString* error = nullptr);

// True when a read of path may go ahead: it is missing, or a regular file of at most
// maxBytes. Otherwise the refusal is reported as readFileWithin reports it.
bool mayRead(const QString& path, qint64 maxBytes, QString* error = nullptr);

// Writes bytes to path through QSaveFile, and only to a regular file. The new file takes the
// old one's place only when every byte reached the disk; on failure the previous file stays
// whole, false is returned and *error (if given) says why in plain words.
bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// Writes a file that does not exist yet, without waiting for it to reach the disk. On failure
// no part of it is left. After a crash it may be missing, short or empty until syncFileSystem()
// has returned for its folder: for runs that write many files into names they have freed, make
// them durable together and keep a way back after a crash (the restore does both).
bool writeNewFile(const QString& path, const QByteArray& bytes, QString* error = nullptr);
// Waits until everything written to the file system that holds path is on its disk.
bool syncFileSystem(const QString& path);

// The same through a given save file, so tests can hand in one that fails on purpose.
bool writeThroughSaveFile(QSaveFile& file, const QByteArray& bytes, QString* error = nullptr);

// Who tells the user that a file was refused; the program shows a message box. Without a
// reporter refusals are only returned to the caller.
void setFileRefusalReporter(std::function<void(const QString& message)> reporter);
