#include "register/RiskRegisterDialog.h"

#include "base/AtomicFile.h"
#include "base/Clock.h"
#include "base/DataFolder.h"
#include "base/Messages.h"
#include "base/WorkbookAccess.h"
#include "catalog/SafeguardCatalog.h"
#include "printing/PrintPanel.h"
#include "register/HeatMapView.h"
#include "register/RegisterFile.h"
#include "register/RegisterLinks.h"
#include "register/RiskReport.h"
#include "timeline/TimelineFiles.h"
#include "timeline/TimelineModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace RiskRegister;

namespace {

const QString kTitle = QStringLiteral("Risk Register");
constexpr int kRankRole = Qt::UserRole + 1; // what a column sorts by, where its text would mislead

enum AssetColumn
{
    AssetName,
    AssetEphi,
    AssetWhere,
    AssetResponsible,
    AssetAssociate
};
enum RiskColumn
{
    RiskLabel,
    RiskAsset,
    RiskSource,
    RiskThreat,
    RiskVulnerability,
    RiskControls,
    RiskLikelihood,
    RiskImpact,
    RiskLevel,
    RiskAction,
    RiskOwner,
    RiskTarget,
    RiskResidual,
    RiskSafeguards,
    RiskToDo
};
enum AssociateColumn
{
    AssociateName,
    AssociateService,
    AssociateEphi,
    AssociateSigned,
    AssociateReview,
    AssociateContact
};

// An item that sorts by its rank (ratings by level, risks by number) rather than by its text.
class RankedItem : public QTableWidgetItem
{
public:
    using QTableWidgetItem::QTableWidgetItem;
    bool operator<(const QTableWidgetItem& other) const override
    {
        const QVariant mine = data(kRankRole);
        const QVariant theirs = other.data(kRankRole);
        if (mine.isValid() && theirs.isValid())
            return mine.toInt() < theirs.toInt();
        return QTableWidgetItem::operator<(other);
    }
};

// A cell edited by picking from a list (ratings, threat sources), or by picking or typing
// (an asset's name, a business associate's).
class ChoiceDelegate : public QStyledItemDelegate
{
public:
    ChoiceDelegate(std::function<QStringList()> choices, bool typed, QObject* parent)
        : QStyledItemDelegate(parent), m_choices(std::move(choices)), m_typed(typed)
    {
    }
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        auto* box = new QComboBox(parent);
        box->setEditable(m_typed);
        box->addItems(m_choices());
        return box;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        auto* box = static_cast<QComboBox*>(editor);
        const QString text = index.data(Qt::EditRole).toString();
        const int at = box->findText(text);
        if (at >= 0)
            box->setCurrentIndex(at);
        else if (m_typed)
            box->setEditText(text);
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        model->setData(index, static_cast<QComboBox*>(editor)->currentText(), Qt::EditRole);
    }

private:
    std::function<QStringList()> m_choices;
    bool m_typed;
};

QStringList ratingChoices()
{
    return {QString(), ratingText(Rating::Low), ratingText(Rating::Moderate), ratingText(Rating::High)};
}

QTableWidgetItem* textItem(const QString& text)
{
    return new RankedItem(text);
}

QTableWidgetItem* dateItem(const QDate& date)
{
    auto* item = new RankedItem;
    item->setData(Qt::EditRole, date);
    return item;
}

