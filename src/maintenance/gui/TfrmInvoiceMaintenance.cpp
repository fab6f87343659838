#include "maintenance/gui/TfrmInvoiceMaintenance.h"

#include "app/AppState.h"
#include "app/Guard.h"
#include "app/PromptService.h"
#include "app/ShellServices.h"
#include "app/gui/Dispatcher.h"
#include "app/gui/TfrmSaving.h"
#include "catalogs/ScopedListFeed.h"
#include "catalogs/gui/CatalogList.h"
#include "catalogs/gui/CommandIcons.h"
#include "catalogs/gui/ListPrinting.h"
#include "maintenance/MaintenanceActions.h"
#include "maintenance/MaintenanceListModel.h"
#include "maintenance/MaintenanceSearch.h"
#include "app/gui/TextLimit.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QToolBar>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

constexpr int kDocumentListMode = 8;
constexpr int kSearchTextLength = 30;

QComboBox* dropDown(QWidget* parent, const char* name)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::fromLatin1(name));
    combo->setEditable(false);
    combo->setMaxVisibleItems(14);
    return combo;
}

// Hides the busy window of a save however the save ends.
struct ProgressHider {
    ~ProgressHider() { HideProgress(); }
};

} // namespace

TfrmInvoiceMaintenance::TfrmInvoiceMaintenance(AppState& state, QWidget* parent)
    : QDialog(parent), m_state(state), m_model(new MaintenanceListModel(this))
{
    setObjectName(QStringLiteral("frmInvoiceMaintenance"));
    setWindowTitle(QStringLiteral("Invoice Maintenance"));
    setModal(true);
    m_feedInUse = std::make_unique<ScopedListFeed>(m_state, m_model->feed());
    m_openEditor = [this] { Dispatcher::ShowInvoiceEditor(m_state, this, false); };

    buildCommands();
    auto* bar = CommandIcons::makeToolBar(this, QStringLiteral("ToolBarInvMaintenance"));
    bar->addAction(m_actClose);
    bar->addSeparator();
    bar->addAction(m_actPrintPreview);
    bar->addAction(m_actPrint);
    bar->addSeparator();
    bar->addAction(m_actHelp);

    m_cmboInvMaintenanceType = dropDown(this, "cmboInvMaintenanceType");
    m_cmboInvSearch = dropDown(this, "cmboInvSearch");
    m_txtInvSearch = new QLineEdit(this);
    m_txtInvSearch->setObjectName(QStringLiteral("txtInvSearch"));
    SetTextLimit(m_txtInvSearch, kSearchTextLength);
    m_lstvwInvMaintenance = MakeCatalogList(this, QStringLiteral("lstvwInvMaintenance"), m_model);

    auto* typeLabel = new QLabel(QStringLiteral("Maintenance Type: "), this);
    typeLabel->setObjectName(QStringLiteral("lblInvMaintenanceType"));
    typeLabel->setBuddy(m_cmboInvMaintenanceType);
    auto* searchLabel = new QLabel(QStringLiteral("Search By: "), this);
    searchLabel->setObjectName(QStringLiteral("lblInvSearch"));
    searchLabel->setBuddy(m_cmboInvSearch);
    auto* textLabel = new QLabel(QStringLiteral("Search For: "), this);
    textLabel->setObjectName(QStringLiteral("lblInvSearchFor"));
    textLabel->setBuddy(m_txtInvSearch);

    auto* choices = new QGridLayout;
    choices->addWidget(typeLabel, 0, 0, Qt::AlignRight);
    choices->addWidget(m_cmboInvMaintenanceType, 0, 1);
    choices->addWidget(searchLabel, 1, 0, Qt::AlignRight);
    choices->addWidget(m_cmboInvSearch, 1, 1);
    choices->addWidget(textLabel, 2, 0, Qt::AlignRight);
    choices->addWidget(m_txtInvSearch, 2, 1);
    choices->setColumnStretch(2, 1);
    m_cmboInvMaintenanceType->setMinimumWidth(320);
    m_cmboInvSearch->setMinimumWidth(320);
    m_txtInvSearch->setMinimumWidth(320);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(bar);
    layout->addLayout(choices);
    layout->addWidget(m_lstvwInvMaintenance, 1);

    setTabOrder(m_cmboInvMaintenanceType, m_cmboInvSearch);
    setTabOrder(m_cmboInvSearch, m_txtInvSearch);
    setTabOrder(m_txtInvSearch, m_lstvwInvMaintenance);

    connect(m_cmboInvMaintenanceType, &QComboBox::currentIndexChanged, this,
            &TfrmInvoiceMaintenance::cmboInvMaintenanceTypeChange);
    connect(m_cmboInvSearch, &QComboBox::currentIndexChanged, this, &TfrmInvoiceMaintenance::cmboInvSearchChange);
    connect(m_txtInvSearch, &QLineEdit::textChanged, this, &TfrmInvoiceMaintenance::txtInvSearchChange);
    OnRowChosen(m_lstvwInvMaintenance, [this] { lstvwInvMaintenanceClick(); });

    const int listWidth = CatalogListWidth(m_lstvwInvMaintenance, MaintenanceListModel::ColumnCount,
                                           &MaintenanceListModel::columnWidth);
    resize(qMax(760, listWidth + 60), 560);
}

