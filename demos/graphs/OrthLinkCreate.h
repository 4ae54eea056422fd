#pragma once
// Building the orthogonal list of a directed graph of at most 5 vertices: the head nodes are
// read one by one, then each arc gets a node whose hlink and tlink take the first in-arc of
// its head and the first out-arc of its tail, and the node becomes the first of both lists.
#include <array>
#include <memory>

#include "demos/graphs/Graph.h"
#include "framework/engine/AlgoDemo.h"
#include "framework/engine/BasicData.h"

class TOrthLinkForm;
class TOrthogonalLink;

class TOrthLinkCreate : public TAlgoDemo {
  Q_OBJECT
 public:
  static constexpr int MaxVertices = 5;

  explicit TOrthLinkCreate(const QStringList& source);
  ~TOrthLinkCreate() override;

  void CreateChildWindow() override;
  std::unique_ptr<TData> GetInitialParam() override;
  bool CreateData() override;
  void ResetLocalData(const QString& procName) override;
  void SetWindowRect() override;

  TOrthogonalLink* Link() const;
  // The data letter of vertex v: one of the five letters of its block ("A".."E" for 1).
  const QString& Data(int v) const { return data_[static_cast<std::size_t>(v)]; }

  Q_INVOKABLE void OrthLinkCreate_Begin();
  Q_INVOKABLE bool OrthLinkCreate_F_Judge1();
  Q_INVOKABLE void OrthLinkCreate_InputHeadNode();
  Q_INVOKABLE void OrthLinkCreate_ShowHeadNode();
  Q_INVOKABLE void OrthLinkCreate_Rotate1() {}
  Q_INVOKABLE bool OrthLinkCreate_F_Judge2();
  Q_INVOKABLE void OrthLinkCreate_showpointer();
  Q_INVOKABLE void OrthLinkCreate_InputArcNode();
  Q_INVOKABLE void OrthLinkCreate_ShowArcNode();
  Q_INVOKABLE void OrthLinkCreate_Addheadline();
  Q_INVOKABLE void OrthLinkCreate_Addtailline();
  Q_INVOKABLE void OrthLinkCreate_Rotate2() {}

 private:
  void Advance();  // the scan cursor one place on in row-major order
  // The nodes and pointers held to what the run has read.
  void HoldPictureToRun();

  std::unique_ptr<TGraphm> graph_;
  std::array<QString, MaxVertices + 1> data_{};
  int row_ = 1;
  int col_ = 1;
  // What the run has read: the head nodes' data, and each arc's node (1: made, its fields
  // not yet written; 2: written), as the drawing keeps them across a reset.
  std::array<bool, MaxVertices + 1> headRead_{};
  std::array<std::array<int, MaxVertices + 1>, MaxVertices + 1> arcMade_{};
  std::unique_ptr<TOrthLinkForm> form_;
};
