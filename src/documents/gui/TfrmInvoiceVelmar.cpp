#include "documents/gui/TfrmInvoiceVelmar.h"

#include "app/AppState.h"
#include "app/Guard.h"
#include "app/PromptService.h"
#include "app/Regional.h"
#include "app/ShellServices.h"
#include "app/gui/Dispatcher.h"
#include "app/gui/TfrmSaving.h"
#include "app/gui/ThemeIcons.h"
#include "catalogs/AllowNumDecimalOnly.h"
#include "catalogs/gui/CommandIcons.h"
#include "catalogs/gui/PlainTextLimit.h"
#include "data/LongText.h"
#include "documents/DocumentStorage.h"
#include "documents/EditorRules.h"
#include "documents/Totals.h"
#include "printing/gui/TmodPrintData.h"
#include "app/gui/TextLimit.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QStandardPaths>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <functional>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "documents/gui/EditorWidgets.h"

namespace {

constexpr int kModeCurrentDocument = 1;

// Runs `open` for Enter or Return pressed in the watched widget, and keeps the key from
// the dialog's default button.
class EnterKeyFilter : public QObject {
public:
    EnterKeyFilter(QObject* parent, std::function<void()> open) : QObject(parent), m_open(std::move(open)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                m_open();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_open;
};

// Sets a flag for the lifetime of the object, so the window's own changes to its
// controls are never taken as user edits.
class BusyScope {
public:
    explicit BusyScope(bool& flag) : m_flag(flag), m_was(flag) { m_flag = true; }
    ~BusyScope() { m_flag = m_was; }

private:
    bool& m_flag;
    bool m_was;
};

const QColor kRequiredColor(Qt::red);

void SetLabelState(QLabel* label, const QString& text, bool required)
{
    label->setText(text);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, required ? kRequiredColor : label->parentWidget()->palette().color(QPalette::WindowText));
    label->setPalette(palette);
}

} // namespace
using namespace EditorWidgets;

