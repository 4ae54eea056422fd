#include "tools/gen/Catalog.h"

#include <QDir>

#include "tools/gen/Bmp.h"
#include "tools/gen/Midi.h"
#include "tools/gen/Paint.h"

namespace gen {

const std::vector<MusicFile>& AllMusic() {
  static const std::vector<MusicFile> music = {
      {QStringLiteral("midi0.mid"),
       QStringLiteral("background music, played in a loop: an original gentle tune for piano, "
                      "flute and strings"),
       &ComposeTune},
  };
  return music;
}

QString CheckPicture(const Picture& picture, const QImage& image) {
  if (image.size() != picture.size)
    return QStringLiteral("%1: drawn %2 x %3, expected %4 x %5")
        .arg(picture.name)
        .arg(image.width())
        .arg(image.height())
        .arg(picture.size.width())
        .arg(picture.size.height());
  const QRgb corner = image.pixel(0, image.height() - 1) | 0xff000000u;
  if (picture.transparency == Transparency::BottomLeftKey && corner != kKeyColour)
    return QStringLiteral("%1: bottom-left pixel is not the transparent colour").arg(picture.name);
  if (picture.transparency == Transparency::BlackKey && corner != kBlackKey)
    return QStringLiteral("%1: bottom-left pixel is not black").arg(picture.name);
  return {};
}

bool GenerateAll(const QString& outDir, QString* error) {
  const QDir out(outDir);
  if (!out.mkpath(QStringLiteral("image")) || !out.mkpath(QStringLiteral("music"))) {
    if (error) *error = QStringLiteral("cannot create the folders in %1").arg(outDir);
    return false;
  }
  for (const Picture& picture : AllPictures()) {
    const QImage image = picture.draw();
    if (const QString wrong = CheckPicture(picture, image); !wrong.isEmpty()) {
      if (error) *error = wrong;
      return false;
    }
    if (!WriteBytes(out.filePath(QStringLiteral("image/") + picture.name + QStringLiteral(".bmp")),
                    picture.drawnInPlace ? EncodeBmp32TopDown(image) : EncodeBmp24(image),
                    error))
      return false;
  }
  for (const MusicFile& music : AllMusic()) {
    if (!WriteBytes(out.filePath(QStringLiteral("music/") + music.name), music.make(), error))
      return false;
  }
  return true;
}

}  // namespace gen
