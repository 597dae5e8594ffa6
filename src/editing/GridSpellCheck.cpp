#include "editing/GridSpellCheck.h"

#include "editing/SpellEngine.h"

#include <QCoreApplication>

const QString GridSpellCheck::kEndMarker = QStringLiteral("TheEnd1");

GridSpellCheck::GridSpellCheck(SpellEngine& engine, Grid grid) : m_engine(engine), m_grid(std::move(grid)) {}

QString GridSpellCheck::run()
{
    m_misspellings = 0;
    for (int row = 1; row <= kItemRows; ++row) {
        bool cancelled = false;
        bool changeAll = false;
        checkRow(row, &cancelled, &changeAll);
        if (changeAll) {
            // The new pairs go over every row checked so far and the next; then the check
            // starts again from the first row.
            spreadChangeAll(qMin(row + 1, kItemRows));
            row = 0;
            continue;
        }
        if (cancelled)
            break;
    }
    if (m_misspellings != 0)
        return QStringLiteral("Spell Check has been canceled or has reached the end of your entries");
    return QStringLiteral("Spell Check did not change or did not find any misspelled words!");
}

void GridSpellCheck::checkRow(int row, bool* cancelled, bool* changeAll)
{
    const QString before = m_grid.item(row);
    if (before.trimmed().isEmpty())
        return;
    m_engine.clearChangeCount();
    SpellCheckRun check(m_engine, nullptr, [this, row](const SpellQuestion& question) {
        ++m_misspellings;
        m_grid.showRow(row);
        return m_grid.ask(question);
    });
    *cancelled = !check.run(before);
    *changeAll = check.changeAllGiven();
    if (m_engine.changeCount() >= 1) {
        ++m_misspellings;
        const QString corrected = check.correctedText().left(kMaxItemLength);
        m_grid.setItem(row, corrected);
        if (m_grid.itemCorrected)
            m_grid.itemCorrected(before, corrected);
    }
}

void GridSpellCheck::spreadChangeAll(int lastRow)
{
    m_engine.addReplacement(kEndMarker, kEndMarker);
    QCoreApplication::processEvents();
    for (int index = 0; m_engine.replacementWord(index).trimmed() != kEndMarker.toUpper(); ++index) {
        if (index >= m_engine.replacementCount())
            return;
        const QString key = m_engine.replacementWord(index);
        const QString replacement = m_engine.replacementText(index);
        for (int row = 1; row <= lastRow; ++row) {
            const QString before = m_grid.item(row);
            const QString after = spreadPair(before, key, replacement);
            if (after != before)
                m_grid.setItem(row, after);
        }
    }
}

QString GridSpellCheck::spreadPair(const QString& item, const QString& key, const QString& replacement)
{
    QString cell = QLatin1Char(' ') + item + QLatin1Char(' ');
    if (cell.trimmed().isEmpty())
        return item;
    const QString k = QLatin1Char(' ') + key.toUpper() + QLatin1Char(' ');
    const QString lower = QLatin1Char(' ') + replacement.toLower() + QLatin1Char(' ');
    const QString capital =
        QLatin1Char(' ') + replacement.left(1).toUpper() + replacement.mid(1).toLower() + QLatin1Char(' ');
    const QString original = cell;
    int at = 0;
    while ((at = cell.indexOf(k, at, Qt::CaseInsensitive)) >= 0) {
        const QChar first = cell.at(at + 1);
        const QString& r = first == first.toUpper() ? capital : lower;
        cell.replace(at, k.size(), r);
        // The blank after the replacement may begin the next occurrence.
        at += r.size() - 1;
    }
    if (cell == original)
        return item;
    return cell.trimmed().left(kMaxItemLength);
}
