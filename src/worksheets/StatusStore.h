// The Current Status of every safeguard and the Compliance Status of every Risk Analysis
// worksheet: held in memory while the Action Area is loaded, one record each in Stat1.Fil.
#pragma once

#include <QString>
#include <QStringList>

class StatusStore
{
public:
    static constexpr int kRecordLength = 20;
    static constexpr int kSlotCount = 71; // slots 0-70; 1-68 are used
    static constexpr int kLastRecord = 68;
    static constexpr int kLastCatalogRecord = 42;
    static constexpr int kMaxTextLength = kRecordLength - 2;

    static inline const QString kFileName = QStringLiteral("Stat1.Fil");

    // The two pick lists; the first item, a single space, stands for an unset status.
    static inline const QStringList kCurrentStatusItems{
        QStringLiteral(" "),         QStringLiteral("Pending"), QStringLiteral("Working"),
        QStringLiteral("Completed"), QStringLiteral("Review"),  QStringLiteral("Not Implemented"),
    };
    static inline const QStringList kComplianceStatusItems{
        QStringLiteral(" "),       QStringLiteral("Yes"),     QStringLiteral("No"),
        QStringLiteral("Partial"), QStringLiteral("Planned"),
    };
    static inline const QString kCurrentStatusLabel = QStringLiteral("   Current Status:");
    static inline const QString kComplianceStatusLabel = QStringLiteral(" Compliance Status:");

    // What the sample entry always shows.
    static inline const QString kSampleStatus = QStringLiteral("Completed");

    // The warning after "Not Implemented" is picked; line breaks are carriage returns.
    static inline const QString kNotImplementedTitle = QStringLiteral("Safeguard Not Being Implemented");
    static inline const QString kNotImplementedText =
        QStringLiteral("If this safeguard is not being implemented, be sure and\r"
                       "document in the Action Taken or Comments/Notes\r"
                       "area why it is not being implemented!");

    // The explanation behind the "Compliance Status" button; line breaks are carriage returns.
    static inline const QString kComplianceTermsTitle = QStringLiteral("Compliance Status Terms");
    static inline const QString kComplianceTermsText =
        QStringLiteral("Explanation of Compliance Status Terms:\r"
                       "\r"
                       "Yes - Actions, policies and or software tools, etc. have been put in \r"
                       "         place to bring this risk into reasonable compliance with the rule.\r"
                       "\r"
                       "No  - This risk is not currently in reasonable compliance with the rule.\r"
                       "\r"
                       "Partial - Actions, policies and or software tools, etc. have been put in place     \r"
                       "             to partially bring this risk into reasonable compliance with the rule.\r"
                       "\r"
                       "Planned - Actions, etc. are being planned to be implemented in the future\r"
                       "                to bring this risk into reasonable compliance with the rule.");

    // True when a picked text asks for the "Not Implemented" warning.
    static bool isNotImplemented(const QString& text);

    // Record of a Risk Analysis worksheet (index 0-20): 48 + index.
    static int worksheetRecord(int worksheetIndex) { return 48 + worksheetIndex; }

    // Reads records 1-68 into slots 1-68. A missing file is created empty (so it exists for
    // backups) and every status reads as empty; a short file leaves the slots past its end empty.
    void loadAll();
    // Reads records 1-42 (the catalog entries up to the Technical safeguards) again.
    void reloadCatalogRecords();

    // The text in slot n (0-70); empty for a slot out of range.
    QString slot(int n) const;

    // Stores a picked text as record r (1-68) of Stat1.Fil, creating the file when missing,
    // and in slot r. The whole record is written: the length, the Windows-1252 bytes (at most
    // 18) and zeros after them. On failure the slot keeps its text and *error says why.
    bool pick(int record, const QString& text, QString* error = nullptr);

    // Sets record r and its slot to the empty text (a Risk Analysis worksheet saved empty).
    bool clear(int record, QString* error = nullptr);

private:
    void readRecords(int last);

    QString m_slots[kSlotCount];
};
