// The titles of the 21 Risk Analysis worksheets, kept in RAList.Fil (record n + 1 for
// worksheet n), and the names of the worksheets' documents.
#pragma once

#include <QString>
#include <QStringList>

namespace WorksheetTitles {

constexpr int kCount = 21;
constexpr int kMaxLength = 17; // what the title editor accepts; a record holds 18
inline const QString kFileName = QStringLiteral("RAList.Fil");

// "Risk Analysis # 1" ... "Risk Analysis # 9", then "Risk Analysis #10" ... "#21".
QString defaultTitle(int n);
// The 21 titles as shown on the buttons: the stored title trimmed, or the default title
// where none is stored. A missing file is created empty, as every title is then the default.
QStringList read();
// Stores a title as typed, blanks included, in record n + 1.
bool write(int n, const QString& title, QString* error = nullptr);

// "Wksht0.Fil" ... "Wksht20.Fil".
QString documentFile(int n);

} // namespace WorksheetTitles
