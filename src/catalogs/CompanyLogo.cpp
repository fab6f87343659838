#include "catalogs/CompanyLogo.h"

#include "app/AppPaths.h"
#include "data/DatabaseError.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QSaveFile>

namespace CompanyLogo {

QSize printedSize(const QSize& original)
{
    if (original.width() <= kMaxPixels.width() && original.height() <= kMaxPixels.height())
        return original;
    return original.scaled(kMaxPixels, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

QImage readPicture(const QString& path)
{
    const bool bitmap = QFileInfo(path).suffix().toUpper() == QLatin1String("BMP");
    QImageReader reader(path, bitmap ? "BMP" : "JPEG");
    // The JPEG codec decodes straight to the smaller size, so a large photo never
    // needs its full size in memory, and the logo file stays small in every PDF.
    const QSize original = reader.size();
    if (original.isValid())
        reader.setScaledSize(printedSize(original));
    QImage picture = reader.read();
    if (picture.isNull())
        throw VelmarError(QStringLiteral("Cannot read the picture %1: %2")
                              .arg(QFileInfo(path).fileName(), reader.errorString()));
    if (!bitmap)
        return picture;

    // The logo is kept as JPEG, so a bitmap goes through the JPEG codec once.
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "JPEG"))
        throw VelmarError(QStringLiteral("Cannot convert the picture %1 to JPEG").arg(QFileInfo(path).fileName()));
    QImage converted;
    converted.loadFromData(jpeg, "JPEG");
    return converted;
}

QImage load()
{
    QImage picture;
    if (QFile::exists(LogoPath()))
        picture.load(LogoPath(), "JPEG");
    return picture;
}

void write(const QImage& picture)
{
    // Written beside the logo and renamed over it: an interruption or a full disk
    // leaves the old logo whole.
    QSaveFile file(LogoPath());
    if (!file.open(QIODevice::WriteOnly))
        throw VelmarError(QStringLiteral("Cannot write the logo file %1: %2").arg(LogoPath(), file.errorString()));
    if (!picture.save(&file, "JPEG")) {
        const QString reason = file.error() != QFileDevice::NoError ? file.errorString()
                                                                     : QStringLiteral("the picture cannot be written as JPEG");
        file.cancelWriting();
        throw VelmarError(QStringLiteral("Cannot write the logo file %1: %2").arg(LogoPath(), reason));
    }
    if (!file.commit())
        throw VelmarError(QStringLiteral("Cannot write the logo file %1: %2").arg(LogoPath(), file.errorString()));
}

void remove()
{
    QFile file(LogoPath());
    if (file.exists() && !file.remove())
        throw VelmarError(QStringLiteral("Cannot delete the logo file %1: %2").arg(LogoPath(), file.errorString()));
}

} // namespace CompanyLogo
