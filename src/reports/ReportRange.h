#pragma once

#include <QDate>
#include <QString>

// The months a report covers, each held as the 1st of its month. The end never lies
// before the start: moving the end back past the start snaps it to the start, moving
// the start forward past the end pulls the end along.
class ReportRange {
public:
    explicit ReportRange(const QDate& today);

    const QDate& start() const { return m_start; }
    const QDate& end() const { return m_end; }

    void setMonths(const QDate& start, const QDate& end);
    void moveStart(int months);
    void moveEnd(int months);

    // "Report Date - From: January 2011 To: March 2011", or "Report Date: March 2011"
    // when both are the same month.
    QString caption() const;

private:
    void snap();

    QDate m_start;
    QDate m_end;
};
