#include "documents/gui/TfrmPaidAndDeposit.h"

#include "app/AppState.h"
#include "app/Regional.h"
#include "app/gui/TextLimit.h"
#include "app/gui/WidgetLook.h"
#include "catalogs/AllowNumDecimalOnly.h"
#include "catalogs/gui/CommandIcons.h"
#include "documents/EditorRules.h"
#include "documents/gui/DialogCommands.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolBar>
#include <QVBoxLayout>

TfrmPaidAndDeposit::TfrmPaidAndDeposit(AppState& state, QWidget* parent)
    : QDialog(parent), m_state(state),
      m_depositKind(DocumentType::IsDepositKind(state.currentDocument.Header.InvName))
{
    setObjectName(QStringLiteral("frmPaidAndDeposit"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    const DialogCommands commands =
        MakeDialogCommands(this, QStringLiteral("Accept Changes"), QStringLiteral("Cancel Changes"));
    tlbtnOK = commands.ok;
    tlbtnCancel = commands.cancel;
    connect(tlbtnOK, &QAction::triggered, this, &TfrmPaidAndDeposit::tlbtnOKClick);

    lblRecDepositAmount = new QLabel(QStringLiteral("Recommended deposit amount"), this);
    lblRecDepositAmount->setObjectName(QStringLiteral("lblRecDepositAmount"));
    txtRecDepositAmount = new QLineEdit(this);
    txtRecDepositAmount->setObjectName(QStringLiteral("txtRecDepositAmount"));
    ShowReadOnly(txtRecDepositAmount);
    txtRecDepositAmount->setFocusPolicy(Qt::NoFocus);
    lblPaidAndDeposit = new QLabel(this);
    lblPaidAndDeposit->setObjectName(QStringLiteral("lblPaidAndDeposit"));
    txtPaidAndDeposit = new QLineEdit(this);
    txtPaidAndDeposit->setObjectName(QStringLiteral("txtPaidAndDeposit"));
    SetTextLimit(txtPaidAndDeposit, 9);
    txtPaidAndDeposit->setValidator(new AllowNumDecimalOnly(this));
    lblPaidAndDeposit->setBuddy(txtPaidAndDeposit);
    ckbxPaidInFull = new QCheckBox(QStringLiteral("Paid In Full"), this);
    ckbxPaidInFull->setObjectName(QStringLiteral("ckbxPaidInFull"));
    SetHint(ckbxPaidInFull, QStringLiteral("Check for Paid in Full"));
    lblInvTotal = new QLabel(this);
    lblInvTotal->setObjectName(QStringLiteral("lblInvTotal"));
    txtInvTotal = new QLineEdit(this);
    txtInvTotal->setObjectName(QStringLiteral("txtInvTotal"));
    txtInvTotal->setReadOnly(true);
    txtInvTotal->setFocusPolicy(Qt::NoFocus);
    txtInvTotal->setStyleSheet(QStringLiteral("QLineEdit { background: #ffff80; color: black; }"));
    for (QLineEdit* box : {txtRecDepositAmount, txtPaidAndDeposit, txtInvTotal})
        box->setAlignment(Qt::AlignRight);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(commands.bar);
    auto* grid = new QGridLayout;
    grid->addWidget(lblRecDepositAmount, 0, 0);
    grid->addWidget(txtRecDepositAmount, 0, 1);
    grid->addWidget(lblPaidAndDeposit, 1, 0);
    grid->addWidget(txtPaidAndDeposit, 1, 1);
    grid->addWidget(ckbxPaidInFull, 2, 1);
    grid->addWidget(lblInvTotal, 3, 0);
    grid->addWidget(txtInvTotal, 3, 1);
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);
    layout->addStretch(1);

    connect(txtPaidAndDeposit, &QLineEdit::textChanged, this, &TfrmPaidAndDeposit::txtPaidAndDepositChange);
    connect(ckbxPaidInFull, &QCheckBox::clicked, this, [this] {
        double amount = 0;
        tlbtnOK->setVisible(ReadTypedAmount(txtPaidAndDeposit->text(), amount));
    });
    // Enter in the amount accepts once there is something to accept.
    connect(txtPaidAndDeposit, &QLineEdit::returnPressed, this, [this] {
        if (tlbtnOK->isVisible())
            tlbtnOK->trigger();
    });

    FormShow();
    setFixedSize(365, 208);
}

void TfrmPaidAndDeposit::FormShow()
{
    const TrecInvHeader& h = m_state.currentDocument.Header;
    const QString kind = h.InvName;
    setWindowTitle(m_depositKind ? QStringLiteral("Deposit Amount") : QStringLiteral("Amount Paid"));
    lblRecDepositAmount->setVisible(m_depositKind);
    txtRecDepositAmount->setVisible(m_depositKind);
    ckbxPaidInFull->setVisible(!m_depositKind);
    SetHint(txtRecDepositAmount, kind + QStringLiteral(" Recommended deposit amount"));
    lblPaidAndDeposit->setText(m_depositKind ? QStringLiteral("Deposit Amount required") : QStringLiteral("Amount Paid"));
    SetHint(txtPaidAndDeposit, m_depositKind ? QStringLiteral("Enter Deposit Amount required") : QStringLiteral("Enter Amount Paid"));
    lblInvTotal->setText(kind + QStringLiteral(" Total"));
    SetHint(txtInvTotal, kind + QStringLiteral(" Total"));

    txtPaidAndDeposit->setText(GeneralNumberText(m_depositKind ? h.DepositAmount : h.PaidAmount));
    ckbxPaidInFull->setChecked(h.PaidInFull);
    txtRecDepositAmount->setText(Regional::CurrencyText(
        RecommendedDeposit(m_state.companySettings.InvData.DepositPercent, h.TotalAmount)));
    txtInvTotal->setText(Regional::CurrencyText(h.TotalAmount));
    tlbtnOK->setVisible(false);
    txtPaidAndDeposit->selectAll();
    txtPaidAndDeposit->setFocus();
}

void TfrmPaidAndDeposit::txtPaidAndDepositChange()
{
    const QString text = txtPaidAndDeposit->text();
    double amount = 0;
    // A text that reads as no number (a lone separator) cannot be stored.
    tlbtnOK->setVisible(!text.isEmpty() && ReadTypedAmount(text, amount));
}

void TfrmPaidAndDeposit::tlbtnOKClick()
{
    double amount = 0;
    if (!ReadTypedAmount(txtPaidAndDeposit->text(), amount)) {
        tlbtnOK->setVisible(false);
        return;
    }
    TrecInvHeader& h = m_state.currentDocument.Header;
    if (m_depositKind)
        h.DepositAmount = amount;
    else
        h.PaidAmount = amount;
    h.PaidInFull = ckbxPaidInFull->isChecked();
    m_state.dataChanged = true;
    accept();
}
