#include "demos/graphs/GraphInput.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <cmath>
#include <numbers>

#include "demos/graphs/GraphNode.h"
#include "demos/graphs/GraphP.h"
#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/ModalHost.h"
#include "platform/Random.h"
#include "platform/TextRules.h"

namespace {

const QString GraphFilter = QStringLiteral("图形文件|*.gra");

TSpeedButton* SpeedButton(QWidget* parent, const char* name, const QString& caption, TColor color, int x) {
  auto* b = new TSpeedButton(caption, parent);
  b->setObjectName(QString::fromLatin1(name));
  TFont font;
  font.Name = QStringLiteral("楷体_GB2312");
  font.Height = -15;
  font.Style = fsBold | fsItalic;
  font.Color = color;
  ApplyFont(*b, font);
  b->OutlinedCaption = true;  // lime and yellow on the grey face
  b->setGeometry(x, 6, 80, 28);
  return b;
}

TButton* Button(QWidget* parent, const char* name, const QString& caption, int y) {
  auto* b = new TButton(caption, parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setGeometry(8, y, 70, 27);
  return b;
}

}  // namespace

Tinputform::Tinputform(QWidget* parent) : TForm(parent) {
  setObjectName(QStringLiteral("inputform"));
  SetBorderStyle(bsDialog);
  SetPosition(poScreenCenter);
  // The graph's panel is larger than the buttons need: a full network of ten vertices writes
  // its ninety weights in it at a size a class can read.
  constexpr int PanelWidth = 680;
  constexpr int PanelHeight = 420;
  SetClientSize(PanelWidth + 86, PanelHeight + 42);
  TFont formFont;
  formFont.Style = fsBold | fsItalic;
  formFont.Height = -kLegiblePixels;
  ApplyFont(*this, formFont);

  Panel3 = new TPanel(this);
  Panel3->setGeometry(PanelWidth, 0, 86, PanelHeight);
  Panel2 = new TPanel(this);
  Panel2->setGeometry(0, PanelHeight, PanelWidth + 86, 42);
  Panel1 = new TPanel(this);
  Panel1->SetBevelOuter(bvLowered);
  Panel1->setGeometry(0, 0, PanelWidth, PanelHeight);
  GraphP1 = new TGraphP(Panel1);
  GraphP1->setObjectName(QStringLiteral("GraphP1"));
  GraphP1->setGeometry(1, 1, PanelWidth - 2, PanelHeight - 2);
  GraphP1->SetGroundColor(RGB(0, 0, 255));

  Ranbutton = SpeedButton(Panel2, "Ranbutton", QStringLiteral("随机创建"), clNavy, 8);
  NodeButton = SpeedButton(Panel2, "NodeButton", QStringLiteral("创建结点"), clRed, 96);
  ArcButton = SpeedButton(Panel2, "ArcButton", QStringLiteral("创建弧"), clLime, 184);
  ShowButton = SpeedButton(Panel2, "ShowButton", QStringLiteral("显示"), clYellow, 272);
  Ranbutton->OnClick = [this] { RanbuttonClick(); };
  NodeButton->OnClick = [this] { NodeButtonClick(); };
  ArcButton->OnClick = [this] { ArcButtonClick(); };
  ShowButton->OnClick = [this] { ShowButtonClick(); };

  BitBtn1 = Button(Panel3, "BitBtn1", QStringLiteral("确定"), 10);
  BitBtn1->ModalResult = mrOk;
  BitBtn1->OnClick = [this] { OKClick(); };
  BitBtn2 = Button(Panel3, "BitBtn2", QStringLiteral("取消"), 50);
  BitBtn2->ModalResult = mrCancel;
  BitBtn2->Cancel = true;
  FileLoad = Button(Panel3, "FileLoad", QStringLiteral("载入"), 90);
  FileLoad->OnClick = [this] { FileLoadClick(); };
  FileSave = Button(Panel3, "FileSave", QStringLiteral("保存"), 130);
  FileSave->OnClick = [this] { FileSaveClick(); };
  BitBtn3 = Button(Panel3, "BitBtn3", QStringLiteral("帮助"), 170);

  NodeButton->setEnabled(true);
  ArcButton->setEnabled(false);
  ShowButton->setEnabled(false);
  BitBtn1->setEnabled(false);
  FileLoad->setEnabled(true);
  FileSave->setEnabled(false);
  GraphP1->SetState(csDisplay);
}

Tinputform::~Tinputform() = default;

std::unique_ptr<TGraphm> Tinputform::TakeGraph() { return GraphP1->ReleaseGraph(); }

void Tinputform::NodeButtonClick() {
  NodeButton->setEnabled(false);
  ArcButton->setEnabled(true);
  Ranbutton->setEnabled(false);
  BitBtn1->setEnabled(false);
  FileLoad->setEnabled(false);
  GraphP1->ClearNodes();
  GraphP1->AdoptGraph(std::make_unique<TGraphm>(0));
  GraphP1->SetState(csInputVert);
}

void Tinputform::ArcButtonClick() {
  ArcButton->setEnabled(false);
  ShowButton->setEnabled(true);
  GraphP1->SetState(csInputEdge);
}

void Tinputform::ShowButtonClick() {
  NodeButton->setEnabled(true);
  ShowButton->setEnabled(false);
  Ranbutton->setEnabled(true);
  BitBtn1->setEnabled(true);
  FileLoad->setEnabled(false);
  FileSave->setEnabled(true);
  GraphP1->SetState(csDisplay);
}

void Tinputform::RanbuttonClick() {
  GraphP1->ClearNodes();
  const QPoint centre(GraphP1->width() / 2, GraphP1->height() / 2);
  NodeButton->setEnabled(false);
  ShowButton->setEnabled(true);
  rnd::Randomize();
  const int n = rnd::Random(MaxVertices - 3) + 3;
  const int radius = text::Round(std::min(GraphP1->width(), GraphP1->height()) * 2 * 0.2);
  const double step = 2 * std::numbers::pi / n;
  GraphP1->SetState(csInputVert);
  for (int i = 1; i <= n; ++i) {
    GraphP1->MouseDown(text::Round(centre.x() - radius * std::cos(i * step)),
                       text::Round(centre.y() - radius * std::sin(i * step)));
  }
  GraphP1->SetState(csInputEdge);
  const int placed = GraphP1->PlacedVertices();
  for (int i = 1; i <= placed; ++i) {
    for (int j = GraphP1->Directed() ? 1 : i + 1; j <= placed; ++j) {
      if (i == j || rnd::Random(10) / 3 != 0) continue;
      GraphP1->CreateArc(GraphP1->Node(i));
      GraphP1->CreateArc(GraphP1->Node(j));
    }
  }
}

void Tinputform::FileLoadClick() {
  const QString name = modal::Current().FileName(
      {.save = false, .caption = QStringLiteral("打开"), .filter = GraphFilter, .defaultExt = QStringLiteral("gra"), .initialName = QString()});
  if (name.isEmpty()) return;
  // Read into a new graph: a refused file leaves the shown one as it was.
  std::unique_ptr<TGraphm> loaded;
  try {
    loaded = TGraphm::LoadFromFile(name);
  } catch (const EGraphFileError& e) {
    modal::MessageDlg(e.Message(), modal::Icon::Error, modal::Buttons::Ok);
    return;
  }
  // An undirected demonstration draws each edge once, with one weight, and runs on the
  // matrix: both must tell the same graph.
  if (!GraphP1->Directed()) {
    const QString why = loaded->Asymmetry(GraphP1->Weighted());
    if (!why.isEmpty()) {
      const QString file = QFileInfo(name).fileName();
      modal::MessageDlg(QStringLiteral("%1 中的图不是无向图：%2。本演示只能载入无向图。").arg(file, why),
                        modal::Icon::Error, modal::Buttons::Ok);
      return;
    }
  }
  GraphP1->ClearNodes();
  GraphP1->AdoptGraph(std::move(loaded));
  ShowButtonClick();
  Ranbutton->setEnabled(false);
  NodeButton->setEnabled(false);
  ArcButton->setEnabled(false);
  ShowButton->setEnabled(false);
  // Another file may replace the loaded graph; a refused one leaves it in place.
  FileLoad->setEnabled(true);
}

void Tinputform::FileSaveClick() {
  if (GraphP1->Graph() == nullptr) return;
  const QString name = modal::Current().FileName(
      {.save = true, .caption = QStringLiteral("保存"), .filter = GraphFilter, .defaultExt = QStringLiteral("gra"), .initialName = QString()});
  if (name.isEmpty()) return;
  try {
    GraphP1->Graph()->SaveToFile(name);
  } catch (const EGraphFileError& e) {
    modal::MessageDlg(e.Message(), modal::Icon::Error, modal::Buttons::Ok);
  }
}

void Tinputform::OKClick() {
  const TGraphm* graph = GraphP1->Graph();
  QString refusal;
  if (graph == nullptr || graph->VertexCount() < 1) {
    // The demonstrations' outer loops would start at a vertex that does not exist.
    refusal = QStringLiteral("图中没有结点，请先创建结点。");
  } else if (graph->VertexCount() > MaxVertices) {
    refusal = QStringLiteral("输入结点过多!\n最多%1个结点").arg(MaxVertices);
  } else if (Refuse) {
    refusal = Refuse(*graph);
  }
  if (refusal.isEmpty()) return;
  modal::ShowMessage(refusal);
  // The window stays open for another graph: drawn, random or loaded.
  FileLoad->setEnabled(true);
  NodeButton->setEnabled(true);
  Ranbutton->setEnabled(true);
  SetModalResult(mrNone);
}

bool ShowGraphInput(const QString& caption, int maxVertices, bool directed, bool weighted,
                    std::unique_ptr<TGraphm>& graph, std::function<QString(const TGraphm&)> refuse) {
  Tinputform form;
  form.Refuse = std::move(refuse);
  form.SetCaption(caption);
  form.GraphP1->SetDirected(directed);
  form.GraphP1->SetWeighted(weighted);
  form.MaxVertices = maxVertices;
  if (form.ShowModal() != mrOk) return false;
  std::unique_ptr<TGraphm> taken = form.TakeGraph();
  if (taken == nullptr) return false;
  graph = std::move(taken);
  return true;
}

TSelTypeFrm::TSelTypeFrm(QWidget* parent) : TForm(parent) {
  setObjectName(QStringLiteral("SelTypeFrm"));
  SetCaption(QStringLiteral("选择图的类型"));
  SetBorderStyle(bsDialog);
  SetPosition(poScreenCenter);
  SetClientSize(265, 178);
  RaiseFont(*this);
  auto* group = new QGroupBox(QStringLiteral("图的类型"), this);
  group->setGeometry(16, 12, 233, 100);
  CheckBox1 = new QCheckBox(QStringLiteral("有向图"), group);
  CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
  CheckBox1->setGeometry(24, 28, 120, 22);
  CheckBox2 = new QCheckBox(QStringLiteral("带权图"), group);
  CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
  CheckBox2->setGeometry(24, 60, 120, 22);
  // Disabled, in the window system's grey, which reads on the dialog's face (the style's own
  // is paler).
  for (QCheckBox* box : {CheckBox1, CheckBox2}) {
    QPalette p = box->palette();
    p.setColor(QPalette::Disabled, QPalette::WindowText, ToQColor(clGrayText));
    p.setColor(QPalette::Disabled, QPalette::Text, ToQColor(clGrayText));
    box->setPalette(p);
  }
  OKBtn = new TButton(QStringLiteral("确认"), this);
  OKBtn->setObjectName(QStringLiteral("OKBtn"));
  OKBtn->setGeometry(40, 132, 80, 27);
  OKBtn->ModalResult = mrOk;
  OKBtn->SetDefault(true);
  CancelBtn = new TButton(QStringLiteral("取消"), this);
  CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
  CancelBtn->setGeometry(145, 132, 80, 27);
  CancelBtn->ModalResult = mrCancel;
  CancelBtn->Cancel = true;
}

bool SelectGraphType(const QString& caption, bool enableDirected, bool enableWeighted,
                     bool& directed, bool& weighted) {
  TSelTypeFrm form;
  form.SetCaption(caption);
  form.CheckBox1->setChecked(directed);
  form.CheckBox2->setChecked(weighted);
  form.CheckBox1->setEnabled(enableDirected);
  form.CheckBox2->setEnabled(enableWeighted);
  if (form.ShowModal() != mrOk) return false;
  directed = form.CheckBox1->isChecked();
  weighted = form.CheckBox2->isChecked();
  return true;
}
