#include "data/Database.h"
#include "documents/Totals.h"
#include "printing/InvoiceData.h"
#include "printing/PdfOutput.h"
#include "printing/ReportCatalog.h"
#include "printing/TextMeasure.h"
#include "printing/PrintTestSupport.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <QTemporaryDir>
#include <map>

using PrintTest::FindText;
using PrintTest::TopOf;

namespace {

const QString kCompany = QStringLiteral("Harbor Painting");

void SetCompany(CompanySettings& settings)
{
    TrecCompanyData& c = settings.CompanyData;
    c = TrecCompanyData{};
    c.CompName = kCompany;
    c.CompAddress = QStringLiteral("12 Elm Street");
    c.CompCity = QStringLiteral("Springfield");
    c.CompState = QStringLiteral("IL");
    c.CompZip = QStringLiteral("62701");
    c.CompMainPhone = QStringLiteral("217-555-0100");
    c.CompEmail = QStringLiteral("office@harbor.example");
    settings.InvData.EstimateValidDays = 30;
    settings.InvData.LargeLogo = false;
    settings.InvData.ShowTotalOnWorkOrder = false;
    settings.InvData.AcceptanceText = QStringLiteral("I accept the work and the terms described above.");
    settings.DocumentColors = {0x0000C0, 0x008000, 0x800080, 0xC00000, 0x008080, 0x0000FF};
}

void SetDocument(CurrentDocument& document, const QString& kind)
{
    TrecInvHeader& h = document.Header;
    h = TrecInvHeader{};
    h.InvName = kind;
    h.InvNumber = 1042;
    h.InvDate = QStringLiteral("3/1/2011");
    h.CustCmpnyName = QStringLiteral("Lakeside Dental");
    h.CustFullName = QStringLiteral("Ann Carter");
    h.CustAddress = QStringLiteral("400 Lake Road");
    h.CustCtyStZp = QStringLiteral("Springfield, IL 62704");
    h.CustMainPhone = QStringLiteral("217-555-0199");
    h.CustExtraPhone1 = QStringLiteral("Cell: 217-555-0123");
    h.CustPymntTerms = QStringLiteral("Net 30");
    h.CustPONumber = QStringLiteral("PO-77");
    h.CustTaxExemptNum = QStringLiteral("TX-5");
    document.Notes.clear();
    WorkSheet sheet = NewWorkSheet(1);
    sheet.WorkSheetName = QStringLiteral("Kitchen");
    sheet.AreaLength = 12;
    sheet.AreaWidth = 10;
    sheet.AreaHeight = 8;
    sheet.PaintsCoats = 2;
    document.WorkSheets = {sheet};
    document.PrintData = TrecPrintData{};
    document.PrintData.FootNote = QStringLiteral("Thank you for your business.");
    document.PrintData.DepositOrPaid = QStringLiteral("$100.00");
    document.PrintData.SubTotal = QStringLiteral("$1,000.00");
    document.PrintData.TaxTotal = QStringLiteral("$62.50");
    document.PrintData.Discount = QStringLiteral("$100.00");
    document.PrintData.Total = QStringLiteral("$862.50");
}

QStringList Lines(int count, const QString& stem = QStringLiteral("Line"))
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("%1 %2").arg(stem).arg(i);
    return lines;
}

// The document and company values a one-line item of the layout prints, by name.
QString& Value(AppState& state, const QString& field)
{
    TrecInvHeader& h = state.currentDocument.Header;
    TrecCompanyData& c = state.companySettings.CompanyData;
    const std::map<QString, QString*> fields = {
        {"CustCmpnyName", &h.CustCmpnyName},       {"CustFullName", &h.CustFullName},
        {"CustAddress", &h.CustAddress},           {"CustCtyStZp", &h.CustCtyStZp},
        {"CustMainPhone", &h.CustMainPhone},       {"CustExtraPhone1", &h.CustExtraPhone1},
        {"CustExtraPhone2", &h.CustExtraPhone2},   {"CustPymntTerms", &h.CustPymntTerms},
        {"CustPONumber", &h.CustPONumber},         {"CustTaxExemptNum", &h.CustTaxExemptNum},
        {"InvDate", &h.InvDate},                   {"FromInvNameNumber", &h.FromInvNameNumber},
        {"CompName", &c.CompName},                 {"CompAddress", &c.CompAddress},
        {"CompCity", &c.CompCity},                 {"CompMainPhone", &c.CompMainPhone},
        {"CompExtraPhone1Name", &c.CompExtraPhone1Name}, {"CompEmail", &c.CompEmail},
        {"CompWebSite", &c.CompWebSite},           {"CompLicNum1", &c.CompLicNum1},
        {"Total", &state.currentDocument.PrintData.Total},
    };
    const auto found = fields.find(field);
    if (found == fields.end())
        qFatal("no field %s", qPrintable(field));
    return *found->second;
}

