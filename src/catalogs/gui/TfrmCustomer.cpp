#include "catalogs/gui/TfrmCustomer.h"

#include "app/AppState.h"
#include "app/Guard.h"
#include "app/PromptService.h"
#include "app/ShellServices.h"
#include "catalogs/CustomerListModel.h"
#include "catalogs/CustomerPick.h"
#include "catalogs/CustomerStore.h"
#include "catalogs/gui/CatalogList.h"
#include "catalogs/gui/CommandIcons.h"
#include "catalogs/gui/ListPrinting.h"
#include "catalogs/gui/PlainTextLimit.h"
#include "catalogs/gui/ProgressScope.h"
#include "app/gui/TextLimit.h"
#include "app/gui/WidgetLook.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStackedWidget>
#include <QToolBar>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

const char* const kListAreaCaption = "Customer Information Work Area";
const char* const kNewCaption = "New Customer Information";
const char* const kEditCaption = "Edit Customer Information";
const char* const kSaveQuestion = "Save changes to this customer?";

QLineEdit* lineEdit(QWidget* parent, const char* name, int maxLength, const char* hint)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    SetTextLimit(edit, maxLength);
    SetHint(edit, QString::fromUtf8(hint));
    return edit;
}

QLabel* caption(QWidget* parent, const char* text, QWidget* buddy)
{
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setBuddy(buddy);
    return label;
}

} // namespace

TfrmCustomer::TfrmCustomer(AppState& state, QWidget* parent)
    : CatalogListDialog(parent), m_state(state), m_picker(state.editorOpen),
      m_model(new CustomerListModel(this))
{
    setObjectName(QStringLiteral("frmCustomer"));
    setWindowTitle(QStringLiteral("Customer Maintenance"));
    setModal(true);

    buildCommands();
    m_pages = new QStackedWidget(this);
    m_pages->setObjectName(QStringLiteral("pgctrlCustomer"));
    m_listPage = buildListPage();
    m_editPage = buildEditPage();
    m_pages->addWidget(m_listPage);
    m_pages->addWidget(m_editPage);

    auto* layout = new QVBoxLayout(this);
    auto* bar = CommandIcons::makeToolBar(this, QStringLiteral("ToolBarCustomer"));
    bar->addAction(m_actClose);
    bar->addSeparator();
    bar->addAction(m_actNewCustomer);
    bar->addSeparator();
    bar->addAction(m_actSave);
    bar->addAction(m_actCancel);
    bar->addAction(m_actDelete);
    bar->addSeparator();
    bar->addAction(m_actPrintPreview);
    bar->addAction(m_actPrint);
    bar->addSeparator();
    bar->addAction(m_actHelp);
    layout->setMenuBar(bar);
    layout->addWidget(m_pages);

    const int listWidth = CatalogListWidth(m_lstvCustomers, CustomerListModel::ColumnCount,
                                           &CustomerListModel::columnWidth);
    resize(qMax(840, listWidth + 60), 600);
}

void TfrmCustomer::buildCommands()
{
    using CommandIcons::Kind;
    using CommandIcons::makeAction;
    m_actClose = makeAction(this, QStringLiteral("actClose"), QStringLiteral("Close"),
                            QStringLiteral("Close"), Kind::Close);
    m_actNewCustomer = makeAction(this, QStringLiteral("actNewCustomer"), QStringLiteral("New Customer"),
                                  QStringLiteral("Add a new Customer"), Kind::New);
    m_actSave = makeAction(this, QStringLiteral("actSave"), QStringLiteral("Save"),
                           QStringLiteral("Save changes to current Customer"), Kind::Save);
    m_actCancel = makeAction(this, QStringLiteral("actCancel"), QStringLiteral("Cancel"),
                             QStringLiteral("Cancel and return to main Customer list"), Kind::Cancel);
    m_actDelete = makeAction(this, QStringLiteral("actDelete"), QStringLiteral("Delete"),
                             QStringLiteral("Delete current Customer"), Kind::Delete);
    m_actPrintPreview = makeAction(this, QStringLiteral("actPrintPreview"), QStringLiteral("Print Preview"),
                                   QStringLiteral("Print Preview customer list"), Kind::PrintPreview);
    m_actPrint = makeAction(this, QStringLiteral("actPrint"), QStringLiteral("Print"),
                            QStringLiteral("Print customer list"), Kind::Print);
    m_actHelp = makeAction(this, QStringLiteral("actHelp"), QStringLiteral("Help"),
                           QStringLiteral("Open Help"), Kind::Help);

    connect(m_actClose, &QAction::triggered, this, &QWidget::close);
    connect(m_actNewCustomer, &QAction::triggered, this, &TfrmCustomer::actNewCustomerExecute);
    connect(m_actSave, &QAction::triggered, this, &TfrmCustomer::actSaveExecute);
    connect(m_actCancel, &QAction::triggered, this, &TfrmCustomer::actCancelExecute);
    connect(m_actDelete, &QAction::triggered, this, &TfrmCustomer::actDeleteExecute);
    connect(m_actPrintPreview, &QAction::triggered, this, [this] { printList(true); });
    connect(m_actPrint, &QAction::triggered, this, [this] { printList(false); });
    connect(m_actHelp, &QAction::triggered, this, [] { OpenHelpFile(); });
}

