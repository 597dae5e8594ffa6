// The first view of the Action Area: the standards of one safeguard group with their
// implementation specifications, markers and the statuses the user has set.
#pragma once

#include <QList>
#include <QWidget>

class QLabel;
class QPushButton;
class QTableWidget;
class StatusStore;

class StandardsOverviewPanel : public QWidget
{
    Q_OBJECT
public:
    explicit StandardsOverviewPanel(const StatusStore& statuses, QWidget* parent = nullptr);

    // Entering the view: the Administrative rows, then its button pressed.
    void enter();
    // Press overview button g: 0 Administrative, 1 Physical, 2 Technical.
    void pressOverviewButton(int group);

    QTableWidget* grid() const { return m_grid; }
    QPushButton* button(int group) const { return m_buttons.at(group); }
    QLabel* groupLabel() const { return m_groupLabel; }
    int group() const { return m_group; }

signals:
    void titleChanged(const QString& title);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fillRows(int group);
    void applyLayout();
    int textMargin() const;
    int widestLine(int column) const;

    const StatusStore& m_statuses;
    QList<QPushButton*> m_buttons;
    QLabel* m_groupLabel;
    QLabel* m_legendLabel;
    QTableWidget* m_grid;
    int m_group = 0;
};
