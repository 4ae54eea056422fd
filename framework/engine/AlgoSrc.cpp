#include "framework/engine/AlgoSrc.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "framework/engine/Errors.h"

namespace {

// The component name of a file: its name up to the first dot.
QString ComponentName(const QString& fileName) { return fileName.section('.', 0, 0); }

bool ReadUtf8(const QString& path, QString& content) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return false;
  content = QString::fromUtf8(f.readAll());
  return true;
}

}  // namespace

AlgoTextFile ParseAlgoTextFile(const QString& content) {
  AlgoTextFile file;
  QStringList lines = content.split('\n');
  for (QString& l : lines) {
    if (l.endsWith('\r')) l.chop(1);
  }
  // A final newline ends the last line; it does not add an empty one.
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();

  enum class Section { None, Theme, Source, Description } section = Section::None;
  bool themeSeen = false;
  for (int n = 0; n < lines.size(); ++n) {
    const QString& line = lines[n];
    if (line == QLatin1String("[Theme]")) {
      section = Section::Theme;
      continue;
    }
    if (line == QLatin1String("[Source]")) {
      section = Section::Source;
      continue;
    }
    if (line == QLatin1String("[Description]")) {
      section = Section::Description;
      continue;
    }
    switch (section) {
      case Section::None:
        if (!line.trimmed().isEmpty()) {
          throw Exception(QStringLiteral("line %1: a section ([Theme], [Source] or [Description]) "
                                         "must come first")
                              .arg(n + 1));
        }
        break;
      case Section::Theme:
        if (line.trimmed().isEmpty()) break;
        if (themeSeen) throw Exception(QStringLiteral("line %1: one theme name only").arg(n + 1));
        file.themeName = line.trimmed();
        themeSeen = true;
        break;
      case Section::Source:
        file.source << line;
        break;
      case Section::Description:
        file.descript << line;
        break;
    }
  }
  return file;
}

TProcSrcContainer::TProcSrcContainer(const QString& root)
    : fallback_(std::make_unique<TZqThemes>(QStringLiteral("DefaultThemes"))) {
  fallback_->BackBitmapName = QStringLiteral("Clouds");
  const QDir themesDir(root + QStringLiteral("themes"));
  for (const QFileInfo& fi : themesDir.entryInfoList(QDir::Files, QDir::Name)) {
    const QString name = ComponentName(fi.fileName());
    QString content;
    if (!ReadUtf8(fi.filePath(), content)) {
      problems_ << QStringLiteral("%1: cannot be read").arg(fi.fileName());
      continue;
    }
    if (FindThemes(name) != nullptr) {
      problems_ << QStringLiteral("%1: a second theme named %2").arg(fi.fileName(), name);
      continue;
    }
    auto theme = std::make_unique<TZqThemes>(name);
    try {
      theme->ReadSettings(content);
    } catch (const Exception& e) {
      problems_ << QStringLiteral("%1: %2").arg(fi.fileName(), e.Message());
      continue;
    }
    themes_.push_back(std::move(theme));
  }

  const QDir textsDir(root + QStringLiteral("texts"));
  for (const QFileInfo& fi : textsDir.entryInfoList(QDir::Files, QDir::Name)) {
    const QString name = ComponentName(fi.fileName());
    QString content;
    if (!ReadUtf8(fi.filePath(), content)) {
      problems_ << QStringLiteral("%1: cannot be read").arg(fi.fileName());
      continue;
    }
    if (FindText(name) != nullptr) {
      problems_ << QStringLiteral("%1: a second text named %2").arg(fi.fileName(), name);
      continue;
    }
    AlgoTextFile file;
    try {
      file = ParseAlgoTextFile(content);
    } catch (const Exception& e) {
      problems_ << QStringLiteral("%1: %2").arg(fi.fileName(), e.Message());
      continue;
    }
    auto text = std::make_unique<TAlgoSrc>();
    text->Name = name;
    text->Source = file.source;
    text->Descript = file.descript;
    text->ThemeName = file.themeName;
    if (!file.themeName.isEmpty()) {
      text->Themes = FindThemes(file.themeName);
      if (text->Themes == nullptr) {
        problems_ << QStringLiteral("%1: unknown theme %2").arg(fi.fileName(), file.themeName);
      }
    }
    texts_.push_back(std::move(text));
  }
}

TAlgoSrc* TProcSrcContainer::FindText(const QString& name) const {
  for (const auto& t : texts_) {
    if (t->Name.compare(name, Qt::CaseInsensitive) == 0) return t.get();
  }
  return nullptr;
}

TZqThemes* TProcSrcContainer::FindThemes(const QString& name) const {
  for (const auto& t : themes_) {
    if (t->Name().compare(name, Qt::CaseInsensitive) == 0) return t.get();
  }
  return nullptr;
}

TZqThemes* TProcSrcContainer::DefaultThemes() const {
  if (TZqThemes* t = FindThemes(QStringLiteral("DefaultThemes"))) return t;
  return fallback_.get();
}

TProcSrcContainer& ProcSrcContainer() {
  static TProcSrcContainer holder;
  return holder;
}
