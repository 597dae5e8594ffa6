// What the practice decided about each Addressable implementation specification: whether it
// is implemented as specified, met by an alternative measure, or not reasonable and
// appropriate, with the reason, who decided, when, and when the decision is next reviewed.
//
// Kept in Decide1.Fil, one fixed record of 512 bytes per catalog entry (record = entry number
// + 1), text in Windows-1252:
//   offset   0, 1 byte    the choice, '0' to '3' (see Choice); anything else reads as undecided
//   offset   1, 8 bytes   the date of the decision, yyyyMMdd, or blanks
//   offset   9, 8 bytes   the next review date, yyyyMMdd, or blanks
//   offset  17, 42 bytes  who decided: 16-bit little-endian length, then at most 40 bytes
//   offset  59, 453 bytes the measure or the reason: length, then at most 451 bytes
#pragma once

#include <QDate>
#include <QString>
#include <QVector>

struct AddressableDecision
{
    enum Choice
    {
        Undecided = 0,
        AsSpecified = 1,
        AlternativeMeasure = 2,
        NotReasonable = 3
    };

    Choice choice = Undecided;
    QString explanation; // the alternative measure, or why it is not reasonable and appropriate
    QString decidedBy;
    QDate decided;
    QDate nextReview;
};

namespace AddressableDecisions {

inline const QString kFileName = QStringLiteral("Decide1.Fil");
constexpr int kRecordLength = 512;
constexpr int kDecidedByLength = 40;
constexpr int kExplanationLength = 451;

// "Implemented as specified", "Alternative measure", "Not reasonable and appropriate"; empty when undecided.
QString choiceText(AddressableDecision::Choice choice);
// What the explanation asks for with a choice ("Which measure:", "Why:"); empty where none is asked.
QString explanationPrompt(AddressableDecision::Choice choice);

QByteArray encode(const AddressableDecision& decision);
AddressableDecision decode(const QByteArray& record);

// The decision about catalog entry number (0-46); undecided when none was saved.
AddressableDecision read(int entryNumber);
// Every entry's decision (index = entry number), from one read of the file.
QVector<AddressableDecision> readAll(int entryCount);
// Saves it into its record, leaving the others as they were; the file is replaced atomically.
bool write(int entryNumber, const AddressableDecision& decision, QString* error = nullptr);

} // namespace AddressableDecisions