TfrmInvoiceVelmar::TfrmInvoiceVelmar(AppState& state, QWidget* parent)
    : QDialog(parent), m_state(state)
{
    setObjectName(QStringLiteral("frmInvoiceVelmar"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    buildCommands();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 0, 6, 6);
    auto* bar = CommandIcons::makeToolBar(this, QStringLiteral("ToolBarInvoice"));
    bar->addAction(actClose);
    m_documentSeparators << bar->addSeparator();
    bar->addAction(actSave);
    bar->addAction(actDelete);
    bar->addAction(actPDF);
    m_documentSeparators << bar->addSeparator();
    bar->addAction(actPrintPreview);
    bar->addAction(actPrint);
    m_documentSeparators << bar->addSeparator();
    bar->addAction(actEditPrices);
    bar->addSeparator();
    bar->addAction(actHelp);
    layout->setMenuBar(bar);

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl"));
    m_pages->addTab(buildProjectPage(), QStringLiteral("Project Information"));
    m_pages->addTab(buildWorkSheetPage(), QStringLiteral("Work Sheet"));
    m_pages->tabBar()->hide();
    m_pages->setDocumentMode(true);
    // Tab stops are the controls of the pages; the hidden tab bar must not take the focus.
    m_pages->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(m_pages, 1);

    auto* bottom = new QHBoxLayout;
    lblRequiredDataLine = new QLabel(QStringLiteral("Required Information Needed:"), this);
    lblRequiredDataLine->setObjectName(QStringLiteral("lblRequiredDataLine"));
    QFont bold = lblRequiredDataLine->font();
    bold.setBold(true);
    lblRequiredDataLine->setFont(bold);
    lblRequiredDataLine->setStyleSheet(QStringLiteral("color: red;"));
    lblRequiredDataLine->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblRequiredDataLine->hide();
    bottom->addWidget(lblRequiredDataLine, 1, Qt::AlignTop);
    bottom->addWidget(buildTotals(), 0, Qt::AlignRight | Qt::AlignBottom);
    layout->addLayout(bottom);

    connectHeaderControls();
    connectSheetControls();

    // Tab order follows the visual order of each page. The tab bar stands for its tab
    // widget: chaining the widget itself would chain its pages' controls into a loop, and
    // as a stop of its own the widget would send Tab back to its tab bar.
    m_workTabs->setFocusPolicy(Qt::NoFocus);
    m_workTabs->tabBar()->setFocusPolicy(Qt::TabFocus); // the call above passed NoFocus on to it
    const QList<QWidget*> order = {
        btnAddCustomer, txtCustInformation, cmbPaymentTerms, SpinEditCustDiscount, txtCustPO,
        btnPaidDeposit, ckbxTaxExempt, txtcustTaxExemptNumber, ckbxTaxOption[0], ckbxTaxOption[1],
        ckbxTaxOption[2], cmbInvoiceType, dateTimePickerInvoice, btnAddNotes, ckbxRecurring,
        cmbFootNotes, txtInvoiceFootNotes, ckbxAddSignatureLine, ckbxPrintContract, ckbxPrintWarranty,
        btnAddWorkSheet, lstvwWorkSheetName, txtAreaName, m_intExt->button(0), m_intExt->button(1),
        m_areaWork->button(0), m_areaWork->button(1), m_areaWork->button(2), m_areaWork->button(3),
        m_areaWork->button(4), m_workTabs->tabBar(), cmbxPrime, ckbxWash, ckbxSand, ckbxCaulk, ckbxMask,
        SpinEditNumOfPaintCoats, SpinEditNumOfTrimCoats, SpinEditNumOfDoors, SpinEditNumOfDoorFrameTrim,
        SpinEditNumOfWindowFrameTrim, SpinEditNumOfClosets, ckbxHangWallpaper, ckbxRemoveWallpaper,
        ckbxHangBoarder, ckbxRemoveBoarder, txtExtraChargesLabor, txtExtraChargesMaterial,
        txtExtraChargesName, txtAreaNotes, SpinEditAreaLength, SpinEditAreaWidth, SpinEditAreaHeight,
        SpinEditAreaMultiplier, Button1, btnCompleteWorkSheet};
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    setFixedSize(994, 672);
}

CurrentDocument& TfrmInvoiceVelmar::doc() { return m_state.currentDocument; }
TrecInvHeader& TfrmInvoiceVelmar::header() { return m_state.currentDocument.Header; }

WorkSheet* TfrmInvoiceVelmar::sheet()
{
    auto& sheets = doc().WorkSheets;
    if (m_currentSheet < 0 || m_currentSheet >= int(sheets.size()))
        return nullptr;
    return &sheets[size_t(m_currentSheet)];
}

bool TfrmInvoiceVelmar::onWorkSheetPage() const
{
    return m_pages->currentWidget() == TabSheetWorkSheetInfo;
}

void TfrmInvoiceVelmar::buildCommands()
{
    using CommandIcons::Kind;
    using CommandIcons::makeAction;
    actClose = makeAction(this, QStringLiteral("actClose"), QStringLiteral("Close"), QStringLiteral("Close"), Kind::Close);
    actSave = makeAction(this, QStringLiteral("actSave"), QStringLiteral("Save"),
                         QStringLiteral("Save Changes to Invoice"), Kind::Save);
    actDelete = makeAction(this, QStringLiteral("actDelete"), QStringLiteral("Delete"),
                           QStringLiteral("Delete invoice"), Kind::Delete);
    actPDF = makeAction(this, QStringLiteral("actPDF"), QStringLiteral("PDF"),
                        QStringLiteral("Save Invoice as a PDF"), Kind::Pdf);
    actPrintPreview = makeAction(this, QStringLiteral("actPrintPreview"), QStringLiteral("Print Preview"),
                                 QStringLiteral("Print Preview Invoice"), Kind::PrintPreview);
    actPrint = makeAction(this, QStringLiteral("actPrint"), QStringLiteral("Print"),
                          QStringLiteral("Print Invoice"), Kind::Print);
    actEditPrices = makeAction(this, QStringLiteral("actEditPrices"), QStringLiteral("Edit Saved Prices"),
                               QStringLiteral("Edit Prices saved with this Invoice"), Kind::Prices);
    actHelp = makeAction(this, QStringLiteral("actHelp"), QStringLiteral("Help"), QStringLiteral("Open Help"), Kind::Help);


    actAddCustomer = Command(this, "actAddCustomer", QStringLiteral("Add Customer"), QStringLiteral("Add a Customer"));
    actPaidDeposit = Command(this, "actPaidDeposit", QStringLiteral("Deposit Required"), QStringLiteral("Set a Deposit Amount"));
    actAddInvoiceNotes = Command(this, "actAddInvoiceNotes", QStringLiteral("Add Invoice Notes"),
                                 QStringLiteral("Add Invoice Notes - ( Printed on Invoice )"));
    actTaxExempt = Command(this, "actTaxExempt", QStringLiteral("Tax Exempt"), QStringLiteral("Check if customer is Tax Exempt"));
    for (int i = 0; i < 3; ++i)
        actTaxOption[i] = Command(this, QStringLiteral("actTaxOption%1").arg(i + 1).toLatin1().constData(),
                                  QStringLiteral("Tax Option %1").arg(i + 1), QStringLiteral("Check to use this tax"));
    actAddWorkSheet = Command(this, "actAddWorkSheet", QStringLiteral("Add"),
                              QStringLiteral("Add a new Work Sheet") + QLatin1Char('\n')
                                  + QStringLiteral(" . . .  Add a new Work Sheet for each Area or Room"));
    actRemoveWorkSheet = Command(this, "actRemoveWorkSheet", QStringLiteral("Remove Work Sheet"),
                                 QStringLiteral("Remove current Work Sheet"));

    connect(actClose, &QAction::triggered, this, &QWidget::close);
    connect(actSave, &QAction::triggered, this, [this] { Guarded([this] { pSaveInvData(); }); });
    connect(actDelete, &QAction::triggered, this, &TfrmInvoiceVelmar::actDeleteExecute);
    connect(actPDF, &QAction::triggered, this, &TfrmInvoiceVelmar::actPDFExecute);
    connect(actPrintPreview, &QAction::triggered, this, &TfrmInvoiceVelmar::actPrintPreviewExecute);
    connect(actPrint, &QAction::triggered, this, &TfrmInvoiceVelmar::actPrintExecute);
    connect(actEditPrices, &QAction::triggered, this, &TfrmInvoiceVelmar::actEditPricesExecute);
    connect(actHelp, &QAction::triggered, this, [] { OpenHelpFile(); });
    connect(actAddCustomer, &QAction::triggered, this, &TfrmInvoiceVelmar::actAddCustomerExecute);
    connect(actPaidDeposit, &QAction::triggered, this, &TfrmInvoiceVelmar::actPaidDepositExecute);
    connect(actAddInvoiceNotes, &QAction::triggered, this, &TfrmInvoiceVelmar::actAddInvoiceNotesExecute);
    connect(actAddWorkSheet, &QAction::triggered, this, &TfrmInvoiceVelmar::actAddWorkSheetExecute);
    connect(actRemoveWorkSheet, &QAction::triggered, this, &TfrmInvoiceVelmar::actRemoveWorkSheetExecute);
}

void TfrmInvoiceVelmar::connectHeaderControls()
{
    auto refresh = [this] {
        if (!m_busy)
            Guarded([this] { pChangeData(); });
    };
    connect(cmbInvoiceType, &QComboBox::currentIndexChanged, this, refresh);
    connect(dateTimePickerInvoice, &QDateEdit::dateChanged, this, refresh);
    connect(cmbPaymentTerms, &QComboBox::currentTextChanged, this, refresh);
    connect(SpinEditCustDiscount, &QSpinBox::valueChanged, this, refresh);
    connect(txtCustPO, &QLineEdit::textChanged, this, refresh);
    connect(txtcustTaxExemptNumber, &QLineEdit::textChanged, this, refresh);
    connect(ckbxRecurring, &QCheckBox::toggled, this, refresh);
    connect(cmbFootNotes, &QComboBox::currentIndexChanged, this, refresh);
    connect(ckbxTaxExempt, &QCheckBox::toggled, this, refresh);
    for (QCheckBox* box : ckbxTaxOption)
        connect(box, &QCheckBox::toggled, this, refresh);
    for (QCheckBox* box : {ckbxAddSignatureLine, ckbxPrintContract, ckbxPrintWarranty})
        connect(box, &QCheckBox::toggled, this, [this] {
            if (!m_busy)
                pSetNonSaveData();
        });
    connect(lstvwWorkSheetName, &QTreeWidget::itemClicked, this, [this] { lstvwWorkSheetNameClick(); });
    // Enter chooses the row under the keyboard cursor, selected or not, as a click would.
    lstvwWorkSheetName->installEventFilter(new EnterKeyFilter(lstvwWorkSheetName, [this] {
        QTreeWidgetItem* item = lstvwWorkSheetName->currentItem();
        if (!item)
            return;
        item->setSelected(true);
        lstvwWorkSheetNameClick();
    }));
}

void TfrmInvoiceVelmar::connectSheetControls()
{
    connect(txtAreaName, &QLineEdit::textChanged, this, [this](const QString& text) {
        sheetEdited([text](WorkSheet& s) { s.WorkSheetName = text; });
    });
    connect(m_intExt, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            sheetEdited([id](WorkSheet& s) { s.IntExt = id; });
    });
    connect(m_areaWork, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            sheetEdited([id](WorkSheet& s) { s.AreaWorkOn = id; });
    });
    connect(cmbxPrime, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            sheetEdited([index](WorkSheet& s) { s.Prime = index; });
    });
    const std::pair<QCheckBox*, int WorkSheet::*> flags[] = {
        {ckbxWash, &WorkSheet::Wash},
        {ckbxSand, &WorkSheet::Sand},
        {ckbxMask, &WorkSheet::Mask},
        {ckbxCaulk, &WorkSheet::Caulk},
        {ckbxHangWallpaper, &WorkSheet::HngWallpaper},
        {ckbxRemoveWallpaper, &WorkSheet::RmvWallpaper},
        {ckbxHangBoarder, &WorkSheet::HngBoarder},
        {ckbxRemoveBoarder, &WorkSheet::RmvBorder},
    };
    for (const auto& entry : flags) {
        const auto field = entry.second;
        connect(entry.first, &QCheckBox::toggled, this, [this, field](bool on) {
            sheetEdited([field, on](WorkSheet& s) { s.*field = ToFlag(on); });
        });
    }
    const std::pair<QSpinBox*, int WorkSheet::*> spins[] = {
        {SpinEditNumOfPaintCoats, &WorkSheet::PaintsCoats},
        {SpinEditNumOfTrimCoats, &WorkSheet::TrimCoats},
        {SpinEditNumOfDoors, &WorkSheet::NumOfDoors},
        {SpinEditNumOfDoorFrameTrim, &WorkSheet::NumOfDoorFrmTrm},
        {SpinEditNumOfWindowFrameTrim, &WorkSheet::NumOfWindowFrmTrm},
        {SpinEditNumOfClosets, &WorkSheet::NumOfClosets},
        {SpinEditAreaLength, &WorkSheet::AreaLength},
        {SpinEditAreaWidth, &WorkSheet::AreaWidth},
        {SpinEditAreaHeight, &WorkSheet::AreaHeight},
        {SpinEditAreaMultiplier, &WorkSheet::AreaMultiplier},
    };
    for (const auto& entry : spins) {
        const auto field = entry.second;
        connect(entry.first, &QSpinBox::valueChanged, this, [this, field](int value) {
            sheetEdited([field, value](WorkSheet& s) { s.*field = value; });
        });
    }
    const std::pair<QLineEdit*, QString WorkSheet::*> texts[] = {
        {txtExtraChargesLabor, &WorkSheet::ExtraChargesLabor},
        {txtExtraChargesMaterial, &WorkSheet::ExtraChargesMaterial},
        {txtExtraChargesName, &WorkSheet::ExtraChargesName},
    };
    for (const auto& entry : texts) {
        const auto field = entry.second;
        connect(entry.first, &QLineEdit::textChanged, this, [this, field](const QString& text) {
            sheetEdited([field, text](WorkSheet& s) { s.*field = text; });
        });
    }
    connect(m_areaNotesLimit, &PlainTextLimit::changed, this, [this] {
        const QString text = txtAreaNotes->toPlainText();
        sheetEdited([text](WorkSheet& s) { s.AraNotes = LongText::ForSave(s.AraNotes, text); });
    });
}

