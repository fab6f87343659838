#include "reports/ReportRange.h"

#include "reports/ReportRows.h"

namespace {

QDate FirstOfMonth(const QDate& date)
{
    return QDate(date.year(), date.month(), 1);
}

} // namespace

ReportRange::ReportRange(const QDate& today) : m_start(FirstOfMonth(today)), m_end(m_start) {}

void ReportRange::setMonths(const QDate& start, const QDate& end)
{
    m_start = FirstOfMonth(start);
    m_end = FirstOfMonth(end);
    snap();
}

void ReportRange::moveStart(int months)
{
    m_start = m_start.addMonths(months);
    snap();
}

void ReportRange::moveEnd(int months)
{
    m_end = m_end.addMonths(months);
    snap();
}

void ReportRange::snap()
{
    if (m_end < m_start)
        m_end = m_start;
}

QString ReportRange::caption() const
{
    if (m_start == m_end)
        return QStringLiteral("Report Date: ") + MonthCaption(m_start);
    return QStringLiteral("Report Date - From: ") + MonthCaption(m_start) + QStringLiteral(" To: ") +
           MonthCaption(m_end);
}