QWidget* TfrmCustomer::buildListPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tbsheetListArea"));

    m_cmboCustSearch = new QComboBox(page);
    m_cmboCustSearch->setObjectName(QStringLiteral("cmboCustSearch"));
    m_cmboCustSearch->addItems(CustomerSearchNames());
    m_cmboCustSearch->setMaxVisibleItems(14);
    m_cmboCustSearch->setMinimumWidth(180);
    m_txtCustSearch = lineEdit(page, "txtCustSearch", 30, "");
    m_txtCustSearch->setMinimumWidth(240);

    m_lstvCustomers = MakeCatalogList(page, QStringLiteral("lstvCustomers"), m_model);
    connect(m_model, &CustomerListModel::readFailed, this, [](const QString& message) {
        // Shown once the view has finished painting.
        QTimer::singleShot(0, [message] { ShowError(message); });
    });

    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(caption(page, "Search By: ", m_cmboCustSearch));
    searchRow->addWidget(m_cmboCustSearch);
    searchRow->addSpacing(20);
    searchRow->addWidget(caption(page, "Search For: ", m_txtCustSearch));
    searchRow->addWidget(m_txtCustSearch);
    searchRow->addStretch(1);

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(searchRow);
    layout->addWidget(m_lstvCustomers, 1);

    connect(m_cmboCustSearch, &QComboBox::currentIndexChanged, this, &TfrmCustomer::cmboCustSearchChange);
    connect(m_txtCustSearch, &QLineEdit::textChanged, this, &TfrmCustomer::txtCustSearchChange);
    OnRowChosen(m_lstvCustomers, [this] {
        if (!editPageShown())
            lstvCustomersClick();
    });
    return page;
}