void TfrmInvoiceVelmar::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    // A window that cannot be filled is not left open half filled.
    if (!Guarded([this] { FormShow(); }))
        QMetaObject::invokeMethod(this, [this] { done(QDialog::Rejected); }, Qt::QueuedConnection);
}

void TfrmInvoiceVelmar::FormShow()
{
    m_busy = false;
    m_pages->tabBar()->hide();
    pShowPage(false);
    pShowFormInformation();
    pLoadInvoiceData(true);
    pShowWorkSheetData();
    pChangeData();
    actSave->setEnabled(m_ratesUpdated);
    m_currentSheet = 0;
    pEnableWorkSheet(!doc().WorkSheets.empty());
    btnAddCustomer->setFocus();
}

void TfrmInvoiceVelmar::pShowFormInformation()
{
    SetHint(cmbPaymentTerms, QStringLiteral("Select a Payment Term"));
    SetHint(cmbInvoiceType, QStringLiteral("Select Invoice Type"));
    SetHint(dateTimePickerInvoice, QStringLiteral("Select a date to use"));
    SetHint(cmbFootNotes, QStringLiteral("Select a Foot Note"));
    SetHint(btnAddWorkSheet, actAddWorkSheet->statusTip());
    const auto& invData = m_state.companySettings.InvData;
    for (int i = 0; i < 3; ++i) {
        const bool inUse = invData.TaxRates[size_t(i)] > 0;
        const QString caption = inUse ? invData.TaxNames[size_t(i)] : QStringLiteral("Tax Option %1").arg(i + 1);
        ckbxTaxOption[i]->setText(caption);
        ckbxTaxOption[i]->setEnabled(inUse);
        actTaxOption[i]->setText(caption);
        actTaxOption[i]->setEnabled(inUse);
    }
}