int DescriptionRows(const DisplayDocument& document, int pageIndex)
{
    int rows = 0;
    for (const QString& text : document.pageTexts(pageIndex))
        rows += text.startsWith(QLatin1String("Row ")) ? 1 : 0;
    return rows;
}

} // namespace

class TestInvoiceLayout : public QObject {
    Q_OBJECT

    AppState state;

    CurrentDocument& document() { return state.currentDocument; }
    TrecInvHeader& header() { return state.currentDocument.Header; }

    // The run's copy of the document layout after it was filled.
    ReportLayout FilledLayout()
    {
        PrintRequest request = BuildPrintRequest(state, 1);
        return request.runs.at(0).layout;
    }

private slots:
    void init()
    {
        TestEnvironment::freshDatabase(state);
        SetCompany(state.companySettings);
        SetDocument(state.currentDocument, QStringLiteral("Invoice"));
    }

    void workedPositionsWithANormalLogo()
    {
        PrintTest::WriteLogo(200, 100);
        state.companySettings.CompanyData.CompExtraPhone1 = QString();
        const DisplayDocument pages = PrintTest::Run(state, 1);
        QCOMPARE(int(pages.pages.size()), 1);
        QCOMPARE(TopOf(pages, 0, kCompany), 800);
        QCOMPARE(TopOf(pages, 0, QStringLiteral("12 Elm Street")), 1000);
        QCOMPARE(TopOf(pages, 0, QStringLiteral("Springfield, IL 62701")), 1200);
        QCOMPARE(TopOf(pages, 0, QStringLiteral("Main Phone: 217-555-0100")), 1400);
        QCOMPARE(TopOf(pages, 0, QStringLiteral("office@harbor.example")), 1600);
        QCOMPARE(TopOf(pages, 0, QStringLiteral("Lakeside Dental")), 1900);
        QCOMPARE(TopOf(pages, 0, QStringLiteral("Cell: 217-555-0123")), 2900);
        QCOMPARE(TopOf(pages, 0, QStringLiteral("Payment Terms")), 2100);
        QCOMPARE(TopOf(pages, 0, QStringLiteral("Net 30")), 2300);
        QCOMPARE(TopOf(pages, 0, QStringLiteral("P.O. Number")), 2500);
        QCOMPARE(TopOf(pages, 0, QStringLiteral("PO-77")), 2700);
        QCOMPARE(TopOf(pages, 0, QStringLiteral("Work Description")), 3500);
        QCOMPARE(TopOf(pages, 0, QStringLiteral("Kitchen")), 3750);

        const QColor invoiceColor = ToQColor(0xC00000);
        QList<int> bars;
        QList<int> boxes;
        for (const DisplayRect& rect : PrintTest::All<DisplayRect>(pages, 0)) {
            if (rect.box.height() == 50 && rect.fill == invoiceColor)
                bars << rect.box.top();
            if (rect.box.left() == 4800 && rect.box.width() == 3400)
                boxes << rect.box.top();
        }
        QCOMPARE(bars, (QList<int>{1800, 3300, 9300}));
        QCOMPARE(boxes, QList<int>{2290});
        const auto lines = PrintTest::All<DisplayLine>(pages, 0);
        QVERIFY(std::any_of(lines.begin(), lines.end(), [](const DisplayLine& l) {
            return l.from == QPoint(300, 3700) && l.to == QPoint(8200, 3700);
        }));

        const ReportLayout layout = FilledLayout();
        const ReportRegion& region = layout.regions.front();
        QCOMPARE(ToUnits(region.top), 3750);
        QCOMPARE(ToUnits(region.top + region.height), 9150);
        QCOMPARE(pages.pages[0].size, QSize(8500, 11000));
    }

