// Where the risk register meets the rest of the workbook: a risk's planned action on the To Do
// timeline, and the register's tables as CSV for a spreadsheet.
#pragma once

#include "register/RiskRegister.h"

#include <QByteArray>

class TimelineModel;

namespace RegisterLinks {

// The To Do item of a risk's planned action: its label, then the action, as long as an item
// may be ("R12: Encrypt the front desk laptops").
QString toDoItem(const RiskRegister::Risk& risk);
// The To Do row (1-500) whose item belongs to the risk, found by the label it starts with; 0
// when there is none.
int toDoRow(const TimelineModel& grid, const RiskRegister::Risk& risk);
// Puts the risk's planned action on the first free row, with its target date as the To Do
// date, unless a row already carries it. The row, or 0 when every row is in use.
int putOnToDoList(TimelineModel& grid, const RiskRegister::Risk& risk);

// The titles of catalog entries (a risk's safeguards), "; " between them.
QString safeguardTitles(const QVector<int>& numbers);

// The three tables with a heading row, in UTF-8 with a byte-order mark so that spreadsheets
// read the accents; fields quoted where they hold a comma, a quote or a line break.
QByteArray assetsCsv(const RiskRegister::Register& data);
QByteArray risksCsv(const RiskRegister::Register& data);
QByteArray associatesCsv(const RiskRegister::Register& data);
// Splits CSV as written above into rows of fields.
QVector<QStringList> parseCsv(const QByteArray& csv);

} // namespace RegisterLinks
