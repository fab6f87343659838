#include "catalogs/gui/TfrmPriceVelmar.h"

#include "app/AppState.h"
#include "app/Guard.h"
#include "app/PromptService.h"
#include "app/ShellServices.h"
#include "catalogs/AllowNumDecimalOnly.h"
#include "catalogs/PriceListModel.h"
#include "catalogs/PriceSheetStore.h"
#include "catalogs/gui/CatalogList.h"
#include "catalogs/gui/CommandIcons.h"
#include "catalogs/gui/ListPrinting.h"
#include "catalogs/gui/ProgressScope.h"
#include "printing/ReportCatalog.h"
#include "app/gui/TextLimit.h"
#include "app/gui/WidgetLook.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QToolBar>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

const char* const kSaveQuestion = "Save changes to this Price Item?";

std::optional<int> documentNumberFor(const AppState& state)
{
    if (!state.editorOpen)
        return std::nullopt;
    return state.currentDocument.Header.InvNumber;
}

} // namespace

TfrmPriceVelmar::TfrmPriceVelmar(AppState& state, QWidget* parent)
    : CatalogListDialog(parent), m_state(state), m_documentNumber(documentNumberFor(state)),
      m_model(new PriceListModel(this)), m_feed(FeedColumnNames(FeedNames::PriceSheet), {})
{
    setObjectName(QStringLiteral("frmPriceVelmar"));
    setWindowTitle(QStringLiteral("Velmar Price Sheet"));
    setModal(true);

    buildCommands();

    m_lstPrice = MakeCatalogList(this, QStringLiteral("lstPrice"), m_model);
    // Not a tab stop, but the window starts on it so the arrows and Enter choose an item.
    m_lstPrice->setFocusPolicy(Qt::ClickFocus);
    OnRowChosen(m_lstPrice, [this] { lstPriceClick(); });

    auto* layout = new QVBoxLayout(this);
    auto* bar = CommandIcons::makeToolBar(this, QStringLiteral("ToolBarPrice"));
    bar->addAction(m_actClose);
    bar->addSeparator();
    bar->addAction(m_actSave);
    bar->addAction(m_actCancel);
    bar->addSeparator();
    bar->addAction(m_actPrintPreview);
    bar->addAction(m_actPrint);
    bar->addSeparator();
    bar->addAction(m_actHelp);
    layout->setMenuBar(bar);
    layout->addWidget(m_lstPrice, 1);
    layout->addWidget(buildEditArea());

    const int listWidth = CatalogListWidth(m_lstPrice, PriceListModel::ColumnCount, &PriceListModel::columnWidth);
    resize(qMax(700, listWidth + 60), 600);
}

void TfrmPriceVelmar::buildCommands()
{
    using CommandIcons::Kind;
    using CommandIcons::makeAction;
    m_actClose = makeAction(this, QStringLiteral("actClose"), QStringLiteral("Close"),
                            QStringLiteral("Close"), Kind::Close);
    m_actSave = makeAction(this, QStringLiteral("actSave"), QStringLiteral("Save"),
                           QStringLiteral("Save current Price Item to your list"), Kind::Save);
    m_actCancel = makeAction(this, QStringLiteral("actCancel"), QStringLiteral("Cancel"),
                             QStringLiteral("Cancel Edit of this price Item"), Kind::Cancel);
    m_actPrintPreview = makeAction(this, QStringLiteral("actPrintPreview"), QStringLiteral("Print Preview"),
                                   QStringLiteral("Print Preview current Price list"), Kind::PrintPreview);
    m_actPrint = makeAction(this, QStringLiteral("actPrint"), QStringLiteral("Print"),
                            QStringLiteral("Print current Price list"), Kind::Print);
    m_actHelp = makeAction(this, QStringLiteral("actHelp"), QStringLiteral("Help"), QString(), Kind::Help);

    connect(m_actClose, &QAction::triggered, this, &QWidget::close);
    connect(m_actSave, &QAction::triggered, this, &TfrmPriceVelmar::actSaveExecute);
    connect(m_actCancel, &QAction::triggered, this, &TfrmPriceVelmar::actCancelExecute);
    connect(m_actPrintPreview, &QAction::triggered, this, [this] { printList(true); });
    connect(m_actPrint, &QAction::triggered, this, [this] { printList(false); });
    connect(m_actHelp, &QAction::triggered, this, [] { OpenHelpFile(); });
}

QWidget* TfrmPriceVelmar::buildEditArea()
{
    m_gbxEditArea = new QGroupBox(this);
    m_gbxEditArea->setObjectName(QStringLiteral("gbxEditArea"));
    QWidget* box = m_gbxEditArea;

    m_txtPriceItmDiscription = new QLineEdit(box);
    m_txtPriceItmDiscription->setObjectName(QStringLiteral("txtPriceItmDiscription"));
    SetTextLimit(m_txtPriceItmDiscription, 45);
    ShowReadOnly(m_txtPriceItmDiscription);
    m_txtPriceItmDiscription->setFocusPolicy(Qt::ClickFocus);

    auto* validator = new AllowNumDecimalOnly(this);
    m_txtLaborPrice = new QLineEdit(box);
    m_txtLaborPrice->setObjectName(QStringLiteral("txtLaborPrice"));
    m_txtLaborPrice->setMaxLength(10);
    FitToLength(m_txtLaborPrice);
    m_txtLaborPrice->setValidator(validator);
    m_txtMatPrice = new QLineEdit(box);
    m_txtMatPrice->setObjectName(QStringLiteral("txtMatPrice"));
    m_txtMatPrice->setMaxLength(10);
    FitToLength(m_txtMatPrice);
    m_txtMatPrice->setValidator(validator);

    m_lblPriceItmID = new QLabel(box);
    m_lblPriceItmID->setObjectName(QStringLiteral("lblPriceItmID"));
    m_lblPriceItmID->setVisible(false);

    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel(QStringLiteral("Price Item Description"), box), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Labor Price"), box), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Material Price"), box), 0, 2);
    grid->addWidget(m_txtPriceItmDiscription, 1, 0);
    grid->addWidget(m_txtLaborPrice, 1, 1);
    grid->addWidget(m_txtMatPrice, 1, 2);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    setTabOrder(m_txtLaborPrice, m_txtMatPrice);

    for (QLineEdit* edit : {m_txtPriceItmDiscription, m_txtLaborPrice, m_txtMatPrice})
        connect(edit, &QLineEdit::textChanged, this, &TfrmPriceVelmar::pEnableSaveButton);
    return box;
}

