#pragma once
// 24-bit Windows bitmap files: the format the program's image folder holds.
#include <QByteArray>
#include <QImage>
#include <QString>

namespace gen {

// The image as an uncompressed 24-bit bottom-up BMP (BITMAPINFOHEADER, rows padded to
// four bytes). Alpha is ignored.
QByteArray EncodeBmp24(const QImage& image);
// The image as an uncompressed 32-bit top-down BMP whose unused fourth byte is 255: the
// program draws such a file straight from its mapping, without reading it into memory.
QByteArray EncodeBmp32TopDown(const QImage& image);

// Writes bytes to path, replacing the file; false (and a reason in error) on failure.
bool WriteBytes(const QString& path, const QByteArray& bytes, QString* error);

}  // namespace gen
