#include "printing/LayoutBuilder.h"
#include "printing/ListLayouts.h"
#include "printing/ReportCatalog.h"

using namespace LayoutBuilder;

// Two sets of headings and columns lie on top of each other: one for the day view, one
// for the week and month views. A run fills one set and leaves the other empty.
ReportLayout PlannerLayout()
{
    ReportLayout layout;
    layout.name = ReportNames::Planner;
    layout.parameterNames = {
        QStringLiteral("rvstrPlannerTitle"),        QStringLiteral("rvstrPlannerDates"),
        QStringLiteral("rvstrActStartDayHdng"),     QStringLiteral("rvstrActEndDayHdng"),
        QStringLiteral("rvstrActivityDayHdng"),     QStringLiteral("rvstrActDateWkMnthHdng"),
        QStringLiteral("rvstrActStartWkMnthHdng"),  QStringLiteral("rvstrActEndWkMnthHdng"),
        QStringLiteral("rvstrActivityWkMnthHdng"),
    };
    layout.items = {
        Param(QStringLiteral("rvtxtTitle"), 0.3, 0.3, 7.9, QStringLiteral("rvstrPlannerTitle"), Font(10), Qt::AlignHCenter),
        Param(QStringLiteral("rvtxtDates"), 0.3, 0.5, 7.9, QStringLiteral("rvstrPlannerDates"), Font(10), Qt::AlignHCenter),
        PageNumber(QStringLiteral("rvtxtPageNumber"), 5.7, 0.7, 2.5),
        HLine(QStringLiteral("rvhlineHeadings"), 0.3, 1.0, 7.9),
        Param(QStringLiteral("rvtxtActStartDayHdng"), 0.3, 1.1, 1.8, QStringLiteral("rvstrActStartDayHdng")),
        Param(QStringLiteral("rvtxtActEndDayHdng"), 2.2, 1.1, 1.8, QStringLiteral("rvstrActEndDayHdng")),
        Param(QStringLiteral("rvtxtActivityDayHdng"), 4.1, 1.1, 4.1, QStringLiteral("rvstrActivityDayHdng")),
        Param(QStringLiteral("rvtxtActDateWkMnthHdng"), 0.3, 1.1, 1.2, QStringLiteral("rvstrActDateWkMnthHdng")),
        Param(QStringLiteral("rvtxtActStartWkMnthHdng"), 1.6, 1.1, 1.5, QStringLiteral("rvstrActStartWkMnthHdng")),
        Param(QStringLiteral("rvtxtActEndWkMnthHdng"), 3.2, 1.1, 1.5, QStringLiteral("rvstrActEndWkMnthHdng")),
        Param(QStringLiteral("rvtxtActivityWkMnthHdng"), 4.8, 1.1, 3.4, QStringLiteral("rvstrActivityWkMnthHdng")),
    };
    ReportRegion region{QStringLiteral("RegionPlanner"), 0.3, 1.3, 7.9, 9.1, FeedNames::Planner, {}};
    region.bands.push_back(DataBand(QStringLiteral("DataBandPlanner"), 0.6, {
        HLine(QStringLiteral("rvhlineEntry"), 0, 0.1, 7.9, LineStyle::Dotted),
        Field(QStringLiteral("rvtxtActStartDay"), 0, 0.2, 1.8, QStringLiteral("rvstrActStartDay")),
        Field(QStringLiteral("rvtxtActEndDay"), 1.9, 0.2, 1.8, QStringLiteral("rvstrActEndDay")),
        Field(QStringLiteral("rvtxtActivityDay"), 3.8, 0.2, 4.1, QStringLiteral("rvstrActivityDay")),
        Field(QStringLiteral("rvtxtActDateWkMnth"), 0, 0.2, 1.2, QStringLiteral("rvstrActDateWkMnth")),
        Field(QStringLiteral("rvtxtActStartWkMnth"), 1.3, 0.2, 1.5, QStringLiteral("rvstrActStartWkMnth")),
        Field(QStringLiteral("rvtxtActEndWkMnth"), 2.9, 0.2, 1.5, QStringLiteral("rvstrActEndWkMnth")),
        Field(QStringLiteral("rvtxtActivityWkMnth"), 4.5, 0.2, 3.4, QStringLiteral("rvstrActivityWkMnth")),
        Label(QStringLiteral("rvtxtActivityNotesCaption"), 0.1, 0.4, 1.5, QStringLiteral("Activity Notes:"), Font(10), Qt::AlignRight),
        Memo(QStringLiteral("rvtxtActivityNotes"), 1.7, 0.4, 6.2, 0.2, TextSource::Column, QStringLiteral("rvstrActivityNotes")),
    }));
    layout.regions.push_back(region);
    return layout;
}