QTableWidgetItem* readOnlyItem(const QString& text)
{
    auto* item = new RankedItem(text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

QString cell(const QTableWidget* table, int row, int column)
{
    const QTableWidgetItem* item = table->item(row, column);
    return item ? item->data(Qt::EditRole).toString().trimmed() : QString();
}

QDate dateCell(const QTableWidget* table, int row, int column)
{
    const QTableWidgetItem* item = table->item(row, column);
    return item ? item->data(Qt::EditRole).toDate() : QDate();
}

QVector<int> safeguardNumbers(const QTableWidgetItem* item)
{
    QVector<int> numbers;
    if (item) {
        for (const QVariant& n : item->data(Qt::UserRole).toList())
            numbers << n.toInt();
    }
    return numbers;
}

} // namespace

RiskRegisterDialog::RiskRegisterDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("riskRegister"));
    setWindowTitle(kTitle);
    m_tabs = new QTabWidget(this);
    m_tabs->addTab(buildAssets(), QStringLiteral("&Assets and ePHI"));
    m_tabs->addTab(buildRisks(), QStringLiteral("&Risks"));
    m_tabs->addTab(buildAssociates(), QStringLiteral("&Business Associates"));
    m_heatMap = new HeatMapView(this);
    m_tabs->addTab(m_heatMap, QStringLiteral("&Heat Map"));
    m_report = new PrintPanel(false, this);
    for (int i = 0; i < PrintPanel::kOptionCount; ++i)
        m_report->optionBox(i)->hide();
    m_report->setTimelineFramesVisible(false);
    m_report->printRangeFrame()->hide();
    m_report->button(PrintPanel::CancelButton)->hide();
    m_report->setDocumentName(RiskReport::kTitle);
    m_report->showFontValues(QStringLiteral("Times New Roman"), 10);
    m_report->showOrientation(QStringLiteral("Portrait"));
    m_tabs->addTab(m_report, QStringLiteral("Risk R&eport"));
    connect(m_tabs, &QTabWidget::currentChanged, this, [this] { refreshViews(); });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* csv = buttons->addButton(QStringLiteral("E&xport CSV..."), QDialogButtonBox::ActionRole);
    csv->setObjectName(QStringLiteral("exportCsvButton"));
    connect(csv, &QPushButton::clicked, this, &RiskRegisterDialog::askExportCsv);
    m_saveButton = buttons->addButton(QStringLiteral("&Save"), QDialogButtonBox::ActionRole);
    m_saveButton->setObjectName(QStringLiteral("saveRegisterButton"));
    connect(m_saveButton, &QPushButton::clicked, this, &RiskRegisterDialog::save);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    const RegisterFile::Decoded decoded = RegisterFile::read();
    fill(decoded.data);
    // A read-only copy, or a file that could not be read at all (its refusal was shown already):
    // the register is shown, and nothing is saved over the file.
    QString unchangeable;
    if (WorkbookAccess::isReadOnly())
        unchangeable = WorkbookAccess::readOnlyReason();
    else if (decoded.unreadable)
        unchangeable = decoded.problems.join(QLatin1Char(' '));
    m_writable = unchangeable.isEmpty();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    if (!m_writable) {
        auto* readOnly =
            new QLabel(QStringLiteral("The register can be read here but not changed: ") + unchangeable, this);
        readOnly->setObjectName(QStringLiteral("registerReadOnly"));
        readOnly->setWordWrap(true);
        layout->addWidget(readOnly);
        m_saveButton->setEnabled(false);
        m_toDoButton->setEnabled(false);
        for (QPushButton* button : std::as_const(m_changeButtons))
            button->setEnabled(false);
        for (QTableWidget* t : {m_assets, m_risks, m_associates})
            t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    }
    layout->addWidget(buttons);
    resize(1100, 640);

    if (!decoded.unreadable && !decoded.problems.isEmpty()) {
        m_keepOriginal = true;
        Messages::show(parent,
                       QStringLiteral("Not all of the risk register could be read; what could be read is shown.\r"
                                      "The file as it is now will be kept beside it when you first save.\r\r") +
                           decoded.problems.mid(0, 8).join(QLatin1Char('\r')) +
                           (decoded.problems.size() > 8
                                ? QStringLiteral("\r... and %1 more.").arg(decoded.problems.size() - 8)
                                : QString()),
                       kTitle, Messages::Buttons::Ok, Messages::Icon::Exclamation);
    }
    showTab(RisksTab);
}

