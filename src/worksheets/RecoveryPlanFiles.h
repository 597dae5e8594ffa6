// The Disaster Recovery Plan's files: the practice's plan, and the sample shown until there is one.
#pragma once

#include <QString>

namespace RecoveryPlanFiles {

inline const QString kPlan = QStringLiteral("DRPln1.Fil");
inline const QString kSample = QStringLiteral("Misc60.Hlp");

} // namespace RecoveryPlanFiles
