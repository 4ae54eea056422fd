#pragma once
// The table of every file the generator makes: pictures for the image folder (name, size,
// how it is drawn transparent, role, draw function) and the music for the music folder.
// Each area of the program adds its pictures in its own Pictures*.cpp (see README.md).
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <functional>
#include <vector>

namespace gen {

// How the program draws the picture.
enum class Transparency {
  Opaque,         // drawn as it is
  BottomLeftKey,  // see-through where it has the colour of its bottom-left pixel (kKeyColour)
  BlackKey,       // see-through where it is black (the queens)
};

struct Picture {
  QString name;  // file name without ".bmp", spelt as the program looks it up
  QSize size;
  Transparency transparency;
  QString role;
  std::function<QImage()> draw;  // answers an image of exactly `size`
  bool drawnInPlace = false;     // written top-down in 32 bits (EncodeBmp32TopDown)
};

using PictureTable = std::vector<Picture>;

inline void Add(PictureTable& table, QString name, QSize size, Transparency transparency,
                QString role, std::function<QImage()> draw) {
  table.push_back({std::move(name), size, transparency, std::move(role), std::move(draw)});
}

// Each area's pictures come from its own file tools/gen/Pictures<Area>.cpp, which defines
// void Add<Area>Pictures(PictureTable&); the build finds those files and calls each function
// (tools/CMakeLists.txt), in file-name order.
// Every picture, area by area.
const PictureTable& AllPictures();

struct MusicFile {
  QString name;  // file name with extension
  QString role;
  std::function<QByteArray()> make;
};

const std::vector<MusicFile>& AllMusic();

// Writes OUTDIR/image/<name>.bmp for every picture and OUTDIR/music/<name> for the music.
// False with a reason on the first failure.
bool GenerateAll(const QString& outDir, QString* error);

// Checks a drawn picture against its table entry (size; the transparent colour at the
// bottom-left pixel for keyed pictures); empty when it is right.
QString CheckPicture(const Picture& picture, const QImage& image);

}  // namespace gen
