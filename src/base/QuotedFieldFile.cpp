#include "base/QuotedFieldFile.h"

#include "base/AtomicFile.h"
#include "base/CodePage.h"
#include "base/DataFolder.h"

namespace QuotedFieldFile {

QStringList parse(const QByteArray& bytes)
{
    const QString text = CodePage::toUnicode(bytes);
    QStringList fields;
    QString field;
    bool inQuotes = false;
    bool fieldStarted = false;
    bool lastWasSeparatorComma = false;
    auto finish = [&] {
        fields.append(field);
        field.clear();
        fieldStarted = false;
    };
    for (QChar ch : text) {
        if (inQuotes) {
            if (ch == QLatin1Char('"'))
                inQuotes = false;
            else
                field.append(ch);
            continue;
        }
        if (ch == QLatin1Char('"')) {
            inQuotes = true;
            fieldStarted = true;
            lastWasSeparatorComma = false;
        } else if (ch == QLatin1Char(',')) {
            finish();
            lastWasSeparatorComma = true;
        } else if (ch == QLatin1Char('\r') || ch == QLatin1Char('\n')) {
            // A line end closes a field, unless a comma already did or the line was blank.
            if (fieldStarted || !field.isEmpty())
                finish();
            else if (lastWasSeparatorComma)
                finish();
            lastWasSeparatorComma = false;
        } else if (ch == QLatin1Char(' ') && !fieldStarted && field.isEmpty()) {
            // Blanks before a field are not part of it.
        } else {
            field.append(ch);
            fieldStarted = true;
            lastWasSeparatorComma = false;
        }
    }
    if (fieldStarted || !field.isEmpty() || lastWasSeparatorComma || inQuotes)
        finish();
    return fields;
}

QByteArray format(const QStringList& fields)
{
    QByteArray bytes;
    for (const QString& field : fields) {
        QString clean = field;
        clean.remove(QLatin1Char('"'));
        bytes += '"' + CodePage::fromUnicode(clean) + "\"\r\n";
    }
    return bytes;
}

bool read(const QString& name, QStringList* fields)
{
    QByteArray bytes;
    if (readFileWithin(DataFolder::path(name), FileLimits::kTimelineFile, &bytes) != ReadOutcome::Read)
        return false;
    *fields = parse(bytes);
    return true;
}

bool write(const QString& name, const QStringList& fields, QString* error)
{
    return writeFileAtomically(DataFolder::writePath(name), format(fields), error);
}

} // namespace QuotedFieldFile