QWidget* TfrmCustomer::buildEditPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tbsheetEditArea"));
    m_gbxCustomer = new QGroupBox(QString::fromLatin1(kListAreaCaption), page);
    m_gbxCustomer->setObjectName(QStringLiteral("gbxCustomer"));
    QWidget* box = m_gbxCustomer;

    m_txtCustId = lineEdit(box, "txtCustId", 32767, "Computer generated number – Cannot be changed");
    ShowReadOnly(m_txtCustId);
    m_txtCustId->setFocusPolicy(Qt::ClickFocus);
    m_txtCustCmpnyName = lineEdit(box, "txtCustCmpnyName", 35, "Enter Customers Company Name");
    m_txtCustFrstName = lineEdit(box, "txtCustFrstName", 20, "Enter Customer First Name");
    m_txtCustLstName = lineEdit(box, "txtCustLstName", 20, "Enter Customer Last Name");
    m_txtCustAddress = lineEdit(box, "txtCustAddress", 40, "Enter Customer Address");
    m_txtCustCity = lineEdit(box, "txtCustCity", 25, "Enter Customer City");
    m_txtCustState = lineEdit(box, "txtCustState", 25, "Enter Customer State");
    m_txtCustZipCode = lineEdit(box, "txtCustZipCode", 16, "Enter Customer Zip Code");
    m_txtCustMainPhone = lineEdit(box, "txtCustMainPhone", 25, "Enter Customer Main Phone Number");
    m_txtCustExtraPhone1Name = lineEdit(box, "txtCustExtraPhone1Name", 12, "Enter Customer Extra Phone Name");
    m_txtCustExtraPhone1 = lineEdit(box, "txtCustExtraPhone1", 25, "Enter Customer Extra Phone Number");
    m_txtCustExtraPhone2Name = lineEdit(box, "txtCustExtraPhone2Name", 12, "Enter Customer Extra Phone Name");
    m_txtCustExtraPhone2 = lineEdit(box, "txtCustExtraPhone2", 25, "Enter Customer Extra Phone Number");
    m_txtCustTaxExemptNumber = lineEdit(box, "txtCustTaxExemptNumber", 20, "Enter Customer Tax Exempt Number");

    m_ckbxTaxExempt = new QCheckBox(QStringLiteral("Tax Exempt"), box);
    m_ckbxTaxExempt->setObjectName(QStringLiteral("ckbxTaxExempt"));
    SetHint(m_ckbxTaxExempt, QStringLiteral("Check if Customer is Tax Exempt"));

    m_cmbPaymentTerms = new QComboBox(box);
    m_cmbPaymentTerms->setObjectName(QStringLiteral("cmbPaymentTerms"));
    m_cmbPaymentTerms->setEditable(true);
    m_cmbPaymentTerms->setInsertPolicy(QComboBox::NoInsert);
    SetTextLimit(m_cmbPaymentTerms->lineEdit(), 25);
    SetHint(m_cmbPaymentTerms, QStringLiteral("Select oe Enter Payment Terms for this Customer"));

    m_SpinEditCustDiscount = new QSpinBox(box);
    m_SpinEditCustDiscount->setObjectName(QStringLiteral("SpinEditCustDiscount"));
    m_SpinEditCustDiscount->setRange(0, 100);
    // Changed by its arrows only.
    m_SpinEditCustDiscount->findChild<QLineEdit*>()->setReadOnly(true);
    SetHint(m_SpinEditCustDiscount, QStringLiteral("Enter Customer Discount Percent"));

    m_txtCustNotes = new QPlainTextEdit(box);
    m_txtCustNotes->setObjectName(QStringLiteral("txtCustNotes"));
    m_txtCustNotes->setTabChangesFocus(true);
    SetHint(m_txtCustNotes, QStringLiteral("Enter Notes about this Customer"));
    m_notesLimit = new PlainTextLimit(m_txtCustNotes, 250, 0);

    auto* grid = new QGridLayout(box);
    grid->setHorizontalSpacing(8);
    grid->setColumnMinimumWidth(2, 24);
    int row = 0;
    const std::pair<const char*, QWidget*> left[] = {
        {"Customer Id Number", m_txtCustId}, {"Company Name", m_txtCustCmpnyName},
        {"First Name", m_txtCustFrstName},   {"Last Name", m_txtCustLstName},
        {"Address", m_txtCustAddress},       {"City", m_txtCustCity},
        {"State", m_txtCustState},           {"Zip Code", m_txtCustZipCode},
    };
    for (const auto& [text, field] : left) {
        grid->addWidget(caption(box, text, field), row, 0);
        grid->addWidget(field, row, 1);
        ++row;
    }
    grid->addWidget(caption(box, "Main Phone Number", m_txtCustMainPhone), 0, 3);
    grid->addWidget(m_txtCustMainPhone, 0, 4);
    // An extra phone reads as it prints, name first ("Cell: 555-0100"), so the name box
    // stands before the number it names and Tab visits them left to right.
    const auto extraPhone = [&](int row, const char* text, QLineEdit* name, QLineEdit* number) {
        grid->addWidget(caption(box, text, number), row, 3);
        auto* pair = new QHBoxLayout;
        pair->setSpacing(6);
        pair->addWidget(caption(box, "Name", name));
        pair->addWidget(name);
        pair->addWidget(number, 1);
        grid->addLayout(pair, row, 4);
    };
    extraPhone(1, "Extra Phone Number 1", m_txtCustExtraPhone1Name, m_txtCustExtraPhone1);
    extraPhone(2, "Extra Phone Number 2", m_txtCustExtraPhone2Name, m_txtCustExtraPhone2);
    grid->addWidget(caption(box, "Tax Exempt Number", m_txtCustTaxExemptNumber), 3, 3);
    auto* taxRow = new QHBoxLayout;
    taxRow->setSpacing(6);
    taxRow->addWidget(m_txtCustTaxExemptNumber, 1);
    taxRow->addWidget(m_ckbxTaxExempt);
    grid->addLayout(taxRow, 3, 4);
    grid->addWidget(caption(box, "Payment Terms", m_cmbPaymentTerms), 4, 3);
    grid->addWidget(m_cmbPaymentTerms, 4, 4);
    grid->addWidget(caption(box, "Customer Discount", m_SpinEditCustDiscount), 5, 3);
    grid->addWidget(m_SpinEditCustDiscount, 5, 4, Qt::AlignLeft);
    auto* notesLabel = caption(box, "Notes", m_txtCustNotes);
    notesLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(notesLabel, 8, 0);
    grid->addWidget(m_txtCustNotes, 8, 1, 1, 4);
    grid->setRowStretch(8, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);
    m_SpinEditCustDiscount->setMinimumWidth(80);
    m_cmbPaymentTerms->setMinimumContentsLength(25);
    m_cmbPaymentTerms->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

    // Tab order as the fields are listed in the customer record, which is also the order
    // they stand in: down the left column, then down the right one, left to right.
    QWidget* const order[] = {
        m_txtCustCmpnyName, m_txtCustFrstName, m_txtCustLstName, m_txtCustAddress,
        m_txtCustCity, m_txtCustState, m_txtCustZipCode, m_txtCustMainPhone,
        m_txtCustExtraPhone1Name, m_txtCustExtraPhone1, m_txtCustExtraPhone2Name,
        m_txtCustExtraPhone2, m_txtCustTaxExemptNumber, m_ckbxTaxExempt, m_cmbPaymentTerms,
        m_SpinEditCustDiscount, m_txtCustNotes,
    };
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    for (QLineEdit* edit : {m_txtCustId, m_txtCustCmpnyName, m_txtCustFrstName, m_txtCustLstName,
                            m_txtCustAddress, m_txtCustCity, m_txtCustState, m_txtCustZipCode,
                            m_txtCustMainPhone, m_txtCustExtraPhone1Name, m_txtCustExtraPhone1,
                            m_txtCustExtraPhone2Name, m_txtCustExtraPhone2, m_txtCustTaxExemptNumber})
        connect(edit, &QLineEdit::textChanged, this, &TfrmCustomer::pEnableSavebtn);
    connect(m_ckbxTaxExempt, &QCheckBox::toggled, this, &TfrmCustomer::pEnableSavebtn);
    connect(m_cmbPaymentTerms, &QComboBox::editTextChanged, this, &TfrmCustomer::pEnableSavebtn);
    connect(m_SpinEditCustDiscount, &QSpinBox::valueChanged, this, &TfrmCustomer::pEnableSavebtn);
    connect(m_notesLimit, &PlainTextLimit::changed, this, &TfrmCustomer::pEnableSavebtn);

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_gbxCustomer);
    return page;
}

