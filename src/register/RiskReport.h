// The risk report: the register laid out for printing or PDF. The heat map's counts, then
// every risk from the highest level down with its ratings, planned action and safeguards, then
// the inventory of assets and the business associates.
#pragma once

#include "register/RiskRegister.h"

#include <QDate>

class ReportPrinter;

namespace RiskReport {

inline const QString kTitle = QStringLiteral("Risk Analysis Register");

void build(ReportPrinter& printer, const RiskRegister::Register& data, const QDate& today);

} // namespace RiskReport
