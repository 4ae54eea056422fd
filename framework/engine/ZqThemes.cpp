#include "framework/engine/ZqThemes.h"

#include <QStringList>

#include "framework/engine/Errors.h"

namespace {

struct NamedColor {
  const char* name;
  TColor value;
};

constexpr NamedColor kNamedColors[] = {
    {"clBlack", clBlack},   {"clMaroon", clMaroon},   {"clGreen", clGreen}, {"clOlive", clOlive},
    {"clNavy", clNavy},     {"clPurple", clPurple},   {"clTeal", clTeal},   {"clGray", clGray},
    {"clSilver", clSilver}, {"clRed", clRed},         {"clLime", clLime},   {"clYellow", clYellow},
    {"clBlue", clBlue},     {"clFuchsia", clFuchsia}, {"clAqua", clAqua},   {"clWhite", clWhite},
};

constexpr const char* kPropertyNames[] = {
    "Title1BackColor",    "Title1ButtonColor", "Title1TextColor", "Title2BackColor",
    "Title2ButtonColor",  "Title2TextColor",   "Title3BackColor", "Title3ButtonColor",
    "Title3TextColor",    "AlgoSrcColor",      "VarNameColor",    "VarValueColor",
    "ModifiedValueColor", "VarTitleColor",
};

}  // namespace

TZqThemes::TZqThemes(const QString& name)
    : name_(name),
      titleBack_{clTeal, clAqua, clYellow},
      titleButton_{clRed, clRed, clRed},
      titleText_{clWhite, clBlue, clGreen},
      textColors_{clBlack, clBlue, clGreen, clRed, clBlack} {}

int TZqThemes::LevelSlot(int level, const char* what) {
  if (level < 1 || level > 3) {
    throw ERangeError(QStringLiteral("%1: title level %2 is outside 1 .. 3")
                          .arg(QString::fromLatin1(what))
                          .arg(level));
  }
  return level - 1;
}

const TColor& TZqThemes::Slot(int index) const {
  if (index >= 1 && index <= 9) {
    const int slot = (index - 1) / 3;
    switch (index % 3) {
      case 1:
        return titleBack_[slot];
      case 2:
        return titleButton_[slot];
      default:
        return titleText_[slot];
    }
  }
  if (index >= 10 && index <= 14) return textColors_[index - 10];
  throw ERangeError(QStringLiteral("Theme colour index %1 is outside 1 .. 14").arg(index));
}

TColor TZqThemes::GetColor(int index) const { return Slot(index); }

void TZqThemes::SetColor(int index, TColor color) { Slot(index) = color; }

TColor TZqThemes::TitleBackColor(int level) const {
  return titleBack_[LevelSlot(level, "TitleBackColor")];
}
TColor TZqThemes::TitleButtonColor(int level) const {
  return titleButton_[LevelSlot(level, "TitleButtonColor")];
}
TColor TZqThemes::TitleTextColor(int level) const {
  return titleText_[LevelSlot(level, "TitleTextColor")];
}

QString TZqThemes::PropertyName(int index) {
  if (index < 1 || index > 14) return {};
  return QString::fromLatin1(kPropertyNames[index - 1]);
}

bool TZqThemes::ParseColor(const QString& text, TColor& color) {
  const QString t = text.trimmed();
  for (const NamedColor& c : kNamedColors) {
    if (t.compare(QLatin1String(c.name), Qt::CaseInsensitive) == 0) {
      color = c.value;
      return true;
    }
  }
  if (t.startsWith('$')) {
    bool ok = false;
    const uint v = t.mid(1).toUInt(&ok, 16);
    if (ok) color = v;
    return ok;
  }
  return false;
}

void TZqThemes::ReadSettings(const QString& content) {
  const QStringList lines = content.split('\n');
  for (int n = 0; n < lines.size(); ++n) {
    const QString line = lines[n].trimmed();
    if (line.isEmpty() || line.startsWith(';')) continue;
    const qsizetype eq = line.indexOf('=');
    const QString key = line.left(eq).trimmed();
    const QString value = eq < 0 ? QString() : line.mid(eq + 1).trimmed();
    const auto fail = [&](const QString& why) {
      throw Exception(QStringLiteral("Theme %1, line %2: %3").arg(name_).arg(n + 1).arg(why));
    };
    if (eq < 0) fail(QStringLiteral("\"Key=Value\" expected"));
    if (key.compare(QLatin1String("BackBitmapName"), Qt::CaseInsensitive) == 0) {
      BackBitmapName = value;
      continue;
    }
    int index = 1;
    while (index <= 14 && key.compare(PropertyName(index), Qt::CaseInsensitive) != 0) ++index;
    if (index > 14) fail(QStringLiteral("unknown property \"%1\"").arg(key));
    TColor color = 0;
    if (!ParseColor(value, color)) fail(QStringLiteral("unknown colour \"%1\"").arg(value));
    SetColor(index, color);
  }
}