void TfrmCustomer::fillOnFirstShow()
{
    pReturnToList();
    pShowFormInformation();
    fillPaymentTerms();
    m_actPrintPreview->setVisible(true);
}

void TfrmCustomer::pShowFormInformation()
{
    setWindowTitle(QStringLiteral("Customer Maintenance"));
    SetHint(m_txtCustSearch, QStringLiteral("Enter Customer information to search by"));
    SetHint(m_cmboCustSearch, QStringLiteral("Search Customer list by"));
    SetHint(m_lstvCustomers, QStringLiteral("Select Customer to edit"));
}

void TfrmCustomer::fillPaymentTerms()
{
    const QSignalBlocker blocker(m_cmbPaymentTerms);
    const QString typed = m_cmbPaymentTerms->currentText();
    m_cmbPaymentTerms->clear();
    for (const QString& term : m_state.companySettings.InvData.PaymentTerms)
        if (!term.isEmpty())
            m_cmbPaymentTerms->addItem(term);
    m_cmbPaymentTerms->setCurrentIndex(-1);
    m_cmbPaymentTerms->setEditText(typed);
}

bool TfrmCustomer::editPageShown() const
{
    return m_pages->currentWidget() == m_editPage;
}

void TfrmCustomer::setSearchText(const QString& text)
{
    const QSignalBlocker blocker(m_txtCustSearch);
    m_txtCustSearch->setText(text);
}

void TfrmCustomer::pQueryCustomers()
{
    const auto search = CustomerSearch(m_cmboCustSearch->currentIndex());
    m_model->setCustomerIds(QueryCustomerIds(search, m_txtCustSearch->text()));
    const std::vector<qint64>& found = m_model->customerIds();
    m_feed.setCustomerIds(QList<qint64>(found.begin(), found.end()));
    // The customer number has no width: it stays hidden.
    SizeCatalogListColumns(m_lstvCustomers, CustomerListModel::ColumnCount, &CustomerListModel::columnWidth);
    pEnablePrintButton();
}

