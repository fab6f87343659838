#pragma once

#include "app/AppPaths.h"
#include "app/AppState.h"
#include "printing/DisplayList.h"
#include "printing/PrintRequest.h"
#include "printing/ReportEngine.h"

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
