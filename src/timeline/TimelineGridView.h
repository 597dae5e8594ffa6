// The To Do grid on screen: the headings row shows as the header, the columns share the
// width by their fixed fractions, and dragging the scroll bar shows where it has got to.
#pragma once

#include <QTableView>

class TimelineModel;

class TimelineGridView : public QTableView
{
    Q_OBJECT
public:
    explicit TimelineGridView(TimelineModel* grid, QWidget* parent = nullptr);

    // Column widths from the grid's width; positions are rounded, not widths, so the
    // columns add up to the width exactly.
    void fitColumns();

signals:
    void focused();

protected:
    void focusInEvent(QFocusEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    void showScrollTip();

    TimelineModel* m_grid;
};