QTableWidget* RiskRegisterDialog::makeTable(const QStringList& headings)
{
    auto* table = new QTableWidget(0, int(headings.size()), this);
    table->setHorizontalHeaderLabels(headings);
    table->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
    table->setSortingEnabled(true);
    table->setWordWrap(true);
    table->horizontalHeader()->setStretchLastSection(true);
    table->horizontalHeader()->setDefaultSectionSize(110);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed);
    connect(table, &QTableWidget::itemChanged, this, &RiskRegisterDialog::cellChanged);
    // Delete or Backspace on a cell that is not being edited empties it, a date included.
    for (const QKeySequence& key : {QKeySequence(QKeySequence::Delete), QKeySequence(Qt::Key_Backspace)}) {
        auto* shortcut = new QShortcut(key, table);
        shortcut->setContext(Qt::WidgetShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, table] { clearCurrentCell(table); });
    }
    return table;
}

// A table with Add and Remove under it, and what else its tab needs beside them.
static QWidget* tablePage(QTableWidget* table, QPushButton* add, QPushButton* remove, const QList<QWidget*>& extra = {})
{
    auto* page = new QWidget;
    auto* row = new QHBoxLayout;
    row->addWidget(add);
    row->addWidget(remove);
    for (QWidget* w : extra)
        row->addWidget(w);
    row->addStretch();
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(table, 1);
    layout->addLayout(row);
    return page;
}

QWidget* RiskRegisterDialog::buildAssets()
{
    m_assets = makeTable({QStringLiteral("Asset or place"), QStringLiteral("What ePHI"), QStringLiteral("Where"),
                          QStringLiteral("Responsible"), QStringLiteral("Business associate")});
    m_assets->setObjectName(QStringLiteral("assetTable"));
    m_assets->setItemDelegateForColumn(AssetAssociate, new ChoiceDelegate(
                                                           [this] {
                                                               QStringList names{QString()};
                                                               for (const Associate& a : contents().associates)
                                                                   names << a.name;
                                                               return names;
                                                           },
                                                           true, this));
    auto* add = new QPushButton(QStringLiteral("A&dd Asset"), this);
    auto* remove = new QPushButton(QStringLiteral("Re&move Asset"), this);
    m_changeButtons << add << remove;
    connect(add, &QPushButton::clicked, this, [this] { addRow(AssetsTab); });
    connect(remove, &QPushButton::clicked, this, [this] { removeRow(AssetsTab); });
    return tablePage(m_assets, add, remove);
}

QWidget* RiskRegisterDialog::buildRisks()
{
    m_risks = makeTable({QStringLiteral("Risk"), QStringLiteral("Asset"), QStringLiteral("Threat source"),
                         QStringLiteral("Threat"), QStringLiteral("Vulnerability"), QStringLiteral("Existing controls"),
                         QStringLiteral("Likelihood"), QStringLiteral("Impact"), QStringLiteral("Risk level"),
                         QStringLiteral("Planned action"), QStringLiteral("Owner"), QStringLiteral("Target date"),
                         QStringLiteral("Residual risk"), QStringLiteral("Safeguards"), QStringLiteral("To Do")});
    m_risks->setObjectName(QStringLiteral("riskTable"));
    m_risks->setColumnWidth(RiskLabel, 50);
    m_risks->setItemDelegateForColumn(RiskAsset, new ChoiceDelegate(
                                                     [this] {
                                                         QStringList names;
                                                         for (const Asset& a : contents().assets)
                                                             names << a.name;
                                                         return names;
                                                     },
                                                     true, this));
    m_risks->setItemDelegateForColumn(
        RiskSource, new ChoiceDelegate([] { return QStringList{QString()} + sourceTexts(); }, false, this));
    for (int column : {RiskLikelihood, RiskImpact, RiskResidual})
        m_risks->setItemDelegateForColumn(column, new ChoiceDelegate(ratingChoices, false, this));
    connect(m_risks, &QTableWidget::cellDoubleClicked, this, [this](int, int column) {
        if (column == RiskSafeguards)
            chooseSafeguards();
    });

    auto* add = new QPushButton(QStringLiteral("A&dd Risk"), this);
    auto* remove = new QPushButton(QStringLiteral("Re&move Risk"), this);
    m_changeButtons << add << remove;
    connect(add, &QPushButton::clicked, this, [this] { addRow(RisksTab); });
    connect(remove, &QPushButton::clicked, this, [this] { removeRow(RisksTab); });
    auto* safeguards = new QPushButton(QStringLiteral("Safe&guards..."), this);
    safeguards->setObjectName(QStringLiteral("safeguardsButton"));
    m_changeButtons << safeguards;
    connect(safeguards, &QPushButton::clicked, this, &RiskRegisterDialog::chooseSafeguards);
    m_toDoButton = new QPushButton(QStringLiteral("Put on &To Do List"), this);
    m_toDoButton->setObjectName(QStringLiteral("toDoButton"));
    connect(m_toDoButton, &QPushButton::clicked, this, &RiskRegisterDialog::putCurrentRiskOnToDoList);
    auto* filterLabel = new QLabel(QStringLiteral("&Filter:"), this);
    m_filter = new QLineEdit(this);
    m_filter->setObjectName(QStringLiteral("riskFilter"));
    m_filter->setPlaceholderText(QStringLiteral("words in any column"));
    m_filter->setClearButtonEnabled(true);
    filterLabel->setBuddy(m_filter);
    connect(m_filter, &QLineEdit::textChanged, this, &RiskRegisterDialog::applyFilter);
    return tablePage(m_risks, add, remove, {safeguards, m_toDoButton, filterLabel, m_filter});
}

