// The fixed table of the Security Rule's standards and implementation specifications.
#pragma once

#include <QList>
#include <QString>

// The six panes of a safeguard's worksheet, in the order they are re-opened after an entry
// change: three documents the user writes and three reference texts to read.
enum class WorksheetPane
{
    ReferencesInRule,
    ActionTaken,
    CommentsNotes,
    PoliciesProcedures,
    Specification,
    AdditionalInformation
};
constexpr int kWorksheetPaneCount = 6;

constexpr bool isDocumentPane(WorksheetPane pane)
{
    return pane == WorksheetPane::ActionTaken || pane == WorksheetPane::CommentsNotes ||
           pane == WorksheetPane::PoliciesProcedures;
}

struct SafeguardGroup
{
    int code = 0; // position of the group's left-hand button (2-6)
    QString caption;
    QString section;
    int entryCount = 0;
    int firstEntryNumber = 0;
    int firstStatusRecord = 0;
};

struct SafeguardEntry
{
    int groupCode = 0;
    int index = 0;         // position of the safeguard button in its group's row
    int number = 0;        // 0-46, the key of the entry's documents and status record
    QString buttonCaption; // "&&" stands for one "&" (see displayText)
    QString fullTitle;
    QString standard;
    QString section;
    QString specification;
    bool isOverview = false;
};

// Where an entry sits: its group code and its index in that group; -1 for no entry.
struct EntryPosition
{
    int groupCode = -1;
    int index = -1;
    bool isValid() const { return groupCode >= 0; }
};

namespace SafeguardCatalog {

constexpr int kEntryCount = 47;
constexpr int kGroupCount = 5;
constexpr int kFirstGroupCode = 2;
constexpr int kLastGroupCode = 6;

const QList<SafeguardGroup>& groups();
const QList<SafeguardEntry>& entries(); // in entry-number order

// nullptr when code is not a catalog group (0, 1, 7-9) or out of range.
const SafeguardGroup* group(int code);
// nullptr when there is no such entry.
const SafeguardEntry* entry(int groupCode, int index);
const SafeguardEntry* entry(int number);

// -1 when there is no such entry.
int entryNumber(int groupCode, int index);
EntryPosition groupAndIndex(int number);

// The entry's record in Stat1.Fil (number + 1); 0 when there is no such entry.
int statusRecord(int number);

// "Action0.Fil", "Comment23.Fil", "Policy46.Fil"; empty when there is no such entry.
QString documentFileName(int number, WorksheetPane pane);

// The policy template that "Insert Template" loads for an entry: its number T (14-63) and
// its file "Misc" + T + ".Hlp"; -1 and empty for the Overview entries and non-entries.
int templateNumber(int number);
QString templateFileName(int number);

// The three heading labels shown above the worksheet of an entry.
QString standardLabel(const SafeguardEntry& entry);
QString sectionLabel(const SafeguardEntry& entry);
QString specificationLabel(const SafeguardEntry& entry);

// A caption or label as shown: "&&" becomes one "&".
QString displayText(const QString& text);

} // namespace SafeguardCatalog
