#pragma once

#include <QImage>
#include <QString>

// The company logo file, CmpLogo.jpg in the data folder.
namespace CompanyLogo {

// A chosen picture as the logo holds it: a bitmap (.bmp) is turned into a JPEG picture,
// anything else is read as JPEG. Raises VelmarError when the file is not such a picture.
QImage readPicture(const QString& path);
// The current logo file's picture; a null image when there is none or it cannot be read.
QImage load();
// Writes the picture as the logo file. Raises VelmarError when the file cannot be written.
void write(const QImage& picture);
// Deletes the logo file if there is one. Raises VelmarError when it cannot be deleted.
void remove();

} // namespace CompanyLogo
