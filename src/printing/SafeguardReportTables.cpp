#include "printing/SafeguardReportTables.h"

namespace {

const QString kSection = QString(QChar(0xA7)); // the section sign, 167 in Windows-1252
const QString kBlank = QStringLiteral(" ");

} // namespace

namespace SafeguardReportTables {

const QString kTitle = QStringLiteral("HIPAA Security Standards");
const QStringList kColumnHeadings = {QStringLiteral("Standards"), QStringLiteral("Section"),
                                     QStringLiteral("Implementation Specification"), QStringLiteral("Current Status")};
const QString kLegend = QStringLiteral("      Legend:  R = Required    A = Addressable");
const QString kOrganizationalHeading =
    QStringLiteral("ORGANIZATIONAL REQUIREMENTS ") + kSection + QStringLiteral("164.314");
const QString kPoliciesHeading =
    QStringLiteral("POLICIES AND PROCEDURES AND DOCUMENTATION REQUIREMENTS ") + kSection + QStringLiteral("164.316");
const QStringList kBoxCaptions = {QStringLiteral("All Safeguards"), QStringLiteral("Administrative Safeguards"),
                                  QStringLiteral("Physical Safeguards"), QStringLiteral("Technical Safeguards")};

const SafeguardReportTable& administrative()
{
    static const SafeguardReportTable table{
        QStringLiteral("ADMINISTRATIVE SAFEGUARDS ") + kSection + QStringLiteral("164.308"),
        {"Security Management Process",
         kBlank,
         kBlank,
         kBlank,
         "Assigned Security Responsibility",
         "Workforce Security",
         kBlank,
         kBlank,
         "Information Access Management",
         kBlank,
         kBlank,
         "Security Awareness and Training",
         kBlank,
         kBlank,
         kBlank,
         "Security Incident Proceedures",
         "Contingency Plan",
         kBlank,
         kBlank,
         kBlank,
         kBlank,
         "Evaluation",
         "Business Associate Contracts And",
         "Other Arrangements"},
        {"164.308(a)(1)", kBlank, kBlank,          kBlank,          "164.308(a)(2)", "164.308(a)(3)",
         kBlank,          kBlank, "164.308(a)(4)", kBlank,          kBlank,          "164.308(a)(5)",
         kBlank,          kBlank, kBlank,          "164.308(a)(6)", "164.308(a)(7)", kBlank,
         kBlank,          kBlank, kBlank,          "164.308(a)(8)", "164.308(b)(1)"},
        {"Risk Analysis",
         "Risk Management",
         "Sanction Policy",
         "Information System Activity Review",
         kBlank,
         "Authorization and/or Supervision",
         "Workforce Clearance Procedure",
         "Termination Procedures",
         "Isolating Health Care Clearinghouse Function",
         "Access Authorization",
         "Access Establishment and Modification",
         "Security Reminders",
         "Protection from Malicious Software",
         "Log-in Monitoring",
         "Password Management",
         "Response and Reporting",
         "Data Backup Plan",
         "Disaster Recovery Plan",
         "Emergency Mode Operation Plan",
         "Testing and Revision Procedure",
         "Applications and Data Criticality Analysis",
         kBlank,
         "Written Contract or Other Arrangements"},
        {"R", "R", "R", "R", "R", "A", "A", "A", "R", "A", "A", "A",
         "A", "A", "A", "R", "R", "R", "R", "A", "A", "R", "R"},
        {1, 5, 6, 9, 12, 16, 17, 22, 23},
        1};
    return table;
}

const SafeguardReportTable& physical()
{
    static const SafeguardReportTable table{
        QStringLiteral("PHYSICAL SAFEGUARDS ") + kSection + QStringLiteral("164.310"),
        {"Facility Access Control", kBlank, kBlank, kBlank, "Workstation Use", "Workstation Security",
         "Device and Media Control", kBlank, kBlank, kBlank},
        {"164.310(a)(1)", kBlank, kBlank, kBlank, "164.310(b)", "164.310(c)", "164.310(d)(1)"},
        {"Contingency Operation", "Facility Security Plan", "Access Control & Validation", "Maintenance Records",
         kBlank, kBlank, "Disposal", "Media Re-use", "Accountability", "Data Backup and Storage"},
        {"A", "A", "A", "A", "R", "R", "R", "R", "A", "A"},
        {1, 5, 6, 7},
        24};
    return table;
}

const SafeguardReportTable& technical()
{
    static const SafeguardReportTable table{
        QStringLiteral("TECHNICAL SAFEGUARDS ") + kSection + QStringLiteral("164.312"),
        {"Access Control", kBlank, kBlank, kBlank, "Audit Controls", "Integrity", "Person or entity Authentication",
         "Transmission Security", kBlank},
        {"164.312(a)(1)", kBlank, kBlank, kBlank, "164.312(b)", "164.312(c)(1)", "164.312(d)", "164.312(e)(1)"},
        {"Unique User Identification", "Emergency Access Procedure", "Automatic Logoff", "Encryption and Decryption",
         kBlank, "Mechanism to Authenticate Electronic PHI", kBlank, "Integrity Controls", "Encryption"},
        {"R", "R", "A", "A", "R", "A", "R", "A", "A"},
        {1, 5, 6, 7, 8},
        34};
    return table;
}

} // namespace SafeguardReportTables
