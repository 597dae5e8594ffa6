#include "backup/EvidenceBundle.h"

#include "base/AtomicFile.h"
#include "base/DataFolder.h"
#include "base/DocumentHistory.h"
#include "register/RegisterFile.h"
#include "worksheets/AddressableDecisions.h"

#include <QDataStream>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

namespace {

// A bundle: the mark, the format's version, its number and the set's count of bundles, then
// the count of files and each file's path (relative to the program folder, "/" separated)
// and bytes, in QDataStream's Qt 6.0 encoding.
constexpr quint32 kMark = 0x54455644; // "TEVD"
constexpr quint16 kVersion = 1;
constexpr QDataStream::Version kStreamVersion = QDataStream::Qt_6_0;

struct File
{
    QString path;
    QByteArray bytes;
};

QList<File> evidenceFiles()
{
    QList<File> files;
    const QDir root(DataFolder::root());
    const auto add = [&](const QString& relative) {
        QByteArray bytes;
        if (readFileWithin(root.filePath(relative), FileLimits::kDocument, &bytes) == ReadOutcome::Read)
            files.append({relative, bytes});
    };
    add(AddressableDecisions::kFileName);
    add(RegisterFile::kFileName);
    QStringList history;
    QDirIterator it(root.filePath(DocumentHistory::kFolderName), QDir::Files | QDir::NoSymLinks,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        history << root.relativeFilePath(it.next());
    history.sort();
    for (const QString& relative : history)
        add(relative);
    return files;
}

QByteArray encode(int number, int count, const QList<File>& files)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(kStreamVersion);
    out << kMark << kVersion << qint32(number) << qint32(count) << qint32(files.size());
    for (const File& file : files)
        out << file.path << file.bytes;
    return bytes;
}

// Reads the head of a bundle; false when it is not one this program can read.
bool readHead(QDataStream& in, qint32* count, qint32* files)
{
    in.setVersion(kStreamVersion);
    quint32 mark = 0;
    quint16 version = 0;
    qint32 number = 0;
    in >> mark >> version >> number >> *count >> *files;
    return in.status() == QDataStream::Ok && mark == kMark && version == kVersion && number >= 1 && *count >= number &&
           *files >= 0;
}

} // namespace

namespace EvidenceBundle {

QList<Bundle> pack(qint64 maxBytes)
{
    QList<QList<File>> groups;
    qint64 groupBytes = 0;
    for (File& file : evidenceFiles()) {
        if (groups.isEmpty() || groupBytes + file.bytes.size() > maxBytes) {
            groups.append(QList<File>());
            groupBytes = 0;
        }
        groupBytes += file.bytes.size();
        groups.last().append(std::move(file));
    }
    QList<Bundle> bundles;
    for (int n = 0; n < groups.size(); ++n)
        bundles.append({mediumName(n + 1), encode(n + 1, int(groups.size()), groups.at(n))});
    return bundles;
}

QString mediumName(int number)
{
    return QStringLiteral("Evid%1.hb1").arg(number);
}

int bundleCount(const QByteArray& bytes)
{
    QDataStream in(bytes);
    qint32 count = 0;
    qint32 files = 0;
    return readHead(in, &count, &files) ? count : 0;
}

bool unpack(const QByteArray& bytes, QString* error)
{
    QDataStream in(bytes);
    qint32 count = 0;
    qint32 fileCount = 0;
    if (!readHead(in, &count, &fileCount)) {
        *error = QStringLiteral("the bundle is damaged");
        return false;
    }
    const QDir root(DataFolder::root());
    QStringList unwritten;
    for (qint32 n = 0; n < fileCount; ++n) {
        QString path;
        QByteArray content;
        in >> path >> content;
        if (in.status() != QDataStream::Ok) {
            unwritten << QStringLiteral("the rest of the bundle, which is damaged");
            break;
        }
        const QString target = root.filePath(path);
        if (!isEvidencePath(path) || !QDir().mkpath(QFileInfo(target).absolutePath()) || !writeNewFile(target, content))
            unwritten << path;
    }
    if (unwritten.isEmpty())
        return true;
    *error = unwritten.join(QStringLiteral(", "));
    return false;
}

bool isEvidencePath(const QString& relativePath)
{
    if (relativePath.compare(AddressableDecisions::kFileName, Qt::CaseInsensitive) == 0 ||
        relativePath.compare(RegisterFile::kFileName, Qt::CaseInsensitive) == 0)
        return true;
    const QStringList parts = relativePath.split(QLatin1Char('/'));
    if (parts.size() < 2 || parts.first() != DocumentHistory::kFolderName || relativePath.contains(QLatin1Char('\\')))
        return false;
    return std::none_of(parts.cbegin() + 1, parts.cend(), [](const QString& part) {
        return part.isEmpty() || part == QLatin1String(".") || part == QLatin1String("..") ||
               part.contains(QLatin1Char(':'));
    });
}

} // namespace EvidenceBundle
