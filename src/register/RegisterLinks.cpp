#include "register/RegisterLinks.h"

#include "catalog/SafeguardCatalog.h"
#include "timeline/TimelineDate.h"
#include "timeline/TimelineModel.h"

using namespace RiskRegister;

namespace {

QString csvField(const QString& field)
{
    if (!field.contains(QLatin1Char(',')) && !field.contains(QLatin1Char('"')) && !field.contains(QLatin1Char('\n')) &&
        !field.contains(QLatin1Char('\r')))
        return field;
    QString quoted = field;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QByteArray csv(const QVector<QStringList>& rows)
{
    QString text;
    for (const QStringList& row : rows) {
        QStringList fields;
        for (const QString& field : row)
            fields << csvField(field);
        text += fields.join(QLatin1Char(',')) + QLatin1String("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

QString date(const QDate& d)
{
    return d.isValid() ? d.toString(Qt::ISODate) : QString();
}

} // namespace

namespace RegisterLinks {

QString safeguardTitles(const QVector<int>& numbers)
{
    QStringList titles;
    for (int n : numbers) {
        if (const SafeguardEntry* entry = SafeguardCatalog::entry(n))
            titles << SafeguardCatalog::displayText(entry->fullTitle).trimmed();
    }
    return titles.join(QStringLiteral("; "));
}

QString toDoItem(const Risk& risk)
{
    QString action = risk.action.simplified();
    action.remove(QLatin1Char('"')); // the To Do file cannot hold one
    return (risk.label() + QStringLiteral(": ") + action).left(TimelineModel::kItemMaxLength);
}

int toDoRow(const TimelineModel& grid, const Risk& risk)
{
    const QString prefix = risk.label() + QLatin1Char(':');
    for (int row = 1; row <= TimelineModel::kItemRows; ++row) {
        if (grid.text(row, TimelineModel::kItemColumn).startsWith(prefix))
            return row;
    }
    return 0;
}

int putOnToDoList(TimelineModel& grid, const Risk& risk)
{
    if (const int existing = toDoRow(grid, risk))
        return existing;
    const int row = grid.firstEmptyItemRow(true);
    if (row == 0)
        return 0;
    grid.setText(row, TimelineModel::kItemColumn, toDoItem(risk));
    if (risk.target.isValid())
        grid.setText(row, TimelineModel::kToDoDateColumn, TimelineDate::cellText(risk.target));
    return row;
}

QByteArray assetsCsv(const Register& data)
{
    QVector<QStringList> rows{{"Asset", "ePHI", "Where", "Responsible", "Business associate"}};
    for (const Asset& a : data.assets)
        rows.append({a.name, a.ephi, a.location, a.responsible, a.associate});
    return csv(rows);
}

QByteArray risksCsv(const Register& data)
{
    QVector<QStringList> rows{{"Risk", "Asset", "Threat source", "Threat", "Vulnerability", "Existing controls",
                               "Likelihood", "Impact", "Risk level", "Planned action", "Owner", "Target date",
                               "Residual risk", "Safeguards"}};
    for (const Risk& r : data.risks)
        rows.append({r.label(), r.asset, sourceText(r.source), r.threat, r.vulnerability, r.controls,
                     ratingText(r.likelihood), ratingText(r.impact), ratingText(r.level()), r.action, r.owner,
                     date(r.target), ratingText(r.residual), safeguardTitles(r.safeguards)});
    return csv(rows);
}

QByteArray associatesCsv(const Register& data)
{
    QVector<QStringList> rows{{"Business associate", "Service", "ePHI", "Contract signed", "Next review", "Contact"}};
    for (const Associate& a : data.associates)
        rows.append({a.name, a.service, a.ephi, date(a.contractSigned), date(a.nextReview), a.contact});
    return csv(rows);
}

QVector<QStringList> parseCsv(const QByteArray& bytes)
{
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    QVector<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"'))
                field += text.at(++i);
            else if (c == QLatin1Char('"'))
                quoted = false;
            else
                field += c;
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            row << field;
            field.clear();
        } else if (c == QLatin1Char('\n')) {
            row << field;
            field.clear();
            rows.append(row);
            row.clear();
        } else if (c != QLatin1Char('\r')) {
            field += c;
        }
    }
    if (!field.isEmpty() || !row.isEmpty())
        rows.append(row << field);
    return rows;
}

} // namespace RegisterLinks
