#include "printing/ReportLayout.h"

namespace {

template <typename Layout, typename Item>
Item* FindItem(Layout& layout, const QString& itemName)
{
    for (auto& item : layout.items) {
        if (item.name == itemName)
            return &item;
    }
    for (auto& region : layout.regions) {
        for (auto& band : region.bands) {
            for (auto& item : band.items) {
                if (item.name == itemName)
                    return &item;
            }
        }
    }
    return nullptr;
}

} // namespace

ReportItem* ReportLayout::item(const QString& itemName)
{
    return FindItem<ReportLayout, ReportItem>(*this, itemName);
}

const ReportItem* ReportLayout::item(const QString& itemName) const
{
    return FindItem<const ReportLayout, const ReportItem>(*this, itemName);
}

ReportRegion* ReportLayout::region(const QString& regionName)
{
    for (auto& r : regions) {
        if (r.name == regionName)
            return &r;
    }
    return nullptr;
}

ReportBand* ReportLayout::band(const QString& bandName)
{
    for (auto& r : regions) {
        for (auto& b : r.bands) {
            if (b.name == bandName)
                return &b;
        }
    }
    return nullptr;
}

void ReportLayout::setParameter(const QString& parameterName, const QString& value)
{
    parameters.insert(parameterName, value);
}

QString ReportLayout::parameter(const QString& parameterName) const
{
    return parameters.value(parameterName);
}
