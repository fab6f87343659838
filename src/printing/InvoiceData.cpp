#include "printing/InvoiceData.h"

#include "app/AppPaths.h"
#include "data/CompanySettings.h"
#include "documents/DescriptionText.h"
#include "documents/DocumentType.h"
#include "printing/LayoutBuilder.h"
#include "printing/ReportCatalog.h"
#include "printing/TextMeasure.h"

#include <QFile>
#include <QImageReader>

namespace {

constexpr double kLineStep = 0.2;
constexpr double kLogoTop = 0.1;
constexpr double kLogoHeight = 0.7;
constexpr double kLargeLogoHeight = 1.3;
constexpr double kMaxLogoWidth = 3.85;
constexpr double kCustomerBlockTop = 1.7;
const QColor kCaptionGrey(0xC0, 0xC0, 0xC0);

ReportFont BodyFont()
{
    return LayoutBuilder::Font(10);
}

void SetText(ReportLayout& layout, const QString& itemName, const QString& text)
{
    if (ReportItem* item = layout.item(itemName))
        item->text = text;
}

void SetTop(ReportLayout& layout, const QString& itemName, double top)
{
    if (ReportItem* item = layout.item(itemName))
        item->top = top;
}

void SetFill(ReportLayout& layout, const QString& itemName, const QColor& color)
{
    if (ReportItem* item = layout.item(itemName))
        item->fillColor = color;
}

// Hidden with no height unless a readable logo exists and the kind shows one.
double PlaceLogo(ReportLayout& layout, const TrecInvHeader& header, const CompanySettings& settings)
{
    ReportItem* logo = layout.item(QStringLiteral("rvBitmapLogo"));
    if (!logo)
        return 0;
    logo->height = 0;
    logo->visible = false;
    logo->picture = QImage();
    if (DocumentType::Is(header.InvName, DocumentType::WorkOrder) || !QFile::exists(LogoPath()))
        return 0;
    QImage picture(LogoPath());
    if (picture.isNull() || picture.height() <= 0)
        return 0;
    logo->picture = picture;
    logo->height = settings.InvData.LargeLogo ? kLargeLogoHeight : kLogoHeight;
    logo->width = std::min(kMaxLogoWidth, logo->height * picture.width() / picture.height());
    logo->visible = true;
    return logo->height;
}

// The company lines, one below the other; an empty value takes no line.
double PlaceCompanyBlock(ReportLayout& layout, const CompanySettings& settings, double y)
{
    const TrecCompanyData& c = settings.CompanyData;
    auto phone = [](const QString& label, const QString& number) {
        return number.isEmpty() ? QString() : label + QStringLiteral(": ") + number;
    };
    auto licence = [](const QString& name, const QString& number) {
        return name.isEmpty() && number.isEmpty() ? QString() : name + QLatin1Char(' ') + number;
    };
    const bool anyCity = !c.CompCity.isEmpty() || !c.CompState.isEmpty() || !c.CompZip.isEmpty();
    const std::pair<QString, QString> lines[] = {
        {QStringLiteral("rvtxtCompName"), c.CompName},
        {QStringLiteral("rvtxtCompAddress"), c.CompAddress},
        {QStringLiteral("rvtxtCompCityStateZip"),
         anyCity ? c.CompCity + QStringLiteral(", ") + c.CompState + QLatin1Char(' ') + c.CompZip : QString()},
        {QStringLiteral("rvtxtCompMainPhone"),
         c.CompMainPhone.isEmpty() ? QString() : QStringLiteral("Main Phone: ") + c.CompMainPhone},
        {QStringLiteral("rvtxtCompExtraPhone1"), phone(c.CompExtraPhone1Name, c.CompExtraPhone1)},
        {QStringLiteral("rvtxtCompExtraPhone2"), phone(c.CompExtraPhone2Name, c.CompExtraPhone2)},
        {QStringLiteral("rvtxtCompEmail"), c.CompEmail},
        {QStringLiteral("rvtxtCompWebAddress"), c.CompWebSite},
        {QStringLiteral("rvtxtCompLicName1"), licence(c.CompLicName1, c.CompLicNum1)},
        {QStringLiteral("rvtxtCompLicName2"), licence(c.CompLicName2, c.CompLicNum2)},
        {QStringLiteral("rvtxtCompLicName3"), licence(c.CompLicName3, c.CompLicNum3)},
    };
    for (const auto& [itemName, value] : lines) {
        SetText(layout, itemName, QString());
        if (value.isEmpty())
            continue;
        SetText(layout, itemName, value);
        SetTop(layout, itemName, y);
        y += kLineStep;
    }
    return y;
}

const QStringList& CustomerItems()
{
    static const QStringList items = {
        QStringLiteral("rvtxtCustComp"),      QStringLiteral("rvtxtCustName"),
        QStringLiteral("rvtxtCustAddress"),   QStringLiteral("rvtxtCustCityStateZip"),
        QStringLiteral("rvtxtCustMainPhone"), QStringLiteral("rvtxtCustExtraPhone1"),
        QStringLiteral("rvtxtCustExtraPhone2"),
    };
    return items;
}

// The seven customer lines from y, a line step after each of the first six.
double PlaceCustomerLines(ReportLayout& layout, const QStringList& texts, double y, bool blankForm)
{
    const QStringList& items = CustomerItems();
    for (int i = 0; i < items.size(); ++i) {
        ReportItem* item = layout.item(items[i]);
        if (!item)
            continue;
        item->text = texts.value(i);
        item->top = y;
        if (blankForm) {
            item->font.color = kCaptionGrey;
            // A write-on line under each caption but the last.
            if (i < items.size() - 1) {
                layout.items.push_back(LayoutBuilder::HLine(QStringLiteral("CustomerLine"), item->left, y + 0.17,
                                                            3.0, LineStyle::Solid, kCaptionGrey));
            }
        }
        if (i < items.size() - 1)
            y += kLineStep;
    }
    return y;
}

void SetTotals(ReportLayout& layout, const CurrentDocument& document, const CompanySettings& settings)
{
    const TrecInvHeader& header = document.Header;
    const TrecPrintData& print = document.PrintData;
    const bool discount = header.CustDiscountPercent > 0;
    layout.setParameter(QStringLiteral("rvstrDepositPaidHdng"), DocumentType::IsDepositKind(header.InvName)
                                                                    ? QStringLiteral("Deposit Required")
                                                                    : QStringLiteral("Amount Paid"));
    layout.setParameter(QStringLiteral("rvstrSubTotalHdng"), QStringLiteral("Sub Total"));
    layout.setParameter(QStringLiteral("rvstrTaxHdng"), QStringLiteral("Tax Total"));
    layout.setParameter(QStringLiteral("rvstrDiscountHdng"), discount ? QStringLiteral("Discount") : QString());
    layout.setParameter(QStringLiteral("rvstrTotalHdng"), header.InvName + QStringLiteral(" Total"));

    for (const char* name : {"rvstrDepositPaid", "rvstrSubTotal", "rvstrTax", "rvstrDiscount", "rvstrTotal"})
        layout.setParameter(QString::fromLatin1(name), QString());
    const bool workOrder = DocumentType::Is(header.InvName, DocumentType::WorkOrder);
    if (header.BlankForm || (workOrder && !settings.InvData.ShowTotalOnWorkOrder))
        return;
    layout.setParameter(QStringLiteral("rvstrDepositPaid"), print.DepositOrPaid);
    layout.setParameter(QStringLiteral("rvstrSubTotal"), print.SubTotal);
    layout.setParameter(QStringLiteral("rvstrTax"), print.TaxTotal);
    layout.setParameter(QStringLiteral("rvstrTotal"), print.Total);
    if (discount)
        layout.setParameter(QStringLiteral("rvstrDiscount"), print.Discount);
}

} // namespace

