#include "editing/Thesaurus.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <mythes.hxx>

namespace {

const char* const kNames[] = {"th_en_US_v2", "th_en_US_new", "th_en_US"};

// "attempt (generic term)" is offered as "attempt".
QString withoutNote(QString synonym)
{
    static const QRegularExpression note(QStringLiteral("\\s*\\([^)]*\\)\\s*$"));
    return synonym.remove(note).trimmed();
}

} // namespace

const QString Thesaurus::kPackage = QStringLiteral("mythes-en-us");

QString Thesaurus::findThesaurus()
{
    QStringList folders;
    const QStringList dataFolders = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    for (const QString& data : dataFolders)
        folders << data + QStringLiteral("/mythes");
    folders << QStringLiteral("/usr/share/mythes");
    for (const QString& folder : folders) {
        for (const char* name : kNames) {
            const QString base = folder + QLatin1Char('/') + QLatin1String(name);
            if (QFileInfo(base + QStringLiteral(".idx")).isFile() && QFileInfo(base + QStringLiteral(".dat")).isFile())
                return base;
        }
    }
    return QString();
}

QString Thesaurus::missingThesaurusHint()
{
    return QStringLiteral("The English (US) thesaurus is not installed. Install the package %1 to look up words.")
        .arg(kPackage);
}

Thesaurus::Thesaurus(const QString& base)
{
    if (base.isEmpty() || !QFileInfo(base + QStringLiteral(".idx")).isFile() ||
        !QFileInfo(base + QStringLiteral(".dat")).isFile())
        return;
    m_thesaurus = std::make_unique<MyThes>(QFile::encodeName(base + QStringLiteral(".idx")).constData(),
                                           QFile::encodeName(base + QStringLiteral(".dat")).constData());
    const char* encoding = m_thesaurus->get_th_encoding();
    m_utf8 = !encoding || QByteArray(encoding).toUpper().replace('-', "") == "UTF8";
}

Thesaurus::~Thesaurus() = default;

QList<Thesaurus::Meaning> Thesaurus::lookUp(const QString& word) const
{
    const QString trimmed = word.trimmed();
    QList<Meaning> meanings = lookUpExactly(trimmed);
    if (meanings.isEmpty() && trimmed != trimmed.toLower())
        meanings = lookUpExactly(trimmed.toLower());
    return meanings;
}

QList<Thesaurus::Meaning> Thesaurus::lookUpExactly(const QString& word) const
{
    QList<Meaning> meanings;
    if (!m_thesaurus || word.isEmpty())
        return meanings;
    const QByteArray bytes = m_utf8 ? word.toUtf8() : word.toLatin1();
    const auto decode = [this](const char* s) { return m_utf8 ? QString::fromUtf8(s) : QString::fromLatin1(s); };
    mentry* entries = nullptr;
    const int count = m_thesaurus->Lookup(bytes.constData(), int(bytes.size()), &entries);
    for (int i = 0; i < count; ++i) {
        Meaning meaning;
        meaning.definition = decode(entries[i].defn).trimmed();
        for (int s = 0; s < entries[i].count; ++s) {
            const QString synonym = withoutNote(decode(entries[i].psyns[s]));
            if (!synonym.isEmpty() && !meaning.synonyms.contains(synonym))
                meaning.synonyms.append(synonym);
        }
        meanings.append(meaning);
    }
    if (entries)
        m_thesaurus->CleanUpAfterLookup(&entries, count);
    return meanings;
}