void TfrmCustomer::cmboCustSearchChange()
{
    Guarded([this] {
        const auto search = CustomerSearch(m_cmboCustSearch->currentIndex());
        if (CustomerSearchUsesText(search)) {
            setSearchText(QString());
            m_txtCustSearch->setEnabled(true);
            m_txtCustSearch->setFocus();
        } else {
            m_lstvCustomers->setFocus();
        }
        pQueryCustomers();
    });
}

void TfrmCustomer::txtCustSearchChange()
{
    if (m_cmboCustSearch->currentIndex() == int(CustomerSearch::AllCustomers))
        return;
    Guarded([this] { pQueryCustomers(); });
}

void TfrmCustomer::pEnablePrintButton()
{
    const bool listShown = !editPageShown();
    const bool canPrint = listShown && m_model->rowCount() > 0 && !m_picker
                          && ListPrinting::available(m_state);
    m_actPrint->setEnabled(canPrint);
    m_actPrintPreview->setEnabled(canPrint);

    m_cmboCustSearch->setEnabled(listShown);
    const bool usesText = CustomerSearchUsesText(CustomerSearch(m_cmboCustSearch->currentIndex()));
    if (!listShown || !usesText)
        setSearchText(QString());
    m_txtCustSearch->setEnabled(listShown && usesText);
}

void TfrmCustomer::pEnableSavebtn()
{
    m_actSave->setEnabled(!m_txtCustFrstName->text().isEmpty() || !m_txtCustLstName->text().isEmpty()
                          || !m_txtCustCmpnyName->text().isEmpty());
}

void TfrmCustomer::clearEditControls()
{
    for (QLineEdit* edit : {m_txtCustId, m_txtCustCmpnyName, m_txtCustFrstName, m_txtCustLstName,
                            m_txtCustAddress, m_txtCustCity, m_txtCustState, m_txtCustZipCode,
                            m_txtCustMainPhone, m_txtCustExtraPhone1Name, m_txtCustExtraPhone1,
                            m_txtCustExtraPhone2Name, m_txtCustExtraPhone2, m_txtCustTaxExemptNumber})
        edit->clear();
    m_ckbxTaxExempt->setChecked(false);
    m_cmbPaymentTerms->setCurrentIndex(-1);
    m_cmbPaymentTerms->setEditText(QString());
    m_SpinEditCustDiscount->setValue(0);
    m_notesLimit->setText(QString());
}

void TfrmCustomer::pReturnToList()
{
    clearEditControls();
    {
        const QSignalBlocker blocker(m_cmboCustSearch);
        m_cmboCustSearch->setCurrentIndex(int(CustomerSearch::AllCustomers));
    }
    setSearchText(QString());
    m_txtCustSearch->setEnabled(false);
    m_pages->setCurrentWidget(m_listPage);
    m_gbxCustomer->setTitle(QString::fromLatin1(kListAreaCaption));
    m_actDelete->setEnabled(false);
    m_actSave->setEnabled(false);
    m_actCancel->setEnabled(false);
    m_actNewCustomer->setEnabled(true);
    pQueryCustomers();
}

void TfrmCustomer::showCustomer(const TrecCustomer& c)
{
    m_txtCustId->setText(QString::number(c.CustomerID));
    m_txtCustCmpnyName->setText(c.Company);
    m_txtCustFrstName->setText(c.FirstName);
    m_txtCustLstName->setText(c.LastName);
    m_txtCustAddress->setText(c.Address);
    m_txtCustCity->setText(c.City);
    m_txtCustState->setText(c.State);
    m_txtCustZipCode->setText(c.ZipCode);
    m_txtCustMainPhone->setText(c.MainPhone);
    m_txtCustExtraPhone1Name->setText(c.ExtraPhone1Name);
    m_txtCustExtraPhone1->setText(c.ExtraPhone1);
    m_txtCustExtraPhone2Name->setText(c.ExtraPhone2Name);
    m_txtCustExtraPhone2->setText(c.ExtraPhone2);
    m_txtCustTaxExemptNumber->setText(c.TaxExemptNumber);
    m_ckbxTaxExempt->setChecked(c.TaxExempt);
    m_cmbPaymentTerms->setEditText(c.PaymentTerms);
    m_SpinEditCustDiscount->setValue(c.Discount);
    m_notesLimit->setText(c.Notes);
}

