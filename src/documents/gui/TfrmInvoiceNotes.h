#pragma once

#include <QDialog>

struct AppState;
class QAction;
class QPlainTextEdit;

// Edits the document notes that are printed after the work descriptions.
class TfrmInvoiceNotes : public QDialog {
    Q_OBJECT
public:
    TfrmInvoiceNotes(AppState& state, QWidget* parent = nullptr);

private:
    void tlbtnOKClick();

    AppState& m_state;
    QAction* tlbtnOK;
    QAction* tlbtnCancel;
    QPlainTextEdit* txtInvoiceNotes;
};