QWidget* RiskRegisterDialog::buildAssociates()
{
    m_associates =
        makeTable({QStringLiteral("Business associate"), QStringLiteral("Service"), QStringLiteral("ePHI they handle"),
                   QStringLiteral("Contract (BAA) signed"), QStringLiteral("Next review"), QStringLiteral("Contact")});
    m_associates->setObjectName(QStringLiteral("associateTable"));
    auto* add = new QPushButton(QStringLiteral("A&dd Associate"), this);
    auto* remove = new QPushButton(QStringLiteral("Re&move Associate"), this);
    m_changeButtons << add << remove;
    connect(add, &QPushButton::clicked, this, [this] { addRow(AssociatesTab); });
    connect(remove, &QPushButton::clicked, this, [this] { removeRow(AssociatesTab); });
    return tablePage(m_associates, add, remove);
}

void RiskRegisterDialog::fill(const Register& data)
{
    m_filling = true;
    for (QTableWidget* t : {m_assets, m_risks, m_associates}) {
        t->setSortingEnabled(false);
        t->setRowCount(0);
    }
    for (const Asset& a : data.assets) {
        const int row = m_assets->rowCount();
        m_assets->insertRow(row);
        const QStringList texts{a.name, a.ephi, a.location, a.responsible, a.associate};
        for (int c = 0; c < texts.size(); ++c)
            m_assets->setItem(row, c, textItem(texts.at(c)));
    }
    for (const Risk& r : data.risks)
        addRiskRow(r);
    for (const Associate& a : data.associates) {
        const int row = m_associates->rowCount();
        m_associates->insertRow(row);
        m_associates->setItem(row, AssociateName, textItem(a.name));
        m_associates->setItem(row, AssociateService, textItem(a.service));
        m_associates->setItem(row, AssociateEphi, textItem(a.ephi));
        m_associates->setItem(row, AssociateSigned, dateItem(a.contractSigned));
        m_associates->setItem(row, AssociateReview, dateItem(a.nextReview));
        m_associates->setItem(row, AssociateContact, textItem(a.contact));
    }
    // Which risks the To Do list already carries.
    TimelineModel grid;
    TimelineFiles::loadGridRows(grid);
    for (int row = 0; row < m_risks->rowCount(); ++row) {
        Risk risk;
        risk.number = m_risks->item(row, RiskLabel)->data(kRankRole).toInt();
        const int toDo = RegisterLinks::toDoRow(grid, risk);
        m_risks->item(row, RiskToDo)->setText(toDo ? QStringLiteral("Row %1").arg(toDo) : QString());
    }
    for (QTableWidget* t : {m_assets, m_risks, m_associates})
        t->setSortingEnabled(true);
    m_filling = false;
}

