#include "readers/ReaderTables.h"

#include "readers/WebAddresses.h"

namespace {

QList<ReaderEntry> buildSections()
{
    const QList<QPair<QString, QString>> rows = {
        {QStringLiteral("Entire Rule"), QStringLiteral("The Entire Security Rule")},
        {QStringLiteral("Summary"), QStringLiteral("Summary portion of the Rule")},
        {QStringLiteral("I. Background"), QStringLiteral("Background of the Rule.")},
        {QStringLiteral("II. General Overview"), QStringLiteral("General Overview of the Proposed Rule")},
        {QStringLiteral("III. Analysis of, ..."),
         QStringLiteral("Analysis of, and Responses to, Public Comments on the Proposed Rule")},
        {QStringLiteral("A. General Issues"), QStringLiteral("General Issues")},
        {QStringLiteral("B. Applicability"), QStringLiteral("Applicability (Sec. 164.302)")},
        {QStringLiteral("C. Transition ..."), QStringLiteral("Transition to the Final Rule")},
        {QStringLiteral("D. General Rules"), QStringLiteral("General Rules (Sec. 164.306)")},
        {QStringLiteral("E. Admin. Safeguards"), QStringLiteral("Administrative Safeguards (Sec. 164.308)")},
        {QStringLiteral("F. Physical Safeguards"), QStringLiteral("Physical Safeguards (Sec. 164.310)")},
        {QStringLiteral("G.Technical Safeguards"), QStringLiteral("Technical Safeguards (Sec. 164.312)")},
        {QStringLiteral("H. Organizational Req."), QStringLiteral("Organizational Requirements (Sec. 164.314)")},
        {QStringLiteral("I. Policies&&Procedures.."),
         QStringLiteral("Policies and Procedures and Documentation Requirements (Sec. 164.316)")},
        {QStringLiteral("J. Compliance Dates..."),
         QStringLiteral("Compliance Dates for Initial Implementation (Sec. 164.318)")},
        {QStringLiteral("K. Appendix"), QStringLiteral("Appendix")},
        {QStringLiteral("L. Misc. Issues"), QStringLiteral("Miscellaneous Issues.")},
        {QStringLiteral("M. Proposed Impact..."), QStringLiteral("Proposed Impact Analysis")},
        {QStringLiteral("IV. Provisions of..."), QStringLiteral("Provisions of the Final Regulation")},
        {QStringLiteral("V.Collection of Info..."), QStringLiteral("Collection of Information Requirements")},
        {QStringLiteral("IV. Regulatory Impact..."), QStringLiteral("Regulatory Impact Analysis")},
        {QStringLiteral("V. Federalism"), QStringLiteral("Federalism")},
        {QStringLiteral("List of Subjects"), QStringLiteral("List of Subjects")},
        {QStringLiteral("Subpart C-Sec. Stand..."),
         QStringLiteral(
             "Subpart C - Security Standards for the Protection of Electronic Protected Health Information")},
        {QStringLiteral("Subpart C- Matrix"),
         QStringLiteral("Appendix A to Subpart C of Part 164--Security Standards Matrix")},
    };
    QList<ReaderEntry> sections;
    for (int n = 0; n < rows.size(); ++n)
        sections.append({rows.at(n).first, rows.at(n).second, QStringLiteral("PR%1.Hlp").arg(n)});
    return sections;
}

ReaderEntry misc(const char* caption, const char* titleEnding, int number)
{
    return {QString::fromLatin1(caption), QString::fromLatin1(titleEnding), QStringLiteral("Misc%1.Hlp").arg(number)};
}

} // namespace

QString shownCaption(const QString& caption)
{
    QString shown = caption;
    return shown.replace(QStringLiteral("&&"), QStringLiteral("&"));
}

namespace SecurityRuleSections {

const QList<ReaderEntry>& all()
{
    static const QList<ReaderEntry> sections = buildSections();
    return sections;
}

QString title(int section)
{
    return kTitlePrefix + QStringLiteral(" - ") + all().at(section).detail;
}

} // namespace SecurityRuleSections

