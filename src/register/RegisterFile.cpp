#include "register/RegisterFile.h"

#include "base/AtomicFile.h"
#include "base/Clock.h"
#include "base/DataFolder.h"

#include <QFile>
#include <QFileInfo>

using namespace RiskRegister;

namespace {

const QString kMark = QStringLiteral("Tessaly risk register");
const QString kAsset = QStringLiteral("asset");
const QString kRisk = QStringLiteral("risk");
const QString kAssociate = QStringLiteral("associate");
constexpr int kAssetFields = 5;
constexpr int kRiskFields = 13;
constexpr int kAssociateFields = 6;

QString escaped(const QString& field)
{
    QString out;
    out.reserve(field.size());
    for (QChar c : field) {
        switch (c.unicode()) {
        case '\\':
            out += QLatin1String("\\\\");
            break;
        case '\t':
            out += QLatin1String("\\t");
            break;
        case '\n':
            out += QLatin1String("\\n");
            break;
        case '\r':
            out += QLatin1String("\\r");
            break;
        default:
            out += c;
        }
    }
    return out;
}

QString unescaped(QStringView field)
{
    QString out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const QChar c = field.at(i);
        if (c != QLatin1Char('\\') || i + 1 == field.size()) {
            out += c;
            continue;
        }
        const QChar next = field.at(++i);
        out += next == QLatin1Char('t')   ? QChar('\t')
               : next == QLatin1Char('n') ? QChar('\n')
               : next == QLatin1Char('r') ? QChar('\r')
                                          : next;
    }
    return out;
}

QString dateField(const QDate& date)
{
    return date.isValid() ? date.toString(Qt::ISODate) : QString();
}

QString line(const QString& tag, const QStringList& fields)
{
    QString text = tag;
    for (const QString& field : fields)
        text += QLatin1Char('\t') + escaped(field);
    return text + QLatin1Char('\n');
}

} // namespace

