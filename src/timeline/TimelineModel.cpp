#include "timeline/TimelineModel.h"

#include "base/Blanks.h"
#include "timeline/TimelineDate.h"

#include <algorithm>

namespace {

bool itemIsBlank(const QString& item)
{
    // Leading blanks do not make an item.
    for (QChar ch : item) {
        if (ch != QLatin1Char(' '))
            return false;
    }
    return true;
}

} // namespace

double TimelineModel::columnFraction(int column)
{
    static constexpr double kFractions[kColumnCount] = {0.015, 0.34, 0.2, 0.2, 0.005, 0.24};
    return column >= 0 && column < kColumnCount ? kFractions[column] : 0.0;
}

QString TimelineModel::heading(int column)
{
    switch (column) {
    case kItemColumn:
        return QStringLiteral("To Do Item");
    case kToDoDateColumn:
        return QStringLiteral("To Do Date");
    case kActualDateColumn:
        return QStringLiteral("Actual Date");
    case kReviewDateColumn:
        return QStringLiteral("Next Review Date");
    default:
        return QString();
    }
}

TimelineModel::TimelineModel(QObject* parent) : QAbstractTableModel(parent)
{
    padToFullSize();
    fillHeadings();
}

int TimelineModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows.size();
}

int TimelineModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant TimelineModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !validCell(index.row(), index.column()))
        return QVariant();
    const Row& row = m_rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return row.text[index.column()];
    case Qt::BackgroundRole:
        return row.colour[index.column()].isValid() ? QVariant(row.colour[index.column()]) : QVariant();
    case Qt::TextAlignmentRole:
        return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return QVariant();
    }
}

QVariant TimelineModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (orientation == Qt::Horizontal)
        return text(0, section);
    return section;
}

Qt::ItemFlags TimelineModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    // The first column and the spacer never hold text.
    if (index.row() > 0 && index.column() != 0 && index.column() != kSpacerColumn)
        f |= Qt::ItemIsEditable;
    return f;
}

bool TimelineModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const QString newText = value.toString();
    if (newText == text(index.row(), index.column()))
        return true;
    setText(index.row(), index.column(), newText);
    emit cellEdited(index.row(), index.column());
    return true;
}

void TimelineModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= kColumnCount)
        return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    QVector<int> positions(m_rows.size() - 1);
    for (int i = 0; i < positions.size(); ++i)
        positions[i] = i + 1;
    const bool byDate = column == kToDoDateColumn || column == kActualDateColumn || column == kReviewDateColumn;
    std::stable_sort(positions.begin(), positions.end(), [&](int a, int b) {
        const QString& left = m_rows.at(a).text[column];
        const QString& right = m_rows.at(b).text[column];
        if (byDate) {
            // Dates in calendar order, then text that holds no date, then empty cells, which
            // stay last whichever way the column is sorted.
            const QDate leftDate = TimelineDate::fromCellText(left);
            const QDate rightDate = TimelineDate::fromCellText(right);
            const auto rank = [](const QString& text, const QDate& date) {
                return text.trimmed().isEmpty() ? 2 : (date.isValid() ? 0 : 1);
            };
            const int leftRank = rank(left, leftDate);
            const int rightRank = rank(right, rightDate);
            if (leftRank != rightRank)
                return leftRank < rightRank;
            if (leftRank == 0 && leftDate != rightDate)
                return order == Qt::AscendingOrder ? leftDate < rightDate : leftDate > rightDate;
        }
        const int c = QString::compare(left, right, Qt::CaseInsensitive);
        return order == Qt::AscendingOrder ? c < 0 : c > 0;
    });
    QVector<Row> sorted;
    sorted.reserve(m_rows.size());
    sorted.append(m_rows.first());
    QVector<int> newRowOf(m_rows.size());
    newRowOf[0] = 0;
    for (int oldRow : positions) {
        newRowOf[oldRow] = sorted.size();
        sorted.append(m_rows.at(oldRow));
    }
    m_rows = sorted;
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& index : before)
        after.append(this->index(newRowOf.value(index.row()), index.column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

QString TimelineModel::text(int row, int column) const
{
    return validCell(row, column) ? m_rows.at(row).text[column] : QString();
}

void TimelineModel::setText(int row, int column, const QString& text)
{
    if (!validCell(row, column))
        return;
    m_rows[row].text[column] = text;
    const QModelIndex cell = index(row, column);
    emit dataChanged(cell, cell, {Qt::DisplayRole, Qt::EditRole});
    if (row == 0)
        emit headerDataChanged(Qt::Horizontal, column, column);
}

bool TimelineModel::isRowUsed(int row) const
{
    return row > 0 && !text(row, kItemColumn).isEmpty();
}

int TimelineModel::usedRowCount() const
{
    int used = 0;
    for (int r = 1; r < m_rows.size(); ++r)
        used += isRowUsed(r) ? 1 : 0;
    return used;
}

int TimelineModel::firstEmptyItemRow(bool ignoreTrailingBlanks) const
{
    for (int r = 1; r < m_rows.size(); ++r) {
        const QString& item = m_rows.at(r).text[kItemColumn];
        if ((ignoreTrailingBlanks ? withoutTrailingBlanks(item) : item).isEmpty())
            return r;
    }
    return 0;
}

QColor TimelineModel::cellColour(int row, int column) const
{
    return validCell(row, column) ? m_rows.at(row).colour[column] : QColor();
}

void TimelineModel::setRowColour(int row, const QColor& colour)
{
    if (row < 1 || row >= m_rows.size())
        return;
    for (int c = 1; c < kColumnCount; ++c)
        m_rows[row].colour[c] = colour;
    emit dataChanged(index(row, 1), index(row, kColumnCount - 1), {Qt::BackgroundRole});
}

void TimelineModel::prepare()
{
    beginResetModel();
    m_rows.clear();
    padToFullSize();
    fillHeadings();
    endResetModel();
}

void TimelineModel::clear()
{
    // Down to the heading row, then back to the full size with empty item rows.
    beginResetModel();
    m_rows.resize(1);
    m_rows.first().colour = {};
    padToFullSize();
    endResetModel();
}

void TimelineModel::insertRowBefore(int row)
{
    if (row < 1 || row >= m_rows.size())
        return;
    const int last = m_rows.size() - 1;
    beginRemoveRows(QModelIndex(), last, last);
    m_rows.removeLast();
    endRemoveRows();
    beginInsertRows(QModelIndex(), row, row);
    m_rows.insert(row, Row());
    endInsertRows();
}

void TimelineModel::removeItemRow(int row)
{
    if (row < 1 || row >= m_rows.size())
        return;
    beginRemoveRows(QModelIndex(), row, row);
    m_rows.removeAt(row);
    endRemoveRows();
    const int end = m_rows.size();
    beginInsertRows(QModelIndex(), end, end);
    m_rows.append(Row());
    endInsertRows();
}

void TimelineModel::sortCleanup(int column, Qt::SortOrder order)
{
    if (order != Qt::AscendingOrder)
        return;
    beginResetModel();
    QVector<Row> kept;
    kept.reserve(m_rows.size());
    kept.append(m_rows.first());
    if (column == kItemColumn) {
        // The sort put the rows without an item on top: drop them until the first item.
        int r = 1;
        while (r < m_rows.size() && itemIsBlank(m_rows.at(r).text[kItemColumn]))
            ++r;
        for (; r < m_rows.size(); ++r)
            kept.append(m_rows.at(r));
    } else {
        for (int r = 1; r < m_rows.size(); ++r) {
            if (!itemIsBlank(m_rows.at(r).text[kItemColumn]))
                kept.append(m_rows.at(r));
        }
    }
    m_rows = kept;
    padToFullSize();
    endResetModel();
}

QVector<std::array<QString, TimelineModel::kColumnCount>> TimelineModel::itemTexts() const
{
    QVector<std::array<QString, kColumnCount>> rows;
    rows.reserve(kItemRows);
    for (int r = 1; r < m_rows.size(); ++r)
        rows.append(m_rows.at(r).text);
    return rows;
}

void TimelineModel::setItemTexts(const QVector<std::array<QString, kColumnCount>>& rows)
{
    beginResetModel();
    for (int r = 1; r < m_rows.size(); ++r)
        m_rows[r].text = r - 1 < rows.size() ? rows.at(r - 1) : std::array<QString, kColumnCount>();
    endResetModel();
}

QString TimelineModel::scrollTip(int row) const
{
    return QStringLiteral(" Row ") + QString::number(row) + QStringLiteral(": ") + text(row, kItemColumn) +
           QStringLiteral(" ");
}

bool TimelineModel::validCell(int row, int column) const
{
    return row >= 0 && row < m_rows.size() && column >= 0 && column < kColumnCount;
}

void TimelineModel::fillHeadings()
{
    for (int c = 0; c < kColumnCount; ++c)
        m_rows[0].text[c] = heading(c);
}

void TimelineModel::padToFullSize()
{
    if (m_rows.size() > kRowCount)
        m_rows.resize(kRowCount);
    while (m_rows.size() < kRowCount)
        m_rows.append(Row());
}
