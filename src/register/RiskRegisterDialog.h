// The risk register's window: the inventory of assets that hold ePHI, the risks to them rated
// by likelihood and impact, the business associates, the heat map and the printable report.
// It reads the register when it opens, says what could not be read of a damaged file (and keeps
// that file before the first save over it), and asks before closing with unsaved changes.
#pragma once

#include "register/RiskRegister.h"

#include <QDialog>

class HeatMapView;
class PrintPanel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;
class QTableWidgetItem;

class RiskRegisterDialog : public QDialog
{
    Q_OBJECT
public:
    enum Tab
    {
        AssetsTab,
        RisksTab,
        AssociatesTab,
        HeatMapTab,
        ReportTab
    };

    explicit RiskRegisterDialog(QWidget* parent = nullptr);

    void showTab(Tab tab);
    bool isChanged() const { return m_changed; }
    // Saves the register; false (with a message shown) when it could not be saved, and false
    // without one where it may not be saved at all.
    bool save();
    // What the tables hold now.
    RiskRegister::Register contents() const;

    QTableWidget* table(Tab tab) const;
    QLineEdit* riskFilter() const { return m_filter; }
    HeatMapView* heatMap() const { return m_heatMap; }
    PrintPanel* reportPanel() const { return m_report; }

    // Puts the current risk's planned action on the To Do list.
    void putCurrentRiskOnToDoList();
    // Chooses the safeguards of the current risk.
    void chooseSafeguards();
    // Writes the current table as CSV to path.
    bool exportCsv(Tab tab, const QString& path);

signals:
    // A row was added to the To Do list's file.
    void toDoListChanged();

protected:
    void done(int result) override;

private:
    QWidget* buildAssets();
    QWidget* buildRisks();
    QWidget* buildAssociates();
    QTableWidget* makeTable(const QStringList& headings);
    void fill(const RiskRegister::Register& data);
    void addRiskRow(const RiskRegister::Risk& risk);
    void addRow(Tab tab);
    void removeRow(Tab tab);
    void cellChanged(QTableWidgetItem* item);
    void refreshRiskRow(int row);
    void refreshViews();
    void applyFilter();
    void askExportCsv();
    void clearCurrentCell(QTableWidget* table);

    QTabWidget* m_tabs = nullptr;
    QTableWidget* m_assets = nullptr;
    QTableWidget* m_risks = nullptr;
    QTableWidget* m_associates = nullptr;
    QLineEdit* m_filter = nullptr;
    HeatMapView* m_heatMap = nullptr;
    PrintPanel* m_report = nullptr;
    QPushButton* m_saveButton = nullptr;
    QPushButton* m_toDoButton = nullptr;
    // The buttons that change the tables, greyed in a register that cannot be changed.
    QList<QPushButton*> m_changeButtons;
    // Changes may be saved: the workbook is not read-only and the file was readable.
    bool m_writable = true;
    bool m_changed = false;
    bool m_filling = false;
    // The file was read with problems: a copy of it is kept before the first save.
    bool m_keepOriginal = false;
};
