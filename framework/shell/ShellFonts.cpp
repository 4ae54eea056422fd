#include "framework/shell/ShellFonts.h"

#include <QStringList>

QFont ShellFont(const QString& name, int pixelHeight, bool bold) {
  QStringList families;
  if (name == QStringLiteral("宋体"))
    families = {QStringLiteral("AR PL UMing CN"), QStringLiteral("WenQuanYi Zen Hei")};
  else if (name == QStringLiteral("楷体_GB2312"))
    families = {QStringLiteral("AR PL UKai CN"), QStringLiteral("AR PL UMing CN")};
  else if (name == QStringLiteral("Fixedsys"))
    families = {QStringLiteral("WenQuanYi Zen Hei Mono"), QStringLiteral("DejaVu Sans Mono")};
  else if (name == QStringLiteral("Times New Roman"))
    families = {QStringLiteral("Liberation Serif"), QStringLiteral("AR PL UMing CN")};
  else if (name == QStringLiteral("Arial"))
    families = {QStringLiteral("Liberation Sans"), QStringLiteral("WenQuanYi Zen Hei")};
  else
    families = {name, QStringLiteral("WenQuanYi Zen Hei")};
  QFont f;
  f.setFamilies(families);
  f.setPixelSize(std::max(1, pixelHeight));
  f.setBold(bold);
  return f;
}
