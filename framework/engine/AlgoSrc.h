#pragma once
// The algorithm texts, their descriptions and the colour themes, held for the whole run
// of the program. Each text component is one file under resources/texts (named as the
// component: "P_Ackman.txt" is the Pascal text of "Ackman", "C_Ackman.txt" its C text),
// each theme one file under resources/themes ("LinkThemes.theme"). The file formats are
// described in docs/architecture.md ("Algorithm texts").
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

#include "framework/engine/ZqThemes.h"

class TAlgoSrc {
 public:
  QString Name;                 // the component name, "P_Ackman"
  QStringList Source;           // the annotated text
  QStringList Descript;         // the description (Pascal components only)
  QString ThemeName;            // as the file names it; empty for none
  TZqThemes* Themes = nullptr;  // not owned (the holder owns its themes); none for the default
};

// The parts of one text file.
struct AlgoTextFile {
  QString themeName;
  QStringList source;
  QStringList descript;
};
// Reads a text file's content; throws Exception naming the line of a malformed file.
AlgoTextFile ParseAlgoTextFile(const QString& content);

class TProcSrcContainer {
 public:
  // Loads root + "texts/*" and root + "themes/*" (":/" is the program's compiled-in
  // resources). Files that cannot be read are skipped and listed in Problems().
  explicit TProcSrcContainer(const QString& root = QStringLiteral(":/"));

  // A text component by name, letter case ignored ("p_ackman"); nullptr when none.
  TAlgoSrc* FindText(const QString& name) const;
  // A theme by name, letter case ignored; nullptr when none.
  TZqThemes* FindThemes(const QString& name) const;
  // The theme of texts that name none; never null (a fresh theme when none is stored).
  TZqThemes* DefaultThemes() const;

  const std::vector<std::unique_ptr<TAlgoSrc>>& Texts() const { return texts_; }
  const std::vector<std::unique_ptr<TZqThemes>>& Themes() const { return themes_; }
  // What went wrong while loading (unreadable or malformed files, unknown theme names,
  // names that differ only in letter case); empty when all is well.
  const QStringList& Problems() const { return problems_; }

 private:
  // Reads every file of folder; a file that cannot be read, repeats a name (exists) or
  // fails to load (load throws) is listed in Problems.
  void LoadFolder(const QString& folder, const char* kind,
                  const std::function<bool(const QString&)>& exists,
                  const std::function<void(const QString&, const QString&)>& load);

  std::vector<std::unique_ptr<TAlgoSrc>> texts_;
  std::vector<std::unique_ptr<TZqThemes>> themes_;
  std::unique_ptr<TZqThemes> fallback_;
  QStringList problems_;
};

// The program's holder, loaded from the compiled-in resources on first use.
TProcSrcContainer& ProcSrcContainer();
