// The standards of the Administrative, Physical and Technical groups with their
// implementation specifications, as the overview table lists them.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace StandardsOverview {

inline const QStringList kButtonCaptions = {QStringLiteral("Administrative Safeguards"),
                                            QStringLiteral("Physical Safeguards"),
                                            QStringLiteral("Technical Safeguards")};
inline const QStringList kHeaders = {QStringLiteral("Standards"), QStringLiteral("Section"),
                                     QStringLiteral("Implementation Specifications"), QStringLiteral("*"),
                                     QStringLiteral("Current Status")};
inline const QString kLegend = QStringLiteral("*  R = Required;  A = Addressable");

// "Administrative Safeguards§164.308" for group 0.
QString groupLabel(int group);

// The five cells of each standard of group g (0-2); lines within a cell are separated by
// CR LF. statusOfEntry gives the stored status of a catalog entry number.
QList<QStringList> rows(int group, const std::function<QString(int entryNumber)>& statusOfEntry);

// The share of the grid's height a row of n lines takes; 0 for a one-line row.
double rowHeightFraction(int group, int lines);

} // namespace StandardsOverview
