#include "editing/SpellEngine.h"

#include "base/AtomicFile.h"
#include "base/DataFolder.h"
#include "editing/TextWords.h"

#include <QFileInfo>
#include <QStandardPaths>

#include <hunspell.hxx>

namespace {

const QString kLanguage = QStringLiteral("en_US");
// Hunspell refuses longer words; they are taken as they are.
constexpr int kLongestWord = 100;
constexpr qint64 kPersonalListLimit = 1024 * 1024;

QStringList dictionaryFolders()
{
    QStringList folders;
    const QString fromEnvironment = qEnvironmentVariable("DICPATH");
    if (!fromEnvironment.isEmpty())
        folders += fromEnvironment.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    const QStringList dataFolders = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    for (const QString& data : dataFolders)
        folders << data + QStringLiteral("/hunspell") << data + QStringLiteral("/myspell/dicts")
                << data + QStringLiteral("/myspell");
    folders << QStringLiteral("/usr/share/hunspell") << QStringLiteral("/usr/share/myspell");
    return folders;
}

bool hasUpper(const QString& s)
{
    for (QChar c : s)
        if (c.isUpper())
            return true;
    return false;
}

bool hasLower(const QString& s)
{
    for (QChar c : s)
        if (c.isLower())
            return true;
    return false;
}

} // namespace

const QString SpellEngine::kDictionaryPackage = QStringLiteral("hunspell-en-us");
const QString SpellEngine::kPersonalListFile = QStringLiteral("UserWords.Dic");
const QString SpellEngine::kFieldWordsResource = QStringLiteral(":/spelling/health-terms.txt");

QString SpellEngine::findDictionary()
{
    for (const QString& folder : dictionaryFolders()) {
        const QString base = folder + QLatin1Char('/') + kLanguage;
        if (QFileInfo(base + QStringLiteral(".aff")).isFile() && QFileInfo(base + QStringLiteral(".dic")).isFile())
            return base;
    }
    return QString();
}

QString SpellEngine::missingDictionaryHint()
{
    return QStringLiteral("The English (US) spelling dictionary is not installed. Install the package %1 "
                          "to check spelling.")
        .arg(kDictionaryPackage);
}

SpellEngine::SpellEngine(const QString& dictionaryBase)
{
    if (!dictionaryBase.isEmpty()) {
        const QByteArray aff = QFile::encodeName(dictionaryBase + QStringLiteral(".aff"));
        const QByteArray dic = QFile::encodeName(dictionaryBase + QStringLiteral(".dic"));
        if (QFileInfo(QString::fromLocal8Bit(aff)).isFile() && QFileInfo(QString::fromLocal8Bit(dic)).isFile()) {
            m_dictionary = std::make_unique<Hunspell>(aff.constData(), dic.constData());
            m_utf8 = QByteArray(m_dictionary->get_dict_encoding().c_str()).toUpper().replace('-', "") == "UTF8";
        }
    }
    loadFieldWords();
    loadPersonalList();
}

SpellEngine::~SpellEngine() = default;

QByteArray SpellEngine::encoded(const QString& word) const
{
    // Dictionaries declare their encoding; the ones we meet are UTF-8 or Latin-1.
    return m_utf8 ? word.toUtf8() : word.toLatin1();
}

bool SpellEngine::dictionaryKnows(const QString& word) const
{
    if (!m_dictionary || word.size() > kLongestWord)
        return true;
    const auto cached = m_known.constFind(word);
    if (cached != m_known.constEnd())
        return cached.value();
    QString normalised = word;
    normalised.replace(QChar(0x2019), QLatin1Char('\''));
    const bool known = m_dictionary->spell(encoded(normalised).toStdString());
    m_known.insert(word, known);
    return known;
}

bool SpellEngine::isCorrect(const QString& word) const
{
    return m_ignored.contains(word) || dictionaryKnows(word);
}

QStringList SpellEngine::suggestions(const QString& word) const
{
    QStringList result;
    if (!m_dictionary || word.size() > kLongestWord)
        return result;
    const std::vector<std::string> found = m_dictionary->suggest(encoded(word).toStdString());
    for (const std::string& s : found)
        result << (m_utf8 ? QString::fromStdString(s) : QString::fromLatin1(s.data(), int(s.size())));
    return result;
}

QList<SpellEngine::Misspelling> SpellEngine::findMisspellings(const QString& text) const
{
    QList<Misspelling> found;
    for (TextWords::Span w = TextWords::nextWord(text, 0); w.isValid(); w = TextWords::nextWord(text, w.end)) {
        const QString word = text.mid(w.start, w.end - w.start);
        if (!isCorrect(word))
            found.append({w.start, w.end - w.start, word});
    }
    return found;
}

void SpellEngine::addReplacement(const QString& word, const QString& replacement)
{
    m_replacements.append({word, replacement});
    const QString key = word.trimmed().toLower();
    if (!m_firstByKey.contains(key))
        m_firstByKey.insert(key, m_replacements.size() - 1);
    const int blank = key.indexOf(QLatin1Char(' '));
    if (blank > 0)
        m_twoWordStarts.insert(key.left(blank));
}

