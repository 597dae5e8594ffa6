#include "timeline/ItemNameList.h"

#include "base/Blanks.h"
#include "base/QuotedFieldFile.h"

const QString ItemNameList::kFileName = QStringLiteral("TODONAME.FIL");

ItemNameList::ItemNameList() : m_slots(kSlots + 1) {}

QStringList ItemNameList::names() const
{
    QStringList list;
    list.reserve(m_count);
    for (int i = 1; i <= m_count; ++i)
        list.append(m_slots.at(i));
    return list;
}

void ItemNameList::load()
{
    m_slots.fill(QString());
    m_count = 0;
    QStringList fields;
    if (!QuotedFieldFile::read(kFileName, &fields))
        return;
    for (const QString& field : fields) {
        if (m_count == kSlots)
            break;
        m_slots[++m_count] = field.trimmed();
    }
}

bool ItemNameList::contains(const QString& name) const
{
    const QString wanted = withoutTrailingBlanks(name);
    for (int i = 1; i <= m_count; ++i) {
        if (withoutTrailingBlanks(m_slots.at(i)).compare(wanted, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

QString ItemNameList::firstStartingWith(const QString& text) const
{
    const QString typed = withoutLeadingBlanks(text);
    if (typed.isEmpty())
        return QString();
    for (int i = 1; i <= m_count; ++i) {
        if (withoutLeadingBlanks(m_slots.at(i)).startsWith(typed, Qt::CaseInsensitive))
            return m_slots.at(i);
    }
    return QString();
}

ItemNameList::AddResult ItemNameList::add(const QString& name, QString* error)
{
    if (contains(name))
        return AddResult::AlreadyKnown;
    int count = m_count + 1;
    if (count == 2 && m_slots.at(1).isEmpty())
        count = 1;
    if (count > kSlots)
        return AddResult::Full;
    m_slots[count] = name;
    return rewrite(count, error) ? AddResult::Added : AddResult::WriteFailed;
}

bool ItemNameList::remove(const QString& name, QString* error)
{
    int n = m_count;
    if (n == 0)
        return true;
    const QString wanted = name.trimmed();
    // Slot 0 is never a name, so the scan starts at slot 1.
    for (int i = 1; i <= n; ++i) {
        if (m_slots.at(i).trimmed().compare(wanted, Qt::CaseInsensitive) != 0)
            continue;
        for (int j = i; j < n; ++j)
            m_slots[j] = m_slots.at(j + 1);
        m_slots[n].clear();
        if (n != 1)
            --n;
        break;
    }
    return rewrite(n, error);
}

bool ItemNameList::rewrite(int count, QString* error)
{
    m_count = count;
    return QuotedFieldFile::write(kFileName, names(), error);
}