void TfrmInvoiceVelmar::pLoadInvoiceData(bool opening)
{
    {
        BusyScope busy(m_busy);
        TrecInvHeader& h = header();
        if (opening) {
            cmbxPrime->clear();
            cmbxPrime->addItems({QStringLiteral("No Prime"), QStringLiteral("Spot Prime"),
                                 QStringLiteral("Prime Entire Surface")});
            cmbxPrime->setCurrentIndex(0);
            for (QCheckBox* box : {ckbxWash, ckbxSand, ckbxMask, ckbxCaulk, ckbxHangWallpaper, ckbxRemoveWallpaper,
                                   ckbxHangBoarder, ckbxRemoveBoarder})
                box->setChecked(false);
        }
        const KindRange kinds = OfferedKinds(h);
        cmbInvoiceType->clear();
        cmbInvoiceType->addItems(kinds.names());
        cmbInvoiceType->setCurrentIndex(0);
        cmbInvoiceType->setEnabled(kinds.Enabled);

        const QDate date = h.InvDate.isEmpty() ? QDate::currentDate() : Regional::ParseShortDate(h.InvDate);
        dateTimePickerInvoice->setDate(date.isValid() ? date : QDate::currentDate());

        pLoadCustomerInformation();
        pLoadPaymentTerms();
        cmbPaymentTerms->setCurrentText(h.CustPymntTerms);
        txtcustTaxExemptNumber->setText(h.CustTaxExemptNum);
        txtCustPO->setText(h.CustPONumber);
        ckbxRecurring->setChecked(h.Recurring);
        cmbFootNotes->setCurrentIndex(qBound(0, h.InvFootNotes, 3));
        ckbxTaxExempt->setChecked(h.CustTaxExempt);
        ckbxTaxOption[0]->setChecked(h.UseTax1);
        ckbxTaxOption[1]->setChecked(h.UseTax2);
        ckbxTaxOption[2]->setChecked(h.UseTax3);
        ckbxAddSignatureLine->setChecked(h.AddSignatureLine);
        ckbxPrintContract->setChecked(h.PrintContract);
        ckbxPrintWarranty->setChecked(h.PrintWarranty);

        m_ratesUpdated = false;
        if (TaxRatesDiffer(h, m_state.companySettings)
            && AskYesNo(RatesQuestion(h)) == PromptAnswer::Yes) {
            UseCurrentTaxRates(h, m_state.companySettings);
            m_ratesUpdated = true;
        }
        actDelete->setEnabled(!h.IsNew);
        actEditPrices->setEnabled(!h.IsNew);
    }
}

void TfrmInvoiceVelmar::pLoadCustomerInformation()
{
    const TrecInvHeader& h = header();
    txtCustInformation->setPlainText(CustomerInformationText(h));
    txtCustInformation->moveCursor(QTextCursor::Start);
    if (!h.CustPymntTerms.isEmpty())
        cmbPaymentTerms->setCurrentText(h.CustPymntTerms);
    txtcustTaxExemptNumber->setText(h.CustTaxExemptNum);
    ckbxTaxExempt->setChecked(h.CustTaxExempt);
    SpinEditCustDiscount->setValue(h.CustDiscountPercent);
}

void TfrmInvoiceVelmar::pLoadPaymentTerms()
{
    cmbPaymentTerms->clear();
    for (const QString& term : m_state.companySettings.InvData.PaymentTerms) {
        if (!term.isEmpty())
            cmbPaymentTerms->addItem(term);
    }
}

