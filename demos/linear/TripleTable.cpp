#include "demos/linear/TripleTable.h"

#include <cstdlib>

#include "platform/Random.h"

TTripleTable TableFromCells(const TCellValues& cells, int m, int n) {
  TTripleTable t;
  t.mu = m;
  t.nu = n;
  for (int i = 1; i <= m; ++i)
    for (int j = 1; j <= n; ++j) {
      const int v = cells[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(j - 1)];
      if (v != 0 && t.tu < TTripleTable::MaxTriples) t.At(++t.tu) = {i, j, v};
    }
  return t;
}

int CountNonZero(const TCellValues& cells, int m, int n) {
  int count = 0;
  for (int i = 0; i < m; ++i)
    for (int j = 0; j < n; ++j)
      if (cells[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] != 0) ++count;
  return count;
}

QString KeypadText(QString text, int limit) {
  for (;;) {
    if (text.isEmpty() || text == QLatin1String("-")) {
      text = QStringLiteral("0");
      continue;
    }
    bool ok = false;
    const long long value = text.toLongLong(&ok);
    if (!ok || value < -limit || value > limit) {
      text.chop(1);
      continue;
    }
    if (text != QLatin1String("0") && text.startsWith('0')) {
      text.remove(0, 1);
      continue;
    }
    return text;
  }
}

int RandomWalk(int m, int n, int range, const std::function<void(int row, int col, int v)>& place) {
  int pos = 0;
  int count = 0;
  do {
    pos += rnd::Random(n) + 1;
    if (pos > m * n - 1) break;
    ++count;
    const int v = rnd::Random(2 * range + 1) - range;
    place(pos / n + 1, pos % n + 1, v);
    if (pos >= m * n - 1) break;
  } while (count != SparseLimit(m, n));
  return count;
}

std::vector<int> RowStarts(const TTripleTable& table) {
  std::vector<int> rpos(static_cast<std::size_t>(table.mu + 1), 1);
  for (int r = 2; r <= table.mu + 1; ++r) {
    int inRow = 0;
    for (int k = 1; k <= table.tu; ++k)
      if (table.At(k).i == r - 1) ++inRow;
    rpos[static_cast<std::size_t>(r - 1)] = rpos[static_cast<std::size_t>(r - 2)] + inRow;
  }
  return rpos;
}

std::vector<int> CountUpSteps(int delta) {
  int step = delta / 20;
  if (step == 0) step = delta > 0 ? 1 : -1;
  std::vector<int> shown;
  int acc = 0;
  do {
    acc += step;
    if (std::abs(acc) > std::abs(delta)) acc = delta;
    shown.push_back(acc);
  } while (acc != delta);
  return shown;
}
