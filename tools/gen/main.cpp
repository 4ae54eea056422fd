#include <QDir>
#include <QGuiApplication>
#include <cstdio>

// velkora-gen OUTDIR: writes OUTDIR/image/*.bmp and OUTDIR/music/*.mid.
int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: velkora-gen OUTDIR\n");
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  out.mkpath(QStringLiteral("image"));
  out.mkpath(QStringLiteral("music"));
  return 0;
}
