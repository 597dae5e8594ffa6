#include "actionarea/StandardsOverview.h"

namespace StandardsOverview {

namespace {

struct Specification
{
    const char* name; // nullptr: the standard has no separate specification
    char marker;
    int entryNumber;
};

struct Standard
{
    const char* name;
    const char* section;
    QList<Specification> specifications;
};

const QList<Standard>& standards(int group)
{
    static const QList<Standard> administrative = {
        {"Security Management Process",
         "164.308(a)(1)",
         {{"Risk Analysis", 'R', 0},
          {"Risk Management", 'R', 1},
          {"Sanction Policy", 'R', 2},
          {"Information System Activity Review", 'R', 3}}},
        {"Assigned Security Responsiblity", "164.308(a)(2)", {{nullptr, 'R', 4}}},
        {"Workforce Security",
         "164.308(a)(3)",
         {{"Authorization and/or Supervision", 'A', 5},
          {"Workforce Clearance Procedure", 'A', 6},
          {"Termination Procedures", 'A', 7}}},
        {"Information Access Management",
         "164.308(a)(4)",
         {{"Isolating Health Care Clearinghouse Function", 'R', 8},
          {"Access Authorization", 'A', 9},
          {"Access Establishment and Modification", 'A', 10}}},
        {"Security Awareness and Training",
         "164.308(a)(5)",
         {{"Security Reminders", 'A', 11},
          {"Protection from Malicious Software", 'A', 12},
          {"Log-in Monitoring", 'A', 13},
          {"Password Management", 'A', 14}}},
        {"Security Incident Procedures", "164.308(a)(6)", {{"Response and Reporting", 'R', 15}}},
        {"Contingency Plan",
         "164.308(a)(7)",
         {{"Data Backup Plan", 'R', 16},
          {"Disaster Recovery Plan", 'R', 17},
          {"Emergency Mode Operation Plan", 'R', 18},
          {"Testing and Revision Procedure", 'A', 19},
          {"Applications and Data Criticality Analysis", 'A', 20}}},
        {"Evaluation", "164.308(a)(8)", {{nullptr, 'R', 21}}},
        {"Business Associate Contracts And\r\nOther Arrangements",
         "164.308(b)(1)",
         {{"Written Contract or Other Arrangement", 'R', 22}}},
    };
    static const QList<Standard> physical = {
        {"Facility Access Controls",
         "164.310(a)(1)",
         {{"Contingency Operation", 'A', 23},
          {"Facility Security Plan", 'A', 24},
          {"Access Control & Validation Procedures", 'A', 25},
          {"Maintenance Records", 'A', 26}}},
        {"Workstation Use", "164.310(b)", {{nullptr, 'R', 27}}},
        {"WorkStation Security", "164.310(c)", {{nullptr, 'R', 28}}},
        {"Device and Media Controls",
         "164.310(d)(1)",
         {{"Disposal", 'R', 29},
          {"Media Re-use", 'R', 30},
          {"Accountability", 'A', 31},
          {"Data Backup and Storage", 'A', 32}}},
    };
    static const QList<Standard> technical = {
        {"Access Control",
         "164.312(a)(1)",
         {{"Unique User Identification", 'R', 33},
          {"Emergency Access Procedure", 'R', 34},
          {"Automatic Logoff", 'A', 35},
          {"Encryption and Decryption", 'A', 36}}},
        {"Audit Controls", "164.312(b)", {{nullptr, 'R', 37}}},
        {"Integrity", "164.312(c)(1)", {{"Mechanism to Authenticate Electronic PHI", 'A', 38}}},
        {"Person or Entity Authentication", "164.312(d)", {{nullptr, 'R', 39}}},
        {"Transmission Security", "164.312(e)(1)", {{"Integrity Controls", 'A', 40}, {"Encryption", 'A', 41}}},
    };
    static const QList<Standard> none;
    switch (group) {
    case 0:
        return administrative;
    case 1:
        return physical;
    case 2:
        return technical;
    default:
        return none;
    }
}

const QString kLineBreak = QStringLiteral("\r\n");

} // namespace

QString groupLabel(int group)
{
    static const char* const sections[] = {"164.308", "164.310", "164.312"};
    if (group < 0 || group > 2)
        return QString();
    return kButtonCaptions.at(group) + QStringLiteral("\u00A7") + QLatin1String(sections[group]);
}

QList<QStringList> rows(int group, const std::function<QString(int entryNumber)>& statusOfEntry)
{
    QList<QStringList> result;
    for (const Standard& standard : standards(group)) {
        QStringList names;
        QStringList markers;
        QStringList statuses;
        for (const Specification& item : standard.specifications) {
            names << (item.name ? QString::fromLatin1(item.name) : QStringLiteral(" "));
            markers << QString(QLatin1Char(item.marker));
            statuses << statusOfEntry(item.entryNumber);
        }
        result.append({QString::fromLatin1(standard.name), QString::fromLatin1(standard.section),
                       names.join(kLineBreak), markers.join(kLineBreak), statuses.join(kLineBreak)});
    }
    return result;
}

double rowHeightFraction(int group, int lines)
{
    switch (lines) {
    case 2:
        return 0.095;
    case 3:
        return 0.14;
    case 4:
        return group == 0 ? 0.175 : 0.18;
    case 5:
        return 0.225;
    default:
        return 0.0;
    }
}

} // namespace StandardsOverview