QString SpellEngine::replacementWord(int index) const
{
    return index >= 0 && index < m_replacements.size() ? m_replacements.at(index).word.toUpper() : QString();
}

QString SpellEngine::replacementText(int index) const
{
    return index >= 0 && index < m_replacements.size() ? m_replacements.at(index).replacement : QString();
}

QString SpellEngine::inCaseOf(const QString& typed, const QString& replacement)
{
    if (!hasUpper(typed) || replacement.isEmpty())
        return replacement;
    if (typed.size() > 1 && !hasLower(typed))
        return replacement.toUpper();
    if (typed.at(0).isUpper())
        return replacement.at(0).toUpper() + replacement.mid(1);
    return replacement;
}

// The replacement for the word at [start, end), or for it and the word after it when the two
// make a two-word key. Nothing when the replacement would leave the text as it is.
std::optional<SpellEngine::Finding> SpellEngine::replacementAt(const QString& text, int start, int end) const
{
    const QString word = text.mid(start, end - start);
    const QString lower = word.toLower();
    if (m_twoWordStarts.contains(lower)) {
        const TextWords::Span next = TextWords::wordAfter(text, end);
        if (next.isValid()) {
            const QString key = lower + QLatin1Char(' ') + text.mid(next.start, next.end - next.start).toLower();
            const auto pair = m_firstByKey.constFind(key);
            if (pair != m_firstByKey.constEnd()) {
                const QString replacement = inCaseOf(word, m_replacements.at(pair.value()).replacement);
                if (replacement != text.mid(start, next.end - start))
                    return Finding{Finding::Replace, start, next.end - start, replacement};
            }
        }
    }
    const auto pair = m_firstByKey.constFind(lower);
    if (pair == m_firstByKey.constEnd())
        return std::nullopt;
    const QString replacement = inCaseOf(word, m_replacements.at(pair.value()).replacement);
    if (replacement == word)
        return std::nullopt;
    return Finding{Finding::Replace, start, end - start, replacement};
}

std::optional<SpellEngine::Finding> SpellEngine::nextFinding(const QString& text, int from) const
{
    for (TextWords::Span w = TextWords::nextWord(text, from); w.isValid(); w = TextWords::nextWord(text, w.end)) {
        if (auto replacement = replacementAt(text, w.start, w.end))
            return replacement;
        const QString word = text.mid(w.start, w.end - w.start);
        if (!isCorrect(word))
            return Finding{Finding::Ask, w.start, w.end - w.start, QString()};
    }
    return std::nullopt;
}

std::optional<SpellEngine::Finding> SpellEngine::correctionAtEnd(const QString& textBefore) const
{
    const TextWords::Span last = TextWords::wordEndingAt(textBefore, textBefore.size());
    if (!last.isValid())
        return std::nullopt;
    const TextWords::Span before = TextWords::wordBefore(textBefore, last.start);
    if (before.isValid()) {
        auto pair = replacementAt(textBefore, before.start, before.end);
        if (pair && pair->start + pair->length == last.end)
            return pair;
    }
    return replacementAt(textBefore, last.start, last.end);
}

bool SpellEngine::endsWord(QChar c)
{
    return !(c.isLetterOrNumber() || c.isMark() || c == QLatin1Char('\'') || c == QChar(0x2019) ||
             c == QLatin1Char('_') || c == QLatin1Char('@') || c == QLatin1Char('/') || c == QLatin1Char('-'));
}

void SpellEngine::ignoreAll(const QString& word)
{
    m_ignored.insert(word);
}

void SpellEngine::loadFieldWords()
{
    if (!m_dictionary)
        return;
    QFile list(kFieldWordsResource);
    if (!list.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    const QStringList lines = QString::fromUtf8(list.readAll()).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const QString word = line.trimmed();
        if (!word.isEmpty() && !word.startsWith(QLatin1Char('#')))
            m_dictionary->add(encoded(word).toStdString());
    }
}

void SpellEngine::loadPersonalList()
{
    QByteArray bytes;
    if (readFileWithin(DataFolder::path(kPersonalListFile), kPersonalListLimit, &bytes) != ReadOutcome::Read)
        return;
    const QStringList lines = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const QString word = line.trimmed();
        if (word.isEmpty() || m_personalWords.contains(word))
            continue;
        m_personalWords.append(word);
        if (m_dictionary)
            m_dictionary->add(encoded(word).toStdString());
    }
}

bool SpellEngine::addToPersonalList(const QString& word, QString* error)
{
    const QString trimmed = word.trimmed();
    if (trimmed.isEmpty())
        return true;
    m_ignored.insert(trimmed);
    if (m_dictionary)
        m_dictionary->add(encoded(trimmed).toStdString());
    m_known.remove(trimmed);
    if (m_personalWords.contains(trimmed))
        return true;
    m_personalWords.append(trimmed);
    return writeFileAtomically(DataFolder::writePath(kPersonalListFile),
                               (m_personalWords.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8(), error);
}