    void withoutLogoOnlyANameRaisesTheCustomerBlock()
    {
        state.companySettings.CompanyData = TrecCompanyData{};
        state.companySettings.CompanyData.CompName = kCompany;
        const DisplayDocument pages = PrintTest::Run(state, 1);
        QCOMPARE(TopOf(pages, 0, kCompany), 100);
        QCOMPARE(TopOf(pages, 0, QStringLiteral("Lakeside Dental")), 1800);
        QVERIFY(PrintTest::All<DisplayImage>(pages, 0).empty());
    }

    void emptyCompanyStartsTheCustomerBlockAt17()
    {
        state.companySettings.CompanyData = TrecCompanyData{};
        const ReportLayout layout = FilledLayout();
        QCOMPARE(ToUnits(layout.item(QStringLiteral("rvrecCustTop"))->top), 1700);
        const DisplayDocument pages = PrintTest::Run(state, 1);
        for (const QString& text : pages.pageTexts(0))
            QVERIFY2(!text.contains(QLatin1String("Main Phone")), qPrintable(text));
    }

    void companyLinesCloseUpOverEmptyValues()
    {
        TrecCompanyData& c = state.companySettings.CompanyData;
        c.CompEmail.clear();
        c.CompExtraPhone2 = QStringLiteral("217-555-0111");
        c.CompExtraPhone2Name = QStringLiteral("Fax");
        c.CompLicName2 = QStringLiteral("Lead Safe");
        const DisplayDocument pages = PrintTest::Run(state, 1);
        const QStringList expected = {kCompany, QStringLiteral("12 Elm Street"), QStringLiteral("Springfield, IL 62701"),
                                      QStringLiteral("Main Phone: 217-555-0100"), QStringLiteral("Fax: 217-555-0111"),
                                      QStringLiteral("Lead Safe ")};
        for (int i = 0; i < expected.size(); ++i)
            QCOMPARE(TopOf(pages, 0, expected[i]), 100 + 200 * i);

        // Four lines: the customer block still starts at 1.7.
        c.CompExtraPhone2.clear();
        c.CompLicName2.clear();
        const DisplayDocument four = PrintTest::Run(state, 1);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(TopOf(four, 0, expected[i]), 100 + 200 * i);
        QCOMPARE(TopOf(four, 0, QStringLiteral("Lakeside Dental")), 1800);
    }

