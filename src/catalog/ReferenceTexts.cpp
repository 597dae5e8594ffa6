#include "catalog/ReferenceTexts.h"

#include "catalog/SafeguardCatalog.h"

#include <QFile>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace {

constexpr int kOrganizationalOverview = 42;
constexpr int kPoliciesOverview = 45;
constexpr int kDocumentation = 46;

const QString kLineBreak = QStringLiteral("\r\n");

bool isEntry(int number)
{
    return SafeguardCatalog::entry(number) != nullptr;
}

// Content of an entry's pane, compiled in from content/safeguards: "NN-<pane>.txt" and ".key".
QString resourcePath(int number, WorksheetPane pane, const char* suffix)
{
    const char* name = "specification";
    if (pane == WorksheetPane::ReferencesInRule)
        name = "references";
    else if (pane == WorksheetPane::AdditionalInformation)
        name = "additional";
    return QStringLiteral(":/safeguards/%1-%2.%3")
        .arg(number, 2, 10, QLatin1Char('0'))
        .arg(QLatin1String(name), QLatin1String(suffix));
}

QString readResource(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QString text = QString::fromUtf8(file.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

// The body's lines without line-end characters and without empty lines at either end;
// leading spaces stay, they indent the rule's sub-paragraphs.
QStringList bodyLines(int number, WorksheetPane pane)
{
    QStringList lines = readResource(resourcePath(number, pane, "txt")).split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    while (!lines.isEmpty() && lines.first().trimmed().isEmpty())
        lines.removeFirst();
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

namespace ReferenceTexts {

bool isAvailable(int number, WorksheetPane pane)
{
    if (!isEntry(number))
        return false;
    if (pane == WorksheetPane::Specification)
        return !SafeguardCatalog::entry(number)->isOverview;
    return true;
}

QString referenceFile(int number, WorksheetPane pane)
{
    if (!isEntry(number))
        return QString();
    if (pane == WorksheetPane::AdditionalInformation)
        return number == kPoliciesOverview || number == kDocumentation ? QStringLiteral("Addtl45.dat") : QString();
    if (pane != WorksheetPane::ReferencesInRule)
        return QString();
    switch (number) {
    case 0:
        return QStringLiteral("RefRA1.Dat");
    case 1:
        return QStringLiteral("RefRM1.Dat");
    case 2:
        return QStringLiteral("RefSC1.Dat");
    case 7:
        return QStringLiteral("RefTM1.Dat");
    case 9:
        return QStringLiteral("RefAA1.Dat");
    case 10:
        return QStringLiteral("RefAE1.Dat");
    case 21:
        return QStringLiteral("RefEV1.Dat");
    case 24:
        return QStringLiteral("RefFS1.Dat");
    case 27:
        return QStringLiteral("RefWU1.Dat");
    case 41:
        return QStringLiteral("RefEnc1.Dat");
    case kOrganizationalOverview:
        return QStringLiteral("OrgReq1.Dat");
    case 43:
        return QStringLiteral("OrgRef2.Dat");
    case kPoliciesOverview:
    case kDocumentation:
        return QStringLiteral("PPReq1.Dat");
    default:
        return QString();
    }
}

QString headingLine(WorksheetPane pane)
{
    switch (pane) {
    case WorksheetPane::Specification:
        return QStringLiteral("Implementation Specification:");
    case WorksheetPane::ReferencesInRule:
        return QStringLiteral("References in Rule:");
    case WorksheetPane::AdditionalInformation:
        return QStringLiteral("Additional Information:");
    default:
        return QString(); // the user's own documents have no reference heading
    }
}

bool isAddressable(int number)
{
    const SafeguardEntry* entry = SafeguardCatalog::entry(number);
    return entry && entry->specification.trimmed().endsWith(QStringLiteral("(A)"));
}

QStringList addressableBlock()
{
    return {
        QStringLiteral("This Implementation Specification is ") + QStringLiteral("Addressable."),
        QStringLiteral("This means that a covered entity will do one of the following:"),
        QStringLiteral("    1 - Will Implement this Implementation specification."),
        QStringLiteral("    2 - Implement one of more alternative security measures;"),
        QStringLiteral("    3 - Implement a combination of both; or"),
        QStringLiteral("    4 - Do not implement the addressable implementation specification or"),
        QStringLiteral("        an alternative security measure. (Least desirable)"),
        QStringLiteral("    Which ever action is taken it should be well documented!"),
        QStringLiteral(
            "    In several addressable areas it may be easier to implement than explain/justify why not used!"),
    };
}

QString keyTerm(int number, WorksheetPane pane)
{
    if (!isAvailable(number, pane) || !referenceFile(number, pane).isEmpty())
        return QString();
    return readResource(resourcePath(number, pane, "key")).trimmed();
}

QString body(int number, WorksheetPane pane)
{
    if (!isEntry(number))
        return QString();
    return bodyLines(number, pane).join(kLineBreak);
}

bool hasBuiltInText(int number, WorksheetPane pane)
{
    return isAvailable(number, pane) && referenceFile(number, pane).isEmpty() && !body(number, pane).isEmpty();
}

QString builtInText(int number, WorksheetPane pane)
{
    if (!hasBuiltInText(number, pane))
        return QString();
    QStringList lines{headingLine(pane), QString()};
    if (pane == WorksheetPane::AdditionalInformation && isAddressable(number)) {
        lines += addressableBlock();
        lines += QString();
    }
    lines += bodyLines(number, pane);
    return lines.join(kLineBreak);
}

void emphasiseKeyTerm(QTextDocument* document, const QString& term)
{
    if (!document || term.isEmpty())
        return;
    QTextCharFormat emphasis;
    emphasis.setFontWeight(QFont::Bold);
    emphasis.setFontUnderline(true);
    QTextCursor cursor(document);
    while (true) {
        cursor = document->find(term, cursor);
        if (cursor.isNull())
            break;
        cursor.mergeCharFormat(emphasis);
    }
}

bool buildDocument(QTextDocument* document, int number, WorksheetPane pane)
{
    const QString text = builtInText(number, pane);
    if (!document || text.isEmpty())
        return false;
    document->setPlainText(text);
    emphasiseKeyTerm(document, keyTerm(number, pane));
    return true;
}

} // namespace ReferenceTexts
