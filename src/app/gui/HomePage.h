#pragma once

#include "app/HomeFigures.h"

#include <QScrollArea>

struct AppState;
class QBoxLayout;
class QGroupBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// The main window's home page: today's and tomorrow's activities, the unpaid invoices,
// this month's sales and tax, and the documents saved last. Every entry opens what it
// names: the planner on its day, the editor on its document, the report on this month.
// It scrolls rather than making the main window larger.
class HomePage : public QScrollArea {
    Q_OBJECT
public:
    explicit HomePage(AppState& state, QWidget* parent = nullptr);

    // Reads the figures again. A database error is shown in the general error box and
    // the page says its figures could not be read.
    void refresh();
    const HomeFigures& figures() const { return m_figures; }

    // Opens what an entry of one of the page's lists names; nothing for other items.
    void openEntry(QTreeWidgetItem* item);

signals:
    // A window the page opened has closed (the page has refreshed itself by then).
    void windowClosed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // `stretch` is the column that takes the width the others leave.
    QTreeWidget* makeList(const char* objectName, const QStringList& columns, int stretch, const QString& hint);
    void pShowFigures();
    void pShowDays();
    void pShowUnpaid();
    void pShowMonth();
    void pShowRecent();
    void openMonthReport();
    void afterWindow();

    AppState& m_state;
    HomeFigures m_figures;
    bool m_readable = false;
    // Side by side when the page is wide enough, one above the other otherwise.
    QBoxLayout* m_columns;

    QLabel* lblHomeFailed;
    QGroupBox* grpHomeDays;
    QTreeWidget* lstvwHomeDays;
    QGroupBox* grpHomeUnpaid;
    QLabel* lblHomeUnpaidCount;
    QLabel* lblHomeUnpaidTotal;
    QLabel* lblHomeUnpaidUnread;
    QTreeWidget* lstvwHomeUnpaid;
    QGroupBox* grpHomeMonth;
    QLabel* lblHomeMonthSales;
    QLabel* lblHomeMonthTax;
    QPushButton* btnHomeReport;
    QGroupBox* grpHomeRecent;
    QTreeWidget* lstvwHomeRecent;
    QLabel* lblHomeNoRecent;
};