void RiskRegisterDialog::addRiskRow(const Risk& r)
{
    const bool sorting = m_risks->isSortingEnabled();
    const bool filling = m_filling;
    m_filling = true; // the row is not whole until its last cell is set
    m_risks->setSortingEnabled(false);
    const int row = m_risks->rowCount();
    m_risks->insertRow(row);
    QTableWidgetItem* label = readOnlyItem(r.label());
    label->setData(kRankRole, r.number);
    m_risks->setItem(row, RiskLabel, label);
    m_risks->setItem(row, RiskAsset, textItem(r.asset));
    m_risks->setItem(row, RiskSource, textItem(sourceText(r.source)));
    m_risks->setItem(row, RiskThreat, textItem(r.threat));
    m_risks->setItem(row, RiskVulnerability, textItem(r.vulnerability));
    m_risks->setItem(row, RiskControls, textItem(r.controls));
    m_risks->setItem(row, RiskLikelihood, textItem(ratingText(r.likelihood)));
    m_risks->setItem(row, RiskImpact, textItem(ratingText(r.impact)));
    m_risks->setItem(row, RiskLevel, readOnlyItem(QString()));
    m_risks->setItem(row, RiskAction, textItem(r.action));
    m_risks->setItem(row, RiskOwner, textItem(r.owner));
    m_risks->setItem(row, RiskTarget, dateItem(r.target));
    m_risks->setItem(row, RiskResidual, textItem(ratingText(r.residual)));
    QTableWidgetItem* safeguards = readOnlyItem(RegisterLinks::safeguardTitles(r.safeguards));
    QVariantList numbers;
    for (int n : r.safeguards)
        numbers << n;
    safeguards->setData(Qt::UserRole, numbers);
    m_risks->setItem(row, RiskSafeguards, safeguards);
    m_risks->setItem(row, RiskToDo, readOnlyItem(QString()));
    refreshRiskRow(row);
    m_filling = filling;
    m_risks->setSortingEnabled(sorting);
}

void RiskRegisterDialog::refreshRiskRow(int row)
{
    const bool filling = m_filling;
    m_filling = true;
    const Rating likelihood = ratingFromText(cell(m_risks, row, RiskLikelihood));
    const Rating impact = ratingFromText(cell(m_risks, row, RiskImpact));
    const Rating level = riskLevel(likelihood, impact);
    QTableWidgetItem* item = m_risks->item(row, RiskLevel);
    if (!item) {
        m_filling = filling;
        return;
    }
    item->setText(ratingText(level));
    item->setData(kRankRole, int(level));
    item->setBackground(level == Rating::High       ? QColor(0xf2, 0xb8, 0xb5)
                        : level == Rating::Moderate ? QColor(0xfa, 0xdf, 0xb0)
                        : level == Rating::Low      ? QColor(0xc8, 0xe6, 0xc9)
                                                    : QBrush());
    for (int column : {RiskLikelihood, RiskImpact, RiskResidual}) {
        if (QTableWidgetItem* rated = m_risks->item(row, column))
            rated->setData(kRankRole, int(ratingFromText(cell(m_risks, row, column))));
    }
    m_filling = filling;
}

void RiskRegisterDialog::cellChanged(QTableWidgetItem* item)
{
    if (m_filling)
        return;
    m_changed = true;
    if (item->tableWidget() == m_risks)
        refreshRiskRow(item->row());
}

