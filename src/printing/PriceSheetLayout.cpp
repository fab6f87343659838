#include "printing/LayoutBuilder.h"
#include "printing/ListLayouts.h"
#include "printing/ReportCatalog.h"

using namespace LayoutBuilder;

ReportLayout PriceSheetLayout()
{
    ReportLayout layout;
    layout.name = ReportNames::PriceSheet;
    layout.parameterNames = {QStringLiteral("rvstrPriceSheetTitle")};
    layout.items = {
        Param(QStringLiteral("rvtxtTitle"), 0.3, 0.3, 7.9, QStringLiteral("rvstrPriceSheetTitle"), Font(10), Qt::AlignHCenter),
        PageNumber(QStringLiteral("rvtxtPageNumber"), 5.7, 0.5, 2.5),
        Label(QStringLiteral("rvtxtDescriptionHdng"), 0.3, 0.8, 3.3, QStringLiteral("Price Item Description")),
        Label(QStringLiteral("rvtxtPriceHdng"), 7.0, 0.8, 1.2, QStringLiteral("Price")),
    };
    ReportRegion region{QStringLiteral("RegionPriceSheet"), 0.3, 1.0, 7.9, 9.4, FeedNames::PriceSheet, {}};
    region.bands.push_back(DataBand(QStringLiteral("DataBandPriceSheet"), 0.6, {
        HLine(QStringLiteral("rvhlineEntry"), 0, 0.1, 7.9, LineStyle::Dotted),
        Field(QStringLiteral("rvtxtDescription"), 0, 0.2, 5.6, QStringLiteral("rvstrDescription")),
        Label(QStringLiteral("rvtxtLaborCaption"), 5.6, 0.2, 1.0, QStringLiteral("Labor:"), Font(10), Qt::AlignRight),
        Field(QStringLiteral("rvtxtLabPrice"), 6.7, 0.2, 1.2, QStringLiteral("rvstrLabPrice")),
        Label(QStringLiteral("rvtxtMaterialCaption"), 5.6, 0.4, 1.0, QStringLiteral("Material:"), Font(10), Qt::AlignRight),
        Field(QStringLiteral("rvtxtMatPrice"), 6.7, 0.4, 1.2, QStringLiteral("rvstrMatPrice")),
    }));
    layout.regions.push_back(region);
    return layout;
}
