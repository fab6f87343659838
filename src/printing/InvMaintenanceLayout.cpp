#include "printing/LayoutBuilder.h"
#include "printing/ListLayouts.h"
#include "printing/ReportCatalog.h"

using namespace LayoutBuilder;

ReportLayout InvMaintenanceLayout()
{
    ReportLayout layout;
    layout.name = ReportNames::InvMaintenance;
    layout.parameterNames = {QStringLiteral("rvstrInvMaintTitle")};
    layout.items = {
        Param(QStringLiteral("rvtxtTitle"), 0.4, 0.3, 7.7, QStringLiteral("rvstrInvMaintTitle"), Font(10), Qt::AlignHCenter),
        PageNumber(QStringLiteral("rvtxtPageNumber"), 5.7, 0.5, 2.5),
    };
    struct Column { const char* heading; const char* field; double left; double width; };
    const Column columns[] = {
        {"Number", "rvstrInvNumber", 0.0, 1.0},  {"Type", "rvstrInvType", 1.0, 1.2},
        {"Customer", "rvstrCustomer", 2.2, 1.8}, {"Company", "rvstrCompany", 4.0, 1.7},
        {"Total", "rvstrTotal", 5.7, 1.2},       {"Info", "rvstrInfo", 6.9, 1.0},
    };
    std::vector<ReportItem> band{HLine(QStringLiteral("rvhlineEntry"), 0, 0.1, 7.9, LineStyle::Dotted)};
    for (const Column& column : columns) {
        const QString heading = QString::fromLatin1(column.heading);
        const QString field = QString::fromLatin1(column.field);
        layout.items.push_back(Label(QStringLiteral("rvtxt") + heading + QStringLiteral("Hdng"), 0.3 + column.left, 0.8,
                                     column.width, heading));
        band.push_back(Field(QStringLiteral("rvtxt") + field.mid(5), column.left, 0.2, column.width, field));
    }
    ReportRegion region{QStringLiteral("RegionInvMaintenance"), 0.3, 1.0, 7.9, 9.4, FeedNames::InvMaintenance, {}};
    region.bands.push_back(DataBand(QStringLiteral("DataBandInvMaintenance"), 0.4, band));
    layout.regions.push_back(region);
    return layout;
}
