#include "tests/scriptdriver/Script.h"

#include <map>
#include <optional>

namespace script {
namespace {

// Everything after the first `skip` words, trimmed; a single quoted word loses its quotes.
QString RestAfterWords(const QString& line, int skip, bool unquote = true) {
  qsizetype i = 0;
  for (int w = 0; w < skip; ++w) {
    while (i < line.size() && line[i].isSpace()) ++i;
    while (i < line.size() && !line[i].isSpace()) ++i;
  }
  const QString rest = line.mid(i).trimmed();
  QStringList words;
  if (unquote && rest.startsWith('"') && SplitWords(rest, words) && words.size() == 1) return words[0];
  return rest;
}

std::optional<int> ParseCount(const QString& s) {
  bool ok = false;
  const int v = s.toInt(&ok);
  if (!ok || v < 0) return std::nullopt;
  return v;
}

const std::map<QString, Verb>& Verbs() {
  static const std::map<QString, Verb> verbs = {
      {"start", Verb::Start},   {"dialog", Verb::Dialog}, {"set", Verb::Set},
      {"click", Verb::Click},   {"answer", Verb::Answer}, {"file", Verb::File},
      {"trace", Verb::Trace},   {"step", Verb::Step},     {"run", Verb::Run},
      {"pause", Verb::Pause},   {"reset", Verb::Reset},   {"data", Verb::Data},
      {"back", Verb::Back},     {"cursor", Verb::Cursor}, {"break", Verb::Break},
      {"clearbreaks", Verb::ClearBreaks}, {"speed", Verb::Speed}, {"key", Verb::Key},
      {"print", Verb::Print},   {"shot", Verb::Shot},     {"expect", Verb::Expect},
      {"check", Verb::Check},   {"resize", Verb::Resize}, {"teacher", Verb::Teacher},
  };
  return verbs;
}

// Checks the words of one command and fills in its arguments; returns an error or nothing.
QString Fill(Command& c, const QString& line, const QStringList& words) {
  const QStringList rest = words.mid(1);
  auto want = [&](qsizetype n, const char* usage) -> QString {
    return rest.size() == n ? QString() : QStringLiteral("usage: %1").arg(QLatin1String(usage));
  };
  switch (c.verb) {
    case Verb::Start: {
      if (QString e = want(2, "start NAME pascal|c"); !e.isEmpty()) return e;
      const QString lang = rest[1].toLower();
      if (lang != "pascal" && lang != "c") return QStringLiteral("the language is pascal or c");
      c.args = {rest[0], lang};
      return {};
    }
    case Verb::Dialog:
      for (const QString& w : rest)
        if (w.startsWith(QLatin1String("shot:")) && !w.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
          return QStringLiteral("shots are saved as .png");
      c.args = {RestAfterWords(line, 1, false)};
      return {};
    case Verb::Set:
      if (rest.size() < 2) return QStringLiteral("usage: set NAME VALUE");
      c.args = {rest[0], RestAfterWords(line, 2)};
      return {};
    case Verb::Click:
      if (QString e = want(1, "click NAME"); !e.isEmpty()) return e;
      c.args = rest;
      return {};
    case Verb::Answer:
    case Verb::File:
    case Verb::Expect:
      if (rest.isEmpty()) {
        return c.verb == Verb::Answer ? QStringLiteral("usage: answer BUTTON")
               : c.verb == Verb::File ? QStringLiteral("usage: file PATH")
                                      : QStringLiteral("usage: expect TEXT");
      }
      c.args = {c.verb == Verb::Expect ? line.trimmed().mid(words[0].size()).trimmed()
                                       : RestAfterWords(line, 1)};
      return {};
    case Verb::Trace: case Verb::Step: case Verb::Run: case Verb::Pause: case Verb::Reset:
    case Verb::Data: case Verb::Back: case Verb::ClearBreaks:
      return rest.isEmpty() ? QString() : QStringLiteral("%1 takes no arguments").arg(words[0]);
    case Verb::Cursor:
    case Verb::Break:
      if (rest.size() != 2) return QStringLiteral("usage: %1 PROC ROW").arg(words[0]);
      if (!ParseCount(rest[1])) return QStringLiteral("the row is a number from 0");
      c.args = rest;
      return {};
    case Verb::Speed: {
      if (QString e = want(1, "speed N"); !e.isEmpty()) return e;
      const auto n = ParseCount(rest[0]);
      if (!n || *n > 99) return QStringLiteral("the speed is a number from 0 to 99");
      c.args = rest;
      return {};
    }
    case Verb::Key: {
      if (QString e = want(1, "key F4|F5|F7|F8|F9|Esc"); !e.isEmpty()) return e;
      static const QStringList keys = {"F4", "F5", "F7", "F8", "F9", "Esc"};
      for (const QString& k : keys) {
        if (k.compare(rest[0], Qt::CaseInsensitive) == 0) {
          c.args = {k};
          return {};
        }
      }
      return QStringLiteral("keys are F4, F5, F7, F8, F9 and Esc");
    }
    case Verb::Print: {
      static const QStringList plain = {"line", "vars", "stack", "calls", "buttons", "texts", "shapes"};
      if (rest.size() == 1 && plain.contains(rest[0])) {
        c.args = rest;
        return {};
      }
      if (rest.size() == 2 && rest[0] == "text") {
        c.args = rest;
        return {};
      }
      if ((rest.size() == 1 || rest.size() == 2) && rest[0] == "drawing") {
        c.args = rest;
        return {};
      }
      return QStringLiteral("usage: print line|vars|stack|calls|buttons|texts|shapes|drawing [NAME]|text NAME");
    }
    case Verb::Check: {
      const QString usage = QStringLiteral("usage: check texts|drawing|every [N|off]");
      if (rest.size() == 1 && (rest[0] == QLatin1String("texts") || rest[0] == QLatin1String("drawing") ||
                               rest[0] == QLatin1String("every"))) {
        c.args = rest;
        return {};
      }
      if (rest.size() != 2 || rest[0] != QLatin1String("every")) return usage;
      bool ok = false;
      if (rest[1] != QLatin1String("off") && (rest[1].toInt(&ok) < 1 || !ok)) return usage;
      c.args = rest;
      return {};
    }
    case Verb::Resize: {
      if (QString e = want(1, "resize WxH"); !e.isEmpty()) return e;
      const QStringList wh = rest[0].split('x');
      const auto w = wh.size() == 2 ? ParseCount(wh[0]) : std::nullopt;
      const auto h = wh.size() == 2 ? ParseCount(wh[1]) : std::nullopt;
      if (!w || !h || *w < 320 || *h < 240) return QStringLiteral("resize takes WxH, at least 320x240");
      c.args = {QString::number(*w), QString::number(*h)};
      return {};
    }
    case Verb::Teacher:
      if (rest.size() != 1 || (rest[0] != QLatin1String("off") && rest[0] != QLatin1String("on")))
        return QStringLiteral("usage: teacher off|on");
      c.args = rest;
      return {};
    case Verb::Shot:
      if (QString e = want(1, "shot FILE.png"); !e.isEmpty()) return e;
      if (!rest[0].endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
        return QStringLiteral("shots are saved as .png");
      c.args = rest;
      return {};
  }
  return QStringLiteral("unknown command");
}

}  // namespace

QString StripComment(const QString& line) {
  bool quoted = false;
  for (qsizetype i = 0; i < line.size(); ++i) {
    const QChar c = line[i];
    if (c == '\\' && quoted) {
      ++i;
    } else if (c == '"') {
      quoted = !quoted;
    } else if (c == '#' && !quoted && (i == 0 || line[i - 1].isSpace())) {
      return line.left(i);
    }
  }
  return line;
}

bool SplitWords(const QString& line, QStringList& words) {
  words.clear();
  QString word;
  bool inWord = false;
  bool quoted = false;
  for (qsizetype i = 0; i < line.size(); ++i) {
    const QChar c = line[i];
    if (quoted) {
      if (c == '\\' && i + 1 < line.size()) {
        word += line[++i];
      } else if (c == '"') {
        quoted = false;
      } else {
        word += c;
      }
    } else if (c == '"') {
      quoted = true;
      inWord = true;
    } else if (c.isSpace()) {
      if (inWord) words << word;
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (quoted) return false;
  if (inWord) words << word;
  return true;
}

Parsed Parse(const QString& source) {
  Parsed out;
  const QStringList lines = source.split('\n');
  for (qsizetype n = 0; n < lines.size(); ++n) {
    QString line = StripComment(lines[n]);
    if (line.endsWith('\r')) line.chop(1);
    line = line.trimmed();
    if (line.isEmpty()) continue;
    auto fail = [&](const QString& why) {
      out.errors << QStringLiteral("line %1: %2: %3").arg(n + 1).arg(why, line);
    };
    QStringList words;
    if (!SplitWords(line, words)) {
      fail(QStringLiteral("unterminated quote"));
      continue;
    }
    const auto verb = Verbs().find(words[0].toLower());
    if (verb == Verbs().end()) {
      fail(QStringLiteral("unknown command"));
      continue;
    }
    Command c;
    c.line = static_cast<int>(n + 1);
    c.text = line;
    c.verb = verb->second;
    if (const QString error = Fill(c, line, words); !error.isEmpty()) {
      fail(error);
      continue;
    }
    out.commands.push_back(std::move(c));
  }
  return out;
}

}  // namespace script
