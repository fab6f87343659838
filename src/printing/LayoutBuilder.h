#pragma once

#include "printing/ReportLayout.h"

// Short hands for writing the stored layouts as tables of items.
namespace LayoutBuilder {

ReportFont Font(double pointSize, bool bold = false, QColor color = Qt::black);

ReportItem Label(const QString& name, double left, double top, double width, const QString& text,
                 const ReportFont& font = Font(10), Qt::Alignment alignment = Qt::AlignLeft);
ReportItem Param(const QString& name, double left, double top, double width, const QString& parameter,
                 const ReportFont& font = Font(10), Qt::Alignment alignment = Qt::AlignLeft);
ReportItem Field(const QString& name, double left, double top, double width, const QString& column,
                 const ReportFont& font = Font(10), Qt::Alignment alignment = Qt::AlignLeft);
ReportItem Memo(const QString& name, double left, double top, double width, double height,
                TextSource source, const QString& text, const ReportFont& font = Font(10));
ReportItem PageNumber(const QString& name, double left, double top, double width,
                      const ReportFont& font = Font(10));
ReportItem Box(const QString& name, double left, double top, double width, double height,
               QColor fill = Qt::white);
ReportItem HLine(const QString& name, double left, double top, double width,
                 LineStyle style = LineStyle::Solid, QColor color = Qt::black);
ReportItem Picture(const QString& name, double left, double top, double width, double height);

ReportBand DataBand(const QString& name, double height, std::vector<ReportItem> items);
ReportBand PlainBand(const QString& name, double height, std::vector<ReportItem> items);

} // namespace LayoutBuilder
