#include "printing/ReportEngine.h"

#include "printing/TextMeasure.h"

#include <algorithm>

namespace {

// A band placed on a page of its region: which band, which feed row, how far down.
struct BandPlacement {
    int band = 0;
    int row = -1;
    int offset = 0;  // from the region's top, 1/1000 inch
};

using RegionPages = std::vector<std::vector<BandPlacement>>;

struct RowSource {
    const DataFeed* feed = nullptr;
    int row = -1;
};

int FeedRows(const ReportRun& run, const ReportRegion& region)
{
    const DataFeed* feed = run.feeds.value(region.feedName, nullptr);
    return feed ? std::max(0, feed->rowCount()) : 0;
}

// Pass one for a region: bands fill the region top-down and move to a new page when
// the next one does not fit. A band taller than the whole region still gets a page of
// its own, cut at the region's bottom.
RegionPages PlaceBands(const ReportRun& run, const ReportRegion& region)
{
    RegionPages pages(1);
    const int capacity = ToUnits(region.height);
    int used = 0;
    auto place = [&](int bandIndex, int row) {
        const int height = ToUnits(region.bands[bandIndex].height);
        if (used > 0 && used + height > capacity) {
            pages.emplace_back();
            used = 0;
        }
        pages.back().push_back({bandIndex, row, used});
        used += height;
    };

    const int rows = FeedRows(run, region);
    for (int b = 0; b < static_cast<int>(region.bands.size()); ++b) {
        const ReportBand& band = region.bands[b];
        if (!band.visible)
            continue;
        if (band.dataBand) {
            for (int row = 0; row < rows; ++row)
                place(b, row);
        } else {
            place(b, -1);
        }
    }
    return pages;
}

QString ResolveText(const ReportLayout& layout, const ReportItem& item, const RowSource& source)
{
    switch (item.source) {
    case TextSource::Literal:
        return item.text;
    case TextSource::Parameter:
        return layout.parameter(item.text);
    case TextSource::Column:
        return source.feed && source.row >= 0 ? source.feed->value(source.row, item.text) : QString();
    }
    return QString();
}

// The lines of a memo and how many of them one box holds.
struct MemoLines {
    QStringList lines;
    int perBox = 1;
    int lineHeight = 0;
};

MemoLines LayoutMemo(const ReportLayout& layout, const ReportItem& item, const RowSource& source)
{
    MemoLines memo;
    const DisplayFont font = TextMeasure::ToDisplayFont(item.font);
    memo.lineHeight = std::max(1, TextMeasure::LineHeight(font));
    memo.perBox = std::max(1, ToUnits(item.height) / memo.lineHeight);
    const QString text = ResolveText(layout, item, source);
    if (!text.isEmpty())
        memo.lines = TextMeasure::WrapText(text, font, ToUnits(item.width));
    return memo;
}

// The number of pages a continuing memo needs.
int MemoPages(const ReportLayout& layout, const ReportItem& item)
{
    if (item.kind != ReportItemKind::Memo || !item.continues || !item.visible)
        return 1;
    const MemoLines memo = LayoutMemo(layout, item, {});
    return std::max<int>(1, (memo.lines.size() + memo.perBox - 1) / memo.perBox);
}

class PageWriter {
public:
    PageWriter(const ReportLayout& layout, DisplayPage& page, int pageIndex, int pageCount)
        : m_layout(layout), m_page(page), m_pageIndex(pageIndex), m_pageCount(pageCount) {}

    // `areaRight`: the right edge of the page or of the band the item lies in.
    void item(const ReportItem& item, QPoint origin, int areaRight, const RowSource& source)
    {
        if (!item.visible)
            return;
        QRect box(origin.x() + ToUnits(item.left), origin.y() + ToUnits(item.top),
                  ToUnits(item.width), ToUnits(item.height));
        // A one-line text without a width of its own may use the rest of its page or band.
        const bool oneLine = item.kind == ReportItemKind::Text || item.kind == ReportItemKind::PageNumber;
        if (oneLine && box.width() <= 0)
            box.setRight(areaRight - 1);
        switch (item.kind) {
        case ReportItemKind::Text:
            text(item, box, ResolveText(m_layout, item, source));
            break;
        case ReportItemKind::PageNumber:
            text(item, box, PageNumberText(m_pageIndex + 1, m_pageCount));
            break;
        case ReportItemKind::Memo:
            memo(item, box, source);
            break;
        case ReportItemKind::Rectangle:
            m_page.primitives.push_back(DisplayRect{box, item.fillColor, item.lineColor, item.border,
                                                    item.lineStyle, ToUnits(item.cornerRadius)});
            break;
        case ReportItemKind::Line:
            m_page.primitives.push_back(DisplayLine{box.topLeft(), QPoint(box.left() + box.width(), box.top()),
                                                    item.lineColor, item.lineStyle});
            break;
        case ReportItemKind::Picture:
            picture(item, box);
            break;
        }
    }

private:
    // One line, cut at the box width so that it never runs into its neighbours.
    void text(const ReportItem& item, QRect box, const QString& words)
    {
        if (words.isEmpty() || box.width() <= 0)
            return;
        const DisplayFont font = TextMeasure::ToDisplayFont(item.font);
        const QString line = TextMeasure::FitLine(words, font, box.width());
        if (line.isEmpty())
            return;
        box.setHeight(std::max(box.height(), TextMeasure::LineHeight(font)));
        m_page.primitives.push_back(DisplayText{box, line, font, item.alignment});
    }