Register RiskRegisterDialog::contents() const
{
    Register data;
    for (int row = 0; row < m_assets->rowCount(); ++row)
        data.assets.append({cell(m_assets, row, AssetName), cell(m_assets, row, AssetEphi),
                            cell(m_assets, row, AssetWhere), cell(m_assets, row, AssetResponsible),
                            cell(m_assets, row, AssetAssociate)});
    for (int row = 0; row < m_risks->rowCount(); ++row) {
        Risk r;
        r.number = m_risks->item(row, RiskLabel)->data(kRankRole).toInt();
        r.asset = cell(m_risks, row, RiskAsset);
        r.source = sourceFromText(cell(m_risks, row, RiskSource));
        r.threat = cell(m_risks, row, RiskThreat);
        r.vulnerability = cell(m_risks, row, RiskVulnerability);
        r.controls = cell(m_risks, row, RiskControls);
        r.likelihood = ratingFromText(cell(m_risks, row, RiskLikelihood));
        r.impact = ratingFromText(cell(m_risks, row, RiskImpact));
        r.action = cell(m_risks, row, RiskAction);
        r.owner = cell(m_risks, row, RiskOwner);
        r.target = dateCell(m_risks, row, RiskTarget);
        r.residual = ratingFromText(cell(m_risks, row, RiskResidual));
        r.safeguards = safeguardNumbers(m_risks->item(row, RiskSafeguards));
        data.risks.append(r);
    }
    std::sort(data.risks.begin(), data.risks.end(), [](const Risk& a, const Risk& b) { return a.number < b.number; });
    for (int row = 0; row < m_associates->rowCount(); ++row)
        data.associates.append({cell(m_associates, row, AssociateName), cell(m_associates, row, AssociateService),
                                cell(m_associates, row, AssociateEphi), dateCell(m_associates, row, AssociateSigned),
                                dateCell(m_associates, row, AssociateReview),
                                cell(m_associates, row, AssociateContact)});
    return data;
}

QTableWidget* RiskRegisterDialog::table(Tab tab) const
{
    return tab == AssetsTab ? m_assets : tab == RisksTab ? m_risks : tab == AssociatesTab ? m_associates : nullptr;
}

void RiskRegisterDialog::showTab(Tab tab)
{
    m_tabs->setCurrentIndex(tab);
    refreshViews();
}

void RiskRegisterDialog::addRow(Tab tab)
{
    QTableWidget* t = table(tab);
    if (!m_writable || !t)
        return;
    QTableWidgetItem* first = nullptr; // followed through the sorting that places the new row
    if (tab == RisksTab) {
        Risk risk;
        risk.number = contents().nextRiskNumber();
        addRiskRow(risk);
        for (int r = 0; r < t->rowCount() && !first; ++r) {
            if (t->item(r, RiskLabel)->data(kRankRole).toInt() == risk.number)
                first = t->item(r, RiskAsset);
        }
    } else {
        const bool sorting = t->isSortingEnabled();
        t->setSortingEnabled(false);
        m_filling = true;
        const int row = t->rowCount();
        t->insertRow(row);
        for (int c = 0; c < t->columnCount(); ++c) {
            const bool isDate = tab == AssociatesTab && (c == AssociateSigned || c == AssociateReview);
            t->setItem(row, c, isDate ? dateItem(QDate()) : textItem(QString()));
        }
        first = t->item(row, 0);
        m_filling = false;
        t->setSortingEnabled(sorting);
    }
    m_changed = true;
    t->setCurrentItem(first);
    t->scrollToItem(first);
    t->setFocus();
    t->editItem(first);
}

void RiskRegisterDialog::clearCurrentCell(QTableWidget* table)
{
    QTableWidgetItem* item = table->currentItem();
    if (!m_writable || !item || !(item->flags() & Qt::ItemIsEditable))
        return;
    if (item->data(Qt::EditRole).typeId() == QMetaType::QDate)
        item->setData(Qt::EditRole, QDate());
    else
        item->setData(Qt::EditRole, QString());
}

void RiskRegisterDialog::removeRow(Tab tab)
{
    QTableWidget* t = table(tab);
    const int row = t ? t->currentRow() : -1;
    if (!m_writable || row < 0)
        return;
    const QString name =
        tab == RisksTab ? cell(t, row, RiskLabel) + QLatin1Char(' ') + cell(t, row, RiskThreat) : cell(t, row, 0);
    if (Messages::show(this, QStringLiteral("Remove \"%1\" from the register?").arg(name.trimmed()), kTitle,
                       Messages::Buttons::YesNo, Messages::Icon::Question,
                       Messages::Answer::No) != Messages::Answer::Yes)
        return;
    t->removeRow(row);
    m_changed = true;
}

