#include "printing/LayoutBuilder.h"
#include "printing/ListLayouts.h"
#include "printing/ReportCatalog.h"

using namespace LayoutBuilder;

namespace {

// Title, page number and the body wrapped at the box width. A body longer than its box
// goes on over further pages rather than being lost.
ReportLayout TextLayout(const QString& reportName, const QString& titleParameter, const QString& bodyParameter)
{
    ReportLayout layout;
    layout.name = reportName;
    layout.parameterNames = {bodyParameter, titleParameter};
    ReportItem body = Memo(QStringLiteral("rvmemoBody"), 0.3, 0.8, 7.9, 9.6, TextSource::Parameter, bodyParameter);
    body.continues = true;
    layout.items = {
        Param(QStringLiteral("rvtxtTitle"), 0.3, 0.3, 7.9, titleParameter, Font(10), Qt::AlignHCenter),
        PageNumber(QStringLiteral("rvtxtPageNumber"), 5.7, 0.5, 2.5),
        body,
    };
    return layout;
}

} // namespace

ReportLayout ContractLayout()
{
    return TextLayout(ReportNames::Contract, QStringLiteral("rvstrContractTitle"), QStringLiteral("rvstrContractBody"));
}

ReportLayout WarrantyLayout()
{
    return TextLayout(ReportNames::Warranty, QStringLiteral("rvstrWarrantyTitle"), QStringLiteral("rvstrWarrantyBody"));
}