namespace RegisterFile {

QByteArray encode(const Register& data)
{
    QString text = kMark + QLatin1Char('\t') + QString::number(kVersion) + QLatin1Char('\n');
    for (const Asset& a : data.assets)
        text += line(kAsset, {a.name, a.ephi, a.location, a.responsible, a.associate});
    for (const Risk& r : data.risks) {
        QStringList safeguards;
        for (int n : r.safeguards)
            safeguards << QString::number(n);
        text += line(kRisk, {QString::number(r.number), r.asset, sourceText(r.source), r.threat, r.vulnerability,
                             r.controls, ratingText(r.likelihood), ratingText(r.impact), r.action, r.owner,
                             dateField(r.target), ratingText(r.residual), safeguards.join(QLatin1Char(' '))});
    }
    for (const Associate& a : data.associates)
        text += line(kAssociate,
                     {a.name, a.service, a.ephi, dateField(a.contractSigned), dateField(a.nextReview), a.contact});
    return text.toUtf8();
}

Decoded decode(const QByteArray& bytes)
{
    Decoded decoded;
    const QString text = QString::fromUtf8(bytes);
    const QList<QStringView> lines = QStringView(text).split(QLatin1Char('\n'));
    const auto problem = [&decoded](qsizetype index, const QString& what) {
        decoded.problems << QStringLiteral("Line %1: %2").arg(index + 1).arg(what);
    };
    const bool marked = !lines.isEmpty() && lines.first().startsWith(kMark);
    if (!marked) {
        problem(0, QStringLiteral("the file does not start as a risk register does."));
    } else if (lines.first().mid(kMark.size()).trimmed().toInt() > kVersion) {
        problem(0, QStringLiteral("the file was written by a later version of Tessaly; what this version knows is "
                                  "shown."));
    }
    // Without its mark the first line may be a row, and is read as one.
    for (qsizetype i = marked ? 1 : 0; i < lines.size(); ++i) {
        QStringView raw = lines.at(i);
        if (raw.endsWith(QLatin1Char('\r')))
            raw.chop(1);
        if (raw.trimmed().isEmpty())
            continue;
        const QList<QStringView> parts = raw.split(QLatin1Char('\t'));
        QStringList f;
        for (qsizetype p = 1; p < parts.size(); ++p)
            f << unescaped(parts.at(p));
        const QString tag = parts.first().toString();
        const int expected = tag == kAsset       ? kAssetFields
                             : tag == kRisk      ? kRiskFields
                             : tag == kAssociate ? kAssociateFields
                                                 : -1;
        if (expected < 0) {
            problem(i, QStringLiteral("\"%1\" is not a kind of row the register has; the line was left out.")
                           .arg(raw.left(40).toString()));
            continue;
        }
        if (f.size() != expected)
            problem(i, QStringLiteral("%1 fields where a %2 row has %3; what is there was read.")
                           .arg(f.size())
                           .arg(tag)
                           .arg(expected));
        while (f.size() < expected)
            f << QString();
        const auto date = [&](int n) {
            const QDate d = QDate::fromString(f.at(n), Qt::ISODate);
            if (!f.at(n).isEmpty() && !d.isValid())
                problem(i, QStringLiteral("\"%1\" is not a date; it was left empty.").arg(f.at(n)));
            return d;
        };
        if (tag == kAsset) {
            decoded.data.assets.append({f.at(0), f.at(1), f.at(2), f.at(3), f.at(4)});
        } else if (tag == kRisk) {
            Risk r;
            bool numbered = false;
            r.number = f.at(0).toInt(&numbered);
            if (!numbered || r.number <= 0 ||
                std::any_of(decoded.data.risks.cbegin(), decoded.data.risks.cend(),
                            [&r](const Risk& other) { return other.number == r.number; })) {
                r.number = decoded.data.nextRiskNumber();
                problem(i, QStringLiteral("the risk had no number of its own; it is now R%1.").arg(r.number));
            }
            r.asset = f.at(1);
            r.source = sourceFromText(f.at(2));
            r.threat = f.at(3);
            r.vulnerability = f.at(4);
            r.controls = f.at(5);
            r.likelihood = ratingFromText(f.at(6));
            r.impact = ratingFromText(f.at(7));
            r.action = f.at(8);
            r.owner = f.at(9);
            r.target = date(10);
            r.residual = ratingFromText(f.at(11));
            for (const QString& n : f.at(12).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
                bool ok = false;
                const int entry = n.toInt(&ok);
                if (ok && entry >= 0 && entry < 47)
                    r.safeguards << entry;
            }
            decoded.data.risks.append(r);
        } else {
            decoded.data.associates.append({f.at(0), f.at(1), f.at(2), date(3), date(4), f.at(5)});
        }
    }
    return decoded;
}

Decoded read()
{
    const QString path = DataFolder::path(kFileName);
    if (!QFileInfo::exists(path))
        return {};
    QByteArray bytes;
    QString error;
    if (readFileWithin(path, FileLimits::kDocument, &bytes, &error) != ReadOutcome::Read) {
        Decoded none;
        none.problems << error;
        none.unreadable = true;
        return none;
    }
    return decode(bytes);
}

bool write(const Register& data, QString* error)
{
    return writeFileAtomically(DataFolder::writePath(kFileName), encode(data), error);
}

bool keepCopy(QString* keptAs, QString* error)
{
    const QString stem = QStringLiteral("RiskReg1 damaged %1").arg(Clock::today().toString(Qt::ISODate));
    QString name = stem + QStringLiteral(".Fil");
    for (int n = 2; QFileInfo::exists(DataFolder::writePath(name)); ++n)
        name = stem + QStringLiteral(" (%1).Fil").arg(n);
    if (!QFile::copy(DataFolder::path(kFileName), DataFolder::writePath(name))) {
        *error = QStringLiteral("A copy of %1 could not be kept as %2.").arg(kFileName, name);
        return false;
    }
    *keptAs = name;
    return true;
}

} // namespace RegisterFile