void TfrmInvoiceVelmar::pSetNonSaveData()
{
    header().AddSignatureLine = ckbxAddSignatureLine->isChecked();
    header().PrintContract = ckbxPrintContract->isChecked();
    header().PrintWarranty = ckbxPrintWarranty->isChecked();
}

void TfrmInvoiceVelmar::pChangeData()
{
    if (m_busy)
        return;
    BusyScope busy(m_busy);
    CurrentDocument& d = doc();
    TrecInvHeader& h = d.Header;
    const CompanySettings& settings = m_state.companySettings;

    // 1. The header from its controls.
    h.InvName = cmbInvoiceType->currentText();
    setWindowTitle(DocumentName(h));
    h.InvDate = Regional::FormatShortDate(dateTimePickerInvoice->date());
    h.CustPymntTerms = cmbPaymentTerms->currentText();
    lblInvoiceInfo->setText(DocumentTitle(h, settings));
    h.Recurring = ckbxRecurring->isChecked();
    h.CustDiscountPercent = SpinEditCustDiscount->value();
    h.CustPONumber = txtCustPO->text();
    h.CustTaxExemptNum = txtcustTaxExemptNumber->text();
    h.InvFootNotes = cmbFootNotes->currentIndex();

    // 2. Foot note.
    const int footNote = qBound(0, h.InvFootNotes, 3);
    txtInvoiceFootNotes->setVisible(footNote != 0);
    txtInvoiceFootNotes->setPlainText(footNote == 0 ? QString()
                                                    : LongText::ToWidget(settings.InvData.FootNotes[size_t(footNote)]));
    d.PrintData.FootNote = footNote == 0 ? QString() : settings.InvData.FootNotes[size_t(footNote)];

    // 3. Deposit or payment wording.
    if (DocumentType::IsDepositKind(h.InvName)) {
        SetHint(actPaidDeposit, QStringLiteral("Set a Deposit Amount"));
        actPaidDeposit->setText(QStringLiteral("Deposit Required"));
        lblPaidAndDeposit->setText(QStringLiteral("Deposit Required"));
    } else if (DocumentType::IsPaymentKind(h.InvName)) {
        SetHint(actPaidDeposit, QStringLiteral("Enter an Amount Paid"));
        actPaidDeposit->setText(QStringLiteral("Amount Paid"));
        lblPaidAndDeposit->setText(QStringLiteral("Amount Paid"));
    }

    // 4. Recurring and paid in full.
    if (ApplyRecurringRules(h))
        ShowInfo(QString::fromLatin1(kPaidInFullAndRecurringMessage));
    ckbxRecurring->setChecked(h.Recurring);
    ckbxRecurring->setEnabled(RecurringAllowed(h));

    // 5. Taxes.
    if (ckbxTaxExempt->isChecked()) {
        for (QCheckBox* box : ckbxTaxOption)
            box->setChecked(false);
    }
    h.CustTaxExempt = ckbxTaxExempt->isChecked();
    h.UseTax1 = ckbxTaxOption[0]->isChecked();
    h.UseTax2 = ckbxTaxOption[1]->isChecked();
    h.UseTax3 = ckbxTaxOption[2]->isChecked();

    // 6.
    ComputeTotals(d, settings);

    // 7 to 9. What is still required.
    const int sheetCount = int(d.WorkSheets.size());
    const WorkSheet* current = sheet();
    const bool hasCustomer = !txtCustInformation->toPlainText().isEmpty();
    RequiredState required;
    required.onWorkSheetPage = onWorkSheetPage();
    required.hasCustomer = hasCustomer;
    required.sheetCount = current ? sheetCount : 0;
    if (current)
        required.sheet = CheckSheetCompleteness(*current);
    const RequiredInformation info = CheckRequiredInformation(required);
    m_areaWorkNeeded = info.areaWorkNeeded;
    m_sheetComplete = info.sheetComplete;
    m_dimensionsNeeded = info.dimensionsNeeded;
    pResetRequiredLabels();
    if (required.onWorkSheetPage) {
        if (info.areaWorkNeeded)
            SetLabelState(lblAreaWorkNeeded, QStringLiteral("* Area Work Needed"), true);
        if (info.lengthMissing)
            SetLabelState(lblAreaLength, QStringLiteral("* Area Length"), true);
        if (info.widthMissing)
            SetLabelState(lblAreaWidth, QStringLiteral("* Area Width"), true);
        if (info.heightMissing)
            SetLabelState(lblAreaHeight, QStringLiteral("* Area Height"), true);
    } else {
        actAddCustomer->setText(info.customerMissing ? QStringLiteral("* Add Customer") : QStringLiteral("Change Customer"));
        btnAddCustomer->setStyleSheet(info.customerMissing ? QStringLiteral("color: red;") : QString());
        if (info.addSheetNeeded)
            SetLabelState(lblAddNewWorkSheet, QStringLiteral("* Add a new Work Sheet"), true);
    }
    lblRequiredDataLine->setText(info.text());
    lblRequiredDataLine->setVisible(!info.lines.isEmpty());

    // 10, 11.
    btnCompleteWorkSheet->setEnabled(m_sheetComplete);
    const bool ready = DocumentReadyToSave(hasCustomer, sheetCount, current ? current->SheetTotal : 0, m_sheetComplete);
    for (QAction* action : {actSave, actPrint, actPrintPreview, actPDF})
        action->setEnabled(ready);

    // 12. The document commands belong to the Project Information page.
    const bool documentCommands = !required.onWorkSheetPage;
    for (QAction* action : {actSave, actPrint, actPrintPreview, actPDF, actDelete, actEditPrices})
        action->setVisible(documentCommands);
    for (QAction* separator : m_documentSeparators)
        separator->setVisible(documentCommands);

    // 13.
    grpWorkSheet->setTitle(current ? QStringLiteral("Work Sheet Name: ") + current->WorkSheetName
                                   : QStringLiteral("Work Sheet Name: None"));
    lblTotal->setText(h.InvName + QLatin1Char(' ') + QStringLiteral("Total"));

    // 14.
    txtAreaSQFTTotal->setText(current ? current->SquareFeetText() : QStringLiteral("0"));
    txtAreaTotal->setText(Regional::CurrencyText(current ? current->SheetTotal : 0));

    // 15.
    txtPaidAndDeposit->setText(d.PrintData.DepositOrPaid);
    txtInvoiceSubTotal->setText(d.PrintData.SubTotal);
    txtInvoiceTaxTotal->setText(d.PrintData.TaxTotal);
    txtInvoiceDiscount->setText(d.PrintData.Discount);
    txtInvoiceTotal->setText(d.PrintData.Total);
}