int DescriptionWrapWidth()
{
    return ToUnits(7.9);
}

void BuildPrintedDescription(CurrentDocument& document, const CompanySettings& settings)
{
    const DisplayFont font = TextMeasure::ToDisplayFont(BodyFont());
    BuildDescription(document, settings,
                     DescriptionWrap::Measured(
                         [font](const QString& text) { return double(TextMeasure::TextWidth(font, text)); },
                         DescriptionWrapWidth()));
}

QColor KindColor(const QString& invName, const CompanySettings& settings)
{
    const int kind = DocumentType::IndexOf(invName);
    if (kind < 0 || kind >= static_cast<int>(settings.DocumentColors.size()))
        return Qt::black;
    return ToQColor(settings.DocumentColors[kind]);
}

void SetInvoiceData(ReportLayout& layout, CurrentDocument& document, const CompanySettings& settings)
{
    const TrecInvHeader& header = document.Header;
    BuildPrintedDescription(document, settings);
    const QColor kindColor = KindColor(header.InvName, settings);

    const double logoHeight = PlaceLogo(layout, header, settings);

    if (ReportItem* name = layout.item(QStringLiteral("rvtxtInvName")))
        name->font.color = kindColor;
    layout.setParameter(QStringLiteral("rvstrInvNameNumber"),
                        header.InvName + QLatin1Char(' ') + QString::number(header.InvNumber));
    layout.setParameter(QStringLiteral("rvstrInvDate"), header.InvDate);
    layout.setParameter(QStringLiteral("rvstrInvValidFor"),
                        header.BlankForm ? QString() : DocumentTitle(header, settings));

    double y = PlaceCompanyBlock(layout, settings, kLogoTop + logoHeight);
    if (y <= kCustomerBlockTop)
        y = kCustomerBlockTop;

    SetTop(layout, QStringLiteral("rvrecCustTop"), y);
    SetFill(layout, QStringLiteral("rvrecCustTop"), kindColor);
    y += 0.1;

    SetText(layout, QStringLiteral("rvtxtCustPmtTermsHdng"), QStringLiteral("Payment Terms"));
    SetTop(layout, QStringLiteral("rvtxtCustPmtTermsHdng"), y + 0.2);
    SetTop(layout, QStringLiteral("rvrecCustPmtTerms"), y + 0.39);
    SetText(layout, QStringLiteral("rvtxtCustPOHdng"), QStringLiteral("P.O. Number"));
    SetTop(layout, QStringLiteral("rvtxtCustPOHdng"), y + 0.6);
    SetTop(layout, QStringLiteral("rvrecCustPO"), y + 0.79);
    SetText(layout, QStringLiteral("rvtxtCustTaxEmptNumberHdng"), QStringLiteral("Tax Exempt Number"));
    SetTop(layout, QStringLiteral("rvtxtCustTaxEmptNumberHdng"), y + 0.6);
    SetTop(layout, QStringLiteral("rvrecCustTaxEmptNumber"), y + 0.79);

    SetText(layout, QStringLiteral("rvtxtCustPmtTerms"), header.CustPymntTerms);
    SetTop(layout, QStringLiteral("rvtxtCustPmtTerms"), y + 0.4);
    SetText(layout, QStringLiteral("rvtxtCustPO"), header.BlankForm ? QString() : header.CustPONumber);
    SetTop(layout, QStringLiteral("rvtxtCustPO"), y + 0.8);
    SetText(layout, QStringLiteral("rvtxtCustTaxEmptNumber"), header.BlankForm ? QString() : header.CustTaxExemptNum);
    SetTop(layout, QStringLiteral("rvtxtCustTaxEmptNumber"), y + 0.8);

    const QStringList customer = header.BlankForm
        ? QStringList{QStringLiteral("Company Name"), QStringLiteral("Name"), QStringLiteral("Address"),
                      QStringLiteral("City,State Zip"), QStringLiteral("Main Phone"),
                      QStringLiteral("Extra Phone 1"), QStringLiteral("Extra Phone 2")}
        : QStringList{header.CustCmpnyName, header.CustFullName, header.CustAddress, header.CustCtyStZp,
                      header.CustMainPhone, header.CustExtraPhone1, header.CustExtraPhone2};
    y = PlaceCustomerLines(layout, customer, y, header.BlankForm);

    y += kLineStep;
    SetTop(layout, QStringLiteral("rvrecCustBottom"), y);
    SetFill(layout, QStringLiteral("rvrecCustBottom"), kindColor);
    y += kLineStep;

    SetText(layout, QStringLiteral("rvtxtDescriptionHdng"), QStringLiteral("Work Description"));
    for (const char* heading : {"rvtxtDescriptionHdng", "rvtxtRightHdng", "rvtxtMiddleHdng", "rvtxtLeftHdng"})
        SetTop(layout, QString::fromLatin1(heading), y);
    for (const char* heading : {"rvtxtRightHdng", "rvtxtMiddleHdng", "rvtxtLeftHdng"})
        SetText(layout, QString::fromLatin1(heading), QString());
    y += kLineStep;
    SetTop(layout, QStringLiteral("rvhlineItems"), y);

    ReportBand* signature = layout.band(QStringLiteral("BandSignatureData"));
    if (signature)
        signature->visible = header.AddSignatureLine;
    layout.setParameter(QStringLiteral("rvstrAcceptanceInfo"), settings.InvData.AcceptanceText);
    SetFill(layout, QStringLiteral("rvrecAcceptanceInfo"), ToQColor(settings.InvData.AcceptanceColor));
    SetFill(layout, QStringLiteral("rvrecFooter"), kindColor);
    layout.setParameter(QStringLiteral("rvstrInvFootNotes"), document.PrintData.FootNote);

    SetTotals(layout, document, settings);

    ReportRegion* region = layout.region(QStringLiteral("RegionInvoiceData"));
    const ReportItem* footer = layout.item(QStringLiteral("rvrecFooter"));
    if (region && footer) {
        const double regionBottom = footer->top - 0.2;
        if (header.BlankForm) {
            // Only the signature band can appear, just above the footer.
            region->height = signature ? signature->height : 0;
            region->top = regionBottom - region->height;
        } else {
            region->top = y + 0.05;
            region->height = regionBottom - y;
        }
    }
}

int DescriptionFeed::rowCount() const
{
    return m_document.Header.BlankForm ? 0 : static_cast<int>(m_document.Description.size());
}

QStringList DescriptionFeed::columnNames() const
{
    return FeedColumnNames(FeedNames::Invoice);
}

QString DescriptionFeed::value(int row, const QString& column) const
{
    if (column != QLatin1String("rvstrDescription") || row < 0 || row >= rowCount())
        return QString();
    return m_document.Description[row];
}
