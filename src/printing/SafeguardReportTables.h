// The fixed content of the safeguard reports: one table per safeguard group.
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

struct SafeguardReportTable
{
    QString heading;
    QStringList standards;       // one cell per row; the column may run a row longer
    QStringList sections;        // may stop before the last row
    QStringList specifications;  // one cell per row
    QStringList marks;           // "R" or "A"
    QVector<int> ruleRows;       // 1-based rows at which a Standards entry begins
    int firstStatusPosition = 0; // row r shows the status of catalog position first + r - 1
};

namespace SafeguardReportTables {

extern const QString kTitle;
extern const QStringList kColumnHeadings;
extern const QString kLegend;
extern const QString kOrganizationalHeading;
extern const QString kPoliciesHeading;
extern const QStringList kBoxCaptions; // the four check boxes in report mode

const SafeguardReportTable& administrative();
const SafeguardReportTable& physical();
const SafeguardReportTable& technical();

} // namespace SafeguardReportTables
