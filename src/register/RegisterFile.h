// RiskReg1.Fil: the risk register in the workbook. A versioned text file in UTF-8, one line a
// row, its fields separated by tabs; a backslash, tab, line feed or carriage return inside a
// field is written as \\, \t, \n or \r. The first line is the mark and the format's version:
//
//   Tessaly risk register<TAB>1
//   asset<TAB>name<TAB>ePHI<TAB>location<TAB>responsible<TAB>associate
//   risk<TAB>number<TAB>asset<TAB>threat source<TAB>threat<TAB>vulnerability<TAB>existing controls
//       <TAB>likelihood<TAB>impact<TAB>planned action<TAB>owner<TAB>target date<TAB>residual risk
//       <TAB>safeguards
//   associate<TAB>name<TAB>service<TAB>ePHI<TAB>contract signed<TAB>next review<TAB>contact
//
// Ratings are "Low", "Moderate", "High" or empty; dates yyyy-MM-dd or empty; the safeguards
// are catalog entry numbers separated by blanks. A file edited by hand or damaged is read as
// far as its lines allow, and each line that could not be read is named.
#pragma once

#include "register/RiskRegister.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace RegisterFile {

inline const QString kFileName = QStringLiteral("RiskReg1.Fil");
constexpr int kVersion = 1;

QByteArray encode(const RiskRegister::Register& data);

struct Decoded
{
    RiskRegister::Register data;
    QStringList problems; // "Line 7: ..." for each line that was not read as written
    // The file is there but could not be read at all (refused or unreadable); the refusal was
    // reported as every refused file is, and nothing may be saved over it.
    bool unreadable = false;
};
Decoded decode(const QByteArray& bytes);

// The workbook's register: empty, without problems, when there is none yet. A file that cannot
// be read at all gives an empty register marked unreadable.
Decoded read();
// Replaces the file atomically. False, with *error saying why, when it could not be written.
bool write(const RiskRegister::Register& data, QString* error = nullptr);
// Copies the file as it is now beside it ("RiskReg1 damaged 2026-12-07.Fil", numbered when that
// name is taken), so that a register read with problems is kept before a save replaces it.
bool keepCopy(QString* keptAs, QString* error);

} // namespace RegisterFile
