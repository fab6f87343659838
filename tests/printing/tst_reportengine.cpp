#include "printing/LayoutBuilder.h"
#include "printing/ListFeeds.h"
#include "printing/PagePainter.h"
#include "printing/PdfOutput.h"
#include "printing/ReportEngine.h"
#include "printing/TextMeasure.h"
#include "data/DatabaseError.h"
#include "printing/PrintTestSupport.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

using namespace LayoutBuilder;

namespace {

// A page with a title, a page number and one region of `bandHeight` bands, followed by
// an optional plain band.
ReportLayout ListFixture(double regionHeight, double bandHeight, double plainBandHeight = 0)
{
    ReportLayout layout;
    layout.name = QStringLiteral("Fixture");
    layout.items = {
        Param(QStringLiteral("title"), 0.3, 0.3, 7.9, QStringLiteral("rvstrTitle"), Font(10), Qt::AlignHCenter),
        PageNumber(QStringLiteral("page"), 5.7, 0.5, 2.5),
    };
    ReportRegion region{QStringLiteral("region"), 0.3, 1.0, 7.9, regionHeight, QStringLiteral("feed"), {}};
    region.bands.push_back(DataBand(QStringLiteral("rows"), bandHeight, {
        Field(QStringLiteral("cell"), 0, 0, 5.0, QStringLiteral("text")),
    }));
    if (plainBandHeight > 0)
        region.bands.push_back(PlainBand(QStringLiteral("closing"), plainBandHeight, {
            Label(QStringLiteral("closingText"), 0, 0, 3.0, QStringLiteral("The End")),
        }));
    layout.regions.push_back(region);
    return layout;
}

TableFeed RowsFeed(int count)
{
    std::vector<QStringList> rows;
    for (int i = 1; i <= count; ++i)
        rows.push_back({QStringLiteral("Row %1").arg(i)});
    return TableFeed({QStringLiteral("text")}, rows);
}

int RowsOnPage(const DisplayDocument& document, int pageIndex)
{
    int count = 0;
    for (const QString& text : document.pageTexts(pageIndex))
        count += text.startsWith(QLatin1String("Row ")) ? 1 : 0;
    return count;
}

} // namespace

