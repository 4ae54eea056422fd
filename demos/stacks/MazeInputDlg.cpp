#include "demos/stacks/MazeInputDlg.h"

#include <functional>

#include "demos/stacks/MazeData.h"
#include "platform/Controls.h"
#include "platform/ModalHost.h"

const QString TMazeInputDlg::FileFilter = QStringLiteral("VELKORA 数据文件(*.dat)|*.dat|所有文件(*.*)|*.*");
const QString TMazeInputDlg::FileExt = QStringLiteral("dat");

namespace {

TButton* Button(QWidget* parent, const char* name, const QString& caption, int top, int height) {
  auto* button = new TButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(372, top, 89, height);
  return button;
}

void BigText(TButton* button) {
  const TFont font{.Name = QStringLiteral("宋体"), .Height = -17};
  ApplyFont(*button, font);
}

// Asks for a maze file in the file dialog and, unless cancelled, works on it; a file problem
// is told in a message box, and the editor stays open with its maze as it was.
void WithChosenFile(bool save, const QString& caption, const std::function<void(const QString&)>& work) {
  const QString name = modal::Current().FileName({.save = save,
                                                   .caption = caption,
                                                   .filter = TMazeInputDlg::FileFilter,
                                                   .defaultExt = TMazeInputDlg::FileExt,
                                                   .initialName = {}});
  if (name.isEmpty()) return;
  try {
    work(name);
  } catch (const EMazeFileError& e) {
    modal::MessageDlg(e.Message(), modal::Icon::Error, modal::Buttons::Ok);
  }
}

}  // namespace

TMazeInputDlg::TMazeInputDlg(QWidget* parent) : TForm(parent) {
  RaiseFont(*this);  // the buttons and edits
  SetUpDialog(QStringLiteral("MazeInputDlg"), QStringLiteral("建立迷宫"), 473, 362);

  auto* bevel = new TBevel(this, bsFrame);
  bevel->setGeometry(6, 6, 353, 353);
  MazeData = new TMazeData(this);
  MazeData->setObjectName(QStringLiteral("MazeData"));
  MazeData->setGeometry(12, 12, 341, 341);
  MazeData->OnNodeClick = [this](TMazeNode& node) { MazeDataNodeClick(node); };

  OKBtn = Button(this, "OKBtn", QStringLiteral("OK"), 12, 27);
  OKBtn->ModalResult = mrOk;
  OKBtn->SetDefault(true);
  CancelBtn = Button(this, "CancelBtn", QStringLiteral("Cancel"), 48, 27);
  CancelBtn->ModalResult = mrCancel;
  CancelBtn->Cancel = true;
  RandBtn = Button(this, "RandBtn", QStringLiteral("随机生成"), 226, 33);
  SaveBtn = Button(this, "SaveBtn", QStringLiteral("保存数据"), 270, 33);
  LoadBtn = Button(this, "LoadBtn", QStringLiteral("取出数据"), 314, 33);
  for (TButton* b : {RandBtn, SaveBtn, LoadBtn}) BigText(b);
  RandBtn->OnClick = [this] { RandBtnClick(); };
  SaveBtn->OnClick = [this] { SaveBtnClick(); };
  LoadBtn->OnClick = [this] { LoadBtnClick(); };

  // FormCreate
  MazeData->AfterRescale();
}

void TMazeInputDlg::MazeDataNodeClick(TMazeNode& node) {
  node.SetState(node.State() == msEmpty ? msWall : msEmpty);
}

void TMazeInputDlg::RandBtnClick() { MazeData->RandomFill(); }

void TMazeInputDlg::SaveBtnClick() {
  WithChosenFile(true, QStringLiteral("保存数据"), [this](const QString& name) { MazeData->SaveToFile(name); });
}

void TMazeInputDlg::LoadBtnClick() {
  WithChosenFile(false, QStringLiteral("取出数据"), [this](const QString& name) { MazeData->LoadFromFile(name); });
  MazeData->Repaint();
}
