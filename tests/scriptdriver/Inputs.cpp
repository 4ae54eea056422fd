#include "tests/scriptdriver/Inputs.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <algorithm>
#include <map>
#include <numeric>
#include <optional>

#include "tests/scriptdriver/Script.h"

namespace script {

int InputRandom::Between(int lo, int hi) {
  if (hi <= lo) return lo;
  const auto span = static_cast<std::uint64_t>(static_cast<std::int64_t>(hi) - lo + 1);
  return static_cast<int>(lo + static_cast<std::int64_t>(engine_() % span));
}

namespace {

std::optional<int> Whole(const QString& s) {
  bool ok = false;
  const int v = s.toInt(&ok);
  return ok ? std::optional<int>(v) : std::nullopt;
}

// "N" or "MIN..MAX", drawn.
std::optional<int> Count(const QString& s, InputRandom& random) {
  const qsizetype dots = s.indexOf(QLatin1String(".."));
  if (dots < 0) return Whole(s);
  const auto lo = Whole(s.left(dots));
  const auto hi = Whole(s.mid(dots + 2));
  if (!lo || !hi || *hi < *lo) return std::nullopt;
  return random.Between(*lo, *hi);
}

QString DrawInt(const QStringList& args, DrawContext& c, QString& error) {
  const auto lo = args.size() == 2 ? Whole(args[0]) : std::nullopt;
  const auto hi = args.size() == 2 ? Whole(args[1]) : std::nullopt;
  if (!lo || !hi || *hi < *lo) {
    error = QStringLiteral("usage: int LO HI (LO <= HI)");
    return {};
  }
  return QString::number(c.random.Between(*lo, *hi));
}

QString DrawPick(const QStringList& args, DrawContext& c, QString& error) {
  if (args.isEmpty()) {
    error = QStringLiteral("usage: pick A B C...");
    return {};
  }
  return args[c.random.Between(0, static_cast<int>(args.size()) - 1)];
}

QString DrawLetters(const QStringList& args, DrawContext& c, QString& error) {
  static const QString usage = QStringLiteral("usage: letters MIN MAX upper|lower|mixed|digits [distinct] [sorted]");
  const auto lo = args.size() >= 3 ? Whole(args[0]) : std::nullopt;
  const auto hi = args.size() >= 3 ? Whole(args[1]) : std::nullopt;
  if (!lo || !hi || *lo < 0 || *hi < *lo) {
    error = usage;
    return {};
  }
  static const std::map<QString, QString> alphabets = {
      {"upper", "ABCDEFGHIJKLMNOPQRSTUVWXYZ"},
      {"lower", "abcdefghijklmnopqrstuvwxyz"},
      {"mixed", "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"},
      {"digits", "0123456789"},
  };
  const auto alphabet = alphabets.find(args[2]);
  const QStringList options = args.mid(3);
  const bool distinct = options.contains(QLatin1String("distinct"));
  const bool sorted = options.contains(QLatin1String("sorted"));
  if (alphabet == alphabets.end() || options.size() != int{distinct} + int{sorted}) {
    error = usage;
    return {};
  }
  QString pool = alphabet->second;
  if (distinct && *hi > pool.size()) {
    error = QStringLiteral("there are only %1 distinct %2 characters").arg(pool.size()).arg(args[2]);
    return {};
  }
  const int n = c.random.Between(*lo, *hi);
  QString out;
  for (int i = 0; i < n; ++i) {
    const int k = c.random.Between(0, static_cast<int>(pool.size()) - 1);
    out += pool[k];
    if (distinct) pool.remove(k, 1);
  }
  if (sorted) std::sort(out.begin(), out.end());
  return out;
}

QString DrawInts(const QStringList& args, DrawContext& c, QString& error) {
  static const QStringList orders = {"random", "sorted", "reversed", "equal"};
  const auto n = args.size() == 4 ? Count(args[0], c.random) : std::nullopt;
  const auto lo = args.size() == 4 ? Whole(args[1]) : std::nullopt;
  const auto hi = args.size() == 4 ? Whole(args[2]) : std::nullopt;
  if (!n || *n < 0 || !lo || !hi || *hi < *lo || !orders.contains(args[3])) {
    error = QStringLiteral("usage: ints N|MIN..MAX LO HI random|sorted|reversed|equal");
    return {};
  }
  std::vector<int> values;
  const int same = c.random.Between(*lo, *hi);
  for (int i = 0; i < *n; ++i) values.push_back(args[3] == QLatin1String("equal") ? same : c.random.Between(*lo, *hi));
  if (args[3] == QLatin1String("sorted")) std::sort(values.begin(), values.end());
  if (args[3] == QLatin1String("reversed")) std::sort(values.begin(), values.end(), std::greater<>());
  QStringList words;
  for (int v : values) words << QString::number(v);
  return words.join(',');
}

// A graph as its file holds it: adj[v][w] is the weight of v->w, 0 for no arc.
using Matrix = std::vector<std::vector<int>>;

void AddArc(Matrix& adj, int v, int w, int weight, bool directed) {
  adj[v][w] = weight;
  if (!directed) adj[w][v] = weight;
}

// Connects the vertices of one part (in the order given): each after the first is joined to
// one before it, directed away from the first, so that every vertex is reached from it.
void SpanningTree(Matrix& adj, const std::vector<int>& part, InputRandom& r, bool directed,
                  const std::function<int()>& weight) {
  for (std::size_t i = 1; i < part.size(); ++i)
    AddArc(adj, part[static_cast<std::size_t>(r.Between(0, static_cast<int>(i) - 1))], part[i], weight(), directed);
}

bool WriteGraph(const QString& path, const Matrix& adj) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  QDataStream out(&file);
  out.setByteOrder(QDataStream::LittleEndian);
  const auto n = static_cast<qint32>(adj.size());
  qint32 arcs = 0;
  for (const auto& row : adj) arcs += static_cast<qint32>(std::count_if(row.begin(), row.end(), [](int w) { return w != 0; }));
  out << n << arcs;
  for (const auto& row : adj)
    for (int w : row) out << static_cast<qint32>(w);
  for (qint32 i = 0; i < n; ++i) out << qint32{0};
  return out.status() == QDataStream::Ok;
}

QString DrawGraph(const QStringList& args, DrawContext& c, QString& error) {
  static const QString usage = QStringLiteral(
      "usage: graph N|MIN..MAX directed|undirected connected|disconnected|cyclic|acyclic [weights LO HI] [loops] "
      "[bothways]");
  static const QStringList kinds = {"connected", "disconnected", "cyclic", "acyclic"};
  // The words after the kind: a weight range, then loops (a vertex joined to itself) and
  // arcs both ways (directed).
  QStringList extra = args.mid(3);
  const bool weighted = extra.size() >= 3 && extra[0] == QLatin1String("weights");
  const auto lo = weighted ? Whole(extra[1]) : std::optional<int>(1);
  const auto hi = weighted ? Whole(extra[2]) : std::optional<int>(1);
  if (weighted) extra = extra.mid(3);
  const qsizetype loopWords = extra.removeAll(QStringLiteral("loops"));
  const qsizetype bothWords = extra.removeAll(QStringLiteral("bothways"));
  const bool loops = loopWords == 1;
  const bool bothWays = bothWords == 1;
  const auto n = args.size() >= 3 ? Count(args[0], c.random) : std::nullopt;
  if (args.size() < 3 || !extra.isEmpty() || loopWords > 1 || bothWords > 1 || !n || !lo || !hi || *lo < 1 || *hi < *lo ||
      (args[1] != QLatin1String("directed") && args[1] != QLatin1String("undirected")) || !kinds.contains(args[2])) {
    error = usage;
    return {};
  }
  const bool directed = args[1] == QLatin1String("directed");
  const QString& kind = args[2];
  if ((loops || bothWays) && kind == QLatin1String("acyclic")) {
    error = QStringLiteral("an acyclic graph has no loops and no arcs both ways");
    return {};
  }
  if (bothWays && !directed) {
    error = QStringLiteral("arcs both ways belong to a directed graph (an undirected edge is one already)");
    return {};
  }
  const int least = std::max(bothWays ? 2 : 1,
                             kind == QLatin1String("disconnected") ? 2 : kind == QLatin1String("cyclic") ? (directed ? 2 : 3) : 1);
  if (*n < least || *n > 20) {
    error = QStringLiteral("a %1 %2 graph has %3 to 20 vertices").arg(args[1], kind).arg(least);
    return {};
  }
  InputRandom& r = c.random;
  auto weight = [&] { return r.Between(*lo, *hi); };
  Matrix adj(static_cast<std::size_t>(*n), std::vector<int>(static_cast<std::size_t>(*n), 0));
  std::vector<int> order(static_cast<std::size_t>(*n));
  std::iota(order.begin(), order.end(), 0);
  if (kind == QLatin1String("disconnected")) {
    // Two or more parts, each connected, a few arcs more inside each.
    const int parts = r.Between(2, std::min(*n, 3));
    std::vector<std::vector<int>> part(static_cast<std::size_t>(parts));
    for (int v = 0; v < *n; ++v) part[static_cast<std::size_t>(v < parts ? v : r.Between(0, parts - 1))].push_back(v);
    for (const auto& p : part) {
      SpanningTree(adj, p, r, directed, weight);
      for (int v : p)
        for (int w : p)
          if (v != w && adj[v][w] == 0 && (directed || v < w) && r.Chance(20)) AddArc(adj, v, w, weight(), directed);
    }
  } else if (kind == QLatin1String("acyclic")) {
    // Directed: arcs only forward in a shuffled order. Undirected: a tree.
    std::shuffle(order.begin() + 1, order.end(), std::mt19937(static_cast<unsigned>(r.Between(0, 1 << 30))));
    SpanningTree(adj, order, r, directed, weight);
    if (directed)
      for (std::size_t i = 0; i < order.size(); ++i)
        for (std::size_t j = i + 1; j < order.size(); ++j)
          if (adj[order[i]][order[j]] == 0 && r.Chance(20)) AddArc(adj, order[i], order[j], weight(), true);
  } else {
    SpanningTree(adj, order, r, directed, weight);
    for (int v = 0; v < *n; ++v)
      for (int w = 0; w < *n; ++w)
        if (v != w && adj[v][w] == 0 && (directed || v < w) && r.Chance(20)) AddArc(adj, v, w, weight(), directed);
    if (kind == QLatin1String("cyclic")) {
      // A cycle through some of the vertices, closed whatever else was drawn.
      std::vector<int> ring = order;
      std::shuffle(ring.begin(), ring.end(), std::mt19937(static_cast<unsigned>(r.Between(0, 1 << 30))));
      ring.resize(static_cast<std::size_t>(r.Between(least, *n)));
      for (std::size_t i = 0; i < ring.size(); ++i) {
        const int v = ring[i], w = ring[(i + 1) % ring.size()];
        if (adj[v][w] == 0) AddArc(adj, v, w, weight(), directed);
      }
    }
  }
  if (loops) {
    // One vertex in three (at least one) joined to itself; an undirected loop is one entry.
    std::vector<int> ring = order;
    std::shuffle(ring.begin(), ring.end(), std::mt19937(static_cast<unsigned>(r.Between(0, 1 << 30))));
    ring.resize(static_cast<std::size_t>(r.Between(1, std::max(1, *n / 3))));
    for (int v : ring) adj[v][v] = weight();
  }
  if (bothWays) {
    // An arc whose way back is missing gets it with a chance of one in three, a weight of its
    // own; at least one pair of vertices has arcs both ways.
    const auto pairs = [&] {
      int both = 0;
      for (int v = 0; v < *n; ++v)
        for (int w = v + 1; w < *n; ++w) both += adj[v][w] != 0 && adj[w][v] != 0 ? 1 : 0;
      return both;
    };
    std::vector<std::pair<int, int>> single;
    for (int v = 0; v < *n; ++v)
      for (int w = 0; w < *n; ++w)
        if (v != w && adj[v][w] != 0 && adj[w][v] == 0) single.emplace_back(v, w);
    for (const auto& [v, w] : single)
      if (adj[w][v] == 0 && r.Chance(33)) adj[w][v] = weight();
    if (pairs() == 0) {
      const auto [v, w] = single.empty() ? std::pair(order[0], order[1])
                                         : single[static_cast<std::size_t>(r.Between(0, static_cast<int>(single.size()) - 1))];
      if (adj[v][w] == 0) adj[v][w] = weight();
      adj[w][v] = weight();
    }
  }
  static int made = 0;
  const QString path = QDir(c.folder).filePath(QStringLiteral("%1-%2.gra").arg(c.label).arg(++made));
  if (!WriteGraph(path, adj)) {
    error = QStringLiteral("cannot write %1").arg(path);
    return {};
  }
  return path;
}

std::map<QString, Generator>& Registry() {
  static std::map<QString, Generator> generators = {
      {"int", DrawInt}, {"pick", DrawPick}, {"letters", DrawLetters}, {"ints", DrawInts}, {"graph", DrawGraph},
  };
  return generators;
}

// "class NAME" (its words), or nothing when the line is no class line.
std::optional<QStringList> ClassLine(const QString& line) {
  QStringList words;
  if (!SplitWords(StripComment(line).trimmed(), words) || words.isEmpty() ||
      words[0].compare(QLatin1String("class"), Qt::CaseInsensitive) != 0)
    return std::nullopt;
  return words;
}

// FNV-1a over the name, mixed with the seed.
std::uint32_t Mix(std::uint32_t seed, const QString& name) {
  std::uint32_t h = 2166136261u ^ seed;
  for (const QChar ch : name) {
    h ^= ch.unicode();
    h *= 16777619u;
  }
  h ^= seed * 2654435761u;
  return h;
}

}  // namespace