void RiskRegisterDialog::applyFilter()
{
    const QString words = m_filter->text().trimmed();
    for (int row = 0; row < m_risks->rowCount(); ++row) {
        bool shown = words.isEmpty();
        for (int c = 0; c < m_risks->columnCount() && !shown; ++c)
            shown = cell(m_risks, row, c).contains(words, Qt::CaseInsensitive);
        m_risks->setRowHidden(row, !shown);
    }
}

void RiskRegisterDialog::refreshViews()
{
    if (m_tabs->currentIndex() == HeatMapTab) {
        m_heatMap->setCounts(contents().heatMap());
    } else if (m_tabs->currentIndex() == ReportTab) {
        RiskReport::build(m_report->printer(), contents(), Clock::today());
        m_report->refreshPreview();
    }
}

void RiskRegisterDialog::chooseSafeguards()
{
    const int row = m_risks->currentRow();
    if (row < 0)
        return;
    QDialog chooser(this);
    chooser.setWindowTitle(QStringLiteral("Safeguards of %1").arg(cell(m_risks, row, RiskLabel)));
    auto* list = new QListWidget(&chooser);
    list->setObjectName(QStringLiteral("safeguardList"));
    const QVector<int> chosen = safeguardNumbers(m_risks->item(row, RiskSafeguards));
    for (int code = SafeguardCatalog::kFirstGroupCode; code <= SafeguardCatalog::kLastGroupCode; ++code) {
        const SafeguardGroup* group = SafeguardCatalog::group(code);
        for (int i = 0; i < group->entryCount; ++i) {
            const SafeguardEntry* entry = SafeguardCatalog::entry(code, i);
            auto* item =
                new QListWidgetItem(SafeguardCatalog::displayText(group->caption).trimmed() + QStringLiteral(": ") +
                                        SafeguardCatalog::displayText(entry->fullTitle).trimmed(),
                                    list);
            item->setData(Qt::UserRole, entry->number);
            item->setCheckState(chosen.contains(entry->number) ? Qt::Checked : Qt::Unchecked);
        }
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &chooser);
    connect(buttons, &QDialogButtonBox::accepted, &chooser, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &chooser, &QDialog::reject);
    auto* layout = new QVBoxLayout(&chooser);
    layout->addWidget(new QLabel(QStringLiteral("Tick the safeguards this risk relates to (Space ticks):"), &chooser));
    layout->addWidget(list, 1);
    layout->addWidget(buttons);
    chooser.resize(520, 520);
    if (chooser.exec() != QDialog::Accepted || !m_writable)
        return;
    QVector<int> numbers;
    QVariantList values;
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->checkState() == Qt::Checked) {
            numbers << list->item(i)->data(Qt::UserRole).toInt();
            values << numbers.last();
        }
    }
    QTableWidgetItem* item = m_risks->item(row, RiskSafeguards);
    item->setData(Qt::UserRole, values);
    item->setText(RegisterLinks::safeguardTitles(numbers));
    m_changed = true;
}

