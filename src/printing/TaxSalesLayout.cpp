#include "printing/LayoutBuilder.h"
#include "printing/ListLayouts.h"
#include "printing/ReportCatalog.h"

using namespace LayoutBuilder;

ReportLayout TaxSalesLayout()
{
    ReportLayout layout;
    layout.name = ReportNames::TaxSales;
    const QStringList stems = {
        QStringLiteral("Date"), QStringLiteral("Type"),     QStringLiteral("Tax1"),       QStringLiteral("Tax2"),
        QStringLiteral("Tax3"), QStringLiteral("TaxTotal"), QStringLiteral("SalesTotal"),
    };
    layout.parameterNames = {QStringLiteral("rvstrTaxSalesTitle"), QStringLiteral("rvstrTaxSalesDates")};
    for (const QString& stem : stems)
        layout.parameterNames << QStringLiteral("rvstr") + stem + QStringLiteral("Hdng");
    // Named by the layout as well, but never set: the rows come from the feed.
    for (const QString& stem : stems)
        layout.parameterNames << QStringLiteral("rvstr") + stem;

    layout.items = {
        Param(QStringLiteral("rvtxtTitle"), 0.3, 0.3, 7.9, QStringLiteral("rvstrTaxSalesTitle"), Font(10), Qt::AlignHCenter),
        Param(QStringLiteral("rvtxtDates"), 0.3, 0.6, 7.9, QStringLiteral("rvstrTaxSalesDates"), Font(10), Qt::AlignHCenter),
        PageNumber(QStringLiteral("rvtxtPageNumber"), 5.7, 0.8, 2.5),
    };
    for (int i = 0; i < stems.size(); ++i) {
        layout.items.push_back(Param(QStringLiteral("rvtxt") + stems[i] + QStringLiteral("Hdng"), 0.3 + 1.1 * i, 1.1, 1.1,
                                     QStringLiteral("rvstr") + stems[i] + QStringLiteral("Hdng")));
    }
    layout.items.push_back(HLine(QStringLiteral("rvhlineHeadings"), 0.3, 1.3, 7.9));

    std::vector<ReportItem> columns;
    for (int i = 0; i < stems.size(); ++i) {
        columns.push_back(Field(QStringLiteral("rvtxt") + stems[i], 1.1 * i, 0, 1.1,
                                QStringLiteral("rvstr") + stems[i]));
    }
    ReportRegion region{QStringLiteral("RegionTaxSales"), 0.3, 1.3, 7.9, 9.1, FeedNames::Reports, {}};
    region.bands.push_back(DataBand(QStringLiteral("DataBandTaxSales"), 0.2, columns));
    layout.regions.push_back(region);
    return layout;
}
