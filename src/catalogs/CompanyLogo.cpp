#include "catalogs/CompanyLogo.h"

#include "app/AppPaths.h"
#include "data/DatabaseError.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace CompanyLogo {

QImage readPicture(const QString& path)
{
    const bool bitmap = QFileInfo(path).suffix().toUpper() == QLatin1String("BMP");
    QImageReader reader(path, bitmap ? "BMP" : "JPEG");
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
    if (!picture.save(LogoPath(), "JPEG"))
        throw VelmarError(QStringLiteral("Cannot write the logo file %1").arg(LogoPath()));
}

void remove()
{
    QFile file(LogoPath());
    if (file.exists() && !file.remove())
        throw VelmarError(QStringLiteral("Cannot delete the logo file %1: %2").arg(LogoPath(), file.errorString()));
}

} // namespace CompanyLogo
