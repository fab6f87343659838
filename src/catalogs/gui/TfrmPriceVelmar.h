#pragma once

#include "printing/ListFeeds.h"

#include <QDialog>
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
class TfrmPriceVelmar : public QDialog {
    Q_OBJECT
public:
    explicit TfrmPriceVelmar(AppState& state, QWidget* parent = nullptr);
    ~TfrmPriceVelmar() override;

    bool isDocumentMode() const { return m_documentNumber.has_value(); }
    PriceListModel* listModel() const { return m_model; }

    // Starts editing the selected row.
    void lstPriceClick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void reject() override;

private:
    void buildCommands();
    QWidget* buildEditArea();
    void pShowFormInformation();

    void pQueryPriceList();
    void pClearEditArea();
    void pEnableSaveButton();
    void pEnablePrintButton();
    bool pSavePriceItem();
    // Asks whether to keep unsaved changes; false when the user chose to stay.
    bool settleUnsavedChanges();
    void actSaveExecute();
    void actCancelExecute();
    void printList(bool preview);

    AppState& m_state;
    const std::optional<int> m_documentNumber;
    bool m_shownOnce = false;
    PriceListModel* m_model;
    TableFeed m_feed;
    DataFeed* m_previousFeed = nullptr;

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