    void memo(const ReportItem& item, const QRect& box, const RowSource& source)
    {
        const MemoLines memo = LayoutMemo(m_layout, item, source);
        const DisplayFont font = TextMeasure::ToDisplayFont(item.font);
        const int first = item.continues ? m_pageIndex * memo.perBox : 0;
        const int last = std::min<int>(memo.lines.size(), first + memo.perBox);
        for (int i = first; i < last; ++i) {
            QString line = memo.lines[i];
            // A cut memo ends its last line with an ellipsis, so the reader sees that text is missing.
            const bool cut = !item.continues && i == last - 1 && last < memo.lines.size();
            if (cut)
                line = TextMeasure::CutWithEllipsis(line, font, box.width());
            if (line.isEmpty())
                continue;
            const QRect lineBox(box.left(), box.top() + (i - first) * memo.lineHeight, box.width(),
                                memo.lineHeight);
            m_page.primitives.push_back(DisplayText{lineBox, line, font, item.alignment});
        }
    }

    void picture(const ReportItem& item, const QRect& box)
    {
        if (item.picture.isNull() || box.width() <= 0 || box.height() <= 0)
            return;
        // Scaled to the box width with its proportions kept; a picture taller than its
        // box is fitted to the height instead.
        QSize size(box.width(), box.width() * item.picture.height() / item.picture.width());
        if (size.height() > box.height())
            size = QSize(box.height() * item.picture.width() / item.picture.height(), box.height());
        m_page.primitives.push_back(DisplayImage{QRect(box.topLeft(), size), item.picture});
    }

    const ReportLayout& m_layout;
    DisplayPage& m_page;
    int m_pageIndex;
    int m_pageCount;
};

} // namespace

QString PageNumberText(int page, int pageCount)
{
    return QStringLiteral("Page %1 of\u2019 %2").arg(page).arg(pageCount);
}

DisplayDocument RunReports(const std::vector<ReportRun>& runs, const PageProgress& progress)
{
    DisplayDocument document;
    for (const ReportRun& run : runs) {
        const ReportLayout& layout = run.layout;

        // Pass one: where every band goes, and so how many pages the report takes.
        std::vector<RegionPages> regionPages;
        int pageCount = 1;
        for (const ReportRegion& region : layout.regions) {
            regionPages.push_back(PlaceBands(run, region));
            pageCount = std::max<int>(pageCount, regionPages.back().size());
        }
        for (const ReportItem& item : layout.items)
            pageCount = std::max(pageCount, MemoPages(layout, item));

        // Pass two: the pages themselves.
        for (int p = 0; p < pageCount; ++p) {
            if (progress)
                progress(static_cast<int>(document.pages.size()) + 1);
            DisplayPage& page = document.pages.emplace_back();
            page.size = QSize(ToUnits(layout.pageWidth), ToUnits(layout.pageHeight));
            PageWriter writer(layout, page, p, pageCount);
            for (const ReportItem& item : layout.items)
                writer.item(item, QPoint(0, 0), page.size.width(), {});
            for (size_t r = 0; r < layout.regions.size(); ++r) {
                if (p >= static_cast<int>(regionPages[r].size()))
                    continue;
                const ReportRegion& region = layout.regions[r];
                const DataFeed* feed = run.feeds.value(region.feedName, nullptr);
                const int regionRight = ToUnits(region.left) + ToUnits(region.width);
                for (const BandPlacement& placement : regionPages[r][p]) {
                    const ReportBand& band = region.bands[placement.band];
                    const QPoint origin(ToUnits(region.left), ToUnits(region.top) + placement.offset);
                    for (const ReportItem& item : band.items)
                        writer.item(item, origin, regionRight, {feed, placement.row});
                }
            }
        }
    }
    return document;
}
