#include "backup/ChecksumList.h"

#include "backup/Medium.h"

#include <QList>

#include <openssl/evp.h>

namespace {

constexpr int kHexLength = 64;

qint64 lineLength(const QString& name)
{
    return kHexLength + 2 + name.toUtf8().size() + 1;
}

QByteArray hexHash(const QByteArray& contents)
{
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (EVP_Digest(contents.constData(), size_t(contents.size()), digest, &length, EVP_sha256(), nullptr) != 1)
        return QByteArray(); // matches no stored checksum, so the file counts as damaged
    return QByteArray(reinterpret_cast<const char*>(digest), int(length)).toHex();
}

} // namespace

ChecksumList ChecksumList::readFrom(const Medium& medium)
{
    QByteArray text;
    return medium.read(kFileName, &text) ? parse(text) : ChecksumList();
}

ChecksumList ChecksumList::parse(const QByteArray& text)
{
    ChecksumList list;
    const QList<QByteArray> lines = text.split('\n');
    for (QByteArray line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
        // "hash", two characters (a blank and a blank or '*' for binary mode), then the name.
        if (line.size() <= kHexLength + 2 || line.at(kHexLength) != ' ')
            continue;
        const QString name = QString::fromUtf8(line.mid(kHexLength + 2));
        list.addHash(name, line.left(kHexLength).toLower());
    }
    return list;
}

void ChecksumList::add(const QString& name, const QByteArray& contents)
{
    addHash(name, hexHash(contents));
}

void ChecksumList::addHash(const QString& name, const QByteArray& hash)
{
    const auto previous = m_sums.constFind(name.toLower());
    if (previous != m_sums.constEnd())
        m_textSize -= lineLength(previous->name);
    m_sums.insert(name.toLower(), {name, hash});
    m_textSize += lineLength(name);
}

ChecksumList::Check ChecksumList::check(const QString& name, const QByteArray& contents) const
{
    const auto found = m_sums.constFind(name.toLower());
    if (found == m_sums.constEnd())
        return Check::Unlisted;
    return found->hexHash == hexHash(contents) ? Check::Matches : Check::Differs;
}

QStringList ChecksumList::failuresOn(const Medium& medium) const
{
    QStringList failures;
    for (const Entry& entry : m_sums) {
        QByteArray bytes;
        if (!medium.read(entry.name, &bytes) || hexHash(bytes) != entry.hexHash)
            failures << entry.name;
    }
    return failures;
}

QByteArray ChecksumList::text() const
{
    QByteArray text;
    for (const Entry& entry : m_sums)
        text += entry.hexHash + "  " + entry.name.toUtf8() + '\n';
    return text;
}

qint64 ChecksumList::sizeWith(const QString& name) const
{
    return m_textSize + (m_sums.contains(name.toLower()) ? 0 : lineLength(name));
}

bool ChecksumList::writeTo(Medium& medium) const
{
    return medium.write(kFileName, text());
}
