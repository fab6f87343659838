// The two pages and the totals of the document editor.
#include "documents/gui/TfrmInvoiceVelmar.h"

#include "app/Regional.h"
#include "app/gui/WidgetLook.h"
#include "catalogs/AllowNumDecimalOnly.h"
#include "catalogs/gui/CommandIcons.h"
#include "catalogs/gui/PlainTextLimit.h"
#include "documents/gui/EditorWidgets.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace EditorWidgets;

QWidget* TfrmInvoiceVelmar::buildProjectPage()
{
    TabSheetProjectInfo = new QWidget;
    TabSheetProjectInfo->setObjectName(QStringLiteral("TabSheetProjectInfo"));
    QWidget* pageWidget = TabSheetProjectInfo;

    // Customer Information.
    auto* customer = new QGroupBox(QStringLiteral("Customer Information"), pageWidget);
    customer->setObjectName(QStringLiteral("grpCustomerInformation"));
    btnAddCustomer = new QPushButton(customer);
    btnAddCustomer->setObjectName(QStringLiteral("btnAddCustomer"));
    BindButton(btnAddCustomer, actAddCustomer);
    txtCustInformation = new QPlainTextEdit(customer);
    txtCustInformation->setObjectName(QStringLiteral("txtCustInformation"));
    ShowReadOnly(txtCustInformation);
    txtCustInformation->setTabChangesFocus(true);
    cmbPaymentTerms = new QComboBox(customer);
    cmbPaymentTerms->setObjectName(QStringLiteral("cmbPaymentTerms"));
    cmbPaymentTerms->setEditable(true);
    cmbPaymentTerms->setInsertPolicy(QComboBox::NoInsert);
    SpinEditCustDiscount = ArrowsOnlySpin(customer, "SpinEditCustDiscount", 0, 100, "Enter customer Discount Percent");
    txtCustPO = LineEdit(customer, "txtCustPO", 25, "Enter a PO number for this Customer");
    btnPaidDeposit = new QPushButton(customer);
    btnPaidDeposit->setObjectName(QStringLiteral("btnPaidDeposit"));
    BindButton(btnPaidDeposit, actPaidDeposit);
    ckbxTaxExempt = CheckBox(customer, "ckbxTaxExempt", "Tax Exempt", "Check if customer is Tax Exempt");
    BindCheckBox(ckbxTaxExempt, actTaxExempt);
    txtcustTaxExemptNumber = LineEdit(customer, "txtcustTaxExemptNumber", 25, "Enter Customer Tax Exemption Number");
    for (int i = 0; i < 3; ++i) {
        ckbxTaxOption[i] = new QCheckBox(QStringLiteral("Tax Option %1").arg(i + 1), customer);
        ckbxTaxOption[i]->setObjectName(QStringLiteral("ckbxTaxOption%1").arg(i + 1));
        SetHint(ckbxTaxOption[i], QStringLiteral("Check to use this tax"));
        BindCheckBox(ckbxTaxOption[i], actTaxOption[i]);
    }
    {
        auto* grid = new QGridLayout(customer);
        grid->setVerticalSpacing(4);
        grid->addWidget(btnAddCustomer, 0, 0, 1, 2);
        grid->addWidget(txtCustInformation, 1, 0, 1, 2);
        grid->addWidget(Caption(customer, QStringLiteral("Payment Terms"), cmbPaymentTerms), 2, 0);
        grid->addWidget(cmbPaymentTerms, 2, 1);
        grid->addWidget(Caption(customer, QStringLiteral("Discount Percent"), SpinEditCustDiscount), 3, 0);
        grid->addWidget(SpinEditCustDiscount, 3, 1, Qt::AlignLeft);
        grid->addWidget(Caption(customer, QStringLiteral("Customer P.O. Number"), txtCustPO), 4, 0);
        grid->addWidget(txtCustPO, 4, 1);
        grid->addWidget(btnPaidDeposit, 5, 0, 1, 2);
        grid->addWidget(ckbxTaxExempt, 6, 0);
        grid->addWidget(Caption(customer, QStringLiteral("Tax Exempt Number"), txtcustTaxExemptNumber), 7, 0);
        grid->addWidget(txtcustTaxExemptNumber, 7, 1);
        auto* taxes = new QHBoxLayout;
        for (QCheckBox* box : ckbxTaxOption)
            taxes->addWidget(box);
        grid->addLayout(taxes, 8, 0, 1, 2);
        grid->setRowStretch(1, 1);
        grid->setColumnStretch(1, 1);
    }

    // Invoice Information.
    auto* invoice = new QGroupBox(QStringLiteral("Invoice Information"), pageWidget);
    invoice->setObjectName(QStringLiteral("grpInvoiceInformation"));
    cmbInvoiceType = new QComboBox(invoice);
    cmbInvoiceType->setObjectName(QStringLiteral("cmbInvoiceType"));
    dateTimePickerInvoice = new QDateEdit(invoice);
    dateTimePickerInvoice->setObjectName(QStringLiteral("dateTimePickerInvoice"));
    dateTimePickerInvoice->setCalendarPopup(true);
    dateTimePickerInvoice->setDisplayFormat(Regional::ShortDateFormat());
    lblInvoiceInfo = new QLabel(invoice);
    lblInvoiceInfo->setObjectName(QStringLiteral("lblInvoiceInfo"));
    btnAddNotes = new QPushButton(invoice);
    btnAddNotes->setObjectName(QStringLiteral("btnAddNotes"));
    BindButton(btnAddNotes, actAddInvoiceNotes);
    ckbxRecurring = CheckBox(invoice, "ckbxRecurring", "Set As Recurring", "Set Invoice as recurring");
    cmbFootNotes = new QComboBox(invoice);
    cmbFootNotes->setObjectName(QStringLiteral("cmbFootNotes"));
    cmbFootNotes->addItems({QStringLiteral("No Foot Notes"), QStringLiteral("Foot Note 1"),
                            QStringLiteral("Foot Note 2"), QStringLiteral("Foot Note 3")});
    txtInvoiceFootNotes = new QPlainTextEdit(invoice);
    txtInvoiceFootNotes->setObjectName(QStringLiteral("txtInvoiceFootNotes"));
    ShowReadOnly(txtInvoiceFootNotes);
    txtInvoiceFootNotes->setTabChangesFocus(true);
    {
        auto* grid = new QGridLayout(invoice);
        grid->setVerticalSpacing(4);
        grid->addWidget(Caption(invoice, QStringLiteral("Select Invoice Type"), cmbInvoiceType), 0, 0);
        grid->addWidget(cmbInvoiceType, 0, 1);
        grid->addWidget(Caption(invoice, QStringLiteral("Invoice Date"), dateTimePickerInvoice), 1, 0);
        grid->addWidget(dateTimePickerInvoice, 1, 1);
        grid->addWidget(lblInvoiceInfo, 2, 0, 1, 2);
        grid->addWidget(btnAddNotes, 3, 0, 1, 2);
        grid->addWidget(ckbxRecurring, 4, 0, 1, 2);
        grid->addWidget(cmbFootNotes, 5, 0, 1, 2);
        grid->addWidget(txtInvoiceFootNotes, 6, 0, 1, 2);
        grid->setRowStretch(6, 1);
        grid->setColumnStretch(1, 1);
    }

    // Print Information.
    auto* print = new QGroupBox(QStringLiteral("Print Information"), pageWidget);
    print->setObjectName(QStringLiteral("grpPrintInformation"));
    ckbxAddSignatureLine = CheckBox(print, "ckbxAddSignatureLine", "Add Signature Line", "Add a signature line");
    ckbxPrintContract = CheckBox(print, "ckbxPrintContract", "Print Contract", "Print contract with the Invoice");
    ckbxPrintWarranty = CheckBox(print, "ckbxPrintWarranty", "Print Warranty", "Print warranty with the Invoice");
    {
        auto* box = new QVBoxLayout(print);
        box->setSpacing(2);
        box->addWidget(ckbxAddSignatureLine);
        box->addWidget(ckbxPrintContract);
        box->addWidget(ckbxPrintWarranty);
    }

    // Work Sheet Control Panel.
    auto* panel = new QGroupBox(QStringLiteral("Work Sheet Control Panel"), pageWidget);
    panel->setObjectName(QStringLiteral("grpWorkSheetControlPanel"));
    lblAddNewWorkSheet = new QLabel(QStringLiteral("Add a new Work Sheet"), panel);
    lblAddNewWorkSheet->setObjectName(QStringLiteral("lblAddNewWorkSheet"));
    btnAddWorkSheet = new QPushButton(panel);
    btnAddWorkSheet->setObjectName(QStringLiteral("btnAddWorkSheet"));
    BindButton(btnAddWorkSheet, actAddWorkSheet);
    lstvwWorkSheetName = new QTreeWidget(panel);
    lstvwWorkSheetName->setObjectName(QStringLiteral("lstvwWorkSheetName"));
    lstvwWorkSheetName->setColumnCount(3);
    lstvwWorkSheetName->setHeaderLabels({QStringLiteral("Work Sheet"), QStringLiteral("SQFT"), QStringLiteral("Total")});
    lstvwWorkSheetName->setRootIsDecorated(false);
    lstvwWorkSheetName->setUniformRowHeights(true);
    lstvwWorkSheetName->setSelectionBehavior(QAbstractItemView::SelectRows);
    lstvwWorkSheetName->setSelectionMode(QAbstractItemView::SingleSelection);
    lstvwWorkSheetName->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstvwWorkSheetName->headerItem()->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    lstvwWorkSheetName->headerItem()->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    PolishList(lstvwWorkSheetName);
    StretchColumns(lstvwWorkSheetName, {ScaledColumnWidth(lstvwWorkSheetName, 170),
                                        ScaledColumnWidth(lstvwWorkSheetName, 80),
                                        ScaledColumnWidth(lstvwWorkSheetName, 75)});
    SetHint(lstvwWorkSheetName, QStringLiteral("Select a Work Sheet to edit"));
    {
        auto* box = new QGridLayout(panel);
        box->addWidget(lblAddNewWorkSheet, 0, 0);
        box->addWidget(btnAddWorkSheet, 0, 1);
        box->addWidget(lstvwWorkSheetName, 1, 0, 1, 2);
        box->setColumnStretch(0, 1);
    }

    auto* grid = new QGridLayout(pageWidget);
    grid->setContentsMargins(0, 4, 0, 0);
    grid->addWidget(customer, 0, 0, 2, 1);
    grid->addWidget(invoice, 0, 1);
    grid->addWidget(print, 1, 1);
    grid->addWidget(panel, 0, 2, 2, 1);
    grid->setColumnStretch(0, 30);
    grid->setColumnStretch(1, 28);
    grid->setColumnStretch(2, 36);
    return pageWidget;
}

