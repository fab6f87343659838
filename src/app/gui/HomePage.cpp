#include "app/gui/HomePage.h"

#include "app/AppState.h"
#include "app/Clock.h"
#include "app/Guard.h"
#include "app/Regional.h"
#include "app/gui/Dispatcher.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// What an entry opens, kept on its list item.
enum EntryRole { KindRole = Qt::UserRole, ValueRole, NameRole };
enum EntryKind { NoEntry = 0, DayEntry, DocumentEntry };

QString Customer(const DocumentSummary& document)
{
    return document.CustFullName.trimmed().isEmpty() ? document.CustCmpnyName : document.CustFullName;
}

QString LongDate(const QDate& day)
{
    return Regional::Locale().toString(day, QStringLiteral("dddd, MMMM d"));
}

// Times alone for an activity inside one day, both ends in full otherwise.
QString ActivityTimes(const ActivityRow& row)
{
    const QDateTime start = Regional::ParseDateTime(row.startText);
    const QDateTime end = Regional::ParseDateTime(row.endText);
    if (start.isValid() && end.isValid() && start.date() == end.date() && start.date() == row.listedDay) {
        if (start.time() == QTime(0, 0) && end.time() == QTime(0, 0))
            return QStringLiteral("All day");
        const QLocale locale = Regional::Locale();
        const QString format = locale.timeFormat(QLocale::ShortFormat);
        return locale.toString(start.time(), format) + QStringLiteral(" – ") + locale.toString(end.time(), format);
    }
    return ListDateTimeText(row.startText) + QStringLiteral(" – ") + ListDateTimeText(row.endText);
}

void SetDocumentEntry(QTreeWidgetItem* item, const DocumentSummary& document)
{
    item->setData(0, KindRole, DocumentEntry);
    item->setData(0, ValueRole, document.InvNumber);
    item->setData(0, NameRole, document.InvName);
}

// Tall enough for every row, so a list never scrolls inside the page.
void FitToRows(QTreeWidget* list)
{
    int rows = 0;
    for (QTreeWidgetItemIterator it(list); *it; ++it)
        ++rows;
    const int hinted = list->sizeHintForRow(0);
    const int rowHeight = hinted > 0 ? hinted : list->fontMetrics().height() + 4;
    const int header = list->isHeaderHidden() ? 0 : list->header()->sizeHint().height();
    list->setFixedHeight(header + std::max(rows, 1) * rowHeight + 2 * list->frameWidth() + 2);
}

QLabel* FigureLabel(const char* objectName, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(objectName));
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.2);
    label->setFont(font);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QGroupBox* Section(const char* objectName, QWidget* parent)
{
    auto* box = new QGroupBox(parent);
    box->setObjectName(QLatin1String(objectName));
    return box;
}

} // namespace

