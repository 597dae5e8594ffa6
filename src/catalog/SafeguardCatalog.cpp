#include "catalog/SafeguardCatalog.h"

namespace {

struct GroupRow
{
    int code;
    const char* caption;
    const char* section;
    int entryCount;
    int firstEntryNumber;
};

// The group's first status record always follows from its first entry number.
constexpr GroupRow kGroupRows[] = {
    {2, "Administrative Safeguards", "164.308", 23, 0},   {3, "Physical Safeguards", "164.310", 10, 23},
    {4, "Technical Safeguards", "164.312", 9, 33},        {5, "Organization Requirements", "164.314", 3, 42},
    {6, "Policies and Proceedures...", "164.316", 2, 45},
};

struct EntryRow
{
    int groupCode;
    const char* buttonCaption;
    const char* fullTitle;
    const char* standard;
    const char* section;
    const char* specification;
};

// One row per entry, in entry-number order; the index within the group follows from the order.
// The texts are shown as they stand, including their spellings. An empty standard marks an
// Overview entry.
constexpr EntryRow kEntryRows[] = {
    // Administrative safeguards
    {2, "Risk Analysis", "Risk Analysis", "Security Mananagement Process", "164.308(a)(1)", "Risk Analysis (R)"},
    {2, "Risk Management", "Risk Management", "Security Mananagement Process", "164.308(a)(1)", "Risk Management (R)"},
    {2, "Sanction Policy", "Sanction Policy", "Security Mananagement Process", "164.308(a)(1)", "Sanction Policy (R)"},
    {2, "Information System...", "Information System Activity Review", "Security Mananagement Process", "164.308(a)(1)",
     "Information System Activity Review (R)"},
    {2, "Assigned Security...", "Assigned Security Responsibility", "Assigned Security Responsibility", "164.308(a)(2)",
     "Assigned Security Responsibility (R)"},
    {2, "Authorization...", "Authorization and/or Supervision", "Workforce Security", "164.308(a)(3)",
     "Authorization and/or Supervision (A)"},
    {2, "Workforce Clearance", "Workforce Clearance Procedure", "Workforce Security", "164.308(a)(3)",
     "Workforce Clearance Procedure (A)"},
    {2, "Termination Proc.", "Termination Procedures", "Workforce Security", "164.308(a)(3)",
     "Termination Procedures (A)"},
    {2, "Isolating C. H.", "Isolating Health Care Clearing House Function", "Information Access Management",
     "164.308(a)(4)", "Isolating Health care Clearinghouse Function(R)"},
    {2, "Access Auth..", "Access Authorization", "Information Access Management", "164.308(a)(4)",
     "Access Authorization (A)"},
    {2, "Access Est..", "Access Establishment and Modification", "Information Access Management", "164.308(a)(4)",
     "Access Establishment and Modification (A)"},
    {2, "Security Rem..", "Security Reminders", "Security Awareness and Testing", "164.308(a)(5)",
     "Security Reminders (A)"},
    {2, "Protection fr..", "Protection from Malicious Software", "Security Awareness and Testing", "164.308(a)(5)",
     "Protection from Malicious Software (A)"},
    {2, "Log-in Monitoring", "Log-in Monitoring", "Security Awareness and Testing", "164.308(a)(5)",
     "Log-in Monitoring (A)"},
    {2, "Password Man..", "Password Management", "Security Awareness and Testing", "164.308(a)(5)",
     "Password Management (A)"},
    {2, "Resp. && Report.", "Response and Reporting", "Security Incident Procedures", "164.308(a)(6)",
     "Response and Reporting (R)"},
    {2, "Data Backup", "Data Backup Plan", "Contingency Plan", "164.308(a)(7)", "Data Backup Plan (R)"},
    {2, "Disaster Recovery", "Disaster Recovery Plan", "Contingency Plan", "164.308(a)(7)",
     "Disaster Recovery Plan (R)"},
    {2, "Emergency Mode", "Emergency Mode Operation Plan", "Contingency Plan", "164.308(a)(7)",
     "Emergency Mode Operation (R)"},
    {2, "Testing && Revision", "Testing and Revision Procedure", "Contingency Plan", "164.308(a)(7)",
     "Testing and Revision Procedure (A)"},
    {2, "Applications..", "Applications and Data Criticality Analysis", "Contingency Plan", "164.308(a)(7)",
     "Applications and Data Criticality Analysis (A)"},
    {2, "Evaluation", "Evaluation", "Evaluation", "164.308(a)(8)", "Evaluation (R)"},
    {2, "Business Assoc..", "Business Associate Contracts And Other Arrangements",
     "Business Associate Contacts && Other Arrangements", "164.308(B)(1)",
     "Written Contract or Other Arrangements (R)"},
    // Physical safeguards
    {3, "Contingency Operation", "Contingency Operation", "Facility Access Controls", "164.310(a)(1)",
     "Contingency Operation (A)"},
    {3, "Facility Security Plan", "Facility Security Plan", "Facility Access Controls", "164.310(a)(1)",
     "Facility Security Plan (A)"},
    {3, "Access Control and Validation", "Access Control and Validation", "Facility Access Controls", "164.310(a)(1)",
     "Access Control && Validation Procedures (A)"},
    {3, "Maintenance Records", "Maintenance Records", "Facility Access Controls", "164.310(a)(1)",
     "Maintenance Records (A)"},
    {3, "Workstation Use", "Workstation Use", "Workstation Use", "164.310(b)", "Workstation Use (R)"},
    {3, "Workstation Security", "Workstation Security", "Workstation Security", "164.310(c)",
     "Workstation Security (R)"},
    {3, "Disposal", "Disposal", "Device and Media Controls", "164.310(d)(1)", "Disposal (R)"},
    {3, "Media Re-use", "Media Re-use", "Device and Media Controls", "164.310(d)(1)", "Media Re-use (R)"},
    {3, "Accountability", "Accountability", "Device and Media Controls", "164.310(d)(1)", "Accountability (A)"},
    {3, "Data Backup and Storage", "Data Backup and Storage", "Device and Media Controls", "164.310(d)(1)",
     "Data Backup and Storage (A)"},
    // Technical safeguards
    {4, "Unique User Identification", "Unique User Identification", "Access Controls", "164.312(a)(1)",
     "Unique User Identification (R)"},
    {4, "Emergency Access Procedure", "Emergency Access Procedure", "Access Controls", "164.312(a)(1)",
     "Emergency Access Procedure (R)"},
    {4, "Automatic Logoff", "Automatic Logoff", "Access Controls", "164.312(a)(1)", "Automatic Logoff (A)"},
    {4, "Encryption and Decryption", "Encryption and Decryption", "Access Controls", "164.312(a)(1)",
     "Encryption and Decryption (A)"},
    {4, "Audit Controls", "Audit Controls", "Audit Controls", "164.312(b)", "Audit Controls (R)"},
    {4, "Mechanism to Authenticate Electronic PHI", "Mechanism to Authenticate Electronic PHI", "Ingerity",
     "164.312(c)(1)", "Mechanism to Authenticate Electronic PHI (A)"},
    {4, "Person or entity Authentication", "Person or entity Authentication", "Person or Entity Authentication",
     "164.312(d)", "Person or Entity Authentication (R)"},
    {4, "Integrity Controls", "Integrity Controls", "Transmission Security", "164.312(e)(1)", "Integrity Controls (A)"},
    {4, "Encryption", "Encryption", "Transmission Security", "164.312(e)(1)", "Encryption (A)"},
    // Organization requirements
    {5, "Organizational Requirements Overview", "Organizational Requirements Overview", "", "", ""},
    {5, "Business associate contracts or other arrangements Standard",
     "Business associate contracts or other arrangements Standard",
     "Business associate contracts or other arrangements", "164.314(a)(1)",
     "Business associate contracts or other ... (R)"},
    {5, "Requirements for group health plans Standard", "Requirements for group health plans Standard",
     "Requirements for Health Group Plans", "164.314(b)(1)", "Requirements for Health Group Plans (R)"},
    // Policies and procedures and documentation requirements
    {6, "Policies and Procedures and Documentation Requirements Overview",
     "Policies and Procedures and Documentation Requirements Overview", "", "", ""},
    {6, "Documentation", "Documentation", "Documentation", "164.316", "(R)"},
};

static_assert(sizeof(kEntryRows) / sizeof(kEntryRows[0]) == SafeguardCatalog::kEntryCount);

QList<SafeguardGroup> buildGroups()
{
    QList<SafeguardGroup> groups;
    for (const GroupRow& row : kGroupRows) {
        SafeguardGroup group;
        group.code = row.code;
        group.caption = QString::fromLatin1(row.caption);
        group.section = QString::fromLatin1(row.section);
        group.entryCount = row.entryCount;
        group.firstEntryNumber = row.firstEntryNumber;
        group.firstStatusRecord = row.firstEntryNumber + 1;
        groups.append(group);
    }
    return groups;
}

QList<SafeguardEntry> buildEntries()
{
    QList<SafeguardEntry> entries;
    int previousGroup = -1;
    int index = 0;
    for (const EntryRow& row : kEntryRows) {
        index = row.groupCode == previousGroup ? index + 1 : 0;
        previousGroup = row.groupCode;
        SafeguardEntry entry;
        entry.groupCode = row.groupCode;
        entry.index = index;
        entry.number = int(entries.size());
        entry.buttonCaption = QString::fromLatin1(row.buttonCaption);
        entry.fullTitle = QString::fromLatin1(row.fullTitle);
        entry.standard = QString::fromLatin1(row.standard);
        entry.section = QString::fromLatin1(row.section);
        entry.specification = QString::fromLatin1(row.specification);
        entry.isOverview = entry.standard.isEmpty();
        entries.append(entry);
    }
    return entries;
}

} // namespace

