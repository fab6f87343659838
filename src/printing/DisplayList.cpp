#include "printing/DisplayList.h"

#include <QCryptographicHash>
#include <cmath>

int ToUnits(double inches)
{
    return static_cast<int>(std::lround(inches * kUnitsPerInch));
}

namespace {

QString RectText(const QRect& r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.left()).arg(r.top()).arg(r.width()).arg(r.height());
}

QString ColorText(const QColor& color)
{
    return color.isValid() ? color.name() : QStringLiteral("none");
}

QString AlignmentText(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignRight)
        return QStringLiteral("right");
    if (alignment & Qt::AlignHCenter)
        return QStringLiteral("center");
    return QStringLiteral("left");
}

QString StyleText(LineStyle style)
{
    return style == LineStyle::Dotted ? QStringLiteral("dotted") : QStringLiteral("solid");
}

struct Dumper {
    QString operator()(const DisplayText& t) const
    {
        return QStringLiteral("text %1 %2 %3%4%5 %6 %7 \"%8\"")
            .arg(RectText(t.box), t.font.family)
            .arg(t.font.pixelSize)
            .arg(t.font.bold ? QStringLiteral(" bold") : QString(),
                 t.font.italic ? QStringLiteral(" italic") : QString(),
                 ColorText(t.font.color), AlignmentText(t.alignment), t.text);
    }
    QString operator()(const DisplayLine& l) const
    {
        return QStringLiteral("line %1,%2-%3,%4 %5 %6")
            .arg(l.from.x()).arg(l.from.y()).arg(l.to.x()).arg(l.to.y())
            .arg(ColorText(l.color), StyleText(l.style));
    }
    QString operator()(const DisplayRect& r) const
    {
        return QStringLiteral("rect %1 fill %2 border %3 %4 radius %5")
            .arg(RectText(r.box), ColorText(r.fill),
                 r.border ? ColorText(r.borderColor) : QStringLiteral("none"),
                 StyleText(r.borderStyle))
            .arg(r.cornerRadius);
    }
    QString operator()(const DisplayImage& i) const
    {
        const QByteArray digest = QCryptographicHash::hash(
            QByteArray(reinterpret_cast<const char*>(i.image.constBits()), i.image.sizeInBytes()),
            QCryptographicHash::Md5);
        return QStringLiteral("image %1 %2x%3 %4")
            .arg(RectText(i.box))
            .arg(i.image.width())
            .arg(i.image.height())
            .arg(QString::fromLatin1(digest.toHex().left(8)));
    }
};

} // namespace

QString DisplayDocument::dump() const
{
    QString out;
    for (size_t p = 0; p < pages.size(); ++p) {
        out += QStringLiteral("page %1 %2x%3\n")
                   .arg(p + 1)
                   .arg(pages[p].size.width())
                   .arg(pages[p].size.height());
        for (const auto& primitive : pages[p].primitives)
            out += QStringLiteral("  ") + std::visit(Dumper{}, primitive) + QLatin1Char('\n');
    }
    return out;
}

QStringList DisplayDocument::pageTexts(int pageIndex) const
{
    QStringList texts;
    if (pageIndex < 0 || pageIndex >= static_cast<int>(pages.size()))
        return texts;
    for (const auto& primitive : pages[pageIndex].primitives) {
        if (const auto* text = std::get_if<DisplayText>(&primitive))
            texts << text->text;
    }
    return texts;
}