void TfrmInvoiceVelmar::pResetRequiredLabels()
{
    SetLabelState(lblAreaWorkNeeded, QStringLiteral("Area Work Needed"), false);
    SetLabelState(lblAreaLength, QStringLiteral("Area Length"), false);
    SetLabelState(lblAreaWidth, QStringLiteral("Area Width"), false);
    SetLabelState(lblAreaHeight, QStringLiteral("Area Height"), false);
    SetLabelState(lblAddNewWorkSheet, QStringLiteral("Add a new Work Sheet"), false);
    lblRequiredDataLine->setText(QStringLiteral("Required Information Needed:"));
    lblRequiredDataLine->hide();
}

void TfrmInvoiceVelmar::sheetEdited(const std::function<void(WorkSheet&)>& write)
{
    if (m_busy)
        return;
    WorkSheet* s = sheet();
    if (!s)
        return;
    write(*s);
    Guarded([this] { pShowWorkSheetData(); });
}

void TfrmInvoiceVelmar::pShowWorkSheetData()
{
    WorkSheet* s = sheet();
    if (!s)
        return;
    {
        BusyScope busy(m_busy);
        // The exterior and surface rules hold in the sheet before it is shown.
        ApplyWorkSheetInvariants(*s);
        const bool interior = s->IntExt == IntExt::Interior;
        const int surface = s->AreaWorkOn;
        SpinEditNumOfClosets->setEnabled(interior);
        lblNumOfClosets->setEnabled(interior);
        const bool wallpaperAllowed = interior && surface != AreaWork::FloorOnly;
        for (QCheckBox* box : {ckbxHangWallpaper, ckbxRemoveWallpaper, ckbxHangBoarder, ckbxRemoveBoarder})
            box->setEnabled(wallpaperAllowed);
        const bool heightShown = surface != AreaWork::CeilingOnly && surface != AreaWork::FloorOnly;
        const bool widthShown = surface != AreaWork::OneWallOnly;
        SpinEditAreaHeight->setVisible(heightShown);
        lblAreaHeight->setVisible(heightShown);
        SpinEditAreaWidth->setVisible(widthShown);
        lblAreaWidth->setVisible(widthShown);

        // Only a text that differs is put back, so typing keeps its caret.
        if (txtAreaName->text() != s->WorkSheetName)
            txtAreaName->setText(s->WorkSheetName);
        if (QAbstractButton* b = m_intExt->button(s->IntExt != IntExt::Interior ? 1 : 0))
            b->setChecked(true);
        if (QAbstractButton* b = m_areaWork->button(s->AreaWorkOn))
            b->setChecked(true);
        cmbxPrime->setCurrentIndex(qBound(0, s->Prime, 2));
        ckbxWash->setChecked(IsFlagSet(s->Wash));
        ckbxSand->setChecked(IsFlagSet(s->Sand));
        ckbxCaulk->setChecked(IsFlagSet(s->Caulk));
        ckbxMask->setChecked(IsFlagSet(s->Mask));
        SpinEditNumOfPaintCoats->setValue(s->PaintsCoats);
        SpinEditNumOfTrimCoats->setValue(s->TrimCoats);
        SpinEditNumOfDoors->setValue(s->NumOfDoors);
        SpinEditNumOfDoorFrameTrim->setValue(s->NumOfDoorFrmTrm);
        SpinEditNumOfWindowFrameTrim->setValue(s->NumOfWindowFrmTrm);
        SpinEditNumOfClosets->setValue(s->NumOfClosets);
        ckbxHangWallpaper->setChecked(IsFlagSet(s->HngWallpaper));
        ckbxRemoveWallpaper->setChecked(IsFlagSet(s->RmvWallpaper));
        ckbxHangBoarder->setChecked(IsFlagSet(s->HngBoarder));
        ckbxRemoveBoarder->setChecked(IsFlagSet(s->RmvBorder));
        if (txtExtraChargesLabor->text() != s->ExtraChargesLabor)
            txtExtraChargesLabor->setText(s->ExtraChargesLabor);
        if (txtExtraChargesMaterial->text() != s->ExtraChargesMaterial)
            txtExtraChargesMaterial->setText(s->ExtraChargesMaterial);
        if (txtExtraChargesName->text() != s->ExtraChargesName)
            txtExtraChargesName->setText(s->ExtraChargesName);
        const QString notes = LongText::ToWidget(s->AraNotes);
        if (txtAreaNotes->toPlainText() != notes)
            m_areaNotesLimit->setText(notes);
        SpinEditAreaLength->setValue(s->AreaLength);
        SpinEditAreaWidth->setValue(s->AreaWidth);
        SpinEditAreaHeight->setValue(s->AreaHeight);
        SpinEditAreaMultiplier->setValue(s->AreaMultiplier);
    }
    pChangeData();
    pWorkSheetNameList();
    pChangeData();
}

