#pragma once

#include <QDialog>
#include <functional>

struct AppState;
struct CurrentDocument;
struct TrecInvHeader;
struct WorkSheet;
class PlainTextLimit;
class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTreeWidget;

// The document editor: the header on one page, one work sheet at a time on the other.
// It works on AppState::currentDocument in place; nothing reaches the database until Save.
class TfrmInvoiceVelmar : public QDialog {
    Q_OBJECT
public:
    TfrmInvoiceVelmar(AppState& state, QWidget* parent = nullptr);

    // Position of the work sheet shown on the Work Sheet page.
    int currentSheet() const { return m_currentSheet; }
    bool onWorkSheetPage() const;

    // The commands of the window, for the handlers and for tests.
    void pSaveInvData();
    void pChangeData();
    void pShowWorkSheetData();
    void lstvwWorkSheetNameClick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    CurrentDocument& doc();
    TrecInvHeader& header();
    WorkSheet* sheet();

    void buildCommands();
    QWidget* buildProjectPage();
    QWidget* buildWorkSheetPage();
    QWidget* buildTotals();
    void connectHeaderControls();
    void connectSheetControls();

    void FormShow();
    void pShowFormInformation();
    void pLoadInvoiceData(bool opening);
    void pLoadCustomerInformation();
    void pLoadPaymentTerms();
    void pSetNonSaveData();
    void pEnableWorkSheet(bool enable);
    void pWorkSheetNameList();
    void pShowPage(bool workSheetPage);
    void pResetRequiredLabels();

    void actAddWorkSheetExecute();
    void actRemoveWorkSheetExecute();
    void btnCompleteWorkSheetClick();
    void actAddCustomerExecute();
    void actPaidDepositExecute();
    void actAddInvoiceNotesExecute();
    void actDeleteExecute();
    void actPDFExecute();
    void actPrintPreviewExecute();
    void actPrintExecute();
    void actEditPricesExecute();
    // A user edit of a Work Sheet page control: `write` stores the value in the sheet.
    void sheetEdited(const std::function<void(WorkSheet&)>& write);
    // Closing: false keeps the window open.
    bool FormCloseQuery();

    AppState& m_state;
    bool m_busy = false;
    bool m_ratesUpdated = false;
    bool m_sheetComplete = false;
    bool m_areaWorkNeeded = false;
    bool m_dimensionsNeeded = false;
    int m_currentSheet = 0;
    bool m_shownOnce = false;
    bool m_closing = false;

    QTabWidget* m_pages;
    QWidget* TabSheetProjectInfo;
    QWidget* TabSheetWorkSheetInfo;

    QAction* actClose;
    QAction* actSave;
    QAction* actDelete;
    QAction* actPDF;
    QAction* actPrintPreview;
    QAction* actPrint;
    QAction* actEditPrices;
    QAction* actHelp;
    QList<QAction*> m_documentSeparators;
    QAction* actAddCustomer;
    QAction* actPaidDeposit;
    QAction* actAddInvoiceNotes;
    QAction* actTaxExempt;
    QAction* actTaxOption[3];
    QAction* actAddWorkSheet;
    QAction* actRemoveWorkSheet;

    // Project Information page.
    QPushButton* btnAddCustomer;
    QPlainTextEdit* txtCustInformation;
    QComboBox* cmbPaymentTerms;
    QSpinBox* SpinEditCustDiscount;
    QLineEdit* txtCustPO;
    QPushButton* btnPaidDeposit;
    QCheckBox* ckbxTaxExempt;
    QLineEdit* txtcustTaxExemptNumber;
    QCheckBox* ckbxTaxOption[3];
    QComboBox* cmbInvoiceType;
    QDateEdit* dateTimePickerInvoice;
    QLabel* lblInvoiceInfo;
    QPushButton* btnAddNotes;
    QCheckBox* ckbxRecurring;
    QComboBox* cmbFootNotes;
    QPlainTextEdit* txtInvoiceFootNotes;
    QCheckBox* ckbxAddSignatureLine;
    QCheckBox* ckbxPrintContract;
    QCheckBox* ckbxPrintWarranty;
    QLabel* lblAddNewWorkSheet;
    QPushButton* btnAddWorkSheet;
    QTreeWidget* lstvwWorkSheetName;

    // Work Sheet page.
    QGroupBox* grpWorkSheet;
    QLineEdit* txtAreaName;
    QGroupBox* RadioGroupInteriorExterior;
    QButtonGroup* m_intExt;
    QGroupBox* RadioGroupAreaWorkOn;
    QButtonGroup* m_areaWork;
    QTabWidget* m_workTabs;
    QLabel* lblAreaWorkNeeded;
    QComboBox* cmbxPrime;
    QCheckBox* ckbxWash;
    QCheckBox* ckbxSand;
    QCheckBox* ckbxMask;
    QCheckBox* ckbxCaulk;
    QSpinBox* SpinEditNumOfPaintCoats;
    QSpinBox* SpinEditNumOfTrimCoats;
    QSpinBox* SpinEditNumOfDoors;
    QSpinBox* SpinEditNumOfDoorFrameTrim;
    QSpinBox* SpinEditNumOfWindowFrameTrim;
    QSpinBox* SpinEditNumOfClosets;
    QLabel* lblNumOfClosets;
    QCheckBox* ckbxHangWallpaper;
    QCheckBox* ckbxRemoveWallpaper;
    QCheckBox* ckbxHangBoarder;
    QCheckBox* ckbxRemoveBoarder;
    QLineEdit* txtExtraChargesLabor;
    QLineEdit* txtExtraChargesMaterial;
    QLineEdit* txtExtraChargesName;
    QPlainTextEdit* txtAreaNotes;
    PlainTextLimit* m_areaNotesLimit;
    QSpinBox* SpinEditAreaLength;
    QSpinBox* SpinEditAreaWidth;
    QSpinBox* SpinEditAreaHeight;
    QSpinBox* SpinEditAreaMultiplier;
    QLabel* lblAreaLength;
    QLabel* lblAreaWidth;
    QLabel* lblAreaHeight;
    QLabel* lblAreaSQFTTotal;
    QLabel* lblAreaTotal;
    QLineEdit* txtAreaSQFTTotal;
    QLineEdit* txtAreaTotal;
    QPushButton* Button1;
    QPushButton* btnCompleteWorkSheet;
    QList<QWidget*> m_sheetControls;

    // Totals and the required line.
    QLabel* lblPaidAndDeposit;
    QLineEdit* txtPaidAndDeposit;
    QLineEdit* txtInvoiceSubTotal;
    QLineEdit* txtInvoiceTaxTotal;
    QLineEdit* txtInvoiceDiscount;
    QLabel* lblTotal;
    QLineEdit* txtInvoiceTotal;
    QLabel* lblRequiredDataLine;
};
