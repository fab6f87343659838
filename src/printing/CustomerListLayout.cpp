#include "printing/LayoutBuilder.h"
#include "printing/ListLayouts.h"
#include "printing/ReportCatalog.h"

using namespace LayoutBuilder;

ReportLayout CustomerListLayout()
{
    ReportLayout layout;
    layout.name = ReportNames::CustomerList;
    layout.parameterNames = {QStringLiteral("rvstrCustomerListTitle")};
    layout.items = {
        Param(QStringLiteral("rvtxtTitle"), 0.3, 0.3, 7.9, QStringLiteral("rvstrCustomerListTitle"), Font(10), Qt::AlignHCenter),
        PageNumber(QStringLiteral("rvtxtPageNumber"), 5.7, 0.5, 2.5),
    };
    const ReportFont body = Font(10);
    ReportRegion region{QStringLiteral("RegionCustomerList"), 0.3, 0.7, 7.9, 9.7, FeedNames::CustomerList, {}};
    region.bands.push_back(DataBand(QStringLiteral("DataBandCustomerList"), 1.6, {
        HLine(QStringLiteral("rvhlineEntry"), 0, 0.1, 7.9, LineStyle::Dotted),
        Label(QStringLiteral("rvtxtCustomerIDCaption"), 0.1, 0.2, 1.4, QStringLiteral("Customer Number:"), body, Qt::AlignRight),
        Field(QStringLiteral("rvtxtCustomerID"), 1.6, 0.2, 1.4, QStringLiteral("rvstrCustomerID")),
        Field(QStringLiteral("rvtxtCustCompany"), 0, 0.4, 3.2, QStringLiteral("rvstrCustCompany")),
        Field(QStringLiteral("rvtxtCustFirstLastName"), 0, 0.6, 3.2, QStringLiteral("rvstrCustFirstLastName")),
        Field(QStringLiteral("rvtxtCustAddress"), 0, 0.8, 3.2, QStringLiteral("rvstrCustAddress")),
        Field(QStringLiteral("rvtxtCustCityStateZip"), 0, 1.0, 3.2, QStringLiteral("rvstrCustCityStateZip")),
        Field(QStringLiteral("rvtxtCustDiscount"), 0, 1.2, 3.2, QStringLiteral("rvstrCustDiscount")),
        Label(QStringLiteral("rvtxtMainPhoneCaption"), 3.5, 0.4, 1.2, QStringLiteral("Main Phone:"), body, Qt::AlignRight),
        Field(QStringLiteral("rvtxtCustMainPhone"), 4.8, 0.4, 3.1, QStringLiteral("rvstrCustMainPhone")),
        Field(QStringLiteral("rvtxtCustExtraPhone1Nm"), 3.5, 0.6, 1.2, QStringLiteral("rvstrCustExtraPhone1Nm"), body, Qt::AlignRight),
        Field(QStringLiteral("rvtxtCustExtraPhone1"), 4.8, 0.6, 3.1, QStringLiteral("rvstrCustExtraPhone1")),
        Field(QStringLiteral("rvtxtCustExtraPhone2Nm"), 3.5, 0.8, 1.2, QStringLiteral("rvstrCustExtraPhone2Nm"), body, Qt::AlignRight),
        Field(QStringLiteral("rvtxtCustExtraPhone2"), 4.8, 0.8, 3.1, QStringLiteral("rvstrCustExtraPhone2")),
        Label(QStringLiteral("rvtxtPmtTermsCaption"), 3.5, 1.0, 1.2, QStringLiteral("Payment Terms:"), body, Qt::AlignRight),
        Field(QStringLiteral("rvtxtCustPmtTerms"), 4.8, 1.0, 3.1, QStringLiteral("rvstrCustPmtTerms")),
        Field(QStringLiteral("rvtxtCustTaxExmpNmbr"), 3.6, 1.2, 4.3, QStringLiteral("rvstrCustTaxExmpNmbr")),
        Label(QStringLiteral("rvtxtNotesCaption"), 0.1, 1.4, 0.9, QStringLiteral("Notes:"), body, Qt::AlignRight),
        Memo(QStringLiteral("rvtxtCustNotes"), 1.1, 1.4, 6.7, 0.2, TextSource::Column, QStringLiteral("rvstrCustNotes")),
    }));
    layout.regions.push_back(region);
    return layout;
}