void TfrmInvoiceVelmar::pWorkSheetNameList()
{
    const auto& sheets = doc().WorkSheets;
    lstvwWorkSheetName->setUpdatesEnabled(false);
    // Rows are reused, so a rebuild on every keystroke stays cheap.
    while (lstvwWorkSheetName->topLevelItemCount() > int(sheets.size()))
        delete lstvwWorkSheetName->takeTopLevelItem(lstvwWorkSheetName->topLevelItemCount() - 1);
    for (int i = 0; i < int(sheets.size()); ++i) {
        const WorkSheet& s = sheets[size_t(i)];
        QTreeWidgetItem* item = lstvwWorkSheetName->topLevelItem(i);
        if (!item) {
            item = new QTreeWidgetItem(lstvwWorkSheetName);
            item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
            item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        }
        const bool named = !s.WorkSheetName.isEmpty();
        item->setText(0, ListedSheetName(s, i + 1));
        item->setText(1, named ? s.SquareFeetText() : QStringLiteral("0"));
        item->setText(2, Regional::CurrencyText(named ? s.SheetTotal : 0));
    }
    lstvwWorkSheetName->setUpdatesEnabled(true);
}

void TfrmInvoiceVelmar::pEnableWorkSheet(bool enable)
{
    for (QWidget* w : m_sheetControls)
        w->setEnabled(enable);
    btnCompleteWorkSheet->setEnabled(enable && m_sheetComplete);
    lstvwWorkSheetName->setEnabled(enable);
    for (QWidget* w : {static_cast<QWidget*>(SpinEditAreaLength), static_cast<QWidget*>(SpinEditAreaWidth),
                       static_cast<QWidget*>(SpinEditAreaHeight), static_cast<QWidget*>(lblAreaLength),
                       static_cast<QWidget*>(lblAreaWidth), static_cast<QWidget*>(lblAreaHeight)})
        w->setVisible(true);
    m_workTabs->setCurrentIndex(0);
    if (enable)
        return;
    BusyScope busy(m_busy);
    txtAreaName->clear();
    m_intExt->button(0)->setChecked(true);
    m_areaWork->button(0)->setChecked(true);
    for (QSpinBox* spin : {SpinEditNumOfPaintCoats, SpinEditNumOfTrimCoats, SpinEditNumOfDoors, SpinEditNumOfDoorFrameTrim,
                           SpinEditNumOfWindowFrameTrim, SpinEditNumOfClosets, SpinEditAreaLength, SpinEditAreaWidth,
                           SpinEditAreaHeight})
        spin->setValue(0);
    SpinEditAreaMultiplier->setValue(1);
    cmbxPrime->setCurrentIndex(0);
    for (QCheckBox* box : {ckbxWash, ckbxSand, ckbxMask, ckbxCaulk, ckbxHangWallpaper, ckbxRemoveWallpaper,
                           ckbxHangBoarder, ckbxRemoveBoarder})
        box->setChecked(false);
    txtExtraChargesLabor->clear();
    txtExtraChargesMaterial->clear();
    txtExtraChargesName->clear();
    m_areaNotesLimit->setText(QString());
    txtAreaSQFTTotal->setText(QStringLiteral("0"));
    txtAreaTotal->setText(Regional::CurrencyText(0));
    lblAreaSQFTTotal->setText(QStringLiteral("Work Sheet SQFT Total"));
    lblAreaTotal->setText(QStringLiteral("Work Sheet Total"));
    lstvwWorkSheetName->clear();
}

void TfrmInvoiceVelmar::pShowPage(bool workSheetPage)
{
    m_pages->setCurrentWidget(workSheetPage ? TabSheetWorkSheetInfo : TabSheetProjectInfo);
}

void TfrmInvoiceVelmar::actAddWorkSheetExecute()
{
    if (txtCustInformation->toPlainText().isEmpty()) {
        ShowInfo(QString::fromLatin1(kAddCustomerFirstMessage));
        btnAddCustomer->setFocus();
        return;
    }
    auto& sheets = doc().WorkSheets;
    if (int(sheets.size()) >= MaxWorkSheets) {
        ShowInfo(QString::fromLatin1(kMaxSheetsMessage));
        return;
    }
    sheets.push_back(NewWorkSheet(int(sheets.size()) + 1));
    m_currentSheet = int(sheets.size()) - 1;
    pEnableWorkSheet(true);
    pShowPage(true);
    txtAreaName->setFocus();
    Guarded([this] { pShowWorkSheetData(); });
    txtAreaName->selectAll();
}

