// The To Do grid: a heading row over exactly 500 item rows of six text columns.
#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QString>
#include <QVector>
#include <array>

class TimelineModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    static constexpr int kRowCount = 501; // row 0 holds the headings
    static constexpr int kItemRows = 500;
    static constexpr int kColumnCount = 6;
    static constexpr int kItemColumn = 1;
    // The longest To Do item, in characters; an item never holds a double quote.
    static constexpr int kItemMaxLength = 45;
    static constexpr int kToDoDateColumn = 2;
    static constexpr int kActualDateColumn = 3;
    static constexpr int kSpacerColumn = 4;
    static constexpr int kReviewDateColumn = 5;

    // The share of the grid's width each column takes; they add up to 1.
    static double columnFraction(int column);
    static QString heading(int column);

    explicit TimelineModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // An edit made in place by the user; reported through cellEdited().
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    // Sorts the item rows only; the heading row stays where it is. Equal texts keep their order.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    QString text(int row, int column) const;
    void setText(int row, int column, const QString& text);
    bool isRowUsed(int row) const;
    int usedRowCount() const;
    // The first item row whose item is empty (with trailing blanks ignored when asked); 0 when all are used.
    int firstEmptyItemRow(bool ignoreTrailingBlanks = false) const;

    QColor cellColour(int row, int column) const;
    // Paints columns 1 to 5 of an item row; an invalid colour leaves the grid's own background.
    void setRowColour(int row, const QColor& colour);

    // Empty item rows with the headings in row 0 and no cell colours.
    void prepare();
    // Reduces the grid to its heading row and brings it back to 501 rows.
    void clear();
    // An empty row before row; the last row drops out.
    void insertRowBefore(int row);
    // Removes an item row; an empty row appears at the bottom.
    void removeItemRow(int row);
    // After an ascending sort by column, the rows without an item are taken out and
    // empty rows added at the bottom, so that the used rows come first.
    void sortCleanup(int column, Qt::SortOrder order);

    // The six texts of each item row, rows 1 to 500 in order.
    QVector<std::array<QString, kColumnCount>> itemTexts() const;
    void setItemTexts(const QVector<std::array<QString, kColumnCount>>& rows);

    // The tip shown while the grid is scrolled to row.
    QString scrollTip(int row) const;

signals:
    void cellEdited(int row, int column);

private:
    struct Row
    {
        std::array<QString, kColumnCount> text;
        std::array<QColor, kColumnCount> colour;
    };
    bool validCell(int row, int column) const;
    void fillHeadings();
    void padToFullSize();

    QVector<Row> m_rows;
};
