#include "printing/TextMeasure.h"

#include <QFontMetricsF>
#include <QHash>
#include <cmath>
#include <memory>

namespace TextMeasure {

namespace {

QString CacheKey(const DisplayFont& font)
{
    return QStringLiteral("%1|%2|%3|%4")
        .arg(font.family)
        .arg(font.pixelSize)
        .arg(font.bold ? 1 : 0)
        .arg(font.italic ? 1 : 0);
}

// Metrics are costly to make; a layout uses a handful of fonts. The cache is never
// destroyed: font metrics must not outlive the application's font database.
const QFontMetricsF& Metrics(const DisplayFont& font)
{
    static auto* cache = new QHash<QString, std::shared_ptr<QFontMetricsF>>;
    const QString key = CacheKey(font);
    auto found = cache->find(key);
    if (found == cache->end())
        found = cache->insert(key, std::make_shared<QFontMetricsF>(ToQFont(font)));
    return *found.value();
}

// Splits one paragraph at blanks, keeping each line within the width.
void WrapParagraph(const QString& paragraph, const DisplayFont& font, int width, QStringList& lines)
{
    const QFontMetricsF& metrics = Metrics(font);
    const QStringList words = paragraph.split(QLatin1Char(' '));
    QString line;
    for (const QString& word : words) {
        const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (metrics.horizontalAdvance(candidate) <= width) {
            line = candidate;
            continue;
        }
        if (!line.isEmpty())
            lines << line;
        line = word;
        // A word wider than the line is broken where it must be.
        while (line.size() > 1 && metrics.horizontalAdvance(line) > width) {
            int fit = line.size() - 1;
            while (fit > 1 && metrics.horizontalAdvance(line.left(fit)) > width)
                --fit;
            lines << line.left(fit);
            line = line.mid(fit);
        }
    }
    lines << line;
}

} // namespace

DisplayFont ToDisplayFont(const ReportFont& font)
{
    DisplayFont out;
    out.family = font.family;
    out.pixelSize = static_cast<int>(std::lround(font.pointSize * kUnitsPerInch / 72.0));
    out.bold = font.bold;
    out.italic = font.italic;
    out.color = font.color;
    return out;
}

QFont ToQFont(const DisplayFont& font)
{
    QFont qfont(font.family);
    qfont.setPixelSize(font.pixelSize);
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    qfont.setHintingPreference(QFont::PreferNoHinting);
    qfont.setKerning(false);
    return qfont;
}

int TextWidth(const DisplayFont& font, const QString& text)
{
    return static_cast<int>(std::ceil(Metrics(font).horizontalAdvance(text)));
}

int LineHeight(const DisplayFont& font)
{
    return static_cast<int>(std::ceil(Metrics(font).height()));
}

QStringList WrapText(const QString& text, const DisplayFont& font, int width)
{
    QStringList lines;
    QString normalized = text;
    normalized.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    for (const QString& paragraph : normalized.split(QLatin1Char('\n')))
        WrapParagraph(paragraph, font, width, lines);
    return lines;
}

QString FitLine(const QString& text, const DisplayFont& font, int width)
{
    QString line = text;
    line.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    for (QChar& c : line) {
        if (c == u'\r' || c == u'\n' || c == u'\t' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = u' ';
    }
    // Trailing blanks print nothing, so they do not make a line too wide.
    qsizetype visible = line.size();
    while (visible > 0 && line.at(visible - 1).isSpace())
        --visible;
    const QFontMetricsF& metrics = Metrics(font);
    if (metrics.horizontalAdvance(line.left(visible)) <= width)
        return line;
    // A cut line fills its box, so it keeps a blank's width free on the side it would
    // run into its neighbour; otherwise the ellipsis touches the next column's text.
    const int gap = static_cast<int>(std::ceil(metrics.horizontalAdvance(QLatin1Char(' '))));
    return CutWithEllipsis(line.left(visible), font, std::max(0, width - gap));
}

QString CutWithEllipsis(const QString& text, const DisplayFont& font, int width)
{
    const QFontMetricsF& metrics = Metrics(font);
    const QString ellipsis(QChar(0x2026));
    if (metrics.horizontalAdvance(ellipsis) > width)
        return QString();
    // Longer starts are never narrower, so the longest that fits is found by halving.
    qsizetype low = 0;
    qsizetype high = text.size();
    while (low < high) {
        const qsizetype middle = (low + high + 1) / 2;
        if (metrics.horizontalAdvance(text.left(middle) + ellipsis) <= width)
            low = middle;
        else
            high = middle - 1;
    }
    // Never split a character made of two code units.
    if (low > 0 && low < text.size() && text.at(low - 1).isHighSurrogate())
        --low;
    QString kept = text.left(low);
    while (!kept.isEmpty() && kept.back().isSpace())
        kept.chop(1);
    return kept + ellipsis;
}

} // namespace TextMeasure