class TestReportEngine : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { TestEnvironment::freshDatabase(); }

    void regionContinuesOnNewPages_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QList<int>>("perPage");
        QTest::newRow("no rows still gives a page") << 0 << QList<int>{0};
        QTest::newRow("exactly full") << 15 << QList<int>{15};
        QTest::newRow("22 rows of 0.6 in 9.4 inches") << 22 << QList<int>{15, 7};
        QTest::newRow("three pages") << 31 << QList<int>{15, 15, 1};
    }
    void regionContinuesOnNewPages()
    {
        QFETCH(int, rows);
        QFETCH(QList<int>, perPage);
        const TableFeed feed = RowsFeed(rows);
        ReportRun run{ListFixture(9.4, 0.6), {{QStringLiteral("feed"), &feed}}};
        run.layout.setParameter(QStringLiteral("rvstrTitle"), QStringLiteral("Title"));
        const DisplayDocument document = RunReports({run});
        QCOMPARE(int(document.pages.size()), perPage.size());
        for (int p = 0; p < perPage.size(); ++p) {
            QCOMPARE(RowsOnPage(document, p), perPage[p]);
            // Items outside the region repeat on every page.
            QVERIFY(PrintTest::FindText(document, p, QStringLiteral("Title")));
            QVERIFY(PrintTest::FindText(document, p, PageNumberText(p + 1, perPage.size())));
        }
        if (rows == 22) {
            QCOMPARE(PrintTest::TopOf(document, 1, QStringLiteral("Row 16")), 1000);
            QCOMPARE(PrintTest::TopOf(document, 0, QStringLiteral("Row 15")), 1000 + 14 * 600);
        }
    }

    void pageNumberCarriesTheTypographicApostrophe()
    {
        QCOMPARE(PageNumberText(2, 3), QStringLiteral("Page 2 of\u2019 3"));
    }

    void plainBandFollowsTheRowsOrMovesOn_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("closingPage");
        QTest::addColumn<int>("closingTop");
        // Region of 2.0 inches, rows of 0.2, closing band of 0.5.
        QTest::newRow("fits below the last row") << 3 << 0 << 1000 + 600;
        QTest::newRow("just fits") << 7 << 0 << 1000 + 1400;
        QTest::newRow("does not fit: next page") << 8 << 1 << 1000;
        QTest::newRow("region full: next page") << 10 << 1 << 1000;
    }
    void plainBandFollowsTheRowsOrMovesOn()
    {
        QFETCH(int, rows);
        QFETCH(int, closingPage);
        QFETCH(int, closingTop);
        const TableFeed feed = RowsFeed(rows);
        const DisplayDocument document =
            RunReports({ReportRun{ListFixture(2.0, 0.2, 0.5), {{QStringLiteral("feed"), &feed}}}});
        QCOMPARE(int(document.pages.size()), closingPage + 1);
        QCOMPARE(PrintTest::TopOf(document, closingPage, QStringLiteral("The End")), closingTop);
        int printed = 0;
        for (int p = 0; p < int(document.pages.size()); ++p)
            printed += document.pageTexts(p).count(QStringLiteral("The End"));
        QCOMPARE(printed, 1);
    }

    void hiddenBandAndItemsPrintNothing()
    {
        const TableFeed feed = RowsFeed(2);
        ReportRun run{ListFixture(2.0, 0.2, 0.5), {{QStringLiteral("feed"), &feed}}};
        run.layout.band(QStringLiteral("closing"))->visible = false;
        run.layout.item(QStringLiteral("page"))->visible = false;
        const DisplayDocument document = RunReports({run});
        QCOMPARE(document.pageTexts(0), (QStringList{QStringLiteral("Row 1"), QStringLiteral("Row 2")}));
    }

    void missingFeedAndUnsetParametersPrintEmpty()
    {
        ReportRun run{ListFixture(2.0, 0.2), {}};
        const DisplayDocument document = RunReports({run});
        QCOMPARE(document.pageTexts(0), QStringList{PageNumberText(1, 1)});
    }

    void memoWrapsBetweenWordsAndMarksWhatIsCut()
    {
        ReportLayout layout;
        layout.items = {Memo(QStringLiteral("memo"), 1.0, 1.0, 1.5, 0.4, TextSource::Literal,
                             QStringLiteral("one two three four five six seven eight nine ten eleven twelve"))};
        const DisplayDocument document = RunReports({ReportRun{layout, {}}});
        const auto texts = PrintTest::All<DisplayText>(document, 0);
        QCOMPARE(int(texts.size()), 2);  // two lines of 10 point fit 0.4 inch
        QVERIFY(texts[0].text.startsWith(QLatin1String("one two")));
        QVERIFY2(texts[1].text.endsWith(QChar(0x2026)), qPrintable(texts[1].text));
        for (const DisplayText& line : texts) {
            QVERIFY(TextMeasure::TextWidth(line.font, line.text) <= 1500);
            QCOMPARE(line.box.left(), 1000);
        }
        QCOMPARE(texts[1].box.top() - texts[0].box.top(), TextMeasure::LineHeight(texts[0].font));
    }

    void oneLineTextIsCutAtItsBox_data()
    {
        QTest::addColumn<int>("source");  // TextSource
        QTest::addColumn<int>("alignment");
        QTest::addColumn<bool>("inBand");
        QTest::addColumn<double>("left");
        QTest::addColumn<double>("width");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("printed");  // empty: cut with an ellipsis
        QTest::addColumn<QRect>("box");
        const int literal = int(TextSource::Literal);
        const int parameter = int(TextSource::Parameter);
        const int column = int(TextSource::Column);
        const int left = Qt::AlignLeft;
        const int right = Qt::AlignRight;
        const int centre = Qt::AlignHCenter;
        const QString words = QStringLiteral("Lakeside Dental Associates of Greater Springfield and the Lake Country Region");
        const QString oneWord = QStringLiteral("Abcdefghij").repeated(12);
        // Items on the page at top 1.0; in the band the region starts at 0.3, 1.0.
        QTest::newRow("fits: kept whole") << literal << left << false << 1.0 << 3.0 << "Lakeside Dental"
                                          << "Lakeside Dental" << QRect(1000, 1000, 3000, 156);
        QTest::newRow("words, left") << literal << left << false << 1.0 << 3.0 << words << ""
                                     << QRect(1000, 1000, 3000, 156);
        QTest::newRow("words, right") << parameter << right << false << 1.0 << 3.0 << words << ""
                                      << QRect(1000, 1000, 3000, 156);
        QTest::newRow("words, centred") << parameter << centre << false << 1.0 << 3.0 << words << ""
                                        << QRect(1000, 1000, 3000, 156);
        QTest::newRow("one long word, column") << column << left << true << 1.0 << 1.5 << oneWord << ""
                                               << QRect(1300, 1000, 1500, 156);
        QTest::newRow("one long word, right, column") << column << right << true << 1.0 << 1.5 << oneWord << ""
                                                      << QRect(1300, 1000, 1500, 156);
        QTest::newRow("line breaks print as blanks") << literal << left << false << 1.0 << 5.0
                                                     << "400 Lake Road\r\nSuite 2\nBack\tdoor"
                                                     << "400 Lake Road Suite 2 Back door" << QRect(1000, 1000, 5000, 156);
        QTest::newRow("trailing blanks do not make it too wide")
            << literal << left << false << 1.0 << 1.0 << QStringLiteral("Net 30") + QString(60, QLatin1Char(' '))
            << QStringLiteral("Net 30") + QString(60, QLatin1Char(' ')) << QRect(1000, 1000, 1000, 156);
        QTest::newRow("no width: to the page edge") << literal << left << false << 6.0 << 0.0 << words << ""
                                                    << QRect(6000, 1000, 2500, 156);
        QTest::newRow("no width: to the band edge") << column << right << true << 5.0 << 0.0 << words << ""
                                                    << QRect(5300, 1000, 2900, 156);
        QTest::newRow("no width, fits") << column << left << true << 5.0 << 0.0 << "Net 30" << "Net 30"
                                        << QRect(5300, 1000, 2900, 156);
    }
    void oneLineTextIsCutAtItsBox()
    {
        QFETCH(int, source);
        QFETCH(int, alignment);
        QFETCH(bool, inBand);
        QFETCH(double, left);
        QFETCH(double, width);
        QFETCH(QString, text);
        QFETCH(QString, printed);
        QFETCH(QRect, box);
        const QString content = QStringLiteral("content");
        ReportItem item = Label(QStringLiteral("item"), left, inBand ? 0.0 : 1.0, width,
                                source == int(TextSource::Literal) ? text : content, Font(10),
                                Qt::Alignment(alignment));
        item.source = TextSource(source);
        ReportLayout layout;
        layout.setParameter(content, text);
        const TableFeed feed({content}, {{text}});
        if (inBand) {
            ReportRegion region{QStringLiteral("region"), 0.3, 1.0, 7.9, 2.0, QStringLiteral("feed"), {}};
            region.bands.push_back(DataBand(QStringLiteral("rows"), 0.2, {item}));
            layout.regions.push_back(region);
        } else {
            layout.items.push_back(item);
        }
        const DisplayDocument document = RunReports({ReportRun{layout, {{QStringLiteral("feed"), &feed}}}});
        const auto texts = PrintTest::All<DisplayText>(document, 0);
        QCOMPARE(int(texts.size()), 1);
        const DisplayText& line = texts[0];
        QCOMPARE(line.box, box);
        QCOMPARE(line.alignment, Qt::Alignment(alignment));
        QVERIFY2(PrintTest::TextFault(document.pages[0]).isEmpty(), qPrintable(PrintTest::TextFault(document.pages[0])));
        if (!printed.isEmpty()) {
            QCOMPARE(line.text, printed);
        } else {
            // Cut with an ellipsis, a blank's width short of the box edge, and no shorter
            // than that needs.
            const QString ellipsis(QChar(0x2026));
            QVERIFY2(line.text.endsWith(ellipsis), qPrintable(line.text));
            const QString kept = line.text.chopped(1);
            QVERIFY2(text.startsWith(kept) && !kept.isEmpty(), qPrintable(line.text));
            const int room = box.width() - TextMeasure::TextWidth(line.font, QStringLiteral(" "));
            QVERIFY(TextMeasure::TextWidth(line.font, line.text) <= room);
            qsizetype next = kept.size();
            while (next < text.size() && text.at(next).isSpace())
                ++next;
            QVERIFY(TextMeasure::TextWidth(line.font, text.left(next + 1) + ellipsis) > room);
        }
    }

    void cutTextPaintsInsideItsBox_data()
    {
        QTest::addColumn<int>("alignment");
        QTest::addColumn<double>("dpi");
        for (const double dpi : {60.0, 110.0, 300.0}) {
            const QByteArray at = " at " + QByteArray::number(dpi);
            QTest::newRow("left" + at) << int(Qt::AlignLeft) << dpi;
            QTest::newRow("right" + at) << int(Qt::AlignRight) << dpi;
            QTest::newRow("centred" + at) << int(Qt::AlignHCenter) << dpi;
        }
    }
    void cutTextPaintsInsideItsBox()
    {
        QFETCH(int, alignment);
        QFETCH(double, dpi);
        ReportLayout layout;
        layout.items = {Label(QStringLiteral("item"), 1.0, 1.0, 2.0,
                              QStringLiteral("Harbor Painting and Decorating of Springfield, Illinois"), Font(10),
                              Qt::Alignment(alignment))};
        const DisplayDocument document = RunReports({ReportRun{layout, {}}});
        QImage image(int(8.5 * dpi), int(2.0 * dpi), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        PaintDisplayPage(painter, document.pages[0], dpi);
        painter.end();
        // The painter places the glyphs where the measure said, so no ink leaves the box
        // (a device pixel of smoothing aside), and a cut text fills it to within a blank.
        int inkLeft = image.width();
        int inkRight = -1;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (qGray(image.pixel(x, y)) < 160) {
                    inkLeft = std::min(inkLeft, x);
                    inkRight = std::max(inkRight, x);
                }
            }
        }
        QVERIFY(inkRight >= 0);
        QVERIFY2(inkLeft >= int(1.0 * dpi) - 1 && inkRight <= int(3.0 * dpi) + 1,
                 qPrintable(QStringLiteral("ink from %1 to %2").arg(inkLeft).arg(inkRight)));
        QVERIFY2(inkRight - inkLeft >= int(1.85 * dpi), qPrintable(QStringLiteral("ink %1 wide").arg(inkRight - inkLeft)));
    }

    void continuingMemoGoesOnOverFurtherPages()
    {
        QStringList paragraphs;
        for (int i = 1; i <= 80; ++i)
            paragraphs << QStringLiteral("Paragraph %1").arg(i);
        ReportLayout layout;
        ReportItem memo = Memo(QStringLiteral("memo"), 0.3, 0.8, 7.9, 9.6, TextSource::Parameter, QStringLiteral("body"));
        memo.continues = true;
        layout.items = {PageNumber(QStringLiteral("page"), 5.7, 0.5, 2.5), memo};
        layout.setParameter(QStringLiteral("body"), paragraphs.join(QLatin1Char('\n')));
        const DisplayDocument document = RunReports({ReportRun{layout, {}}});
        QCOMPARE(int(document.pages.size()), 2);
        QStringList all = document.pageTexts(0) + document.pageTexts(1);
        all.removeAll(PageNumberText(1, 2));
        all.removeAll(PageNumberText(2, 2));
        QCOMPARE(all, paragraphs);
        QCOMPARE(PrintTest::All<DisplayText>(document, 1).at(1).box.top(), 800);
    }

    void severalReportsEachStartOnANewPage()
    {
        const TableFeed longFeed = RowsFeed(20);
        const TableFeed shortFeed = RowsFeed(1);
        const DisplayDocument document = RunReports({
            ReportRun{ListFixture(2.0, 0.2), {{QStringLiteral("feed"), &longFeed}}},
            ReportRun{ListFixture(2.0, 0.2), {{QStringLiteral("feed"), &shortFeed}}},
        });
        QCOMPARE(int(document.pages.size()), 3);
        QVERIFY(PrintTest::FindText(document, 1, PageNumberText(2, 2)));
        QVERIFY(PrintTest::FindText(document, 2, PageNumberText(1, 1)));
        QCOMPARE(PrintTest::TopOf(document, 2, QStringLiteral("Row 1")), 1000);
    }

    void painterPlacesInchesAtTheDeviceResolution()
    {
        ReportLayout layout;
        layout.items = {Box(QStringLiteral("box"), 1.0, 2.0, 1.0, 0.5, Qt::red)};
        const DisplayDocument document = RunReports({ReportRun{layout, {}}});
        for (const double dpi : {50.0, 100.0}) {
            QImage image(int(8.5 * dpi), int(11 * dpi), QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            PaintDisplayPage(painter, document.pages[0], dpi);
            painter.end();
            QCOMPARE(image.pixelColor(int(1.5 * dpi), int(2.25 * dpi)), QColor(Qt::red));
            QCOMPARE(image.pixelColor(int(1.5 * dpi), int(2.7 * dpi)), QColor(Qt::white));
            QCOMPARE(image.pixelColor(int(2.2 * dpi), int(2.25 * dpi)), QColor(Qt::white));
        }
    }

    void pdfCarriesDocumentInformationAndReplacesTheFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Invoice 1042.pdf"));
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("an older file of that name");
        }
        const TableFeed feed = RowsFeed(20);
        ReportRun run{ListFixture(2.0, 0.2), {{QStringLiteral("feed"), &feed}}};
        run.layout.setParameter(QStringLiteral("rvstrTitle"), QStringLiteral("Caf\u00e9 list"));
        const PdfDocumentInfo info{QStringLiteral("Invoice 1042"), QStringLiteral("Harbor & Sons Painting"),
                                   QStringLiteral("Invoice"), QStringLiteral("Invoice 1042"),
                                   QStringLiteral("Harbor & Sons Painting"), QStringLiteral("Harbor & Sons Painting")};
        WritePdfFile(path, RunReports({run}), info);

        const auto fields = PrintTest::PdfInfo(path);
        QCOMPARE(fields.value(QStringLiteral("Title")), info.title);
        QCOMPARE(fields.value(QStringLiteral("Author")), info.author);
        QCOMPARE(fields.value(QStringLiteral("Subject")), info.subject);
        QCOMPARE(fields.value(QStringLiteral("Keywords")), info.keywords);
        QCOMPARE(fields.value(QStringLiteral("Creator")), info.creator);
        QCOMPARE(fields.value(QStringLiteral("Producer")), info.producer);
        QCOMPARE(fields.value(QStringLiteral("Pages")), QStringLiteral("2"));
        QCOMPARE(fields.value(QStringLiteral("Page size")), QStringLiteral("612 x 792 pts (letter)"));
        const QString page2 = PrintTest::PdfText(path, 2);
        QVERIFY2(page2.contains(QStringLiteral("Caf\u00e9 list")), qPrintable(page2));
        QVERIFY(page2.contains(QStringLiteral("Row 20")));
        QVERIFY(page2.contains(PageNumberText(2, 2)));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Invoice 1042.pdf")});
    }

    void pdfFailureLeavesNoFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("missing folder/out.pdf"));
        ReportLayout layout;
        try {
            WritePdfFile(path, RunReports({ReportRun{layout, {}}}), {});
            QFAIL("writing into a missing folder must fail");
        } catch (const VelmarError& error) {
            QVERIFY2(error.text().startsWith(QStringLiteral("Cannot write file ") + path), qPrintable(error.text()));
        }
        QVERIFY(!QFile::exists(path));
    }
};

VELMAR_TEST_MAIN(TestReportEngine)
#include "tst_reportengine.moc"
