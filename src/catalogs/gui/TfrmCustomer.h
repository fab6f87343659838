#pragma once

#include "catalogs/CustomerRecord.h"
#include "catalogs/ScopedListFeed.h"
#include "catalogs/gui/CatalogListDialog.h"
#include "printing/ListFeeds.h"

#include <memory>

struct AppState;
class CustomerListModel;
class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;
class QStackedWidget;
class QTreeView;
class PlainTextLimit;

// Customer Maintenance: lists, searches, adds, edits, deletes and prints customers.
// While the document editor is open it is the customer picker: a click on a customer
// copies it into the open document's header and closes the window.
class TfrmCustomer : public CatalogListDialog {
    Q_OBJECT
public:
    explicit TfrmCustomer(AppState& state, QWidget* parent = nullptr);

    bool isPicker() const { return m_picker; }
    CustomerListModel* listModel() const { return m_model; }

    // Runs the search of the current type and text.
    void pQueryCustomers();
    // Acts on the selected row of the list: edits it, or picks it in picker mode.
    void lstvCustomersClick();

protected:
    void fillOnFirstShow() override;
    bool settleUnsavedChanges() override;

private:
    void buildCommands();
    QWidget* buildListPage();
    QWidget* buildEditPage();
    void pShowFormInformation();
    void fillPaymentTerms();

    void cmboCustSearchChange();
    void txtCustSearchChange();
    void actNewCustomerExecute();
    void actSaveExecute();
    void actCancelExecute();
    void actDeleteExecute();
    void printList(bool preview);

    void pReturnToList();
    void pEnableSavebtn();
    void pEnablePrintButton();
    bool pSaveCustomer();

    void showCustomer(const TrecCustomer& customer);
    TrecCustomer customerFromControls() const;
    void clearEditControls();
    void setSearchText(const QString& text);
    bool editPageShown() const;

    AppState& m_state;
    const bool m_picker;
    bool m_picked = false;
    CustomerListModel* m_model;
    CustomerListFeed m_feed;
    ScopedListFeed m_feedInUse{m_state, &m_feed};

    QAction* m_actClose;
    QAction* m_actNewCustomer;
    QAction* m_actSave;
    QAction* m_actCancel;
    QAction* m_actDelete;
    QAction* m_actPrintPreview;
    QAction* m_actPrint;
    QAction* m_actHelp;

    QStackedWidget* m_pages;
    QWidget* m_listPage;
    QWidget* m_editPage;
    QComboBox* m_cmboCustSearch;
    QLineEdit* m_txtCustSearch;
    QTreeView* m_lstvCustomers;

    QGroupBox* m_gbxCustomer;
    QLineEdit* m_txtCustId;
    QLineEdit* m_txtCustCmpnyName;
    QLineEdit* m_txtCustFrstName;
    QLineEdit* m_txtCustLstName;
    QLineEdit* m_txtCustAddress;
    QLineEdit* m_txtCustCity;
    QLineEdit* m_txtCustState;
    QLineEdit* m_txtCustZipCode;
    QLineEdit* m_txtCustMainPhone;
    QLineEdit* m_txtCustExtraPhone1Name;
    QLineEdit* m_txtCustExtraPhone1;
    QLineEdit* m_txtCustExtraPhone2Name;
    QLineEdit* m_txtCustExtraPhone2;
    QLineEdit* m_txtCustTaxExemptNumber;
    QCheckBox* m_ckbxTaxExempt;
    QComboBox* m_cmbPaymentTerms;
    QSpinBox* m_SpinEditCustDiscount;
    QPlainTextEdit* m_txtCustNotes;
    PlainTextLimit* m_notesLimit;
};
