#include "printing/InvoiceLayout.h"

#include "printing/LayoutBuilder.h"
#include "printing/ReportCatalog.h"

using namespace LayoutBuilder;

namespace {

const ReportFont kHeading = Font(18, true);
const ReportFont kBody = Font(10);
const ReportFont kTotals = Font(14, true);
const ReportFont kSignature = Font(8);

void AddTotalsRow(ReportLayout& layout, const QString& heading, const QString& box, const QString& value,
                  double top)
{
    const QString stem = heading.mid(QStringLiteral("rvtxt").size()).chopped(QStringLiteral("Hdng").size());
    layout.items.push_back(Param(heading, 3.7, top, 2.7, QStringLiteral("rvstr") + stem + QStringLiteral("Hdng"),
                                 kTotals, Qt::AlignRight));
    layout.items.push_back(Box(box, 6.5, top, 1.7, 0.21));
    layout.items.push_back(Param(value, 6.6, top, 1.6, QStringLiteral("rvstr") + stem, kTotals));
}

} // namespace

ReportLayout InvoiceLayout()
{
    ReportLayout layout;
    layout.name = ReportNames::Invoice;
    layout.parameterNames = {
        QStringLiteral("rvstrInvNameNumber"),   QStringLiteral("rvstrInvDate"),
        QStringLiteral("rvstrInvValidFor"),     QStringLiteral("rvstrInvFootNotes"),
        QStringLiteral("rvstrAcceptanceInfo"),  QStringLiteral("rvstrDepositPaid"),
        QStringLiteral("rvstrSubTotal"),        QStringLiteral("rvstrTax"),
        QStringLiteral("rvstrTotal"),           QStringLiteral("rvstrDepositPaidHdng"),
        QStringLiteral("rvstrSubTotalHdng"),    QStringLiteral("rvstrTaxHdng"),
        QStringLiteral("rvstrTotalHdng"),       QStringLiteral("rvstrDiscountHdng"),
        QStringLiteral("rvstrDiscount"),
    };
    auto& items = layout.items;

    // Heading block.
    items.push_back(Param(QStringLiteral("rvtxtInvName"), 4.5, 0.1, 3.7, QStringLiteral("rvstrInvNameNumber"),
                          kHeading, Qt::AlignRight));
    items.push_back(Param(QStringLiteral("rvtxtInvDate"), 5.8, 0.4, 2.4, QStringLiteral("rvstrInvDate"), kBody,
                          Qt::AlignRight));
    items.push_back(Param(QStringLiteral("rvtxtInvValidFor"), 5.8, 0.6, 2.4, QStringLiteral("rvstrInvValidFor"),
                          kBody, Qt::AlignRight));
    items.push_back(PageNumber(QStringLiteral("rvtxtInvPageNumber"), 5.8, 0.8, 2.4, kBody));

    items.push_back(Picture(QStringLiteral("rvBitmapLogo"), 0.3, 0.1, 3.5, 0.7));

    // Company block: placed line by line when the run fills it.
    const QStringList company = {
        QStringLiteral("rvtxtCompName"),       QStringLiteral("rvtxtCompAddress"),
        QStringLiteral("rvtxtCompCityStateZip"), QStringLiteral("rvtxtCompMainPhone"),
        QStringLiteral("rvtxtCompExtraPhone1"), QStringLiteral("rvtxtCompExtraPhone2"),
        QStringLiteral("rvtxtCompEmail"),      QStringLiteral("rvtxtCompWebAddress"),
        QStringLiteral("rvtxtCompLicName1"),   QStringLiteral("rvtxtCompLicName2"),
        QStringLiteral("rvtxtCompLicName3"),
    };
    for (int i = 0; i < company.size(); ++i)
        items.push_back(Label(company[i], 0.3, 1.5 + 0.2 * i, 3.5, QString(), kBody));

    // Customer block.
    items.push_back(Box(QStringLiteral("rvrecCustTop"), 0.3, 3.7, 7.9, 0.05));
    const QStringList customer = {
        QStringLiteral("rvtxtCustComp"),       QStringLiteral("rvtxtCustName"),
        QStringLiteral("rvtxtCustAddress"),    QStringLiteral("rvtxtCustCityStateZip"),
        QStringLiteral("rvtxtCustMainPhone"),  QStringLiteral("rvtxtCustExtraPhone1"),
        QStringLiteral("rvtxtCustExtraPhone2"),
    };
    for (int i = 0; i < customer.size(); ++i)
        items.push_back(Label(customer[i], 0.5, 3.8 + 0.2 * i, 3.2, QString(), kBody));
    items.push_back(Label(QStringLiteral("rvtxtCustPmtTermsHdng"), 4.8, 4.2, 1.9, QStringLiteral("Payment Terms"), kBody));
    items.push_back(Box(QStringLiteral("rvrecCustPmtTerms"), 4.8, 4.4, 3.4, 0.2));
    items.push_back(Label(QStringLiteral("rvtxtCustPmtTerms"), 4.9, 4.4, 3.2, QString(), kBody));
    items.push_back(Label(QStringLiteral("rvtxtCustPOHdng"), 4.8, 4.7, 1.4, QStringLiteral("P.O. Number"), kBody));
    items.push_back(Box(QStringLiteral("rvrecCustPO"), 4.8, 4.9, 1.7, 0.2));
    items.push_back(Label(QStringLiteral("rvtxtCustPO"), 4.9, 4.9, 1.5, QString(), kBody));
    items.push_back(Label(QStringLiteral("rvtxtCustTaxEmptNumberHdng"), 6.5, 4.7, 1.5,
                          QStringLiteral("Tax Exempt Number"), kBody));
    items.push_back(Box(QStringLiteral("rvrecCustTaxEmptNumber"), 6.5, 4.9, 1.7, 0.2));
    items.push_back(Label(QStringLiteral("rvtxtCustTaxEmptNumber"), 6.6, 4.9, 1.5, QString(), kBody));
    items.push_back(Box(QStringLiteral("rvrecCustBottom"), 0.3, 5.2, 7.9, 0.05));

    // Description block headings.
    items.push_back(Label(QStringLiteral("rvtxtDescriptionHdng"), 0.3, 5.3, 7.9, QStringLiteral("Work Description"), kBody));
    items.push_back(Label(QStringLiteral("rvtxtLeftHdng"), 4.8, 5.3, 1.1, QString(), kBody));
    items.push_back(Label(QStringLiteral("rvtxtMiddleHdng"), 5.9, 5.3, 1.1, QString(), kBody));
    items.push_back(Label(QStringLiteral("rvtxtRightHdng"), 7.0, 5.3, 1.2, QString(), kBody));
    items.push_back(HLine(QStringLiteral("rvhlineItems"), 0.3, 5.5, 7.9));

    // Footer block, at fixed places.
    items.push_back(Box(QStringLiteral("rvrecFooter"), 0.3, 9.3, 7.9, 0.05));
    items.push_back(Memo(QStringLiteral("rvtxtInvFootNotes"), 0.3, 9.4, 3.1, 1.0, TextSource::Parameter,
                         QStringLiteral("rvstrInvFootNotes"), kBody));
    AddTotalsRow(layout, QStringLiteral("rvtxtDepositPaidHdng"), QStringLiteral("rvrecDepositPaid"),
                 QStringLiteral("rvtxtDepositPaid"), 9.39);
    AddTotalsRow(layout, QStringLiteral("rvtxtSubTotalHdng"), QStringLiteral("rvrecSubTotal"),
                 QStringLiteral("rvtxtSubTotal"), 9.59);
    AddTotalsRow(layout, QStringLiteral("rvtxtTaxHdng"), QStringLiteral("rvrecTax"), QStringLiteral("rvtxtTax"), 9.79);
    AddTotalsRow(layout, QStringLiteral("rvtxtDiscountHdng"), QStringLiteral("rerecDiscount"),
                 QStringLiteral("rvtxtDiscount"), 9.99);
    AddTotalsRow(layout, QStringLiteral("rvtxtTotalHdng"), QStringLiteral("rvrecTotal"), QStringLiteral("rvtxtTotal"),
                 10.19);

    // The work description and the signature band after it.
    ReportRegion region{QStringLiteral("RegionInvoiceData"), 0.3, 5.5, 7.9, 3.7, FeedNames::Invoice, {}};
    region.bands.push_back(DataBand(QStringLiteral("DataBandInvoiceData"), 0.2, {
        Field(QStringLiteral("rvtxtDescription"), 0, 0, 7.9, QStringLiteral("rvstrDescription"), kBody),
        Field(QStringLiteral("rvtxtLeft"), 4.5, 0, 1.1, QStringLiteral("rvstrLeft"), kBody),
        Field(QStringLiteral("rvtxtMiddle"), 5.6, 0, 1.1, QStringLiteral("rvstrMiddle"), kBody),
        Field(QStringLiteral("rvtxtRight"), 6.7, 0, 1.2, QStringLiteral("rvstrRight"), kBody),
    }));
    ReportItem acceptanceBox = Box(QStringLiteral("rvrecAcceptanceInfo"), 0.1, 0.1, 7.7, 1.3);
    acceptanceBox.lineStyle = LineStyle::Dotted;
    acceptanceBox.cornerRadius = 0.15;
    ReportBand signature = PlainBand(QStringLiteral("BandSignatureData"), 1.5, {
        acceptanceBox,
        Memo(QStringLiteral("rvtxtAcceptanceInfo"), 0.2, 0.2, 3.9, 1.1, TextSource::Parameter,
             QStringLiteral("rvstrAcceptanceInfo"), kBody),
        Label(QStringLiteral("rvtxtAuthorizedSignature"), 4.3, 0.2, 1.5, QStringLiteral("Authorized Signature "), kSignature),
        HLine(QStringLiteral("rvhlineAuthorizedSignature"), 4.3, 0.4, 3.4),
        Label(QStringLiteral("rvtxtSignature1"), 4.3, 0.5, 1.3, QStringLiteral("Signature 1"), kSignature),
        HLine(QStringLiteral("rvhlineSignature1"), 4.3, 0.7, 3.4),
        Label(QStringLiteral("rvtxtSignature2"), 4.3, 0.8, 1.3, QStringLiteral("Signature 2"), kSignature),
        HLine(QStringLiteral("rvhlineSignature2"), 4.3, 1.0, 3.4),
        Label(QStringLiteral("rvtxtSignatureDate"), 4.3, 1.1, 1.3, QStringLiteral("Date"), kSignature),
        HLine(QStringLiteral("rvhlineSignatureDate"), 4.3, 1.3, 3.4),
    });
    signature.visible = false;
    region.bands.push_back(signature);
    layout.regions.push_back(region);
    return layout;
}
