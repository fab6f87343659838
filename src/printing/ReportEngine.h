#pragma once

#include "printing/DataFeed.h"
#include "printing/DisplayList.h"
#include "printing/ReportLayout.h"

#include <QHash>
#include <functional>
#include <vector>

// The feeds a run reads, by the names the layouts bind to.
using FeedMap = QHash<QString, const DataFeed*>;

// One report of a job: the layout copy this run works on and its feeds.
struct ReportRun {
    ReportLayout layout;
    FeedMap feeds;
};

// Called with the page number of the job as each page is started.
using PageProgress = std::function<void(int page)>;

// Lays out the reports of one job, each starting on a new page, in two passes: the
// first places the bands and counts the pages of each report, the second produces the
// pages with "Page N of’ M" filled in. A feed missing from the map has no rows.
DisplayDocument RunReports(const std::vector<ReportRun>& runs, const PageProgress& progress = {});

// The text of the page-number item.
QString PageNumberText(int page, int pageCount);