TfrmInvoiceMaintenance::~TfrmInvoiceMaintenance() = default;

void TfrmInvoiceMaintenance::setEditorOpener(std::function<void()> openEditor)
{
    m_openEditor = std::move(openEditor);
}

void TfrmInvoiceMaintenance::buildCommands()
{
    using CommandIcons::Kind;
    using CommandIcons::makeAction;
    m_actClose = makeAction(this, QStringLiteral("actClose"), QStringLiteral("Close"), QStringLiteral("Close"),
                            Kind::Close);
    m_actPrintPreview = makeAction(this, QStringLiteral("actPrintPreview"), QStringLiteral("Print Preview"),
                                   QString(), Kind::PrintPreview);
    m_actPrint = makeAction(this, QStringLiteral("actPrint"), QStringLiteral("Print"), QString(), Kind::Print);
    m_actHelp = makeAction(this, QStringLiteral("actHelp"), QStringLiteral("Help"), QStringLiteral("Open Help"),
                           Kind::Help);
    connect(m_actClose, &QAction::triggered, this, &QWidget::close);
    connect(m_actPrintPreview, &QAction::triggered, this, [this] { printList(true); });
    connect(m_actPrint, &QAction::triggered, this, [this] { printList(false); });
    connect(m_actHelp, &QAction::triggered, this, [] { OpenHelpFile(); });
}

void TfrmInvoiceMaintenance::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    pShowFormInformation();
    m_txtInvSearch->setEnabled(false);
    {
        const QSignalBlocker blocker(m_cmboInvMaintenanceType);
        m_cmboInvMaintenanceType->clear();
        m_cmboInvMaintenanceType->addItems(Maintenance::TypeNames());
        m_cmboInvMaintenanceType->setCurrentIndex(0);
    }
    pSetComboSearchItems();
    searchGuarded();
    m_actPrintPreview->setVisible(true);
}

void TfrmInvoiceMaintenance::pShowFormInformation()
{
    setWindowTitle(QStringLiteral("Invoice Maintenance"));
    SetHint(m_cmboInvMaintenanceType, QStringLiteral("Select Maintenance Type"));
    SetHint(m_cmboInvSearch, QStringLiteral("Select Search Type"));
    SetHint(m_txtInvSearch, QStringLiteral("Enter information to search for"));
    SetHint(m_lstvwInvMaintenance, Maintenance::ListHint(m_cmboInvMaintenanceType->currentIndex()));
}

