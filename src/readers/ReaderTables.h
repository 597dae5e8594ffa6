// The contents of the three reader screens: the rule's sections, the advisor's topics, the
// miscellaneous topics and web links, with the documents each one loads.
#pragma once

#include <QDate>
#include <QList>
#include <QString>

struct ReaderEntry
{
    QString caption;  // as the button shows it ("&&" for a single "&")
    QString detail;   // tool tip, or the window title's own ending
    QString document; // file in the program folder; empty where nothing is loaded
};

namespace SecurityRuleSections {
// Options 0-24: caption, tool tip (the window title's ending) and "PR<n>.Hlp".
const QList<ReaderEntry>& all();
inline const QString kTitlePrefix = QStringLiteral("Security Rule");
QString title(int section);
} // namespace SecurityRuleSections

namespace AdvisorTopics {
inline const QString kTitlePrefix = QStringLiteral("Information Advisor");
constexpr int kKeyInformation = 4;
constexpr int kRiskAnalysis = 6;
constexpr int kTimeline = 9;
constexpr int kNistRecommendations = 1; // the risk-analysis document with the NIST link
// Topics 0-9; detail is the title's ending where it differs from the caption.
const QList<ReaderEntry>& topics();
// The four documents of the risk-analysis row.
const QList<ReaderEntry>& riskDocuments();
QString topicTitle(int topic);
QString riskTitle(int document);
// "Days Remaining Until April 21, 2005  =  d", or empty once the deadline has passed.
QString countdownText(const QDate& today);
} // namespace AdvisorTopics

namespace MiscellaneousTopics {
constexpr int kWebLinks = 2;
// Topics 0-4; the web-links topic has no document.
const QList<ReaderEntry>& topics();
// The seven link labels: caption, tool tip (with its blanks) and, in document, the address.
const QList<ReaderEntry>& webLinks();
QString title(int topic);
bool offersCopyAndPrint(int topic);
} // namespace MiscellaneousTopics

// A caption as it reads on screen: "&&" shows as "&".
QString shownCaption(const QString& caption);
