#pragma once

#include "catalogs/ScopedListFeed.h"
#include "catalogs/gui/CatalogListDialog.h"
#include "printing/ListFeeds.h"

#include <memory>
#include <optional>

struct AppState;
class PriceListModel;
class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QTreeView;

// The price sheet: the labour and material price of each item, changed one item at a
// time. From the main window it edits the company-wide prices; from the document editor
// the prices frozen with the open document.
class TfrmPriceVelmar : public CatalogListDialog {
    Q_OBJECT
public:
    explicit TfrmPriceVelmar(AppState& state, QWidget* parent = nullptr);

    bool isDocumentMode() const { return m_documentNumber.has_value(); }
    PriceListModel* listModel() const { return m_model; }

    // Starts editing the selected row.
    void lstPriceClick();

protected:
    void fillOnFirstShow() override;
    bool settleUnsavedChanges() override;

private:
    void buildCommands();
    QWidget* buildEditArea();
    void pShowFormInformation();

    void pQueryPriceList();
    void pClearEditArea();
    void pEnableSaveButton();
    void pEnablePrintButton();
    bool pSavePriceItem();
    void actSaveExecute();
    void actCancelExecute();
    void printList(bool preview);

    AppState& m_state;
    const std::optional<int> m_documentNumber;
    PriceListModel* m_model;
    TableFeed m_feed;
    ScopedListFeed m_feedInUse{m_state, &m_feed};

    QAction* m_actClose;
    QAction* m_actSave;
    QAction* m_actCancel;
    QAction* m_actPrintPreview;
    QAction* m_actPrint;
    QAction* m_actHelp;

    QTreeView* m_lstPrice;
    QGroupBox* m_gbxEditArea;
    QLineEdit* m_txtPriceItmDiscription;
    QLineEdit* m_txtLaborPrice;
    QLineEdit* m_txtMatPrice;
    QLabel* m_lblPriceItmID;
};
