#pragma once
// The input step of every graph demonstration: the graph input window (create vertices, then
// arcs, then show; or a random graph; or a ".gra" file) and the graph-type dialog.
#include <functional>
#include <memory>

#include "demos/graphs/Graph.h"
#include "platform/Forms.h"

class QCheckBox;
class TGraphP;
class TPanel;
class TSpeedButton;

class Tinputform : public TForm {
 public:
  explicit Tinputform(QWidget* parent = nullptr);
  ~Tinputform() override;

  TPanel* Panel1;
  TGraphP* GraphP1;
  TPanel* Panel2;
  TSpeedButton* Ranbutton;
  TSpeedButton* NodeButton;
  TSpeedButton* ArcButton;
  TSpeedButton* ShowButton;
  TPanel* Panel3;
  TButton* BitBtn1;  // 确定
  TButton* BitBtn2;  // 取消
  TButton* FileLoad;
  TButton* FileSave;
  TButton* BitBtn3;  // 帮助

  int MaxVertices = 10;
  // What the demonstration cannot take in a graph, in words for the user (empty: nothing):
  // OK then shows it and the window stays open with the graph.
  std::function<QString(const TGraphm&)> Refuse;

  // The graph shown when OK closed the window, handed over; nullptr before.
  std::unique_ptr<TGraphm> TakeGraph();

  void NodeButtonClick();
  void ArcButtonClick();
  void ShowButtonClick();
  void RanbuttonClick();
  void FileLoadClick();
  void FileSaveClick();

 private:
  void OKClick();
};

// Shows the input window; on OK the window's graph goes to graph (the caller owns it) and
// the answer is true; Cancel answers false and leaves graph as it was. A graph refuse has
// words for is refused with them, the window kept open.
bool ShowGraphInput(const QString& caption, int maxVertices, bool directed, bool weighted,
                    std::unique_ptr<TGraphm>& graph, std::function<QString(const TGraphm&)> refuse = {});

class TSelTypeFrm : public TForm {
 public:
  explicit TSelTypeFrm(QWidget* parent = nullptr);
  QCheckBox* CheckBox1;  // 有向图
  QCheckBox* CheckBox2;  // 带权图
  TButton* OKBtn;
  TButton* CancelBtn;
};

// Asks for the kind of graph; on OK sets directed and weighted and answers true, otherwise
// leaves them and answers false. A choice not enabled keeps its initial value.
bool SelectGraphType(const QString& caption, bool enableDirected, bool enableWeighted,
                     bool& directed, bool& weighted);
