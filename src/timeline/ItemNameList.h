// The item names typed before, kept in TODONAME.FIL and offered for reuse.
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

class ItemNameList
{
public:
    static constexpr int kSlots = 1000;
    static const QString kFileName; // "TODONAME.FIL"

    enum class AddResult
    {
        Added,
        AlreadyKnown,
        Full,
        WriteFailed
    };

    ItemNameList();

    // Slots 1 to count in order, as the drop-down list of known items shows them.
    QStringList names() const;
    int count() const { return m_count; }
    QString slot(int i) const { return i >= 0 && i <= kSlots ? m_slots.at(i) : QString(); }

    // Empties the list and reads every field of the file, trimmed, into slots 1, 2, ...
    // A missing file leaves the list empty.
    void load();

    // Whether a name is known, ignoring letter case and trailing blanks.
    bool contains(const QString& name) const;
    // The first known name that begins with text, ignoring letter case and leading blanks.
    QString firstStartingWith(const QString& text) const;

    // Adds a new name and rewrites the file. An empty leftover entry, the only entry
    // the list holds, is taken over instead of adding a second entry.
    AddResult add(const QString& name, QString* error = nullptr);
    // Removes the first name equal to name (trimmed, letter case ignored) and rewrites the
    // file. Removing the only name leaves one empty entry. False only when the write failed.
    bool remove(const QString& name, QString* error = nullptr);

private:
    bool rewrite(int count, QString* error);

    QVector<QString> m_slots; // slot 0 stays empty
    int m_count = 0;
};
