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

void TProcSrcContainer::LoadFolder(
    const QString& folder, const char* kind, const std::function<bool(const QString&)>& exists,
    const std::function<void(const QString&, const QString&)>& load) {
  for (const QFileInfo& fi : QDir(folder).entryInfoList(QDir::Files, QDir::Name)) {
    const QString name = ComponentName(fi.fileName());
    QString content;
    if (!ReadUtf8(fi.filePath(), content)) {
      problems_ << QStringLiteral("%1: cannot be read").arg(fi.fileName());
    } else if (exists(name)) {
      problems_ << QStringLiteral("%1: a second %2 named %3")
                       .arg(fi.fileName(), QString::fromLatin1(kind), name);
    } else {
      try {
        load(name, content);
      } catch (const Exception& e) {
        problems_ << QStringLiteral("%1: %2").arg(fi.fileName(), e.Message());
      }
    }
  }
}

TProcSrcContainer::TProcSrcContainer(const QString& root)
    : fallback_(std::make_unique<TZqThemes>(QStringLiteral("DefaultThemes"))) {
  fallback_->BackBitmapName = QStringLiteral("Clouds");
  LoadFolder(
      root + QStringLiteral("themes"), "theme",
      [this](const QString& n) { return FindThemes(n) != nullptr; },
      [this](const QString& name, const QString& content) {
        auto theme = std::make_unique<TZqThemes>(name);
        theme->ReadSettings(content);
        themes_.push_back(std::move(theme));
      });
  LoadFolder(
      root + QStringLiteral("texts"), "text",
      [this](const QString& n) { return FindText(n) != nullptr; },
      [this](const QString& name, const QString& content) {
        const AlgoTextFile file = ParseAlgoTextFile(content);
        auto text = std::make_unique<TAlgoSrc>();
        text->Name = name;
        text->Source = file.source;
        text->Descript = file.descript;
        text->ThemeName = file.themeName;
        if (!file.themeName.isEmpty()) {
          text->Themes = FindThemes(file.themeName);
          if (text->Themes == nullptr)
            problems_ << QStringLiteral("%1: unknown theme %2").arg(name, file.themeName);
        }
        texts_.push_back(std::move(text));
      });
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