TrecCustomer TfrmCustomer::customerFromControls() const
{
    TrecCustomer c;
    c.CustomerID = m_txtCustId->text().toLongLong();
    c.Company = m_txtCustCmpnyName->text();
    c.FirstName = m_txtCustFrstName->text();
    c.LastName = m_txtCustLstName->text();
    c.Address = m_txtCustAddress->text();
    c.City = m_txtCustCity->text();
    c.State = m_txtCustState->text();
    c.ZipCode = m_txtCustZipCode->text();
    c.MainPhone = m_txtCustMainPhone->text();
    c.ExtraPhone1Name = m_txtCustExtraPhone1Name->text();
    c.ExtraPhone1 = m_txtCustExtraPhone1->text();
    c.ExtraPhone2Name = m_txtCustExtraPhone2Name->text();
    c.ExtraPhone2 = m_txtCustExtraPhone2->text();
    c.TaxExemptNumber = m_txtCustTaxExemptNumber->text();
    c.TaxExempt = m_ckbxTaxExempt->isChecked();
    c.PaymentTerms = m_cmbPaymentTerms->currentText();
    c.Discount = m_SpinEditCustDiscount->value();
    c.Notes = m_notesLimit->storedText();
    return c;
}

void TfrmCustomer::lstvCustomersClick()
{
    if (m_picked)
        return;
    const QModelIndex current = m_lstvCustomers->currentIndex();
    if (!current.isValid() || !m_lstvCustomers->selectionModel()->isRowSelected(current.row()))
        return;
    Guarded([this, row = current.row()] {
        const std::optional<TrecCustomer> customer = LoadCustomer(m_model->customerId(row));
        if (!customer) {
            // Gone since the list was read: show the list as it is now.
            pQueryCustomers();
            return;
        }
        showCustomer(*customer);

        if (m_picker) {
            CopyCustomerIntoHeader(customerFromControls(), m_state.currentDocument.Header);
            m_state.dataChanged = true;
            m_actSave->setEnabled(false);
            m_picked = true;
            accept();
            return;
        }

        m_pages->setCurrentWidget(m_editPage);
        m_gbxCustomer->setTitle(QString::fromLatin1(kEditCaption));
        m_actNewCustomer->setEnabled(false);
        m_actCancel->setEnabled(true);
        m_actDelete->setEnabled(true);
        m_actSave->setEnabled(false);
        pEnablePrintButton();
        m_txtCustCmpnyName->setFocus();
    });
}

void TfrmCustomer::actNewCustomerExecute()
{
    m_pages->setCurrentWidget(m_editPage);
    m_gbxCustomer->setTitle(QString::fromLatin1(kNewCaption));
    m_actCancel->setEnabled(true);
    m_actNewCustomer->setEnabled(false);
    m_actDelete->setEnabled(false);
    m_actSave->setEnabled(false);
    pEnablePrintButton();
    m_txtCustCmpnyName->setFocus();
}

bool TfrmCustomer::pSaveCustomer()
{
    return Guarded([this] {
        TrecCustomer customer = customerFromControls();
        {
            ProgressScope progress(QStringLiteral("Saving Customer Information..."));
            SaveCustomer(customer);
        }
        pReturnToList();
    });
}

void TfrmCustomer::actSaveExecute()
{
    if (m_actSave->isEnabled())
        pSaveCustomer();
}

bool TfrmCustomer::settleUnsavedChanges()
{
    return !m_actSave->isEnabled()
           || askToSave(QString::fromLatin1(kSaveQuestion), [this] { return pSaveCustomer(); });
}

void TfrmCustomer::actCancelExecute()
{
    if (!settleUnsavedChanges())
        return;
    // A save has already gone back to the list.
    if (editPageShown())
        Guarded([this] { pReturnToList(); });
}

void TfrmCustomer::actDeleteExecute()
{
    if (AskYesNoCancel(QStringLiteral("Delete this Customers from your list?")) != PromptAnswer::Yes)
        return;
    const qint64 id = m_txtCustId->text().toLongLong();
    if (id <= 0)
        return;
    Guarded([this, id] {
        {
            ProgressScope progress(QStringLiteral("Deleting Customer Information..."));
            DeleteCustomer(id);
        }
        pReturnToList();
    });
}

void TfrmCustomer::printList(bool preview)
{
    if (!m_actPrint->isEnabled())
        return;
    Guarded([this, preview] { ListPrinting::run(m_state, preview); });
}
