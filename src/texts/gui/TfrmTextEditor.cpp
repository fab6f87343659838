#include "texts/gui/TfrmTextEditor.h"

#include "app/AppState.h"
#include "app/Guard.h"
#include "app/ShellServices.h"
#include "catalogs/gui/CommandIcons.h"
#include "catalogs/gui/ListPrinting.h"
#include "data/LongText.h"
#include "app/gui/TextLimit.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

constexpr int kContractMode = 5;
constexpr int kWarrantyMode = 6;
constexpr int kTitleLength = 45;

} // namespace

TfrmTextEditor::TfrmTextEditor(AppState& state, QWidget* parent)
    : CatalogListDialog(parent), m_state(state),
      m_kind(state.contractMode ? TextKind::Contract : TextKind::Warranty)
{
    setObjectName(QStringLiteral("frmTextEditor"));
    setWindowTitle(kindName() + QStringLiteral(" Writer"));
    setModal(true);

    buildCommands();

    m_txtContractWarrantyName = new QLineEdit(this);
    m_txtContractWarrantyName->setObjectName(QStringLiteral("txtContractWarrantyName"));
    SetTextLimit(m_txtContractWarrantyName, kTitleLength);
    auto* title = new QLabel(QStringLiteral("Title: "), this);
    title->setObjectName(QStringLiteral("lblContractWarrantyName"));
    title->setBuddy(m_txtContractWarrantyName);

    m_txtTextEditor = new QPlainTextEdit(this);
    m_txtTextEditor->setObjectName(QStringLiteral("txtTextEditor"));
    m_txtTextEditor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_txtTextEditor->setTabChangesFocus(true);
    QFont body(QStringLiteral("Arial"));
    body.setPixelSize(13);
    m_txtTextEditor->setFont(body);

    connect(m_txtContractWarrantyName, &QLineEdit::textChanged, this, &TfrmTextEditor::pEnableSavebtn);
    connect(m_txtTextEditor, &QPlainTextEdit::textChanged, this, &TfrmTextEditor::pEnableSavebtn);

    auto* layout = new QVBoxLayout(this);
    auto* bar = CommandIcons::makeToolBar(this, QStringLiteral("ToolBarTextEditor"));
    bar->addAction(m_actClose);
    bar->addSeparator();
    bar->addAction(m_actSave);
    bar->addSeparator();
    bar->addAction(m_actPrintPreview);
    bar->addAction(m_actPrint);
    bar->addSeparator();
    bar->addAction(m_actHelp);
    layout->setMenuBar(bar);
    auto* titleRow = new QHBoxLayout;
    titleRow->addWidget(title);
    titleRow->addWidget(m_txtContractWarrantyName, 1);
    layout->addLayout(titleRow);
    layout->addWidget(m_txtTextEditor, 1);

    setTabOrder(m_txtContractWarrantyName, m_txtTextEditor);
    setMinimumSize(520, 400);
    resize(760, 640);
}

QString TfrmTextEditor::kindName() const
{
    return m_kind == TextKind::Contract ? QStringLiteral("Contract") : QStringLiteral("Warranty");
}

void TfrmTextEditor::buildCommands()
{
    using CommandIcons::Kind;
    using CommandIcons::makeAction;
    m_actClose = makeAction(this, QStringLiteral("actClose"), QStringLiteral("Close"), QStringLiteral("Close"),
                            Kind::Close);
    m_actSave = makeAction(this, QStringLiteral("actSave"), QStringLiteral("Save"), QString(), Kind::Save);
    m_actPrintPreview = makeAction(this, QStringLiteral("actPrintPreview"), QStringLiteral("Print Preview"),
                                   QString(), Kind::PrintPreview);
    m_actPrint = makeAction(this, QStringLiteral("actPrint"), QStringLiteral("Print"), QString(), Kind::Print);
    m_actHelp = makeAction(this, QStringLiteral("actHelp"), QStringLiteral("Help"), QStringLiteral("Open Help"),
                           Kind::Help);

    connect(m_actClose, &QAction::triggered, this, &QWidget::close);
    connect(m_actSave, &QAction::triggered, this, [this] {
        if (m_actSave->isEnabled())
            pSaveContract();
    });
    connect(m_actPrintPreview, &QAction::triggered, this, [this] { printText(true); });
    connect(m_actPrint, &QAction::triggered, this, [this] { printText(false); });
    connect(m_actHelp, &QAction::triggered, this, [] { OpenHelpFile(); });
}

void TfrmTextEditor::pShowFormInformation()
{
    const QString kind = kindName();
    setWindowTitle(kind + QStringLiteral(" Writer"));
    SetHint(m_txtContractWarrantyName, QStringLiteral("Enter a title for ") + kind);
    SetHint(m_txtTextEditor, QStringLiteral("Edit ") + kind);
    SetHint(m_actSave, QStringLiteral("Save changes to ") + kind);
    SetHint(m_actPrintPreview, QStringLiteral("Print Preview ") + kind);
    SetHint(m_actPrint, QStringLiteral("Print ") + kind);
}

void TfrmTextEditor::fillOnFirstShow()
{
    pShowFormInformation();
    m_stored = LoadTextDocument(m_kind);
    m_storedBodyShown = LongText::ToWidget(m_stored.body);
    {
        // Filling is not a change.
        const QSignalBlocker titleQuiet(m_txtContractWarrantyName);
        const QSignalBlocker bodyQuiet(m_txtTextEditor);
        // A longer stored title is shown whole; the limit holds typing only.
        m_txtContractWarrantyName->setMaxLength(qMax(kTitleLength, int(m_stored.title.size())));
        m_txtContractWarrantyName->setText(m_stored.title);
        m_txtTextEditor->setPlainText(m_storedBodyShown);
    }
    m_txtTextEditor->setFocus();
    m_actPrintPreview->setVisible(true);
    pEnableSavebtn();
}

bool TfrmTextEditor::isChanged() const
{
    return m_txtContractWarrantyName->text() != m_stored.title ||
           m_txtTextEditor->toPlainText() != m_storedBodyShown;
}

void TfrmTextEditor::pEnableSavebtn()
{
    // A change of the title counts as much as one of the body.
    m_actSave->setEnabled(isChanged());
    const bool canPrint = ListPrinting::available(m_state);
    m_actPrint->setEnabled(canPrint && !m_txtTextEditor->toPlainText().isEmpty());
    m_actPrintPreview->setEnabled(canPrint);
}

bool TfrmTextEditor::pSaveContract()
{
    StoredTextDocument text;
    text.title = m_txtContractWarrantyName->text();
    text.body = LongText::ForSave(m_stored.body, m_txtTextEditor->toPlainText());
    // Marked as saved only once the database has it; after an error Save stays enabled.
    const bool saved = Guarded([&] { SaveTextDocument(m_kind, text); });
    if (saved) {
        m_stored = text;
        m_storedBodyShown = LongText::ToWidget(text.body);
        m_state.dataChanged = true;
    }
    pEnableSavebtn();
    return saved;
}

bool TfrmTextEditor::settleUnsavedChanges()
{
    return !isChanged() ||
           askToSave(QStringLiteral("Save changes to ") + kindName() + QLatin1Char('?'), [this] { return pSaveContract(); });
}

void TfrmTextEditor::printText(bool preview)
{
    QAction* command = preview ? m_actPrintPreview : m_actPrint;
    if (!command->isEnabled())
        return;
    m_state.windowMode = m_kind == TextKind::Contract ? kContractMode : kWarrantyMode;
    // The saved text prints, not what the window shows unsaved.
    Guarded([this, preview] { ListPrinting::run(m_state, preview); });
}
