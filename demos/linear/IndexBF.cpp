#include "demos/linear/IndexBF.h"

#include "demos/linear/IndexStrsForm.h"
#include "demos/linear/Input2StrsDlg.h"
#include "framework/drawkit/BesidePlace.h"
#include "framework/drawkit/CoolMsg.h"
#include "framework/shell/MainForm.h"
#include "framework/shell/ShellWindows.h"

QString MatchMessage(int result) {
  return result >= 1 ? QStringLiteral("在第") + QString::number(result) + QStringLiteral("个字符处发现匹配!")
                     : QStringLiteral("未发现匹配!");
}

// ---------------------------------------------------------------- shared

TIndexDemo::TIndexDemo(const QStringList& source, const QString& caption)
    : TFormDemo(source), caption_(caption) {}
TIndexDemo::~TIndexDemo() = default;

void TIndexDemo::CreateChildWindow() {
  TFormDemo::CreateChildWindow();
  graphForm_->SetCaption(caption_);
  graphForm_->Indexes = [this]() -> std::optional<std::pair<int, int>> {
    const TData* locals = Locals();
    const auto* i = dynamic_cast<const TIntData*>(locals ? locals->FindByName(QStringLiteral("i")) : nullptr);
    const auto* j = dynamic_cast<const TIntData*>(locals ? locals->FindByName(QStringLiteral("j")) : nullptr);
    if (!i || !j) return std::nullopt;
    return std::pair(i->Value(), j->Value());
  };
  msgDlg_ = std::make_unique<TCoolMsgDlg>();
  msgDlg_->SetCaption(caption_);
  QFont font = msgDlg_->LabelMsg->font();
  font.setPixelSize(24);
  msgDlg_->LabelMsg->setFont(font);
}

bool TIndexDemo::CreateData() {
  TInput2StrsDlg dlg;
  dlg.Source = QStringLiteral("acabaabcaabaabcac");
  dlg.Pattern = QStringLiteral("abaabcac");
  // Esc keeps the defaults: the demonstration always starts.
  (void)dlg.Execute();
  S = dlg.Source;
  T = dlg.Pattern;
  return true;
}

void TIndexDemo::SetWindowRect() {
  MainForm->DockThreePanesB(graphForm_.get(), 50, AlgorithmForm, 60, VariableForm);
}

void TIndexDemo::Reset() {
  TAlgoDemo::Reset();
  graphForm_->Reset();
}

void TIndexDemo::ClearGraph() { graphForm_->Invalidate(); }

TData* TIndexDemo::Args(std::initializer_list<TData*> vars) const {
  auto* args = new TData(QString());
  for (TData* v : vars) args->Add(v);
  return args;
}

void TIndexDemo::CreateBoxes(const QString& upper, const QString& lower) {
  graphForm_->CreateStrBoxes(upper, kSourceColors.Back, kSourceColors.Normal, kSourceColors.Matched,
                             kSourceColors.Current, lower, kPatternColors.Back, kPatternColors.Normal,
                             kPatternColors.Matched, kPatternColors.Current);
}

void TIndexDemo::ShowResult(int result) {
  Var("index")->SetValue(result);
  msgDlg_->LabelMsg->setText(MatchMessage(result));
  MoveClearOf(*msgDlg_, {graphForm_.get()});
  msgDlg_->ShowModal();
}

// ---------------------------------------------------------------- brute force

TIndexBF::TIndexBF(const QStringList& source) : TIndexDemo(source, QStringLiteral("BF法模式匹配")) {}

std::unique_ptr<TData> TIndexBF::GetGlobalData() {
  auto globals = std::make_unique<TData>(QString());
  globals->Add(new TStringData(QStringLiteral("s"), S));
  globals->Add(new TStringData(QStringLiteral("t"), T));
  return globals;
}

std::unique_ptr<TData> TIndexBF::GetInitialParam() {
  auto args = std::make_unique<TData>(QString());
  args->Add(new TIntData(QStringLiteral("index"), 0));
  return args;
}

// index:=index_BF(s,t)
TData* TIndexBF::Main_C_Begin() {
  return Args({new TIntData(QStringLiteral("i"), 0), new TIntData(QStringLiteral("j"), 0)});
}

void TIndexBF::Main_AfterBegin() { ShowResult(MatchResult); }

// i:=1; j:=1
void TIndexBF::IndexBF_Begin() {
  Var("i")->SetValue(1);
  Var("j")->SetValue(1);
  graphForm_->SetStage(1);
  CreateBoxes(S, T);
  graphForm_->MoveMarkers(1, 1);
}

// WHILE (i<=s.len) AND (j<=t.len) DO
bool TIndexBF::IndexBF_F_Loop() { return Var("i")->Value() <= S.size() && Var("j")->Value() <= T.size(); }

// IF s.ch[i]=t.ch[j] THEN
bool TIndexBF::IndexBF_F_Equal() { return S[Var("i")->Value() - 1] == T[Var("j")->Value() - 1]; }

// i:=i+1; j:=j+1
void TIndexBF::IndexBF_NextChar() {
  auto i = Var("i");
  auto j = Var("j");
  i->SetValue(i->Value() + 1);
  j->SetValue(j->Value() + 1);
  graphForm_->MoveMarkers(i->Value(), j->Value());
}

// ELSE BEGIN i:=i-j+2; j:=1 END
void TIndexBF::IndexBF_FirstChar() {
  auto i = Var("i");
  auto j = Var("j");
  i->SetValue(i->Value() - j->Value() + 2);
  j->SetValue(1);
  graphForm_->MoveMarkers(i->Value(), j->Value());
}

// IF j>t.len THEN
bool TIndexBF::IndexBF_F_GoOut() {
  const int j = Var("j")->Value();
  MatchResult = T.size() < j ? Var("i")->Value() - static_cast<int>(T.size()) : 0;
  return T.size() < j;
}