    void logoBox_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("large");
        QTest::addColumn<int>("boxWidth");
        QTest::addColumn<int>("boxHeight");
        QTest::addColumn<int>("firstCompanyLine");
        QTest::newRow("normal 2:1") << "Invoice" << 200 << 100 << false << 1400 << 700 << 800;
        QTest::newRow("large 2:1") << "Estimate" << 200 << 100 << true << 2600 << 1300 << 1400;
        QTest::newRow("wide 800x100 capped") << "Credit" << 800 << 100 << false << 3850 << 700 << 800;
        QTest::newRow("wide large capped") << "Past Due" << 400 << 100 << true << 3850 << 1300 << 1400;
        QTest::newRow("work order never") << "Work Order" << 200 << 100 << false << 0 << 0 << 100;
        QTest::newRow("work order in capitals") << "WORK ORDER" << 200 << 100 << true << 0 << 0 << 100;
    }
    void logoBox()
    {
        QFETCH(QString, kind);
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(bool, large);
        QFETCH(int, boxWidth);
        QFETCH(int, boxHeight);
        QFETCH(int, firstCompanyLine);
        PrintTest::WriteLogo(width, height);
        header().InvName = kind;
        state.companySettings.InvData.LargeLogo = large;
        const ReportLayout layout = FilledLayout();
        const ReportItem* logo = layout.item(QStringLiteral("rvBitmapLogo"));
        QCOMPARE(logo->visible, boxHeight > 0);
        QCOMPARE(ToUnits(logo->height), boxHeight);
        if (boxHeight > 0)
            QCOMPARE(ToUnits(logo->width), boxWidth);
        const DisplayDocument pages = PrintTest::Run(state, 1);
        const auto images = PrintTest::All<DisplayImage>(pages, 0);
        QCOMPARE(int(images.size()), boxHeight > 0 ? 1 : 0);
        if (!images.empty()) {
            // Scaled to the box width, proportions kept, inside the box.
            QCOMPARE(images[0].box.topLeft(), QPoint(300, 100));
            QCOMPARE(images[0].box.width(), boxWidth);
            QVERIFY(images[0].box.height() <= boxHeight);
        }
        QCOMPARE(TopOf(pages, 0, kCompany), firstCompanyLine);
    }

    void unreadableLogoIsLeftOut()
    {
        QFile bad(LogoPath());
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("not a picture");
        bad.close();
        const DisplayDocument pages = PrintTest::Run(state, 1);
        QVERIFY(PrintTest::All<DisplayImage>(pages, 0).empty());
        QCOMPARE(TopOf(pages, 0, kCompany), 100);
    }

    void kindColourPaintsNameAndBars()
    {
        header().InvName = QStringLiteral("estimate");
        const DisplayDocument pages = PrintTest::Run(state, 1);
        const DisplayText* name = FindText(pages, 0, QStringLiteral("estimate 1042"));
        QVERIFY(name);
        QCOMPARE(name->font.color, ToQColor(0x0000C0));
        QVERIFY(name->font.bold);
        QCOMPARE(name->font.pixelSize, 250);
        QCOMPARE(name->alignment, Qt::Alignment(Qt::AlignRight));
        QCOMPARE(name->box.left() + name->box.width(), 8200);
    }

    void totals_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("discountPercent");
        QTest::addColumn<bool>("showOnWorkOrder");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QStringList>("notShown");
        const QStringList amounts = {QStringLiteral("$100.00"), QStringLiteral("$1,000.00"), QStringLiteral("$62.50"),
                                     QStringLiteral("$862.50")};
        QTest::newRow("invoice without discount")
            << "Invoice" << 0 << false
            << (QStringList{"Amount Paid", "Sub Total", "Tax Total", "Invoice Total"} + amounts)
            << QStringList{"Discount", "Deposit Required"};
        QTest::newRow("invoice with 10 percent")
            << "Invoice" << 10 << false
            << (QStringList{"Amount Paid", "Discount", "Invoice Total"} + amounts) << QStringList{};
        QTest::newRow("estimate asks for a deposit")
            << "Estimate" << 0 << false << (QStringList{"Deposit Required", "Estimate Total"} + amounts)
            << QStringList{"Amount Paid"};
        QTest::newRow("work order without totals")
            << "Work Order" << 10 << false
            << QStringList{"Deposit Required", "Sub Total", "Tax Total", "Discount", "Work Order Total"} << amounts;
        QTest::newRow("work order with totals")
            << "Work Order" << 0 << true << (QStringList{"Deposit Required", "Work Order Total"} + amounts)
            << QStringList{};
    }
    void totals()
    {
        QFETCH(QString, kind);
        QFETCH(int, discountPercent);
        QFETCH(bool, showOnWorkOrder);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, notShown);
        header().InvName = kind;
        header().CustDiscountPercent = discountPercent;
        state.companySettings.InvData.ShowTotalOnWorkOrder = showOnWorkOrder;
        // Amounts the description does not carry, so only the totals rows can show them.
        state.companySettings.InvData.ShowTotal = false;
        document().WorkSheets.clear();
        const DisplayDocument pages = PrintTest::Run(state, 1);
        const QStringList texts = pages.pageTexts(0);
        for (const QString& text : shown)
            QVERIFY2(texts.contains(text), qPrintable(text));
        for (const QString& text : notShown)
            QVERIFY2(!texts.contains(text), qPrintable(text));
        // The five boxes always print.
        int boxes = 0;
        for (const DisplayRect& rect : PrintTest::All<DisplayRect>(pages, 0))
            boxes += rect.box.left() == 6500 && rect.box.width() == 1700 && rect.box.height() == 210 ? 1 : 0;
        QCOMPARE(boxes, 5);
        if (discountPercent > 0 && (kind != QLatin1String("Work Order") || showOnWorkOrder))
            QCOMPARE(TopOf(pages, 0, QStringLiteral("$100.00")) >= 0, true);
    }

    void discountRowSitsInItsPlace()
    {
        header().CustDiscountPercent = 10;
        document().PrintData.Discount = QStringLiteral("$11.11");
        const DisplayDocument pages = PrintTest::Run(state, 1);
        QCOMPARE(TopOf(pages, 0, QStringLiteral("Discount")), 9990);
        QCOMPARE(TopOf(pages, 0, QStringLiteral("$11.11")), 9990);
        QCOMPARE(FindText(pages, 0, QStringLiteral("$11.11"))->box.left(), 6600);
        QCOMPARE(TopOf(pages, 0, QStringLiteral("Invoice Total")), 10190);
    }

    void validityLine_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("days");
        QTest::addColumn<bool>("blankForm");
        QTest::addColumn<QString>("line");
        QTest::newRow("estimate 30 days") << "Estimate" << "" << 30 << false << "Estimate Valid Until 3/31/2011";
        QTest::newRow("estimate 0 days") << "Estimate" << "" << 0 << false << "";
        QTest::newRow("change order") << "Change Order" << "" << 10 << false << "Change Order Valid Until 3/11/2011";
        QTest::newRow("credit") << "Credit" << "Invoice 512" << 30 << false << "Credit for Invoice 512";
        QTest::newRow("past due") << "Past Due" << "Invoice 512" << 30 << false << "Past Due Notice for Invoice 512";
        QTest::newRow("invoice") << "Invoice" << "Estimate 7" << 30 << false << "";
        QTest::newRow("blank estimate form") << "Estimate" << "" << 30 << true << "";
    }
    void validityLine()
    {
        QFETCH(QString, kind);
        QFETCH(QString, from);
        QFETCH(int, days);
        QFETCH(bool, blankForm);
        QFETCH(QString, line);
        header().InvName = kind;
        header().FromInvNameNumber = from;
        header().BlankForm = blankForm;
        state.companySettings.InvData.EstimateValidDays = days;
        const ReportLayout layout = FilledLayout();
        QCOMPARE(layout.parameter(QStringLiteral("rvstrInvValidFor")), line);
        if (!line.isEmpty()) {
            const DisplayDocument pages = PrintTest::Run(state, 1);
            QCOMPARE(TopOf(pages, 0, line), 600);
        }
    }

    void longDescriptionContinuesWithEveryBlockRepeated()
    {
        state.companySettings.InvData.ShowWorkSheetInfo = false;
        document().WorkSheets.clear();
        document().Notes = Lines(40, QStringLiteral("Row")).join(QStringLiteral("\r\n"));
        const DisplayDocument pages = PrintTest::Run(state, 1);
        QCOMPARE(int(pages.pages.size()), 2);
        // Five company lines without a logo: the region runs from 3.65 to 9.15, 27 rows.
        QCOMPARE(DescriptionRows(pages, 0), 27);
        QCOMPARE(DescriptionRows(pages, 1), 13);
        QCOMPARE(TopOf(pages, 1, QStringLiteral("Row 28")), 3650);
        for (int p = 0; p < 2; ++p) {
            for (const QString& fixed : {QStringLiteral("Invoice 1042"), kCompany, QStringLiteral("Lakeside Dental"),
                                         QStringLiteral("Payment Terms"), QStringLiteral("Work Description"),
                                         QStringLiteral("Thank you for your business."), QStringLiteral("Invoice Total"),
                                         QStringLiteral("$862.50")})
                QVERIFY2(FindText(pages, p, fixed), qPrintable(fixed));
        }
        QVERIFY(FindText(pages, 1, QStringLiteral("Page 2 of\u2019 2")));
        QVERIFY(FindText(pages, 0, QStringLiteral("Page 1 of\u2019 2")));
        // No row reaches the footer.
        for (int p = 0; p < 2; ++p) {
            for (const DisplayText& text : PrintTest::All<DisplayText>(pages, p)) {
                if (text.text.startsWith(QLatin1String("Row ")))
                    QVERIFY(text.box.top() + 200 <= 9150);
            }
        }
    }

    void descriptionRowsStayInsideTheColumn()
    {
        state.companySettings.InvData.ShowWorkSheetInfo = true;
        document().Notes = QStringLiteral("Wide ") + QString(QStringLiteral("WWWWWWWWWW ")).repeated(30);
        const DisplayDocument pages = PrintTest::Run(state, 1);
        int wrapped = 0;
        for (const DisplayText& text : PrintTest::All<DisplayText>(pages, 0)) {
            if (text.box.left() == 300 && text.box.top() >= 3750 && text.box.top() < 9150) {
                QVERIFY2(TextMeasure::TextWidth(text.font, text.text) <= 7900, qPrintable(text.text));
                wrapped += text.text.contains(QLatin1String("WWWW")) ? 1 : 0;
            }
        }
        QVERIFY(wrapped >= 2);
    }

    void signatureBand_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<bool>("signature");
        QTest::addColumn<int>("bandPage");
        QTest::addColumn<int>("boxTop");
        // The region runs from 3.65 to 9.15; a row is 0.2 inch; the band is 1.5 inch with
        // its box 0.1 below its top.
        QTest::newRow("after three rows") << 3 << true << 0 << 3650 + 600 + 100;
        QTest::newRow("just fits") << 20 << true << 0 << 3650 + 4000 + 100;
        QTest::newRow("moves to the next page") << 21 << true << 1 << 3650 + 100;
        QTest::newRow("not asked for") << 3 << false << -1 << -1;
    }
    void signatureBand()
    {
        QFETCH(int, rows);
        QFETCH(bool, signature);
        QFETCH(int, bandPage);
        QFETCH(int, boxTop);
        document().WorkSheets.clear();
        document().Notes = Lines(rows, QStringLiteral("Row")).join(QStringLiteral("\r\n"));
        header().AddSignatureLine = signature;
        const DisplayDocument pages = PrintTest::Run(state, 1);
        QCOMPARE(int(pages.pages.size()), bandPage == 1 ? 2 : 1);
        int printed = 0;
        for (int p = 0; p < int(pages.pages.size()); ++p) {
            const int count = pages.pageTexts(p).count(QStringLiteral("Authorized Signature "));
            printed += count;
            if (count) {
                QCOMPARE(p, bandPage);
                const auto rounded = std::find_if(
                    pages.pages[p].primitives.begin(), pages.pages[p].primitives.end(), [](const DisplayPrimitive& item) {
                        const auto* r = std::get_if<DisplayRect>(&item);
                        return r && r->cornerRadius == 150;
                    });
                QVERIFY(rounded != pages.pages[p].primitives.end());
                const DisplayRect& box = std::get<DisplayRect>(*rounded);
                QCOMPARE(box.box.top(), boxTop);
                QCOMPARE(box.borderStyle, LineStyle::Dotted);
                QVERIFY(FindText(pages, p, state.companySettings.InvData.AcceptanceText));
            }
        }
        QCOMPARE(printed, signature ? 1 : 0);
    }

    void blankForm()
    {
        header().BlankForm = true;
        header().AddSignatureLine = true;
        header().InvName = QStringLiteral("Work Order");
        header().InvDate = QStringLiteral("Date:____/____/________");
        header().CustPONumber.clear();
        header().CustTaxExemptNum.clear();
        document().PrintData = TrecPrintData{};
        const DisplayDocument pages = PrintTest::Run(state, 1);
        QCOMPARE(int(pages.pages.size()), 1);
        const QColor silver(0xC0, 0xC0, 0xC0);
        const QStringList captions = {"Company Name", "Name", "Address", "City,State Zip", "Main Phone",
                                      "Extra Phone 1", "Extra Phone 2"};
        for (int i = 0; i < captions.size(); ++i) {
            const DisplayText* caption = FindText(pages, 0, captions[i]);
            QVERIFY2(caption, qPrintable(captions[i]));
            QCOMPARE(caption->font.color, silver);
            QCOMPARE(caption->box.top(), 1800 + 200 * i);
        }
        QList<int> greyLines;
        for (const DisplayLine& line : PrintTest::All<DisplayLine>(pages, 0)) {
            if (line.color == silver) {
                QCOMPARE(line.from.x(), 500);
                QCOMPARE(line.to.x(), 3500);
                greyLines << line.from.y();
            }
        }
        QCOMPARE(greyLines, (QList<int>{1970, 2170, 2370, 2570, 2770, 2970}));
        QVERIFY(FindText(pages, 0, QStringLiteral("Date:____/____/________")));
        QVERIFY(FindText(pages, 0, QStringLiteral("Net 30")));
        QVERIFY(!FindText(pages, 0, QStringLiteral("Kitchen")));
        // The signature band sits just above the footer: region from 7.6 to 9.1.
        QCOMPARE(TopOf(pages, 0, QStringLiteral("Authorized Signature ")), 7600 + 200);
        for (const QString& caption : {"Deposit Required", "Sub Total", "Tax Total", "Work Order Total"})
            QVERIFY(FindText(pages, 0, caption));
        for (const DisplayText& text : PrintTest::All<DisplayText>(pages, 0))
            QVERIFY2(!(text.box.left() == 6600 && text.box.top() >= 9390), qPrintable(text.text));
    }

    void runsLeaveNothingBehind()
    {
        header().BlankForm = true;
        const DisplayDocument first = PrintTest::Run(state, 1);
        const DisplayDocument second = PrintTest::Run(state, 1);
        QCOMPARE(second.dump(), first.dump());
        // The stored layout knows nothing of the run: no write-on lines, stored tops.
        const ReportLayout stored = LoadReportLayout(ReportNames::Invoice);
        for (const ReportItem& item : stored.items)
            QVERIFY(item.name != QLatin1String("CustomerLine"));
        QCOMPARE(stored.item(QStringLiteral("rvtxtCustComp"))->top, 3.8);
        // A document after a blank form has no grey lines.
        header().BlankForm = false;
        const DisplayDocument document = PrintTest::Run(state, 1);
        for (const DisplayLine& line : PrintTest::All<DisplayLine>(document, 0))
            QVERIFY(line.color != QColor(0xC0, 0xC0, 0xC0));
    }

    void documentContractAndWarrantyInOnePdf()
    {
        {
            Connection db = OpenDatabase();
            db.exec(QStringLiteral("UPDATE tblContractWarranty SET strContractName = ?, strContract = ?, "
                                   "strWarrantyName = ?, strWarranty = ? WHERE intContractWarrantyID = 1;"),
                    {QStringLiteral("Painting Contract"), QStringLiteral("The contractor paints."),
                     QStringLiteral("Two Year Warranty"), QStringLiteral("Peeling is repainted.")});
        }
        header().PrintContract = true;
        header().PrintWarranty = true;
        document().WorkSheets.clear();
        document().Notes = Lines(40, QStringLiteral("Row")).join(QStringLiteral("\r\n"));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("invoice.pdf"));
        WritePdfFile(path, PrintTest::Run(state, 1), DocumentPdfInfo(state));

        const auto info = PrintTest::PdfInfo(path);
        QCOMPARE(info.value(QStringLiteral("Pages")), QStringLiteral("4"));
        QCOMPARE(info.value(QStringLiteral("Title")), QStringLiteral("Invoice 1042"));
        QCOMPARE(info.value(QStringLiteral("Author")), kCompany);
        QCOMPARE(info.value(QStringLiteral("Subject")), QStringLiteral("Invoice"));
        QCOMPARE(info.value(QStringLiteral("Keywords")), QStringLiteral("Invoice 1042"));
        QCOMPARE(info.value(QStringLiteral("Creator")), kCompany);
        QCOMPARE(info.value(QStringLiteral("Producer")), kCompany);
        QVERIFY(PrintTest::PdfText(path, 2).contains(QStringLiteral("Page 2 of\u2019 2")));
        const QString contract = PrintTest::PdfText(path, 3);
        QVERIFY2(contract.contains(QStringLiteral("Painting Contract")) &&
                     contract.contains(QStringLiteral("The contractor paints.")) &&
                     contract.contains(QStringLiteral("Page 1 of\u2019 1")) && !contract.contains(kCompany),
                 qPrintable(contract));
        const QString warranty = PrintTest::PdfText(path, 4);
        QVERIFY(warranty.contains(QStringLiteral("Two Year Warranty")) &&
                warranty.contains(QStringLiteral("Peeling is repainted.")) && !warranty.contains(QStringLiteral("contractor")));
    }

    void longValuesAreCutInsideTheirBoxes_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        const QStringList fields = {"CustCmpnyName", "CustFullName", "CustAddress", "CustCtyStZp",
                                    "CustMainPhone", "CustExtraPhone1", "CustExtraPhone2", "CustPymntTerms",
                                    "CustPONumber", "CustTaxExemptNum", "InvDate", "FromInvNameNumber",
                                    "CompName", "CompAddress", "CompCity", "CompMainPhone",
                                    "CompExtraPhone1Name", "CompEmail", "CompWebSite", "CompLicNum1", "Total"};
        // 120 characters: words, and one word without a blank. Each ends in a mark that
        // must not print.
        QString words = QStringLiteral("Orchard Hill Builders of Springfield ");
        while (words.size() < 114)
            words += QStringLiteral("and more ");
        words = words.left(114) + QStringLiteral("ZZTAIL");
        const QString word = QStringLiteral("Kxmplqrstv").repeated(12).left(114) + QStringLiteral("ZZTAIL");
        for (const QString& field : fields) {
            QTest::newRow(qPrintable(field + QStringLiteral(", words"))) << field << words;
            QTest::newRow(qPrintable(field + QStringLiteral(", one word"))) << field << word;
        }
    }
    void longValuesAreCutInsideTheirBoxes()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        // A credit shows the document it credits in the validity line.
        header().InvName = QStringLiteral("Credit");
        state.companySettings.CompanyData.CompExtraPhone1 = QStringLiteral("217-555-0111");
        state.companySettings.CompanyData.CompLicName1 = QStringLiteral("Painting licence");
        header().FromInvNameNumber = QStringLiteral("Invoice 512");
        Value(state, field) = value;
        const DisplayDocument pages = PrintTest::Run(state, 1);
        QCOMPARE(int(pages.pages.size()), 1);
        const QString fault = PrintTest::TextFault(pages.pages[0]);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));

        // The value prints shortened, ending in an ellipsis, and the PDF says the same.
        QString shortened;
        for (const QString& text : pages.pageTexts(0)) {
            if (text.contains(value.left(6)))
                shortened = text;
        }
        QVERIFY2(shortened.endsWith(QChar(0x2026)) && !shortened.contains(QLatin1String("ZZTAIL")),
                 qPrintable(shortened));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("long.pdf"));
        WritePdfFile(path, pages, DocumentPdfInfo(state));
        const QString pdf = PrintTest::PdfText(path);
        QVERIFY2(pdf.contains(shortened), qPrintable(pdf));
        QVERIFY(!pdf.contains(QLatin1String("ZZTAIL")));
    }

    void blankFormAndEveryKindKeepTextsApart_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("blankForm");
        for (const char* kind : {"Estimate", "Work Order", "Change Order", "Invoice", "Credit", "Past Due"}) {
            QTest::newRow(kind) << kind << false;
            QTest::newRow(qPrintable(QStringLiteral("blank ") + QLatin1String(kind))) << kind << true;
        }
    }
    void blankFormAndEveryKindKeepTextsApart()
    {
        QFETCH(QString, kind);
        QFETCH(bool, blankForm);
        PrintTest::WriteLogo(900, 100);
        state.companySettings.InvData.LargeLogo = true;
        state.companySettings.InvData.ShowTotalOnWorkOrder = true;
        TrecCompanyData& c = state.companySettings.CompanyData;
        c.CompExtraPhone1Name = QStringLiteral("Cell");
        c.CompExtraPhone1 = QStringLiteral("217-555-0111");
        c.CompWebSite = QStringLiteral("www.harbor.example");
        c.CompLicName1 = QStringLiteral("Lead Safe");
        c.CompLicNum1 = QStringLiteral("LS-1234");
        header().InvName = kind;
        header().BlankForm = blankForm;
        header().AddSignatureLine = true;
        header().CustDiscountPercent = 10;
        header().FromInvNameNumber = QStringLiteral("Invoice 512");
        header().CustExtraPhone2 = QStringLiteral("Work: 217-555-0124");
        if (blankForm)
            header().InvDate = QStringLiteral("Date:____/____/________");
        ComputeTotals(document(), state.companySettings);
        const DisplayDocument pages = PrintTest::Run(state, 1);
        for (int p = 0; p < int(pages.pages.size()); ++p) {
            const QString fault = PrintTest::TextFault(pages.pages[p]);
            QVERIFY2(fault.isEmpty(), qPrintable(fault));
            // Every value of this ordinary document fits: nothing is cut.
            for (const QString& text : pages.pageTexts(p))
                QVERIFY2(!text.endsWith(QChar(0x2026)), qPrintable(text));
        }
    }

    void goldenDisplayList()
    {
        PrintTest::WriteLogo(300, 100);
        header().CustDiscountPercent = 10;
        header().AddSignatureLine = true;
        ComputeTotals(document(), state.companySettings);
        document().PrintData.FootNote = QStringLiteral("Thank you for your business.");
        const QString dump = PrintTest::Run(state, 1).dump();
        const QString path = QStringLiteral(VELMAR_TEST_DATA_DIR "/printing/golden/invoice.txt");
        if (qEnvironmentVariableIsSet("VELMAR_UPDATE_GOLDEN")) {
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
            out.write(dump.toUtf8());
        }
        QFile golden(path);
        QVERIFY2(golden.open(QIODevice::ReadOnly), "golden file missing; run with VELMAR_UPDATE_GOLDEN=1");
        QCOMPARE(dump, QString::fromUtf8(golden.readAll()));
    }
};

VELMAR_TEST_MAIN(TestInvoiceLayout)
#include "tst_invoicelayout.moc"