namespace SafeguardCatalog {

const QList<SafeguardGroup>& groups()
{
    static const QList<SafeguardGroup> all = buildGroups();
    return all;
}

const QList<SafeguardEntry>& entries()
{
    static const QList<SafeguardEntry> all = buildEntries();
    return all;
}

const SafeguardGroup* group(int code)
{
    if (code < kFirstGroupCode || code > kLastGroupCode)
        return nullptr;
    return &groups().at(code - kFirstGroupCode);
}

const SafeguardEntry* entry(int groupCode, int index)
{
    return entry(entryNumber(groupCode, index));
}

const SafeguardEntry* entry(int number)
{
    if (number < 0 || number >= kEntryCount)
        return nullptr;
    return &entries().at(number);
}

int entryNumber(int groupCode, int index)
{
    const SafeguardGroup* g = group(groupCode);
    if (!g || index < 0 || index >= g->entryCount)
        return -1;
    return g->firstEntryNumber + index;
}

EntryPosition groupAndIndex(int number)
{
    const SafeguardEntry* e = entry(number);
    if (!e)
        return EntryPosition();
    return EntryPosition{e->groupCode, e->index};
}

int statusRecord(int number)
{
    return entry(number) ? number + 1 : 0;
}

QString documentFileName(int number, WorksheetPane pane)
{
    if (!entry(number))
        return QString();
    QString prefix;
    switch (pane) {
    case WorksheetPane::ActionTaken:
        prefix = QStringLiteral("Action");
        break;
    case WorksheetPane::CommentsNotes:
        prefix = QStringLiteral("Comment");
        break;
    case WorksheetPane::PoliciesProcedures:
        prefix = QStringLiteral("Policy");
        break;
    default:
        return QString(); // the reference panes have no document of the user's
    }
    return prefix + QString::number(number) + QStringLiteral(".Fil");
}

int templateNumber(int number)
{
    const SafeguardEntry* e = entry(number);
    if (!e || e->isOverview)
        return -1;
    // Each group's templates follow on from the previous group's, with a gap after the
    // Technical safeguards for the worksheet and plan documents.
    switch (e->groupCode) {
    case 2:
        return e->index + 14;
    case 3:
        return e->index + 37;
    case 4:
        return e->index + 47;
    case 5:
        return e->index + 60;
    default:
        return e->index + 62;
    }
}

QString templateFileName(int number)
{
    const int t = templateNumber(number);
    return t < 0 ? QString() : QStringLiteral("Misc%1.Hlp").arg(t);
}

QString standardLabel(const SafeguardEntry& entry)
{
    if (!entry.isOverview)
        return QStringLiteral(" Standard: ") + entry.standard;
    return entry.groupCode == 5 ? QStringLiteral(" Organizational Requirements Overview")
                                : QStringLiteral(" Policies and Procedures and Documentation Requirements");
}

QString sectionLabel(const SafeguardEntry& entry)
{
    if (!entry.isOverview)
        return QStringLiteral(" Section: ") + entry.section;
    return entry.groupCode == 5 ? QStringLiteral(" Section 164.314") : QStringLiteral(" Section 164.316");
}

QString specificationLabel(const SafeguardEntry& entry)
{
    if (entry.isOverview)
        return QString();
    return QStringLiteral(" Specification: ") + entry.specification;
}

QString displayText(const QString& text)
{
    QString shown = text;
    return shown.replace(QStringLiteral("&&"), QStringLiteral("&"));
}

} // namespace SafeguardCatalog