void TfrmInvoiceVelmar::actRemoveWorkSheetExecute()
{
    WorkSheet* s = sheet();
    if (!s)
        return;
    if (AskYesNoCancel(RemoveSheetQuestion(header(), ListedSheetName(*s, m_currentSheet + 1))) != PromptAnswer::Yes)
        return;
    auto& sheets = doc().WorkSheets;
    sheets.erase(sheets.begin() + m_currentSheet);
    if (sheets.empty())
        pEnableWorkSheet(false);
    m_currentSheet = qMax(0, int(sheets.size()) - 1);
    pShowPage(false);
    Guarded([this] {
        pChangeData();
        pShowWorkSheetData();
    });
    btnAddWorkSheet->setFocus();
}

void TfrmInvoiceVelmar::btnCompleteWorkSheetClick()
{
    pShowPage(false);
    Guarded([this] { pChangeData(); });
    lstvwWorkSheetName->setFocus();
}

void TfrmInvoiceVelmar::lstvwWorkSheetNameClick()
{
    if (onWorkSheetPage())
        return;
    QTreeWidgetItem* item = lstvwWorkSheetName->currentItem();
    if (!item || !item->isSelected())
        return;
    if (!m_sheetComplete) {
        const WorkSheet* s = sheet();
        ShowInfo(fIncompleteWorkSheetMessage(s ? s->WorkSheetName : QString(), m_dimensionsNeeded, m_areaWorkNeeded));
        lstvwWorkSheetName->clearSelection();
        return;
    }
    const bool saveWasEnabled = actSave->isEnabled();
    pShowPage(true);
    m_currentSheet = lstvwWorkSheetName->indexOfTopLevelItem(item);
    Guarded([this] { pShowWorkSheetData(); });
    // Looking at a sheet is no change.
    actSave->setEnabled(saveWasEnabled);
    txtAreaName->setFocus();
}

void TfrmInvoiceVelmar::actAddCustomerExecute()
{
    Guarded([this] {
        {
            BusyScope busy(m_busy);
            Dispatcher::ShowCustomers(m_state, this);
            pLoadCustomerInformation();
        }
        if (m_state.dataChanged)
            pChangeData();
    });
}

void TfrmInvoiceVelmar::actPaidDepositExecute()
{
    Guarded([this] {
        Dispatcher::ShowPaidAndDeposit(m_state, this);
        if (m_state.dataChanged)
            pChangeData();
    });
}

void TfrmInvoiceVelmar::actAddInvoiceNotesExecute()
{
    Guarded([this] {
        Dispatcher::ShowInvoiceNotes(m_state, this);
        if (m_state.dataChanged)
            pChangeData();
    });
}

void TfrmInvoiceVelmar::pSaveInvData()
{
    SaveDocument(doc(), SaveHooks{[](const QString& caption) { ShowProgress(caption); }});
    HideProgress();
    TakeSnapshot(doc());
    pLoadInvoiceData(false);
    // The refill may have offered fewer kinds; the header follows the controls again.
    pChangeData();
    actSave->setEnabled(m_ratesUpdated);
}

void TfrmInvoiceVelmar::actDeleteExecute()
{
    if (AskYesNoCancel(DeleteQuestion(header())) != PromptAnswer::Yes)
        return;
    if (Guarded([this] { DeleteDocument(doc()); })) {
        m_closing = true;
        done(QDialog::Accepted);
    }
}

void TfrmInvoiceVelmar::actPDFExecute()
{
    if (!actPDF->isEnabled() || !m_state.printData)
        return;
    const TrecInvHeader& h = header();
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString proposed = QDir(folder).filePath(PdfProposedName(h) + QStringLiteral(".pdf"));
    const QString path = Prompts().chooseSaveFile(PdfDialogTitle(h), proposed, PdfFilter());
    if (path.isEmpty())
        return;
    Guarded([this, path] {
        m_state.windowMode = kModeCurrentDocument;
        m_state.printData->pCreatePDFFile(WithPdfExtension(path));
    });
}

void TfrmInvoiceVelmar::actPrintPreviewExecute()
{
    if (!actPrintPreview->isEnabled() || !m_state.printData)
        return;
    Guarded([this] {
        m_state.windowMode = kModeCurrentDocument;
        m_state.printData->pPrintPreview();
    });
}

void TfrmInvoiceVelmar::actPrintExecute()
{
    if (!actPrint->isEnabled() || !m_state.printData)
        return;
    Guarded([this] {
        m_state.windowMode = kModeCurrentDocument;
        m_state.printData->pPrint();
    });
}

void TfrmInvoiceVelmar::actEditPricesExecute()
{
    Guarded([this] {
        Dispatcher::ShowPriceSheet(m_state, this);
        if (!m_state.dataChanged)
            return;
        LoadPriceTable(doc());
        pChangeData();
        pSaveInvData();
        m_state.dataChanged = false;
    });
}

bool TfrmInvoiceVelmar::FormCloseQuery()
{
    const TrecInvHeader& h = header();
    if (actSave->isEnabled()) {
        switch (AskYesNoCancel(SaveChangesQuestion(h))) {
        case PromptAnswer::Yes:
            return Guarded([this] { pSaveInvData(); });
        case PromptAnswer::No:
            return true;
        default:
            return false;
        }
    }
    if (!doc().WorkSheets.empty() && !m_sheetComplete)
        return AskYesNoCancel(ResumeQuestion(h)) == PromptAnswer::No;
    return true;
}

void TfrmInvoiceVelmar::closeEvent(QCloseEvent* event)
{
    if (!m_closing && !FormCloseQuery()) {
        event->ignore();
        return;
    }
    m_closing = true;
    event->accept();
    QDialog::done(QDialog::Rejected);
}

void TfrmInvoiceVelmar::reject()
{
    // Escape closes through the same questions as the Close command.
    close();
}
