#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// The company logo file, CmpLogo.jpg in the data folder.
namespace CompanyLogo {

// The most pixels a logo keeps: its printed box is at most 3.85 by 1.3 inches, and
// 600 dots per inch are plenty for print.
inline constexpr QSize kMaxPixels{2310, 780};
// The size a picture of `original` pixels is kept at: fitted into kMaxPixels with its
// proportions, never enlarged.
QSize printedSize(const QSize& original);

// A chosen picture as the logo holds it: a bitmap (.bmp) is turned into a JPEG picture,
// anything else is read as JPEG; a picture larger than kMaxPixels is scaled down.
// Raises VelmarError when the file is not such a picture.
QImage readPicture(const QString& path);
// The current logo file's picture; a null image when there is none or it cannot be read.
QImage load();
// Writes the picture as the logo file, atomically. Raises VelmarError when the file
// cannot be written; the old logo file is then as it was.
void write(const QImage& picture);
// Deletes the logo file if there is one. Raises VelmarError when it cannot be deleted.
void remove();

} // namespace CompanyLogo
