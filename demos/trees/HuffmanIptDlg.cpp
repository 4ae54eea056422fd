#include "demos/trees/HuffmanIptDlg.h"

#include <QGroupBox>
#include <limits>

#include "platform/Controls.h"
#include "platform/ModalHost.h"
#include "platform/Random.h"

std::optional<std::vector<int>> ParseWeights(const QString& text) {
  const QStringList pieces = text.split(QLatin1Char(','));
  std::vector<int> weights;
  long long total = 0;
  for (int k = 0; k < pieces.size() && k < THuffmanIptDlg::kMaxWeights; ++k) {
    bool ok = false;
    const int w = pieces[k].trimmed().toInt(&ok);
    if (!ok || w < 1) return std::nullopt;
    total += w;
    weights.push_back(w);
  }
  // The tree's root holds the total: it must stay a 32-bit integer.
  if (total > std::numeric_limits<int>::max()) return std::nullopt;
  return weights;
}

THuffmanIptDlg::THuffmanIptDlg(QWidget* parent) : TForm(parent) {
  setObjectName(QStringLiteral("HuffmanIptDlg"));
  RaiseFont(*this);  // the buttons and edits
  SetCaption(QStringLiteral("输入数据"));
  SetBorderStyle(bsDialog);
  SetPosition(poScreenCenter);
  // Wide enough for the longest line the dialog takes, ten three-digit weights.
  SetClientSize(307, 109);
  ApplyFont(*this, TFont{.Name = QStringLiteral("System"), .Height = -13});
  GroupBox1 = new QGroupBox(QStringLiteral("请输入各结点权重，逗号分隔"), this);
  GroupBox1->setGeometry(8, 8, 289, 57);
  Edit1 = new TEdit(GroupBox1);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit1->setGeometry(8, 24, 273, 24);
  const auto button = [this](const char* name, const QString& caption, int x, int w) {
    auto* b = new TButton(caption, this);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(x, 72, w, 25);
    return b;
  };
  RandomBtn = button("RandomBtn", QStringLiteral("随机生成"), 8, 89);
  RandomBtn->setAutoDefault(false);
  OKBtn = button("OKBtn", QStringLiteral("确定"), 152, 65);
  OKBtn->ModalResult = mrOk;
  OKBtn->SetDefault(true);
  CancelBtn = button("CancelBtn", QStringLiteral("取消"), 232, 65);
  CancelBtn->ModalResult = mrCancel;
  CancelBtn->Cancel = true;
  CancelBtn->setAutoDefault(false);
  RandomBtn->OnClick = [this] { RandomBtnClick(); };
  OKBtn->OnClick = [this] { OKBtnClick(); };
}

void THuffmanIptDlg::RandomBtnClick() {
  rnd::Randomize();
  const int k = rnd::Random(8) + 3;
  QStringList pieces;
  for (int i = 0; i < k; ++i) pieces << QString::number(rnd::Random(20) + 1);
  Edit1->setText(pieces.join(QLatin1Char(',')));
}

void THuffmanIptDlg::OKBtnClick() {
  const std::optional<std::vector<int>> weights = ParseWeights(Edit1->text());
  if (!weights) {
    modal::ShowMessage(QStringLiteral("输入有错误，请改正。"));
    SetModalResult(mrNone);
    return;
  }
  qint64 total = 0;
  for (const int w : *weights) total += w;
  if (total > MaxTotal) {
    modal::ShowMessage(QStringLiteral("各权重之和不能超过 %1，请改正。").arg(MaxTotal));
    SetModalResult(mrNone);
    return;
  }
  Count = static_cast<int>(weights->size());
  for (int k = 0; k < Count; ++k) Weights[static_cast<std::size_t>(k + 1)] = (*weights)[static_cast<std::size_t>(k)];
}

bool THuffmanIptDlg::Execute(int& n, int* w) {
  if (ShowModal() != mrOk) return false;
  n = Count;
  for (int k = 0; k < n; ++k) w[k] = Weights[static_cast<std::size_t>(k + 1)];
  return true;
}