QWidget* TfrmInvoiceVelmar::buildWorkSheetPage()
{
    TabSheetWorkSheetInfo = new QWidget;
    TabSheetWorkSheetInfo->setObjectName(QStringLiteral("TabSheetWorkSheetInfo"));
    grpWorkSheet = new QGroupBox(QStringLiteral("Work Sheet Name: None"), TabSheetWorkSheetInfo);
    grpWorkSheet->setObjectName(QStringLiteral("grpWorkSheet"));
    QWidget* box = grpWorkSheet;

    // Left: name and the two choices.
    txtAreaName = LineEdit(box, "txtAreaName", 20, "Enter a name for this Work Sheet - Bedroom, Hall, Office ...");
    auto* lblAreaName = Caption(box, QStringLiteral("Work Sheet Name"), txtAreaName, "lblAreaName");
    RadioGroupInteriorExterior = RadioGroup(box, "RadioGroupInteriorExterior", "Interior or Exterior",
                                            {QStringLiteral("Interior"), QStringLiteral("Exterior")}, m_intExt,
                                            "This Work Sheet is Interior or Exterior work");
    RadioGroupAreaWorkOn = RadioGroup(box, "RadioGroupAreaWorkOn", "Area Work On ...",
                                      {QStringLiteral("Walls and Ceiling"), QStringLiteral("Walls Only"),
                                       QStringLiteral("Ceiling Only"), QStringLiteral("1 Wall Only"),
                                       QStringLiteral("Floor Only")},
                                      m_areaWork, "Select surface to be worked on");

    // Middle: the work options on their tabs.
    lblAreaWorkNeeded = new QLabel(QStringLiteral("Area Work Needed"), box);
    lblAreaWorkNeeded->setObjectName(QStringLiteral("lblAreaWorkNeeded"));
    m_workTabs = new QTabWidget(box);
    m_workTabs->setObjectName(QStringLiteral("PageControlWorkOptions"));

    auto* prep = new QWidget;
    prep->setObjectName(QStringLiteral("TabSheetPrepAndPaint"));
    cmbxPrime = new QComboBox(prep);
    cmbxPrime->setObjectName(QStringLiteral("cmbxPrime"));
    SetHint(cmbxPrime, QStringLiteral("Select Prime information for this area"));
    ckbxWash = CheckBox(prep, "ckbxWash", "Wash", "Select to Wash this area");
    ckbxSand = CheckBox(prep, "ckbxSand", "Sand", "Select to Sand this area");
    ckbxCaulk = CheckBox(prep, "ckbxCaulk", "Caulk", "Select to Caulk this area");
    ckbxMask = CheckBox(prep, "ckbxMask", "Mask", "Select to Mask this area");
    SpinEditNumOfPaintCoats = ArrowsOnlySpin(prep, "SpinEditNumOfPaintCoats", 0, 10, "Number of Coats of Paint");
    SpinEditNumOfTrimCoats = ArrowsOnlySpin(prep, "SpinEditNumOfTrimCoats", 0, 10, "Number of Trim Coats of Paint");
    {
        auto* grid = new QGridLayout(prep);
        grid->addWidget(Caption(prep, QStringLiteral("Prime"), cmbxPrime, "lblPrime"), 0, 0);
        grid->addWidget(cmbxPrime, 0, 1, 1, 2);
        grid->addWidget(ckbxWash, 1, 0);
        grid->addWidget(ckbxSand, 1, 1);
        grid->addWidget(ckbxCaulk, 2, 0);
        grid->addWidget(ckbxMask, 2, 1);
        grid->addWidget(Caption(prep, QStringLiteral("Number of Paint Coats"), SpinEditNumOfPaintCoats, "lblNumOfPaintCoats"), 3, 0, 1, 2);
        grid->addWidget(SpinEditNumOfPaintCoats, 3, 2);
        grid->addWidget(Caption(prep, QStringLiteral("Number of Trim Coats"), SpinEditNumOfTrimCoats, "lblNumOfTrimCoats"), 4, 0, 1, 2);
        grid->addWidget(SpinEditNumOfTrimCoats, 4, 2);
        grid->setRowStretch(5, 1);
    }
    m_workTabs->addTab(prep, QStringLiteral("Prep And Paint"));

    auto* addOns = new QWidget;
    addOns->setObjectName(QStringLiteral("TabSheetAddOns"));
    SpinEditNumOfDoors = ArrowsOnlySpin(addOns, "SpinEditNumOfDoors", 0, 200, "Select Number of Doors to paint for this Work Sheet");
    SpinEditNumOfDoorFrameTrim = ArrowsOnlySpin(addOns, "SpinEditNumOfDoorFrameTrim", 0, 200,
                                                "Select Number of door Frames or Trim to paint for this Work Sheet");
    SpinEditNumOfWindowFrameTrim = ArrowsOnlySpin(addOns, "SpinEditNumOfWindowFrameTrim", 0, 200,
                                                  "Select Number of Window Frames or Trim to paint for this Work Sheet");
    SpinEditNumOfClosets = ArrowsOnlySpin(addOns, "SpinEditNumOfClosets", 0, 200, "Select Number of Closets to paint for this Work Sheet");
    lblNumOfClosets = Caption(addOns, QStringLiteral("Closets to Paint"), SpinEditNumOfClosets, "lblNumOfClosets");
    {
        auto* grid = new QGridLayout(addOns);
        grid->addWidget(Caption(addOns, QStringLiteral("Doors to Paint"), SpinEditNumOfDoors, "lblNumOfDoors"), 0, 0);
        grid->addWidget(SpinEditNumOfDoors, 0, 1);
        grid->addWidget(Caption(addOns, QStringLiteral("Door Frame/Trim to Paint"), SpinEditNumOfDoorFrameTrim, "lblNumOfDoorFrameTrim"), 1, 0);
        grid->addWidget(SpinEditNumOfDoorFrameTrim, 1, 1);
        grid->addWidget(Caption(addOns, QStringLiteral("Window Frame/Trim to Paint"), SpinEditNumOfWindowFrameTrim, "lblNumOfWindowFrameTrim"), 2, 0);
        grid->addWidget(SpinEditNumOfWindowFrameTrim, 2, 1);
        grid->addWidget(lblNumOfClosets, 3, 0);
        grid->addWidget(SpinEditNumOfClosets, 3, 1);
        grid->setRowStretch(4, 1);
        grid->setColumnStretch(2, 1);
    }
    m_workTabs->addTab(addOns, QStringLiteral("Add-ons"));

    auto* wallpaper = new QWidget;
    wallpaper->setObjectName(QStringLiteral("TabSheetWallpaper"));
    ckbxHangWallpaper = CheckBox(wallpaper, "ckbxHangWallpaper", "Hang Wallpaper", "Select to Hang Wallpaper for this Work Sheet");
    ckbxRemoveWallpaper = CheckBox(wallpaper, "ckbxRemoveWallpaper", "Remove Wallpaper", "Select to Remove Wallpaper for this Work Sheet");
    ckbxHangBoarder = CheckBox(wallpaper, "ckbxHangBoarder", "Hang Boarder", "Select to Hang Wallpaper Border for this Work Sheet");
    ckbxRemoveBoarder = CheckBox(wallpaper, "ckbxRemoveBoarder", "Remove Boarder", "Select to Remove Wallpaper Border for this Work Sheet");
    {
        auto* grid = new QGridLayout(wallpaper);
        grid->addWidget(ckbxHangWallpaper, 0, 0);
        grid->addWidget(ckbxRemoveWallpaper, 1, 0);
        grid->addWidget(ckbxHangBoarder, 2, 0);
        grid->addWidget(ckbxRemoveBoarder, 3, 0);
        grid->setRowStretch(4, 1);
    }
    m_workTabs->addTab(wallpaper, QStringLiteral("Wallpaper"));

    auto* extras = new QWidget;
    extras->setObjectName(QStringLiteral("TabSheetExtras"));
    auto* amounts = new AllowNumDecimalOnly(this);
    txtExtraChargesLabor = LineEdit(extras, "txtExtraChargesLabor", 9, "Enter a Labor Extra Charge");
    txtExtraChargesLabor->setValidator(amounts);
    txtExtraChargesMaterial = LineEdit(extras, "txtExtraChargesMaterial", 9, "Enter a Material Extra Charge");
    txtExtraChargesMaterial->setValidator(amounts);
    txtExtraChargesName = LineEdit(extras, "txtExtraChargesName", 25, "Enter a description for this Extra Charge");
    {
        auto* grid = new QGridLayout(extras);
        grid->addWidget(Caption(extras, QStringLiteral("Extra Charges Labor"), txtExtraChargesLabor, "lblExtraChargesLabor"), 0, 0);
        grid->addWidget(txtExtraChargesLabor, 0, 1);
        grid->addWidget(Caption(extras, QStringLiteral("Extra Charges Material"), txtExtraChargesMaterial, "lblExtraChargesMaterial"), 1, 0);
        grid->addWidget(txtExtraChargesMaterial, 1, 1);
        grid->addWidget(Caption(extras, QStringLiteral("Extra Charges Description"), txtExtraChargesName, "lblExtraChargesName"), 2, 0);
        grid->addWidget(txtExtraChargesName, 2, 1);
        grid->setRowStretch(3, 1);
    }
    m_workTabs->addTab(extras, QStringLiteral("Extras"));

    auto* notes = new QWidget;
    notes->setObjectName(QStringLiteral("TabSheetNotes"));
    txtAreaNotes = new QPlainTextEdit(notes);
    txtAreaNotes->setObjectName(QStringLiteral("txtAreaNotes"));
    txtAreaNotes->setTabChangesFocus(true);
    m_areaNotesLimit = new PlainTextLimit(txtAreaNotes, 240, 0);
    {
        auto* column = new QVBoxLayout(notes);
        column->addWidget(Caption(notes, QStringLiteral("Add Notes about this Work Sheet"), txtAreaNotes, "lblAreaNotes"));
        column->addWidget(txtAreaNotes, 1);
    }
    m_workTabs->addTab(notes, QStringLiteral("Notes"));

    // Right: dimensions, multiplier, the sheet's totals and its two buttons.
    SpinEditAreaLength = ArrowsOnlySpin(box, "SpinEditAreaLength", 0, 1000, "Length of This area");
    SpinEditAreaWidth = ArrowsOnlySpin(box, "SpinEditAreaWidth", 0, 1000, "Width of This area");
    SpinEditAreaHeight = ArrowsOnlySpin(box, "SpinEditAreaHeight", 0, 500, "Height of This area");
    SpinEditAreaMultiplier = ArrowsOnlySpin(box, "SpinEditAreaMultiplier", 1, 25, "Number of times to use this Work Sheet");
    lblAreaLength = Caption(box, QStringLiteral("Area Length"), SpinEditAreaLength, "lblAreaLength");
    lblAreaWidth = Caption(box, QStringLiteral("Area Width"), SpinEditAreaWidth, "lblAreaWidth");
    lblAreaHeight = Caption(box, QStringLiteral("Area Height"), SpinEditAreaHeight, "lblAreaHeight");
    auto* lblMultiplier = Caption(box, QStringLiteral("Multiply This Area By:"), SpinEditAreaMultiplier, "lblAreaMultiplier");
    txtAreaSQFTTotal = ReadOnlyBox(box, "txtAreaSQFTTotal", false);
    txtAreaTotal = ReadOnlyBox(box, "txtAreaTotal", true);
    lblAreaSQFTTotal = Caption(box, QStringLiteral("Work Sheet SQFT Total"), txtAreaSQFTTotal, "lblAreaSQFTTotal");
    lblAreaTotal = Caption(box, QStringLiteral("Work Sheet Total"), txtAreaTotal, "lblAreaTotal");
    Button1 = new QPushButton(box);
    Button1->setObjectName(QStringLiteral("Button1"));
    BindButton(Button1, actRemoveWorkSheet);
    btnCompleteWorkSheet = new QPushButton(QStringLiteral("Complete Work Sheet"), box);
    btnCompleteWorkSheet->setObjectName(QStringLiteral("btnCompleteWorkSheet"));
    btnCompleteWorkSheet->setAutoDefault(false);
    SetHint(btnCompleteWorkSheet, QStringLiteral("Click to Complete this Work Sheet"));
    connect(btnCompleteWorkSheet, &QPushButton::clicked, this, &TfrmInvoiceVelmar::btnCompleteWorkSheetClick);

    auto* left = new QVBoxLayout;
    left->addWidget(lblAreaName);
    left->addWidget(txtAreaName);
    left->addWidget(RadioGroupInteriorExterior);
    left->addWidget(RadioGroupAreaWorkOn);
    left->addStretch(1);
    auto* middle = new QVBoxLayout;
    middle->addWidget(lblAreaWorkNeeded);
    middle->addWidget(m_workTabs, 1);
    auto* right = new QGridLayout;
    int row = 0;
    for (auto [label, spin] : {std::pair{lblAreaLength, SpinEditAreaLength}, std::pair{lblAreaWidth, SpinEditAreaWidth},
                               std::pair{lblAreaHeight, SpinEditAreaHeight}, std::pair{lblMultiplier, SpinEditAreaMultiplier}}) {
        right->addWidget(label, row, 0);
        right->addWidget(spin, row++, 1);
    }
    right->addWidget(lblAreaSQFTTotal, row, 0);
    right->addWidget(txtAreaSQFTTotal, row++, 1);
    right->addWidget(lblAreaTotal, row, 0);
    right->addWidget(txtAreaTotal, row++, 1);
    right->setRowStretch(row++, 1);
    right->addWidget(Button1, row++, 0, 1, 2);
    right->addWidget(btnCompleteWorkSheet, row++, 0, 1, 2);

    auto* columns = new QHBoxLayout(box);
    columns->addLayout(left, 3);
    columns->addLayout(middle, 5);
    columns->addLayout(right, 3);

    auto* pageLayout = new QVBoxLayout(TabSheetWorkSheetInfo);
    pageLayout->setContentsMargins(0, 4, 0, 0);
    pageLayout->addWidget(grpWorkSheet);

    m_sheetControls = {lblAreaName, txtAreaName, RadioGroupInteriorExterior, RadioGroupAreaWorkOn, lblAreaWorkNeeded,
                       m_workTabs, SpinEditAreaLength, SpinEditAreaWidth, SpinEditAreaHeight, SpinEditAreaMultiplier,
                       lblAreaLength, lblAreaWidth, lblAreaHeight, lblMultiplier, lblAreaSQFTTotal, lblAreaTotal,
                       txtAreaSQFTTotal, txtAreaTotal, Button1};
    return TabSheetWorkSheetInfo;
}