HomePage::HomePage(AppState& state, QWidget* parent) : QScrollArea(parent), m_state(state)
{
    setObjectName(QStringLiteral("scrHome"));
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Tab stops at the entries, not at the page around them.
    setFocusPolicy(Qt::NoFocus);

    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("pnlHome"));

    lblHomeFailed = new QLabel(QStringLiteral("The figures could not be read."), page);
    lblHomeFailed->setObjectName(QStringLiteral("lblHomeFailed"));
    lblHomeFailed->hide();

    grpHomeDays = Section("grpHomeDays", page);
    grpHomeDays->setTitle(QStringLiteral("Planner"));
    lstvwHomeDays = makeList("lstvwHomeDays", {QStringLiteral("Time"), QStringLiteral("Activity")}, 1,
                             QStringLiteral("Select a day or an activity to open the planner on that day"));
    lstvwHomeDays->setHeaderHidden(true);
    auto* daysLayout = new QVBoxLayout(grpHomeDays);
    daysLayout->addWidget(lstvwHomeDays);

    grpHomeUnpaid = Section("grpHomeUnpaid", page);
    grpHomeUnpaid->setTitle(QStringLiteral("Unpaid Invoices"));
    lblHomeUnpaidCount = FigureLabel("lblHomeUnpaidCount", grpHomeUnpaid);
    lblHomeUnpaidTotal = FigureLabel("lblHomeUnpaidTotal", grpHomeUnpaid);
    lblHomeUnpaidUnread = new QLabel(grpHomeUnpaid);
    lblHomeUnpaidUnread->setObjectName(QStringLiteral("lblHomeUnpaidUnread"));
    lblHomeUnpaidUnread->setWordWrap(true);
    lblHomeUnpaidUnread->hide();
    lstvwHomeUnpaid = makeList("lstvwHomeUnpaid",
                               {QStringLiteral("Number"), QStringLiteral("Customer"), QStringLiteral("Date"),
                                QStringLiteral("Age"), QStringLiteral("Total")},
                               1, QStringLiteral("Select an unpaid Invoice to view, edit or print"));
    // Amounts line up on the right, their heading with them.
    lstvwHomeUnpaid->headerItem()->setTextAlignment(4, Qt::AlignRight | Qt::AlignVCenter);
    auto* unpaidFigures = new QFormLayout;
    unpaidFigures->addRow(QStringLiteral("Invoices:"), lblHomeUnpaidCount);
    unpaidFigures->addRow(QStringLiteral("Total:"), lblHomeUnpaidTotal);
    auto* unpaidLayout = new QVBoxLayout(grpHomeUnpaid);
    unpaidLayout->addLayout(unpaidFigures);
    unpaidLayout->addWidget(lblHomeUnpaidUnread);
    auto* oldest = new QLabel(QStringLiteral("Oldest:"), grpHomeUnpaid);
    oldest->setObjectName(QStringLiteral("lblHomeOldest"));
    unpaidLayout->addWidget(oldest);
    unpaidLayout->addWidget(lstvwHomeUnpaid);

    grpHomeMonth = Section("grpHomeMonth", page);
    lblHomeMonthSales = FigureLabel("lblHomeMonthSales", grpHomeMonth);
    lblHomeMonthTax = FigureLabel("lblHomeMonthTax", grpHomeMonth);
    btnHomeReport = new QPushButton(QStringLiteral("View Report"), grpHomeMonth);
    btnHomeReport->setObjectName(QStringLiteral("btnHomeReport"));
    btnHomeReport->setToolTip(QStringLiteral("View the sales and tax report of this month"));
    btnHomeReport->setStatusTip(btnHomeReport->toolTip());
    // Enter opens it as Space does, outside a dialog too.
    btnHomeReport->setAutoDefault(true);
    connect(btnHomeReport, &QPushButton::clicked, this, [this] { openMonthReport(); });
    auto* monthFigures = new QFormLayout;
    monthFigures->addRow(QStringLiteral("Sales:"), lblHomeMonthSales);
    monthFigures->addRow(QStringLiteral("Tax:"), lblHomeMonthTax);
    auto* monthLayout = new QHBoxLayout(grpHomeMonth);
    monthLayout->addLayout(monthFigures, 1);
    monthLayout->addWidget(btnHomeReport, 0, Qt::AlignBottom);

    grpHomeRecent = Section("grpHomeRecent", page);
    grpHomeRecent->setTitle(QStringLiteral("Recently Saved"));
    lstvwHomeRecent = makeList("lstvwHomeRecent",
                               {QStringLiteral("Document"), QStringLiteral("Customer"), QStringLiteral("Date"),
                                QStringLiteral("Total")},
                               1, QStringLiteral("Select a document to view, edit or print"));
    lstvwHomeRecent->headerItem()->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
    lblHomeNoRecent = new QLabel(QStringLiteral("No document has been saved yet."), grpHomeRecent);
    lblHomeNoRecent->setObjectName(QStringLiteral("lblHomeNoRecent"));
    auto* recentLayout = new QVBoxLayout(grpHomeRecent);
    recentLayout->addWidget(lstvwHomeRecent);
    recentLayout->addWidget(lblHomeNoRecent);

    auto* left = new QVBoxLayout;
    left->addWidget(grpHomeDays);
    left->addWidget(grpHomeUnpaid);
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(grpHomeMonth);
    right->addWidget(grpHomeRecent);
    right->addStretch(1);
    m_columns = new QBoxLayout(QBoxLayout::LeftToRight);
    m_columns->addLayout(left, 1);
    m_columns->addLayout(right, 1);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(lblHomeFailed);
    // Each column keeps its own height; the space below goes to the page's end.
    layout->addLayout(m_columns);
    layout->addStretch(1);
    setWidget(page);

    // Tab goes through the page in reading order.
    setTabOrder(lstvwHomeDays, lstvwHomeUnpaid);
    setTabOrder(lstvwHomeUnpaid, btnHomeReport);
    setTabOrder(btnHomeReport, lstvwHomeRecent);
}

