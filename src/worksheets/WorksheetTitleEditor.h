// The panel where the user renames the 21 worksheet buttons: the number, the current title
// and an entry box of at most 17 characters per worksheet. What was typed stays in the boxes
// while the panel's owner lives, so closing and reopening it loses nothing.
#pragma once

#include <QList>
#include <QMap>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

class WorksheetTitleEditor : public QWidget
{
    Q_OBJECT
public:
    explicit WorksheetTitleEditor(QWidget* parent = nullptr);

    // Shows the panel with the buttons' current titles.
    void open(const QStringList& currentTitles);
    QLineEdit* entry(int n) const { return m_entries.value(n); }
    QPushButton* saveButton() const { return m_saveButton; }
    QPushButton* exitButton() const { return m_exitButton; }

signals:
    // "Save &Changes and Exit": the rows whose box holds at least one character (blanks
    // count), by worksheet number, as typed.
    void saveRequested(const QMap<int, QString>& titles);
    // The panel closed, saved or not.
    void closed();

public slots:
    // "&Exit Without Saving Changes", and Esc.
    void closeWithoutSaving();

private:
    void saveAndClose();

    QList<QLabel*> m_currentTitles;
    QList<QLineEdit*> m_entries;
    QPushButton* m_saveButton = nullptr;
    QPushButton* m_exitButton = nullptr;
};
