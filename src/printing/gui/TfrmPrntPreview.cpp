#include "printing/gui/TfrmPrntPreview.h"

#include "app/Guard.h"
#include "app/gui/ThemeIcons.h"
#include "printing/gui/PreviewPageView.h"

#include <QAction>
#include <QIcon>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace {

// The wheel neither scrolls nor zooms the preview, over the page or over a scroll bar.
class PreviewScrollArea : public QScrollArea {
public:
    explicit PreviewScrollArea(QWidget* parent) : QScrollArea(parent)
    {
        horizontalScrollBar()->installEventFilter(this);
        verticalScrollBar()->installEventFilter(this);
    }

protected:
    void wheelEvent(QWheelEvent* event) override { event->accept(); }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Wheel)
            return true;
        return QScrollArea::eventFilter(watched, event);
    }
};

} // namespace

TfrmPrntPreview::TfrmPrntPreview(const QString& caption, DisplayDocument pages, std::function<void()> print,
                                 QWidget* parent)
    : QDialog(parent), m_pages(std::move(pages)), m_print(std::move(print))
{
    setObjectName(QStringLiteral("frmPrntPreview"));
    setWindowTitle(caption);
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint);

    QToolBar* toolBar = CommandIcons::makeToolBar(this, QStringLiteral("ToolBarPrintPreview"));
    using CommandIcons::Kind;
    m_actClose = makeAction(QStringLiteral("actClose"), QStringLiteral("Close"), Kind::Close);
    m_actPrint = makeAction(QStringLiteral("actPrint"), QStringLiteral("Print"), Kind::Print);
    m_actZoomIn = makeAction(QStringLiteral("actZoomIn"), QStringLiteral("Zoom In"), Kind::ZoomIn);
    m_actZoomOut = makeAction(QStringLiteral("actZoomOut"), QStringLiteral("Zoom Out"), Kind::ZoomOut);
    m_actPreviousPage = makeAction(QStringLiteral("actPreviousPage"), QStringLiteral("Previous Page"), Kind::PreviousPage);
    m_actNextPage = makeAction(QStringLiteral("actNextPage"), QStringLiteral("Next Page"), Kind::NextPage);
    toolBar->addAction(m_actClose);
    toolBar->addSeparator();
    toolBar->addAction(m_actPrint);
    toolBar->addSeparator();
    toolBar->addAction(m_actZoomIn);
    toolBar->addAction(m_actZoomOut);
    toolBar->addSeparator();
    toolBar->addAction(m_actPreviousPage);
    toolBar->addAction(m_actNextPage);

    m_scrollBox = new PreviewScrollArea(this);
    m_scrollBox->setObjectName(QStringLiteral("ScrollBoxPrintPreview"));
    m_scrollBox->setBackgroundRole(QPalette::Dark);
    QPalette palette = m_scrollBox->palette();
    palette.setColor(QPalette::Dark, QColor(0x80, 0x80, 0x80));
    m_scrollBox->setPalette(palette);
    m_scrollBox->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_view = new PreviewPageView;
    m_scrollBox->setWidget(m_view);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar);
    layout->addWidget(m_scrollBox, 1);

    connect(m_actClose, &QAction::triggered, this, &QDialog::accept);
    connect(m_actPrint, &QAction::triggered, this, &TfrmPrntPreview::actPrintExecute);
    connect(m_actZoomIn, &QAction::triggered, this, &TfrmPrntPreview::actZoomInExecute);
    connect(m_actZoomOut, &QAction::triggered, this, &TfrmPrntPreview::actZoomOutExecute);
    connect(m_actPreviousPage, &QAction::triggered, this, &TfrmPrntPreview::actPreviousPageExecute);
    connect(m_actNextPage, &QAction::triggered, this, &TfrmPrntPreview::actNextPageExecute);

    resize(900, 1000);
    setWindowState(Qt::WindowMaximized);
    showCurrentPage();
    pShowFormInformation();
    pSetMenuButtons();
}

QAction* TfrmPrntPreview::makeAction(const QString& name, const QString& caption, CommandIcons::Kind kind)
{
    return CommandIcons::makeAction(this, name, caption, QString(), kind);
}

int TfrmPrntPreview::zoom() const
{
    return m_view->zoom();
}

void TfrmPrntPreview::pShowFormInformation()
{
    const std::pair<QAction*, const char*> hints[] = {
        {m_actClose, "Close Print Preview"},         {m_actPrint, "Print document"},
        {m_actZoomIn, "Zoom in document"},           {m_actZoomOut, "Zoom out document"},
        {m_actPreviousPage, "Preview Previous document"}, {m_actNextPage, "Preview Next document"},
    };
    for (const auto& [action, hint] : hints)
        SetHint(action, QString::fromLatin1(hint));
}

void TfrmPrntPreview::pSetMenuButtons()
{
    if (pageCount() <= 1) {
        m_actPreviousPage->setEnabled(false);
        m_actNextPage->setEnabled(false);
        return;
    }
    m_actPreviousPage->setEnabled(m_currentPage > 1);
    m_actNextPage->setEnabled(m_currentPage < pageCount());
}

void TfrmPrntPreview::pSelectAPageToView(bool next)
{
    if (!next && m_currentPage > 1)
        --m_currentPage;
    else if (next && m_currentPage < pageCount())
        ++m_currentPage;
    showCurrentPage();
    pSetMenuButtons();
}

void TfrmPrntPreview::showCurrentPage()
{
    m_view->setPage(pageCount() > 0 ? &m_pages.pages[m_currentPage - 1] : nullptr);
}

void TfrmPrntPreview::actPrintExecute()
{
    Guarded([&] {
        if (m_print)
            m_print();
    });
}

void TfrmPrntPreview::actZoomInExecute()
{
    m_view->setZoom(m_view->zoom() + 10);
}

void TfrmPrntPreview::actZoomOutExecute()
{
    if (m_view->zoom() > 10)
        m_view->setZoom(m_view->zoom() - 10);
}

void TfrmPrntPreview::actPreviousPageExecute()
{
    pSelectAPageToView(false);
}

void TfrmPrntPreview::actNextPageExecute()
{
    pSelectAPageToView(true);
}