namespace AdvisorTopics {

const QList<ReaderEntry>& topics()
{
    static const QList<ReaderEntry> list = {
        misc("Addressable Safeguards", "", 3),
        misc("Concepts", "Concepts of the Final Security Rule", 6),
        misc("Getting Started", "", 7),
        misc("Impact", "Impact of not complying with the Security Final Rule", 8),
        misc("Key Information && Guide", "", 9),
        misc("Policy Insert Template", "Policy Insert Template Information", 0),
        {QStringLiteral("Risk Analysis"), QString(), QString()},
        misc("Security and Privacy", "Security Rule and Privacy Rule Distinctions", 4),
        misc("Selected HIPAA Q. && A.", "Selected HIPAA Questions and Answers", 11),
        misc("Timeline", "The HIPAA Security Rule Timeline", 5),
    };
    return list;
}

const QList<ReaderEntry>& riskDocuments()
{
    static const QList<ReaderEntry> list = {
        misc("Risk Analysis Overview", "", 10),
        misc("Recommendations from NIST", "", 12),
        misc("Common Risk Analysis Mistakes", "", 13),
        misc("Risk Analysis Worksheet", "", 58),
    };
    return list;
}

QString topicTitle(int topic)
{
    const ReaderEntry& entry = topics().at(topic);
    return kTitlePrefix + QStringLiteral(" - ") + (entry.detail.isEmpty() ? shownCaption(entry.caption) : entry.detail);
}

QString riskTitle(int document)
{
    return kTitlePrefix + QStringLiteral(" - ") + topics().at(kRiskAnalysis).caption + QStringLiteral(" - ") +
           riskDocuments().at(document).caption;
}

QString countdownText(const QDate& today)
{
    const qint64 days = today.daysTo(QDate(2005, 4, 21));
    if (days < 0)
        return QString();
    return QStringLiteral("Days Remaining Until April 21, 2005  =  %1").arg(days);
}

} // namespace AdvisorTopics

namespace MiscellaneousTopics {

const QList<ReaderEntry>& topics()
{
    static const QList<ReaderEntry> list = {
        misc("Disclaimer", "", 2),
        misc("Program Information", "", 1),
        {QStringLiteral("HIPAA Web Links"), QString(), QString()},
        misc("Risk Anlysis Worksheet", "", 57),
        misc("Sample Incident Report", "", 56),
    };
    return list;
}

const QList<ReaderEntry>& webLinks()
{
    const QString government = QStringLiteral(" Official Government Website ");
    const QString greatSite = QStringLiteral(" Great site for HIPAA information ");
    static const QList<ReaderEntry> list = {
        {QStringLiteral("Office of Civil Rights"), government, WebAddresses::kCivilRights},
        {QStringLiteral("U.S. Department of Health and Human Resources"), government,
         WebAddresses::kHealthAndHumanServices},
        {QStringLiteral("Centers for Medicare && Medicaid Services (CMS)"), government,
         WebAddresses::kMedicareMedicaid},
        {QStringLiteral("HIPAAComply"), greatSite, WebAddresses::kHipaaComply},
        {QStringLiteral("HIPAAdvisory"), greatSite, WebAddresses::kHipaaAdvisory},
        {QStringLiteral("NIST Special Publications (800 Series)"),
         QStringLiteral(" Contains several publications that may be useful, like SP 800-66 "),
         WebAddresses::kNistSpecialPublications},
        {QStringLiteral("Workgroup for Electronic Data Interchange (WEDI)"),
         QStringLiteral(" Contains helpful HIPAA security information "), WebAddresses::kWedi},
    };
    return list;
}

QString title(int topic)
{
    return QStringLiteral("Miscellaneous - ") + topics().at(topic).caption;
}

bool offersCopyAndPrint(int topic)
{
    return topic == 3 || topic == 4;
}

} // namespace MiscellaneousTopics
