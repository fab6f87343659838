#pragma once

#include <QDialog>

struct AppState;
class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;

// Sets the deposit of an estimate, work order or change order, or the amount paid and
// the paid-in-full mark of an invoice, credit or past-due notice.
class TfrmPaidAndDeposit : public QDialog {
    Q_OBJECT
public:
    TfrmPaidAndDeposit(AppState& state, QWidget* parent = nullptr);

private:
    void FormShow();
    void txtPaidAndDepositChange();
    void tlbtnOKClick();

    AppState& m_state;
    bool m_depositKind;

    QAction* tlbtnOK;
    QAction* tlbtnCancel;
    QLabel* lblRecDepositAmount;
    QLineEdit* txtRecDepositAmount;
    QLabel* lblPaidAndDeposit;
    QLineEdit* txtPaidAndDeposit;
    QCheckBox* ckbxPaidInFull;
    QLabel* lblInvTotal;
    QLineEdit* txtInvTotal;
};
