#pragma once
// The scrolling log of the shortest-path demonstrations. A line too long for the log's width
// goes on under itself, indented, broken only after a blank or before an arrow, so a path
// "A-->B-->D" wraps as "A-->B" / "-->D" and never inside an arrow, a letter's name or a number
// (a plain text editor breaks after any hyphen: "A-->B--" / ">D").
#include <QStringList>
#include <QTextEdit>
#include <functional>

class TPathLog : public QTextEdit {
 public:
  explicit TPathLog(QWidget* parent = nullptr);

  // Writes one more line at the end and shows it.
  void AppendLine(const QString& line);
  // The lines written, as they were given.
  const QStringList& Lines() const { return lines_; }
  // The height of one shown line, Chinese and Latin letters mixed.
  int LineHeight() const;

  // The pieces a line may break between: each ends after its blanks or before an arrow
  // ("-->", "--->", "==>"); joined they give the line back.
  static QStringList Pieces(const QString& line);
  // The line broken into rows: the first as wide as first allows, the others as wide as
  // further allows, each holding as many pieces as fit (at least one); width measures a text.
  static QStringList Wrap(const QString& line, int first, int further, const std::function<int(const QString&)>& width);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // Lays every line out again when the room or the font changed since the last time.
  void Rewrap(bool always = false);
  void Write(const QString& line);
  int Indent() const;

  QStringList lines_;
  int wrappedAt_ = -1;
};