void RiskRegisterDialog::putCurrentRiskOnToDoList()
{
    const int row = m_risks->currentRow();
    if (row < 0 || !m_writable)
        return;
    Risk risk;
    risk.number = m_risks->item(row, RiskLabel)->data(kRankRole).toInt();
    risk.action = cell(m_risks, row, RiskAction);
    risk.target = dateCell(m_risks, row, RiskTarget);
    if (risk.action.isEmpty()) {
        Messages::show(
            this, QStringLiteral("Write the planned action of %1 first: it becomes the To Do item.").arg(risk.label()),
            kTitle, Messages::Buttons::Ok, Messages::Icon::Information);
        return;
    }
    // A To Do file that exists but cannot be read is never written over.
    TimelineModel grid;
    if (!TimelineFiles::loadGridRows(grid) && DataFolder::exists(TimelineFiles::kGridFileName)) {
        Messages::show(this,
                       QStringLiteral("The To Do list (%1) could not be read, so %2 was not put on it.")
                           .arg(TimelineFiles::kGridFileName, risk.label()),
                       kTitle, Messages::Buttons::Ok, Messages::Icon::Exclamation);
        return;
    }
    const int existing = RegisterLinks::toDoRow(grid, risk);
    const int placed = RegisterLinks::putOnToDoList(grid, risk);
    QString error;
    if (placed == 0) {
        Messages::show(this, QStringLiteral("The To Do list has no free row for %1.").arg(risk.label()), kTitle,
                       Messages::Buttons::Ok, Messages::Icon::Exclamation);
        return;
    }
    if (existing == 0 && !TimelineFiles::saveGridRows(grid, &error)) {
        Messages::show(this, QStringLiteral("%1 could not be put on the To Do list.\r").arg(risk.label()) + error,
                       kTitle, Messages::Buttons::Ok, Messages::Icon::Exclamation);
        return;
    }
    const bool filling = m_filling;
    m_filling = true;
    m_risks->item(row, RiskToDo)->setText(QStringLiteral("Row %1").arg(placed));
    m_filling = filling;
    if (existing == 0)
        emit toDoListChanged();
    Messages::show(this,
                   existing
                       ? QStringLiteral("%1 is already on the To Do list, in row %2.").arg(risk.label()).arg(placed)
                       : QStringLiteral("%1 is now on the To Do list, in row %2:\r%3")
                             .arg(risk.label())
                             .arg(placed)
                             .arg(RegisterLinks::toDoItem(risk)),
                   kTitle, Messages::Buttons::Ok, Messages::Icon::Information);
}

bool RiskRegisterDialog::exportCsv(Tab tab, const QString& path)
{
    const Register data = contents();
    const QByteArray bytes = tab == AssetsTab       ? RegisterLinks::assetsCsv(data)
                             : tab == AssociatesTab ? RegisterLinks::associatesCsv(data)
                                                    : RegisterLinks::risksCsv(data);
    QString error;
    if (writeFileAtomically(path, bytes, &error))
        return true;
    Messages::show(this, QStringLiteral("The CSV file could not be written.\r") + error, kTitle, Messages::Buttons::Ok,
                   Messages::Icon::Exclamation);
    return false;
}

void RiskRegisterDialog::askExportCsv()
{
    const Tab tab = m_tabs->currentIndex() == AssetsTab       ? AssetsTab
                    : m_tabs->currentIndex() == AssociatesTab ? AssociatesTab
                                                              : RisksTab;
    const QString name = tab == AssetsTab       ? QStringLiteral("Assets and ePHI.csv")
                         : tab == AssociatesTab ? QStringLiteral("Business Associates.csv")
                                                : QStringLiteral("Risks.csv");
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Export as CSV"),
                                                      QDir::home().filePath(name), QStringLiteral("CSV files (*.csv)"));
    if (!path.isEmpty())
        exportCsv(tab, path);
}

bool RiskRegisterDialog::save()
{
    if (!m_writable)
        return false;
    QString error;
    if (m_keepOriginal) {
        QString keptAs;
        if (!RegisterFile::keepCopy(&keptAs, &error)) {
            Messages::show(this, error + QStringLiteral("\rThe register was not saved, so the file stays as it was."),
                           kTitle, Messages::Buttons::Ok, Messages::Icon::Exclamation);
            return false;
        }
        m_keepOriginal = false;
        Messages::show(this, QStringLiteral("The risk register as it was read is kept as %1.").arg(keptAs), kTitle,
                       Messages::Buttons::Ok, Messages::Icon::Information);
    }
    if (!RegisterFile::write(contents(), &error)) {
        Messages::show(this, QStringLiteral("The risk register could not be saved.\r") + error, kTitle,
                       Messages::Buttons::Ok, Messages::Icon::Exclamation);
        return false;
    }
    m_changed = false;
    return true;
}

void RiskRegisterDialog::done(int result)
{
    if (m_changed && m_writable) {
        const Messages::Answer answer =
            Messages::show(this, QStringLiteral("Save changes to the risk register?"), kTitle,
                           Messages::Buttons::YesNoCancel, Messages::Icon::Question, Messages::Answer::Yes);
        if (answer == Messages::Answer::Cancel || (answer == Messages::Answer::Yes && !save()))
            return;
    }
    QDialog::done(result);
}
