#include "documents/gui/TfrmInvoiceNotes.h"

#include "app/AppState.h"
#include "catalogs/gui/CommandIcons.h"
#include "data/LongText.h"
#include "documents/EditorRules.h"
#include "documents/gui/DialogCommands.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QToolBar>
#include <QVBoxLayout>

TfrmInvoiceNotes::TfrmInvoiceNotes(AppState& state, QWidget* parent) : QDialog(parent), m_state(state)
{
    setObjectName(QStringLiteral("frmInvoiceNotes"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    const QString document = DocumentName(state.currentDocument.Header);
    setWindowTitle(document + QStringLiteral(" Notes"));

    const DialogCommands commands = MakeDialogCommands(this, QStringLiteral("Add notes to ") + document,
                                                       QStringLiteral("Cancel changes to notes"));
    tlbtnOK = commands.ok;
    tlbtnCancel = commands.cancel;
    connect(tlbtnOK, &QAction::triggered, this, &TfrmInvoiceNotes::tlbtnOKClick);

    txtInvoiceNotes = new QPlainTextEdit(this);
    txtInvoiceNotes->setObjectName(QStringLiteral("txtInvoiceNotes"));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    txtInvoiceNotes->setFont(font);
    txtInvoiceNotes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    SetHint(txtInvoiceNotes, QStringLiteral("Add notes to ") + document);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(commands.bar);
    layout->addWidget(txtInvoiceNotes);

    txtInvoiceNotes->setPlainText(LongText::ToWidget(state.currentDocument.Notes));
    txtInvoiceNotes->moveCursor(QTextCursor::End);
    txtInvoiceNotes->setFocus();
    tlbtnOK->setVisible(false);
    connect(txtInvoiceNotes, &QPlainTextEdit::textChanged, this, [this] { tlbtnOK->setVisible(true); });
    setFixedSize(671, 447);
}

void TfrmInvoiceNotes::tlbtnOKClick()
{
    QString& notes = m_state.currentDocument.Notes;
    notes = LongText::ForSave(notes, txtInvoiceNotes->toPlainText());
    m_state.dataChanged = true;
    accept();
}