void TfrmInvoiceMaintenance::pSetComboSearchItems()
{
    const int type = m_cmboInvMaintenanceType->currentIndex();
    const QSignalBlocker blocker(m_cmboInvSearch);
    m_cmboInvSearch->clear();
    m_cmboInvSearch->addItems(Maintenance::SearchTypeNames(type));
    SetHint(m_lstvwInvMaintenance, Maintenance::ListHint(type));
    m_cmboInvSearch->setCurrentIndex(0);
}

void TfrmInvoiceMaintenance::pQuerySavedInvoices()
{
    const int type = m_cmboInvMaintenanceType->currentIndex();
    const int search = m_cmboInvSearch->currentIndex();
    if (Maintenance::IsTextSearch(type, search)) {
        m_txtInvSearch->setEnabled(true);
        m_txtInvSearch->setFocus();
    } else {
        if (!m_txtInvSearch->text().isEmpty()) {
            const QSignalBlocker blocker(m_txtInvSearch);
            m_txtInvSearch->clear();
        }
        m_txtInvSearch->setEnabled(false);
        m_lstvwInvMaintenance->setFocus();
    }
    // An empty list first: a search that fails shows no stale rows to act on.
    m_model->setRows({});
    pShowPrintButton();
    m_model->setRows(Maintenance::QuerySavedInvoices(type, search, m_txtInvSearch->text()));
    SizeCatalogListColumns(m_lstvwInvMaintenance, MaintenanceListModel::ColumnCount,
                           &MaintenanceListModel::columnWidth);
    pShowPrintButton();
}

void TfrmInvoiceMaintenance::searchGuarded()
{
    Guarded([this] { pQuerySavedInvoices(); });
}

void TfrmInvoiceMaintenance::pShowPrintButton()
{
    const bool rows = m_model->rowCount() > 0 && ListPrinting::available(m_state);
    m_actPrint->setEnabled(rows);
    m_actPrintPreview->setEnabled(rows);
}

void TfrmInvoiceMaintenance::cmboInvMaintenanceTypeChange()
{
    pSetComboSearchItems();
    searchGuarded();
}

void TfrmInvoiceMaintenance::cmboInvSearchChange()
{
    {
        const QSignalBlocker blocker(m_txtInvSearch);
        m_txtInvSearch->clear();
    }
    searchGuarded();
}

void TfrmInvoiceMaintenance::txtInvSearchChange()
{
    searchGuarded();
}

void TfrmInvoiceMaintenance::printList(bool preview)
{
    // The dispatcher set the document list mode; an editor opened from here changed it.
    m_state.windowMode = kDocumentListMode;
    Guarded([this, preview] { ListPrinting::run(m_state, preview); });
}

void TfrmInvoiceMaintenance::lstvwInvMaintenanceClick()
{
    const QModelIndex current = m_lstvwInvMaintenance->currentIndex();
    if (!current.isValid() || !m_lstvwInvMaintenance->selectionModel()->isRowSelected(current.row(), QModelIndex()))
        return;
    actOnRow(current.row());
    m_state.windowMode = kDocumentListMode;
}

void TfrmInvoiceMaintenance::actOnRow(int row)
{
    const int type = m_cmboInvMaintenanceType->currentIndex();
    const Maintenance::Row found = m_model->row(row);
    TrecInvHeader& header = m_state.currentDocument.Header;
    header.InvNumber = found.Number;
    header.InvName = found.InvType;

    if (Maintenance::OpensEditor(type)) {
        if (!m_openEditor)
            return;
        m_openEditor();
        searchGuarded();
        return;
    }

    const QString label = Maintenance::DocumentLabel(found.InvType, found.Number);
    if (AskYesNoCancel(Maintenance::Confirmation(type, label)) != PromptAnswer::Yes)
        return;
    Guarded([&] {
        const ProgressHider hider;
        Maintenance::PerformAction(type, found.Number, m_state.currentDocument, m_state.companySettings,
                                   {[](const QString& caption) { ShowProgress(caption); }});
    });
    // Also after a failed statement: the list shows what is stored.
    searchGuarded();
}
