#include "printing/gui/TfrmManualInvoice.h"

#include "app/AppState.h"
#include "app/Guard.h"
#include "catalogs/gui/CommandIcons.h"
#include "documents/DocumentType.h"
#include "printing/ManualForms.h"
#include "printing/gui/TmodPrintData.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolBar>
#include <QVBoxLayout>

TfrmManualInvoice::TfrmManualInvoice(AppState& state, QWidget* parent) : QDialog(parent), m_state(state)
{
    setObjectName(QStringLiteral("frmManualInvoice"));
    setWindowTitle(QStringLiteral("Print Manual Forms"));
    setModal(true);

    using CommandIcons::Kind;
    m_tlbtnClose = CommandIcons::makeAction(this, QStringLiteral("tlbtnClose"), QStringLiteral("Close"),
                                            QStringLiteral("Close"), Kind::Close);
    m_tlbarbtnPrint = CommandIcons::makeAction(this, QStringLiteral("tlbarbtnPrint"), QStringLiteral("Print"),
                                               QStringLiteral("Print Manual Forms"), Kind::Print);
    auto* bar = CommandIcons::makeToolBar(this, QStringLiteral("ToolBarManualInvoice"));
    bar->addAction(m_tlbtnClose);
    bar->addSeparator();
    bar->addAction(m_tlbarbtnPrint);
    connect(m_tlbtnClose, &QAction::triggered, this, &QWidget::close);
    connect(m_tlbarbtnPrint, &QAction::triggered, this, &TfrmManualInvoice::tlbarbtnPrintClick);

    m_cmbInvoiceType = new QComboBox(this);
    m_cmbInvoiceType->setObjectName(QStringLiteral("cmbInvoiceType"));
    m_cmbPaymentTerms = new QComboBox(this);
    m_cmbPaymentTerms->setObjectName(QStringLiteral("cmbPaymentTerms"));
    m_cmbPaymentTerms->setEditable(true);
    m_cmbPaymentTerms->setInsertPolicy(QComboBox::NoInsert);
    m_cmbFootNotes = new QComboBox(this);
    m_cmbFootNotes->setObjectName(QStringLiteral("cmbFootNotes"));
    m_ckbxAddSignatureLine = new QCheckBox(QStringLiteral("Add Signature Line"), this);
    m_ckbxAddSignatureLine->setObjectName(QStringLiteral("ckbxAddSignatureLine"));
    m_lblNumOfInvToPrint = new QLabel(this);
    m_lblNumOfInvToPrint->setObjectName(QStringLiteral("lblNumOfInvToPrint"));
    m_lblNumOfInvToPrint->setAlignment(Qt::AlignCenter);
    m_SpinEditNumOfManualInvToPrint = new QSpinBox(this);
    m_SpinEditNumOfManualInvToPrint->setObjectName(QStringLiteral("SpinEditNumOfManualInvToPrint"));
    m_SpinEditNumOfManualInvToPrint->setRange(1, kMaxBlankForms);
    m_SpinEditNumOfManualInvToPrint->setValue(1);
    // Changed by its arrows only.
    m_SpinEditNumOfManualInvToPrint->findChild<QLineEdit*>()->setReadOnly(true);
    m_SpinEditNumOfManualInvToPrint->setAlignment(Qt::AlignCenter);
    m_SpinEditNumOfManualInvToPrint->setMaximumWidth(90);

    auto* termsLabel = new QLabel(QStringLiteral("Payment Terms"), this);
    termsLabel->setObjectName(QStringLiteral("lblPaymentTerms"));
    termsLabel->setBuddy(m_cmbPaymentTerms);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(bar);
    layout->addWidget(m_cmbInvoiceType);
    layout->addSpacing(6);
    layout->addWidget(termsLabel);
    layout->addWidget(m_cmbPaymentTerms);
    layout->addSpacing(6);
    layout->addWidget(m_cmbFootNotes);
    layout->addWidget(m_ckbxAddSignatureLine);
    layout->addSpacing(6);
    layout->addWidget(m_lblNumOfInvToPrint);
    layout->addWidget(m_SpinEditNumOfManualInvToPrint, 0, Qt::AlignHCenter);
    layout->addStretch(1);

    setTabOrder(m_cmbInvoiceType, m_cmbPaymentTerms);
    setTabOrder(m_cmbPaymentTerms, m_cmbFootNotes);
    setTabOrder(m_cmbFootNotes, m_ckbxAddSignatureLine);
    setTabOrder(m_ckbxAddSignatureLine, m_SpinEditNumOfManualInvToPrint);

    connect(m_cmbInvoiceType, &QComboBox::currentIndexChanged, this, &TfrmManualInvoice::cmbInvoiceTypeChange);
    setMinimumWidth(320);
}

void TfrmManualInvoice::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    {
        const QSignalBlocker blocker(m_cmbInvoiceType);
        m_cmbInvoiceType->clear();
        m_cmbInvoiceType->addItems(DocumentType::Names());
        m_cmbInvoiceType->setCurrentIndex(0);
    }
    m_cmbPaymentTerms->clear();
    m_cmbPaymentTerms->addItems(BlankFormPaymentTerms(m_state.companySettings));
    m_cmbFootNotes->clear();
    m_cmbFootNotes->addItems(FootNoteChoices());
    pShowFormInformation();
    m_cmbFootNotes->setCurrentIndex(0);
    m_cmbInvoiceType->setFocus();
}

void TfrmManualInvoice::pShowFormInformation()
{
    setWindowTitle(QStringLiteral("Print Manual Forms"));
    SetHint(m_cmbInvoiceType, QStringLiteral("Select Invoice Type"));
    SetHint(m_cmbPaymentTerms, QStringLiteral("Select a Payment Term"));
    SetHint(m_cmbFootNotes, QStringLiteral("Select Invoice Foot Notes"));
    SetHint(m_ckbxAddSignatureLine, QStringLiteral("Add a signature line"));
    SetHint(m_tlbtnClose, QStringLiteral("Close"));
    SetHint(m_tlbarbtnPrint, QStringLiteral("Print Manual Forms"));
    cmbInvoiceTypeChange();
}

void TfrmManualInvoice::cmbInvoiceTypeChange()
{
    const QString kind = m_cmbInvoiceType->currentText();
    m_lblNumOfInvToPrint->setText(BlankFormCountLabel(kind));
    SetHint(m_SpinEditNumOfManualInvToPrint, BlankFormCountHint(kind));
}

BlankFormChoice TfrmManualInvoice::currentChoice() const
{
    BlankFormChoice choice;
    choice.kind = m_cmbInvoiceType->currentText();
    choice.paymentTerms = m_cmbPaymentTerms->currentText();
    choice.footNote = m_cmbFootNotes->currentIndex();
    choice.signatureLine = m_ckbxAddSignatureLine->isChecked();
    return choice;
}

void TfrmManualInvoice::tlbarbtnPrintClick()
{
    if (!m_tlbarbtnPrint->isEnabled())
        return;
    m_tlbarbtnPrint->setEnabled(false);
    const BlankFormChoice choice = currentChoice();
    const int count = m_SpinEditNumOfManualInvToPrint->value();
    Guarded([this, &choice, count] {
        PrintBlankForms(m_state, choice, count, [this] {
            return m_state.printData != nullptr && m_state.printData->pPrint();
        });
    });
    m_tlbarbtnPrint->setEnabled(true);
}