QWidget* TfrmInvoiceVelmar::buildTotals()
{
    auto* totals = new QWidget(this);
    totals->setObjectName(QStringLiteral("pnlTotals"));
    lblPaidAndDeposit = new QLabel(QStringLiteral("Deposit Required"), totals);
    lblPaidAndDeposit->setObjectName(QStringLiteral("lblPaidAndDeposit"));
    txtPaidAndDeposit = ReadOnlyBox(totals, "txtPaidAndDeposit", false);
    txtInvoiceSubTotal = ReadOnlyBox(totals, "txtInvoiceSubTotal", false);
    txtInvoiceTaxTotal = ReadOnlyBox(totals, "txtInvoiceTaxTotal", false);
    txtInvoiceDiscount = ReadOnlyBox(totals, "txtInvoiceDiscount", false);
    lblTotal = new QLabel(QStringLiteral("Total"), totals);
    lblTotal->setObjectName(QStringLiteral("lblTotal"));
    txtInvoiceTotal = ReadOnlyBox(totals, "txtInvoiceTotal", true);
    for (QLineEdit* box : {txtPaidAndDeposit, txtInvoiceSubTotal, txtInvoiceTaxTotal, txtInvoiceDiscount, txtInvoiceTotal})
        box->setFixedWidth(110);

    auto* grid = new QGridLayout(totals);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(3);
    grid->addWidget(lblPaidAndDeposit, 0, 0, Qt::AlignRight);
    grid->addWidget(txtPaidAndDeposit, 0, 1);
    grid->addWidget(Caption(totals, QStringLiteral("Sub Total"), txtInvoiceSubTotal), 0, 2, Qt::AlignRight);
    grid->addWidget(txtInvoiceSubTotal, 0, 3);
    grid->addWidget(Caption(totals, QStringLiteral("Discount Amount"), txtInvoiceDiscount), 1, 0, Qt::AlignRight);
    grid->addWidget(txtInvoiceDiscount, 1, 1);
    grid->addWidget(Caption(totals, QStringLiteral("Tax Total"), txtInvoiceTaxTotal), 1, 2, Qt::AlignRight);
    grid->addWidget(txtInvoiceTaxTotal, 1, 3);
    grid->addWidget(lblTotal, 2, 2, Qt::AlignRight);
    grid->addWidget(txtInvoiceTotal, 2, 3);
    grid->setColumnMinimumWidth(2, 150);
    return totals;
}
