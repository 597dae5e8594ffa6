// The practice's evidence record that a backup set carries after the User Created Files: the
// addressable decisions (Decide1.Fil), the risk register (RiskReg1.Fil) and the History folder
// of earlier versions. They travel
// as numbered bundles ("Evid1.hb1", "Evid2.hb1", ...), each a versioned stream of files by
// their path inside the program folder, so that a set made before they existed restores
// exactly as it did, and a bundle never outgrows a blank disk.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace EvidenceBundle {

struct Bundle
{
    QString mediumName; // "Evid1.hb1"
    QByteArray bytes;
};

// The files of the evidence record in the program folder, in bundles of about maxBytes each
// (a file larger than that has a bundle of its own).
QList<Bundle> pack(qint64 maxBytes = 1 << 20);

// The medium name of bundle number (from 1).
QString mediumName(int number);

// How many bundles the set holds, read from any one of them; 0 when bytes are not a bundle.
int bundleCount(const QByteArray& bytes);

// Writes a bundle's files into the program folder, folders made as needed. Paths that would
// leave the evidence record (another file, "..", an absolute path) are refused. False, with
// *error naming what was not written, when a file could not be written or the bundle is damaged.
bool unpack(const QByteArray& bytes, QString* error);

// True when name (a path inside the program folder) belongs to the evidence record.
bool isEvidencePath(const QString& relativePath);

} // namespace EvidenceBundle
