#pragma once

#include <QDialog>

struct AppState;
struct BlankFormChoice;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;

// Print Manual Forms: prints blank forms of a chosen kind for work written by hand, one
// print job per form, and saves each printed form as an empty document with its number.
// The dispatcher prepares a new document and sets the blank-form mode before it opens.
class TfrmManualInvoice : public QDialog {
    Q_OBJECT
public:
    explicit TfrmManualInvoice(AppState& state, QWidget* parent = nullptr);

    // Prints and saves as many forms as the spinner shows; Print is disabled meanwhile.
    void tlbarbtnPrintClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void pShowFormInformation();
    void cmbInvoiceTypeChange();
    BlankFormChoice currentChoice() const;

    AppState& m_state;
    bool m_shownOnce = false;

    QAction* m_tlbtnClose;
    QAction* m_tlbarbtnPrint;
    QComboBox* m_cmbInvoiceType;
    QComboBox* m_cmbPaymentTerms;
    QComboBox* m_cmbFootNotes;
    QCheckBox* m_ckbxAddSignatureLine;
    QLabel* m_lblNumOfInvToPrint;
    QSpinBox* m_SpinEditNumOfManualInvToPrint;
};
