#include "printing/ReferencePrintout.h"

#include <QTextCursor>
#include <QTextDocument>

namespace {

const char* const kPhrases[] = {"Risk Analysis",
                                "Risk Management",
                                "Sanction Policy",
                                "Information System Activity",
                                "Assigned security responsibility",
                                "Authorization and/or Supervision",
                                "Workforce clearance procedure",
                                "Termination Procedures",
                                "Isolating health care clearinghouse functions",
                                "Access authorization",
                                "Access Establishment",
                                "Security Reminders",
                                "Protection from Malicious Software",
                                "Log-in Monitoring",
                                "Password Management",
                                "response and reporting",
                                "Data Backup Plan",
                                "Disaster Recovery Plan",
                                "Emergency Mode Operation Plan",
                                "Testing and revision procedures",
                                "Applications and Data Criticality Analysis",
                                "Evaluation",
                                "Written contract or other arrangement",
                                "Contingency operations",
                                "Facility security plan",
                                "Access control and validation procedures",
                                "Maintenance records",
                                "Workstation use",
                                "Workstation security",
                                "Disposal",
                                "Media re-use",
                                "Accountability",
                                "Data backup and storage",
                                "Unique user identification",
                                "Emergency access procedure",
                                "Automatic logoff",
                                "Encryption and decryption",
                                "Audit controls",
                                "Mechanism to authenticate electronic protected health information",
                                "Person or entity authentication",
                                "Integrity controls",
                                "Encryption",
                                "",
                                "Business associate",
                                "Requirements for group health plans",
                                "",
                                "Documentation"};

} // namespace

QString ReferencePrintout::searchPhrase(int position)
{
    if (position < 1 || position > int(std::size(kPhrases)))
        return QString();
    return QString::fromLatin1(kPhrases[position - 1]);
}

std::unique_ptr<QTextDocument> ReferencePrintout::build(const QStringList& texts, const std::array<bool, 3>& ticked,
                                                        const PrintSettings& settings, int position)
{
    QStringList chosen;
    for (int i = 0; i < 3 && i < texts.size(); ++i)
        if (ticked[i])
            chosen.append(texts.at(i));
    auto document = std::make_unique<QTextDocument>();
    document->setPlainText(chosen.join(QStringLiteral("\n\n")));

    QTextCharFormat font;
    font.setFontFamilies({settings.fontName});
    font.setFontPointSize(settings.fontSize);
    font.setFontWeight(settings.bold ? QFont::Bold : QFont::Normal);
    font.setFontItalic(settings.italic);
    font.setFontUnderline(settings.underline);
    font.setFontStrikeOut(settings.strikethrough);
    font.setForeground(settings.colour);
    QTextCursor all(document.get());
    all.select(QTextCursor::Document);
    all.mergeCharFormat(font);

    const QString phrase = searchPhrase(position);
    if (!phrase.isEmpty()) {
        const QTextCursor found = document->find(phrase);
        if (!found.isNull()) {
            QTextCharFormat mark;
            mark.setFontWeight(QFont::Bold);
            mark.setFontUnderline(true);
            QTextCursor(found).mergeCharFormat(mark);
        }
    }
    return document;
}
