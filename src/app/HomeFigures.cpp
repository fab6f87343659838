#include "app/HomeFigures.h"

#include "app/Regional.h"
#include "maintenance/MaintenanceSearch.h"
#include "reports/MonthlyTotals.h"

#include <QHash>
#include <algorithm>

namespace {

HomeDay DayOfActivities(const QDate& day)
{
    // The range already limits the rows to the day, so the year's marks are not needed.
    DayMarks marks;
    marks.activity[size_t(day.dayOfYear())] = true;
    return {day, ListActivities({day, day}, marks, PlannerView::Day)};
}

void GatherUnpaid(HomeFigures& figures)
{
    const std::vector<DocumentSummary> unpaid = Maintenance::UnpaidInvoices();
    figures.unpaidCount = int(unpaid.size());

    // Invoices share their dates and totals often; each distinct text is read once.
    QHash<QString, QDate> dates;
    QHash<QString, std::optional<qint64>> totals;
    std::vector<std::pair<QDate, const DocumentSummary*>> dated;
    dated.reserve(unpaid.size());
    for (const DocumentSummary& invoice : unpaid) {
        auto total = totals.constFind(invoice.InvTotal);
        if (total == totals.constEnd())
            total = totals.insert(invoice.InvTotal, Regional::ParseCurrencyCents(invoice.InvTotal));
        if (*total)
            figures.unpaidCents += **total;
        else
            ++figures.unreadableTotals;

        auto date = dates.constFind(invoice.InvDate);
        if (date == dates.constEnd())
            date = dates.insert(invoice.InvDate, Regional::ParseShortDate(invoice.InvDate));
        dated.emplace_back(*date, &invoice);
    }

    // Oldest first, then by number; an unreadable date has no age and goes last.
    const auto older = [](const auto& a, const auto& b) {
        if (a.first.isValid() != b.first.isValid())
            return a.first.isValid();
        if (a.first != b.first)
            return a.first < b.first;
        return a.second->InvNumber < b.second->InvNumber;
    };
    const size_t shown = std::min<size_t>(kOldestUnpaid, dated.size());
    std::partial_sort(dated.begin(), dated.begin() + qsizetype(shown), dated.end(), older);
    for (size_t i = 0; i < shown; ++i) {
        HomeUnpaidInvoice entry{*dated[i].second, std::nullopt};
        if (dated[i].first.isValid())
            entry.ageDays = dated[i].first.daysTo(figures.today);
        figures.oldestUnpaid.push_back(std::move(entry));
    }
}

void GatherMonth(HomeFigures& figures)
{
    figures.month = QDate(figures.today.year(), figures.today.month(), 1);
    for (const MonthlyTotals& totals : QueryMonthlyTotals(figures.month, figures.month)) {
        figures.monthRecorded = true;
        figures.monthSales += totals.laborTotal + totals.materialTotal;
        for (size_t i = 0; i < 3; ++i)
            figures.monthTax += totals.laborTax[i] + totals.materialTax[i];
    }
}

} // namespace

HomeFigures GatherHomeFigures(const QDate& today)
{
    HomeFigures figures;
    figures.today = today;
    figures.days = {DayOfActivities(today), DayOfActivities(today.addDays(1))};
    GatherUnpaid(figures);
    GatherMonth(figures);
    figures.recentDocuments = RecentlySavedDocuments(kRecentDocuments);
    return figures;
}

QString AgeText(qint64 days)
{
    if (days < 0)
        return QStringLiteral("dated ahead");
    if (days == 0)
        return QStringLiteral("today");
    if (days == 1)
        return QStringLiteral("1 day");
    return QStringLiteral("%1 days").arg(days);
}
