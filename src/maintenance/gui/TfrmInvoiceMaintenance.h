#pragma once

#include <QDialog>
#include <functional>
#include <memory>

struct AppState;
class MaintenanceListModel;
class QAction;
class QComboBox;
class QLineEdit;
class QTreeView;
class ScopedListFeed;

// Invoice Maintenance: finds saved documents and moves them along their life: opens one
// in the document editor, converts, marks paid in full, deletes, and keeps the recurring
// list. Every change of type, search type or text searches again, and so does every
// completed action.
class TfrmInvoiceMaintenance : public QDialog {
    Q_OBJECT
public:
    explicit TfrmInvoiceMaintenance(AppState& state, QWidget* parent = nullptr);
    ~TfrmInvoiceMaintenance() override;

    // Replaces what opens the document editor on the saved document whose number is in
    // the current document's header (the dispatcher's editor routine).
    void setEditorOpener(std::function<void()> openEditor);

    MaintenanceListModel* listModel() const { return m_model; }

    // Runs the search of the chosen types and text.
    void pQuerySavedInvoices();
    // Acts on the selected row.
    void lstvwInvMaintenanceClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildCommands();
    void pShowFormInformation();
    void pSetComboSearchItems();
    void pShowPrintButton();
    void cmboInvMaintenanceTypeChange();
    void cmboInvSearchChange();
    void txtInvSearchChange();
    void searchGuarded();
    void printList(bool preview);
    void actOnRow(int row);

    AppState& m_state;
    std::function<void()> m_openEditor;
    MaintenanceListModel* m_model;
    std::unique_ptr<ScopedListFeed> m_feedInUse;
    bool m_shownOnce = false;

    QAction* m_actClose;
    QAction* m_actPrintPreview;
    QAction* m_actPrint;
    QAction* m_actHelp;
    QComboBox* m_cmboInvMaintenanceType;
    QComboBox* m_cmboInvSearch;
    QLineEdit* m_txtInvSearch;
    QTreeView* m_lstvwInvMaintenance;
};
