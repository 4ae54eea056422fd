#pragma once
// Button glyphs from the image folder.
#include <QImage>
#include <QString>

// The picture name as a button shows it: the pixels of its bottom-left colour see-through,
// as in every keyed picture. A null image when the picture cannot be read.
QImage KeyedPicture(const QString& name);
