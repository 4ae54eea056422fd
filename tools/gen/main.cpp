// velkora-gen OUTDIR: draws the program's pictures into OUTDIR/image/*.bmp and writes its
// music to OUTDIR/music/midi0.mid.
// velkora-gen --preview DIR: writes contact sheets of every picture (see-through pixels
// shown over the backdrop) and the backdrops stretched to common screens, for looking at.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "tools/gen/Catalog.h"
#include "tools/gen/Preview.h"

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() == 3 && args.at(1) == QLatin1String("--preview")) {
    QString error;
    if (!gen::WritePreview(args.at(2), &error)) {
      std::fprintf(stderr, "velkora-gen: %s\n", qPrintable(error));
      return 1;
    }
    return 0;
  }
  if (args.size() != 2) {
    std::fprintf(stderr, "usage: velkora-gen OUTDIR | velkora-gen --preview DIR\n");
    return 2;
  }
  QString error;
  if (!gen::GenerateAll(args.at(1), &error)) {
    std::fprintf(stderr, "velkora-gen: %s\n", qPrintable(error));
    return 1;
  }
  return 0;
}