void RegisterGenerator(const QString& name, Generator generator) { Registry()[name] = std::move(generator); }

QStringList GeneratorNames() {
  QStringList names;
  for (const auto& [name, g] : Registry()) names << name;
  return names;
}

std::uint32_t ClassSeed(std::uint32_t seed, const QString& className) { return Mix(seed, className); }

QStringList ClassNames(const QString& source, QStringList& errors) {
  QStringList names;
  const QStringList lines = source.split('\n');
  for (qsizetype i = 0; i < lines.size(); ++i) {
    const auto words = ClassLine(lines[i]);
    if (!words) continue;
    if (words->size() != 2) {
      errors << QStringLiteral("line %1: usage: class NAME").arg(i + 1);
    } else if (names.contains((*words)[1])) {
      errors << QStringLiteral("line %1: class %2 is named twice").arg(i + 1).arg((*words)[1]);
    } else {
      names << (*words)[1];
    }
  }
  return names;
}

Inputs ExpandInputs(const QString& source, std::uint32_t seed, const QStringList& only, const QString& folder) {
  Inputs out;
  const QStringList names = ClassNames(source, out.errors);
  for (const QString& wanted : only)
    if (!names.contains(wanted))
      out.errors << QStringLiteral("no class %1 (the classes: %2)")
                        .arg(wanted, names.isEmpty() ? QStringLiteral("none") : names.join(' '));
  if (!out.errors.isEmpty()) return out;

  static const QRegularExpression reference(QStringLiteral("\\$\\{([A-Za-z_][A-Za-z0-9_]*)\\}"));
  static const QRegularExpression let(QStringLiteral("^let\\s+([A-Za-z_][A-Za-z0-9_]*)\\s*=\\s*(.*)$"),
                                      QRegularExpression::CaseInsensitiveOption);
  const QStringList lines = source.split('\n');
  const QStringList runs = names.isEmpty() ? QStringList{QString()} : names;
  for (const QString& name : runs) {
    if (!only.isEmpty() && !only.contains(name)) continue;
    ClassScript cls{name, {}, ClassSeed(seed, name)};
    InputRandom random(cls.seed);
    std::map<QString, QString> values;
    QStringList text;
    QString current;  // the class the line belongs to; empty before the first
    for (qsizetype i = 0; i < lines.size(); ++i) {
      if (const auto words = ClassLine(lines[i])) {
        current = words->value(1);
        text << QString();
        continue;
      }
      if (!current.isEmpty() && current != name) {
        text << QString();
        continue;
      }
      auto fail = [&](const QString& why) { out.errors << QStringLiteral("line %1: %2").arg(i + 1).arg(why); };
      QString line = StripComment(lines[i]);
      QString undefined;
      QString resolved;
      qsizetype from = 0;
      for (auto m = reference.globalMatch(line); m.hasNext();) {
        const auto match = m.next();
        const auto v = values.find(match.captured(1));
        if (v == values.end()) {
          undefined = match.captured(1);
          break;
        }
        resolved += line.mid(from, match.capturedStart() - from) + v->second;
        from = match.capturedEnd();
      }
      if (!undefined.isEmpty()) {
        fail(QStringLiteral("${%1} is not defined before this line").arg(undefined));
        text << QString();
        continue;
      }
      line = resolved + line.mid(from);
      const auto m = let.match(line.trimmed());
      if (!m.hasMatch()) {
        if (line.trimmed().startsWith(QLatin1String("let "), Qt::CaseInsensitive))
          fail(QStringLiteral("usage: let NAME = GENERATOR ARGS..."));
        text << line;
        continue;
      }
      text << QString();
      QStringList words;
      if (!SplitWords(m.captured(2), words) || words.isEmpty()) {
        fail(QStringLiteral("usage: let NAME = GENERATOR ARGS..."));
        continue;
      }
      const auto generator = Registry().find(words[0]);
      if (generator == Registry().end()) {
        fail(QStringLiteral("no generator %1 (the generators: %2)").arg(words[0], GeneratorNames().join(' ')));
        continue;
      }
      DrawContext context{random, folder, (name.isEmpty() ? QStringLiteral("script") : name) + '-' + m.captured(1)};
      QString error;
      const QString value = generator->second(words.mid(1), context, error);
      if (!error.isEmpty()) {
        fail(error);
        continue;
      }
      values[m.captured(1)] = value;
    }
    cls.text = text.join('\n');
    out.classes.push_back(std::move(cls));
  }
  return out;
}

}  // namespace script
