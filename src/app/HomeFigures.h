#pragma once

#include "documents/DocumentStorage.h"
#include "planner/ActivityStore.h"

#include <QDate>
#include <array>
#include <optional>
#include <vector>

// What the main window's home page shows, gathered through the stores that own the data.

struct HomeDay {
    QDate day;
    // In the planner's day order: by the activity's start.
    std::vector<ActivityRow> activities;
};

struct HomeUnpaidInvoice {
    DocumentSummary invoice;
    // Empty when the stored date cannot be read.
    std::optional<qint64> ageDays;
};

struct HomeFigures {
    QDate today;
    // Today, then tomorrow.
    std::array<HomeDay, 2> days;

    int unpaidCount = 0;
    // The sum of the totals that could be read; unreadableTotals says how many could not.
    qint64 unpaidCents = 0;
    int unreadableTotals = 0;
    // At most kOldestUnpaid, oldest date first; undated ones after the dated.
    std::vector<HomeUnpaidInvoice> oldestUnpaid;

    // The 1st of this month and its totals as the sales and tax report shows them.
    QDate month;
    bool monthRecorded = false;
    double monthSales = 0;
    double monthTax = 0;

    // Latest save first.
    std::vector<DocumentSummary> recentDocuments;
};

inline constexpr int kOldestUnpaid = 5;
inline constexpr int kRecentDocuments = 10;

// Reads every figure for the given day. Raises DatabaseError; stored texts that cannot
// be read (a date, a total) are counted or left undated rather than failing the page.
HomeFigures GatherHomeFigures(const QDate& today);

// "today", "1 day", "12 days"; a date after today reads "dated ahead".
QString AgeText(qint64 days);
