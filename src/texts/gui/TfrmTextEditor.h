#pragma once

#include "catalogs/gui/CatalogListDialog.h"
#include "texts/ContractWarrantyStore.h"

struct AppState;
class QAction;
class QLineEdit;
class QPlainTextEdit;

// The editor of the company's contract or warranty (AppState::contractMode chooses):
// a title and a body, saved together, printed as stored.
class TfrmTextEditor : public CatalogListDialog {
    Q_OBJECT
public:
    explicit TfrmTextEditor(AppState& state, QWidget* parent = nullptr);

    TextKind textKind() const { return m_kind; }
    // "Contract" or "Warranty".
    QString kindName() const;
    // The title or the body differs from what is stored.
    bool isChanged() const;

    // Saves title and body; true when they are stored. An error is shown and the text
    // stays marked as changed.
    bool pSaveContract();

protected:
    void fillOnFirstShow() override;
    bool settleUnsavedChanges() override;

private:
    void buildCommands();
    void pShowFormInformation();
    void pEnableSavebtn();
    void printText(bool preview);

    AppState& m_state;
    const TextKind m_kind;
    // What the database holds, as last loaded or saved.
    StoredTextDocument m_stored;
    QString m_storedBodyShown;

    QAction* m_actClose;
    QAction* m_actSave;
    QAction* m_actPrintPreview;
    QAction* m_actPrint;
    QAction* m_actHelp;
    QLineEdit* m_txtContractWarrantyName;
    QPlainTextEdit* m_txtTextEditor;
};
