#include "demos/graphs/Graph.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>

TGraphm::TGraphm(int n) : n_(n) {
  if (n < 0 || n > MaxVertices) throw ERangeError();
}

std::size_t TGraphm::Index(int i) {
  if (i < 1 || i > MaxVertices) throw ERangeError();
  return static_cast<std::size_t>(i);
}

std::unique_ptr<TEdge> TGraphm::FirstAdj(int v) const {
  for (int w = 1; w <= n_; ++w)
    if (At(v, w) != 0) return std::make_unique<TEdge>(v, w);
  return nullptr;
}

std::unique_ptr<TEdge> TGraphm::NextAdj(const TEdge& edge) const {
  for (int w = edge.Head + 1; w <= n_; ++w)
    if (At(edge.Tail, w) != 0) return std::make_unique<TEdge>(edge.Tail, w);
  return nullptr;
}

QString TGraphm::Asymmetry(bool weighted) const {
  for (int v = 1; v <= n_; ++v) {
    for (int w = v + 1; w <= n_; ++w) {
      const int there = At(v, w), back = At(w, v);
      const QString arc = VertexLetter(v) + QStringLiteral("→") + VertexLetter(w);
      const QString backArc = VertexLetter(w) + QStringLiteral("→") + VertexLetter(v);
      if ((there == 0) != (back == 0)) {
        const bool forth = there != 0;
        return QStringLiteral("有弧 %1 而没有弧 %2").arg(forth ? arc : backArc, forth ? backArc : arc);
      }
      if (weighted && there != back)
        return QStringLiteral("弧 %1 的权为 %2，弧 %3 的权为 %4").arg(arc).arg(there).arg(backArc).arg(back);
    }
  }
  return {};
}

std::unique_ptr<TEdge> TGraphm::FirstIn(int v) const {
  for (int u = 1; u <= n_; ++u)
    if (At(u, v) != 0) return std::make_unique<TEdge>(u, v);
  return nullptr;
}

std::unique_ptr<TEdge> TGraphm::NextIn(const TEdge& edge) const {
  for (int u = edge.Tail + 1; u <= n_; ++u)
    if (At(u, edge.Head) != 0) return std::make_unique<TEdge>(u, edge.Head);
  return nullptr;
}

void TGraphm::AddArc(int v, int w, int weight) {
  if (weight == 0) return;
  int& entry = adj_[Index(v)][Index(w)];
  if (entry == 0) e_ += 1;
  entry = weight;
}

void TGraphm::AddEdge(int v, int w, int weight) {
  AddArc(v, w, weight);
  AddArc(w, v, weight);
}

int TGraphm::OutDegree(int v) const {
  int degree = 0;
  for (int w = 1; w <= n_; ++w) degree += At(v, w) != 0 ? 1 : 0;
  return degree;
}

int TGraphm::Loops() const {
  int loops = 0;
  for (int v = 1; v <= n_; ++v) loops += At(v, v) != 0 ? 1 : 0;
  return loops;
}

// ---- The ".gra" file

namespace {

void Put(QByteArray& bytes, int value) {
  char raw[4];
  qToLittleEndian<qint32>(value, raw);
  bytes.append(raw, 4);
}

int Get(const QByteArray& bytes, qsizetype& pos) {
  const int value = qFromLittleEndian<qint32>(bytes.constData() + pos);
  pos += 4;
  return value;
}

QString Shown(const QString& fileName) { return QFileInfo(fileName).fileName(); }

qsizetype FileSize(qint64 n) { return static_cast<qsizetype>(8 + 4 * n * n + 4 * n); }

}  // namespace

QByteArray TGraphm::ToBytes() const {
  QByteArray bytes;
  Put(bytes, n_);
  Put(bytes, e_);
  for (int v = 1; v <= n_; ++v)
    for (int w = 1; w <= n_; ++w) Put(bytes, At(v, w));
  for (int v = 1; v <= n_; ++v) Put(bytes, vdata_[Index(v)]);
  return bytes;
}

std::unique_ptr<TGraphm> TGraphm::FromBytes(const QByteArray& bytes) {
  if (bytes.size() < 8) throw EGraphFileError(QStringLiteral("文件太短，不是图形文件。"));
  qsizetype pos = 0;
  const int n = Get(bytes, pos);
  const int e = Get(bytes, pos);
  if (n < 0 || n > MaxVertices)
    throw EGraphFileError(QStringLiteral("文件中的结点数 %1 不在 0 到 %2 之间。").arg(n).arg(MaxVertices));
  // A file that ends after the two counts holds vertices without arcs or values.
  if (bytes.size() == 8) return std::make_unique<TGraphm>(n);
  if (bytes.size() != FileSize(n))
    throw EGraphFileError(QStringLiteral("%1 个结点的图形文件应有 %2 个字节，而此文件有 %3 个字节。")
                              .arg(n)
                              .arg(FileSize(n))
                              .arg(bytes.size()));
  auto graph = std::make_unique<TGraphm>(n);
  for (int v = 1; v <= n; ++v) {
    for (int w = 1; w <= n; ++w) {
      const int weight = Get(bytes, pos);
      if (weight < 0 || weight > MaxWeight)
        throw EGraphFileError(QStringLiteral("文件中的权值 %1 不在 0 到 %2 之间。").arg(weight).arg(MaxWeight));
      graph->AddArc(v, w, weight);
    }
  }
  if (graph->e_ != e)
    throw EGraphFileError(
        QStringLiteral("文件中的弧数 %1 与矩阵中的 %2 条弧不符。").arg(e).arg(graph->e_));
  for (int v = 1; v <= n; ++v) graph->SetVData(v, Get(bytes, pos));
  return graph;
}

void TGraphm::SaveToFile(const QString& fileName) const {
  QSaveFile file(fileName);
  const QByteArray bytes = ToBytes();
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
    throw EGraphFileError(QStringLiteral("无法保存图形文件 %1：%2。原有的文件没有改变。")
                              .arg(Shown(fileName), file.errorString()));
}

std::unique_ptr<TGraphm> TGraphm::LoadFromFile(const QString& fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly))
    throw EGraphFileError(QStringLiteral("无法读取图形文件 %1：%2。").arg(Shown(fileName), file.errorString()));
  // Read one more byte than the largest file, which tells a longer file.
  const QByteArray bytes = file.read(FileSize(MaxVertices) + 1);
  if (file.error() != QFileDevice::NoError)
    throw EGraphFileError(QStringLiteral("无法读取图形文件 %1：%2。").arg(Shown(fileName), file.errorString()));
  try {
    return FromBytes(bytes);
  } catch (const EGraphFileError& e) {
    throw EGraphFileError(QStringLiteral("%1 不是可用的图形文件：%2").arg(Shown(fileName), e.Message()));
  }
}
