// Sums.bk1: the SHA-256 of every backup file on one disk, one "hash  name" line each, as
// sha256sum writes and checks them.
#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

class Medium;

class ChecksumList
{
public:
    static inline const QString kFileName = QStringLiteral("Sums.bk1");

    enum class Check
    {
        Matches,
        Differs,
        Unlisted
    };

    // The list on the medium; a medium without one gives an empty list.
    static ChecksumList readFrom(const Medium& medium);
    static ChecksumList parse(const QByteArray& text);

    void add(const QString& name, const QByteArray& contents);
    void clear()
    {
        m_sums.clear();
        m_textSize = 0;
    }
    bool isEmpty() const { return m_sums.isEmpty(); }
    int size() const { return int(m_sums.size()); }
    bool lists(const QString& name) const { return m_sums.contains(name.toLower()); }
    Check check(const QString& name, const QByteArray& contents) const;
    // The listed files that the medium lacks or holds other bytes of, as listed: what a disk
    // lost since it was written (a medium pulled out, a damaged file).
    QStringList failuresOn(const Medium& medium) const;

    QByteArray text() const;
    // How long text() becomes once a file of that name is added.
    qint64 sizeWith(const QString& name) const;
    bool writeTo(Medium& medium) const;

private:
    void addHash(const QString& name, const QByteArray& hexHash);

    // Keyed by the name in lower case, for a medium that does not keep letter case.
    struct Entry
    {
        QString name;
        QByteArray hexHash;
    };
    QMap<QString, Entry> m_sums;
    qint64 m_textSize = 0;
};
