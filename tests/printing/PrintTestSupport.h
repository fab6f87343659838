#pragma once

#include "app/AppPaths.h"
#include "app/AppState.h"
#include "printing/DisplayList.h"
#include "printing/PrintRequest.h"
#include "printing/ReportEngine.h"
#include "printing/TextMeasure.h"

#include <QImage>
#include <QProcess>
#include <QtTest>

// Small helpers shared by the printing tests.
namespace PrintTest {

inline DisplayDocument Run(AppState& state, int windowMode, const PlannerPrintInfo& planner = {},
                           const TaxSalesPrintInfo& taxSales = {})
{
    const PrintRequest request = BuildPrintRequest(state, windowMode, planner, taxSales);
    return RunReports(request.runs);
}

// The first text primitive of a page with exactly this text.
inline const DisplayText* FindText(const DisplayDocument& document, int pageIndex, const QString& text)
{
    for (const auto& primitive : document.pages.at(pageIndex).primitives) {
        if (const auto* t = std::get_if<DisplayText>(&primitive); t && t->text == text)
            return t;
    }
    return nullptr;
}

template <typename Primitive>
std::vector<Primitive> All(const DisplayDocument& document, int pageIndex)
{
    std::vector<Primitive> out;
    for (const auto& primitive : document.pages.at(pageIndex).primitives) {
        if (const auto* p = std::get_if<Primitive>(&primitive))
            out.push_back(*p);
    }
    return out;
}

// Top of a text on a page, in 1/1000 inch; -1 when the page does not show it.
inline int TopOf(const DisplayDocument& document, int pageIndex, const QString& text)
{
    const DisplayText* found = FindText(document, pageIndex, text);
    return found ? found->box.top() : -1;
}

inline void WriteLogo(int width, int height)
{
    QImage logo(width, height, QImage::Format_RGB32);
    logo.fill(QColor(30, 90, 160));
    QVERIFY(logo.save(LogoPath(), "JPG"));
}

inline QString RunTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Where a text's ink lies across the page, in 1/1000 inch: its measured width (trailing
// blanks print nothing) placed in its box by its alignment.
inline std::pair<int, int> InkSpan(const DisplayText& text)
{
    QString visible = text.text;
    while (!visible.isEmpty() && visible.back().isSpace())
        visible.chop(1);
    const int width = TextMeasure::TextWidth(text.font, visible);
    int left = text.box.left();
    if (text.alignment & Qt::AlignRight)
        left = text.box.left() + text.box.width() - width;
    else if (text.alignment & Qt::AlignHCenter)
        left = text.box.left() + (text.box.width() - width) / 2;
    return {left, left + width};
}

// What is wrong with the texts of a page, empty when nothing is: a text wider than its
// box or than the page, two texts whose ink meets on the same line, a text that starts
// inside a rectangle and runs out of it.
inline QString TextFault(const DisplayPage& page)
{
    std::vector<DisplayText> texts;
    std::vector<QRect> boxes;
    for (const auto& primitive : page.primitives) {
        if (const auto* text = std::get_if<DisplayText>(&primitive))
            texts.push_back(*text);
        else if (const auto* rect = std::get_if<DisplayRect>(&primitive))
            boxes.push_back(rect->box);
    }
    for (size_t i = 0; i < texts.size(); ++i) {
        const DisplayText& a = texts[i];
        const auto [left, right] = InkSpan(a);
        if (left < a.box.left() || right > a.box.left() + a.box.width())
            return QStringLiteral("wider than its box: \"%1\"").arg(a.text);
        if (left < 0 || right > page.size.width())
            return QStringLiteral("off the page: \"%1\"").arg(a.text);
        for (const QRect& box : boxes) {
            const bool startsInside = a.box.left() >= box.left() && a.box.left() < box.left() + box.width() &&
                                      a.box.top() >= box.top() && a.box.top() < box.top() + box.height();
            if (startsInside && right > box.left() + box.width())
                return QStringLiteral("out of its rectangle: \"%1\"").arg(a.text);
        }
        for (size_t j = i + 1; j < texts.size(); ++j) {
            const DisplayText& b = texts[j];
            // A line's ink stands about one font size high; line boxes may overlap a little.
            const bool sameLine = a.box.top() < b.box.top() + b.font.pixelSize &&
                                  b.box.top() < a.box.top() + a.font.pixelSize;
            const auto [otherLeft, otherRight] = InkSpan(b);
            if (sameLine && left < otherRight && otherLeft < right)
                return QStringLiteral("\"%1\" meets \"%2\"").arg(a.text, b.text);
        }
    }
    return QString();
}

// pdftotext of one page (1-based), or of the whole file with page 0.
inline QString PdfText(const QString& path, int page = 0)
{
    QStringList arguments{QStringLiteral("-layout")};
    if (page > 0)
        arguments << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l") << QString::number(page);
    arguments << path << QStringLiteral("-");
    return RunTool(QStringLiteral("pdftotext"), arguments);
}

// The fields pdfinfo shows, by name.
inline QHash<QString, QString> PdfInfo(const QString& path)
{
    QHash<QString, QString> fields;
    const QString out = RunTool(QStringLiteral("pdfinfo"), {path});
    for (const QString& line : out.split(QLatin1Char('\n'))) {
        const int colon = line.indexOf(QLatin1Char(':'));
        if (colon > 0)
            fields.insert(line.left(colon), line.mid(colon + 1).trimmed());
    }
    return fields;
}

} // namespace PrintTest