QTreeWidget* HomePage::makeList(const char* objectName, const QStringList& columns, int stretch,
                                const QString& hint)
{
    auto* list = new QTreeWidget;
    list->setObjectName(QLatin1String(objectName));
    list->setColumnCount(int(columns.size()));
    list->setHeaderLabels(columns);
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setUniformRowHeights(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setTextElideMode(Qt::ElideRight);
    list->setFocusPolicy(Qt::StrongFocus);
    list->setToolTip(hint);
    list->setStatusTip(hint);
    list->header()->setStretchLastSection(false);
    list->header()->setSectionsMovable(false);
    list->header()->setSectionsClickable(false);
    for (int column = 0; column < columns.size(); ++column)
        list->header()->setSectionResizeMode(column, column == stretch ? QHeaderView::Stretch
                                                                       : QHeaderView::ResizeToContents);
    list->setIndentation(12);
    list->installEventFilter(this);
    connect(list, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { openEntry(item); });
    return list;
}

void HomePage::resizeEvent(QResizeEvent* event)
{
    // Two columns of lists need about this much; below it they would clip their text.
    constexpr int twoColumnWidth = 860;
    m_columns->setDirection(viewport()->width() >= twoColumnWidth ? QBoxLayout::LeftToRight
                                                                  : QBoxLayout::TopToBottom);
    QScrollArea::resizeEvent(event);
}

bool HomePage::eventFilter(QObject* watched, QEvent* event)
{
    auto* list = qobject_cast<QTreeWidget*>(watched);
    if (list && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            openEntry(list->currentItem());
            return true;
        }
    }
    if (list && event->type() == QEvent::FocusIn && !list->currentItem() && list->topLevelItemCount() > 0)
        list->setCurrentItem(list->topLevelItem(0));
    return QScrollArea::eventFilter(watched, event);
}

void HomePage::refresh()
{
    m_readable = Guarded([this] { m_figures = GatherHomeFigures(Today()); });
    if (!m_readable)
        m_figures = HomeFigures();
    pShowFigures();
}

void HomePage::pShowFigures()
{
    lblHomeFailed->setVisible(!m_readable);
    for (QWidget* section : {static_cast<QWidget*>(grpHomeDays), static_cast<QWidget*>(grpHomeUnpaid),
                             static_cast<QWidget*>(grpHomeMonth), static_cast<QWidget*>(grpHomeRecent)})
        section->setVisible(m_readable);
    if (!m_readable)
        return;
    pShowDays();
    pShowUnpaid();
    pShowMonth();
    pShowRecent();
}

void HomePage::pShowDays()
{
    lstvwHomeDays->clear();
    static const QString headings[] = {QStringLiteral("Today"), QStringLiteral("Tomorrow")};
    for (size_t i = 0; i < m_figures.days.size(); ++i) {
        const HomeDay& day = m_figures.days[i];
        auto* heading = new QTreeWidgetItem(lstvwHomeDays);
        heading->setText(0, headings[i] + QStringLiteral(" – ") + LongDate(day.day));
        heading->setFirstColumnSpanned(true);
        QFont bold = heading->font(0);
        bold.setBold(true);
        heading->setFont(0, bold);
        heading->setData(0, KindRole, DayEntry);
        heading->setData(0, ValueRole, day.day);

        if (day.activities.empty()) {
            auto* none = new QTreeWidgetItem(heading);
            none->setText(0, QStringLiteral("No activities"));
            none->setFirstColumnSpanned(true);
            none->setForeground(0, lstvwHomeDays->palette().brush(QPalette::Disabled, QPalette::Text));
            none->setData(0, KindRole, DayEntry);
            none->setData(0, ValueRole, day.day);
        }
        for (const ActivityRow& row : day.activities) {
            auto* item = new QTreeWidgetItem(heading);
            item->setText(0, ActivityTimes(row));
            item->setText(1, row.activity);
            // The whole text, where the column cuts it short.
            item->setToolTip(1, row.activity);
            item->setData(0, KindRole, DayEntry);
            item->setData(0, ValueRole, day.day);
            if (row.priority.trimmed() != QStringLiteral("0")) {
                QFont font = item->font(1);
                font.setBold(true);
                item->setFont(1, font);
                item->setToolTip(1, row.activity + QStringLiteral(" (high priority)"));
            }
        }
    }
    lstvwHomeDays->expandAll();
    FitToRows(lstvwHomeDays);
}

