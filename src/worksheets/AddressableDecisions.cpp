#include "worksheets/AddressableDecisions.h"

#include "base/AtomicFile.h"
#include "base/CodePage.h"
#include "base/DataFolder.h"
#include "base/RecordFile.h"

namespace {

constexpr int kChoiceOffset = 0;
constexpr int kDecidedOffset = 1;
constexpr int kReviewOffset = 9;
constexpr int kDateLength = 8;
constexpr int kDecidedByOffset = 17;
constexpr int kExplanationOffset = kDecidedByOffset + 2 + AddressableDecisions::kDecidedByLength;
static_assert(kExplanationOffset + 2 + AddressableDecisions::kExplanationLength == AddressableDecisions::kRecordLength);

const QString kDateFormat = QStringLiteral("yyyyMMdd");

QByteArray dateField(const QDate& date)
{
    return date.isValid() ? date.toString(kDateFormat).toLatin1() : QByteArray(kDateLength, ' ');
}

QDate dateAt(const QByteArray& record, int offset)
{
    return QDate::fromString(QString::fromLatin1(record.mid(offset, kDateLength)), kDateFormat);
}

} // namespace

namespace AddressableDecisions {

QString choiceText(AddressableDecision::Choice choice)
{
    switch (choice) {
    case AddressableDecision::AsSpecified:
        return QStringLiteral("Implemented as specified");
    case AddressableDecision::AlternativeMeasure:
        return QStringLiteral("Alternative measure");
    case AddressableDecision::NotReasonable:
        return QStringLiteral("Not reasonable and appropriate");
    case AddressableDecision::Undecided:
        break;
    }
    return QString();
}

QString explanationPrompt(AddressableDecision::Choice choice)
{
    switch (choice) {
    case AddressableDecision::AlternativeMeasure:
        return QStringLiteral("Which measure is in place instead, and why it is equivalent:");
    case AddressableDecision::NotReasonable:
        return QStringLiteral("Why it is not reasonable and appropriate here:");
    default:
        return QStringLiteral("How it is implemented (optional):");
    }
}

QByteArray encode(const AddressableDecision& decision)
{
    QByteArray record(kRecordLength, '\0');
    record[kChoiceOffset] = char('0' + int(decision.choice));
    record.replace(kDecidedOffset, kDateLength, dateField(decision.decided));
    record.replace(kReviewOffset, kDateLength, dateField(decision.nextReview));
    const QByteArray by = RecordBytes::textField(decision.decidedBy, 2 + kDecidedByLength);
    record.replace(kDecidedByOffset, by.size(), by);
    const QByteArray why = RecordBytes::textField(decision.explanation, 2 + kExplanationLength);
    record.replace(kExplanationOffset, why.size(), why);
    return record;
}

AddressableDecision decode(const QByteArray& record)
{
    AddressableDecision decision;
    if (record.size() < kRecordLength)
        return decision;
    const char choice = record.at(kChoiceOffset);
    if (choice < '0' || choice > '3')
        return decision; // never written, or not one of ours
    decision.choice = AddressableDecision::Choice(choice - '0');
    decision.decided = dateAt(record, kDecidedOffset);
    decision.nextReview = dateAt(record, kReviewOffset);
    // Each field reads no further than its own room, whatever its length says.
    decision.decidedBy = RecordBytes::textAt(record.left(kExplanationOffset), kDecidedByOffset);
    decision.explanation = RecordBytes::textAt(record, kExplanationOffset);
    return decision;
}

AddressableDecision read(int entryNumber)
{
    return decode(RecordFile(kFileName, kRecordLength).readRecord(entryNumber + 1));
}

QVector<AddressableDecision> readAll(int entryCount)
{
    QVector<AddressableDecision> all(entryCount);
    QByteArray file;
    if (readFileWithin(DataFolder::path(kFileName), FileLimits::kDocument, &file) != ReadOutcome::Read)
        return all;
    for (int n = 0; n < entryCount; ++n)
        all[n] = decode(file.mid(qsizetype(n) * kRecordLength, kRecordLength));
    return all;
}

bool write(int entryNumber, const AddressableDecision& decision, QString* error)
{
    return RecordFile(kFileName, kRecordLength).writeRecord(entryNumber + 1, encode(decision), error);
}

} // namespace AddressableDecisions