void TfrmPriceVelmar::fillOnFirstShow()
{
    pShowFormInformation();
    m_actPrintPreview->setVisible(true);
    pClearEditArea();
}

void TfrmPriceVelmar::pShowFormInformation()
{
    setWindowTitle(QStringLiteral("Velmar Price Sheet"));
    SetHint(m_lstPrice, QStringLiteral("Select a Price Item to edit"));
    SetHint(m_txtPriceItmDiscription, QStringLiteral("Name of Price Item"));
    SetHint(m_txtLaborPrice, QStringLiteral("Enter a Labor Price"));
    SetHint(m_txtMatPrice, QStringLiteral("Enter a Material Price"));
}

void TfrmPriceVelmar::pQueryPriceList()
{
    m_model->setRows(QueryPriceList(m_documentNumber));
    // The printed list holds the rows as they are shown.
    std::vector<QStringList> printed;
    for (int row = 0; row < m_model->rowCount(); ++row)
        printed.push_back({m_model->cellText(row, PriceListModel::Description),
                           m_model->cellText(row, PriceListModel::LaborPrice),
                           m_model->cellText(row, PriceListModel::MaterialPrice)});
    m_feed.setRows(std::move(printed));
    SizeCatalogListColumns(m_lstPrice, PriceListModel::ColumnCount, &PriceListModel::columnWidth);
}

void TfrmPriceVelmar::pClearEditArea()
{
    m_lstPrice->setEnabled(true);
    for (QLineEdit* edit : {m_txtPriceItmDiscription, m_txtLaborPrice, m_txtMatPrice}) {
        edit->clear();
        edit->setEnabled(false);
    }
    m_lblPriceItmID->clear();
    m_actSave->setEnabled(false);
    m_actCancel->setEnabled(false);
    pQueryPriceList();
    pEnablePrintButton();
    m_lstPrice->setFocus();
}

void TfrmPriceVelmar::lstPriceClick()
{
    const QModelIndex current = m_lstPrice->currentIndex();
    if (!current.isValid() || !m_lstPrice->isEnabled()
        || !m_lstPrice->selectionModel()->isRowSelected(current.row()))
        return;
    const int row = current.row();
    m_txtPriceItmDiscription->setText(m_model->cellText(row, PriceListModel::Description));
    const PriceListRow& item = m_model->rows().at(std::size_t(row));
    m_txtLaborPrice->setText(PriceEditText(item.LaborPrice));
    m_txtMatPrice->setText(PriceEditText(item.MaterialPrice));
    m_lblPriceItmID->setText(m_model->cellText(row, PriceListModel::PriceItmID));

    m_lstPrice->setEnabled(false);
    for (QLineEdit* edit : {m_txtPriceItmDiscription, m_txtLaborPrice, m_txtMatPrice})
        edit->setEnabled(true);
    m_actSave->setEnabled(false);
    m_actCancel->setEnabled(true);
    pEnablePrintButton();
    m_txtLaborPrice->setFocus();
}

void TfrmPriceVelmar::pEnableSaveButton()
{
    m_actSave->setEnabled(!m_txtLaborPrice->text().isEmpty() && !m_txtMatPrice->text().isEmpty());
    pEnablePrintButton();
}

void TfrmPriceVelmar::pEnablePrintButton()
{
    const bool canPrint = m_lstPrice->isEnabled() && m_model->rowCount() > 0 && !isDocumentMode()
                          && ListPrinting::available(m_state);
    m_actPrint->setEnabled(canPrint);
    m_actPrintPreview->setEnabled(canPrint);
}

bool TfrmPriceVelmar::pSavePriceItem()
{
    return Guarded([this] {
        {
            ProgressScope progress(QStringLiteral("Saving Price Information..."));
            SavePriceItem(m_lblPriceItmID->text().toInt(), PriceFromText(m_txtLaborPrice->text()),
                          PriceFromText(m_txtMatPrice->text()), m_documentNumber);
            if (isDocumentMode())
                m_state.dataChanged = true;
        }
        pClearEditArea();
    });
}

void TfrmPriceVelmar::actSaveExecute()
{
    if (m_actSave->isEnabled())
        pSavePriceItem();
}

bool TfrmPriceVelmar::settleUnsavedChanges()
{
    return !m_actSave->isEnabled()
           || askToSave(QString::fromLatin1(kSaveQuestion), [this] { return pSavePriceItem(); });
}

void TfrmPriceVelmar::actCancelExecute()
{
    if (!settleUnsavedChanges())
        return;
    // A save has already cleared the edit area.
    if (!m_lstPrice->isEnabled())
        Guarded([this] { pClearEditArea(); });
    m_lstPrice->setFocus();
}

void TfrmPriceVelmar::printList(bool preview)
{
    if (!m_actPrint->isEnabled())
        return;
    Guarded([this, preview] { ListPrinting::run(m_state, preview); });
}