void HomePage::pShowUnpaid()
{
    const QLocale locale = Regional::Locale();
    lblHomeUnpaidCount->setText(locale.toString(m_figures.unpaidCount));
    lblHomeUnpaidTotal->setText(Regional::CurrencyText(double(m_figures.unpaidCents) / 100.0));
    // A total the program cannot read is not summed silently as nothing.
    lblHomeUnpaidUnread->setVisible(m_figures.unreadableTotals > 0);
    lblHomeUnpaidUnread->setText(m_figures.unreadableTotals == 1
                                     ? QStringLiteral("1 total could not be read and is not included.")
                                     : QStringLiteral("%1 totals could not be read and are not included.")
                                           .arg(m_figures.unreadableTotals));

    lstvwHomeUnpaid->clear();
    for (const HomeUnpaidInvoice& entry : m_figures.oldestUnpaid) {
        auto* item = new QTreeWidgetItem(lstvwHomeUnpaid);
        item->setText(0, QString::number(entry.invoice.InvNumber));
        item->setText(1, Customer(entry.invoice));
        item->setText(2, entry.invoice.InvDate);
        item->setText(3, entry.ageDays ? AgeText(*entry.ageDays) : QString());
        item->setText(4, entry.invoice.InvTotal);
        item->setTextAlignment(4, Qt::AlignRight | Qt::AlignVCenter);
        SetDocumentEntry(item, entry.invoice);
    }
    const bool any = !m_figures.oldestUnpaid.empty();
    lstvwHomeUnpaid->setVisible(any);
    grpHomeUnpaid->findChild<QLabel*>(QStringLiteral("lblHomeOldest"))->setVisible(any);
    FitToRows(lstvwHomeUnpaid);
}

void HomePage::pShowMonth()
{
    grpHomeMonth->setTitle(QStringLiteral("Sales and Tax, ")
                           + Regional::Locale().toString(m_figures.month, QStringLiteral("MMMM yyyy")));
    lblHomeMonthSales->setText(Regional::CurrencyText(m_figures.monthSales));
    lblHomeMonthTax->setText(Regional::CurrencyText(m_figures.monthTax));
}

void HomePage::pShowRecent()
{
    lstvwHomeRecent->clear();
    for (const DocumentSummary& document : m_figures.recentDocuments) {
        auto* item = new QTreeWidgetItem(lstvwHomeRecent);
        item->setText(0, document.InvName + QLatin1Char(' ') + QString::number(document.InvNumber));
        item->setText(1, Customer(document));
        item->setText(2, document.InvDate);
        item->setText(3, document.InvTotal);
        item->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
        SetDocumentEntry(item, document);
    }
    const bool any = !m_figures.recentDocuments.empty();
    lstvwHomeRecent->setVisible(any);
    lblHomeNoRecent->setVisible(!any);
    FitToRows(lstvwHomeRecent);
}

void HomePage::openEntry(QTreeWidgetItem* item)
{
    if (!item)
        return;
    switch (item->data(0, KindRole).toInt()) {
    case DayEntry:
        Dispatcher::ShowPlanner(m_state, window(), item->data(0, ValueRole).toDate());
        break;
    case DocumentEntry: {
        // Handed over as the maintenance list hands a document to the editor.
        TrecInvHeader& header = m_state.currentDocument.Header;
        header.InvNumber = item->data(0, ValueRole).toInt();
        header.InvName = item->data(0, NameRole).toString();
        Dispatcher::ShowInvoiceEditor(m_state, window(), false);
        break;
    }
    default:
        return;
    }
    afterWindow();
}

void HomePage::openMonthReport()
{
    // The report opens on the current month.
    Dispatcher::ShowReport(m_state, window());
    afterWindow();
}

void HomePage::afterWindow()
{
    refresh();
    emit windowClosed();
}
