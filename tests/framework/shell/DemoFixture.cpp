#include "tests/framework/shell/DemoFixture.h"

QStringList TRecDemo::Text(int recPadding, int paddingBeforeCall) {
  QStringList text{QStringLiteral("!Main"), QStringLiteral("PROGRAM Rec;`Begin@C{Rec}"),
                   QStringLiteral("END.`End@R"), QStringLiteral("!Rec"),
                   QStringLiteral("PROCEDURE Rec(k: integer);`Begin@F{End}")};
  for (int i = 0; i < paddingBeforeCall; ++i) text << QStringLiteral("  { before %1 }").arg(i);
  text << QStringLiteral("  Rec(k-1);`Call@C{Rec}");
  for (int i = 0; i < recPadding; ++i) text << QStringLiteral("  { %1 }").arg(i);
  text << QStringLiteral("END;`End@R") << QStringLiteral("#");
  return text;
}

std::unique_ptr<TData> TRecDemo::GetGlobalData() {
  auto globals = std::make_unique<TData>(QStringLiteral("Globals"));
  Calls = globals->Add(new TIntData(QStringLiteral("calls"), 0));
  P = globals->Add(new TRecord(QStringLiteral("p")));
  P->Add(new TIntData(QStringLiteral("a"), 0));
  P->Add(new TIntData(QStringLiteral("b"), 0));
  return globals;
}

void TRecDemo::Rec_AfterCall() {
  Calls->SetValue(Calls->Value() + 1);
  static_cast<TIntData*>(P->Items(1))->SetValue(Calls->Value());
}

TData* TRecDemo::Main_C_Begin() {
  auto* args = new TData(QStringLiteral("args"));
  args->Add(new TIntData(QStringLiteral("k"), Depth));
  return args;
}

bool TRecDemo::Rec_F_Begin() {
  return static_cast<TIntData*>(Locals()->FindByName(QStringLiteral("k")))->Value() > 0;
}

TData* TRecDemo::Rec_C_Call() {
  const int k = static_cast<TIntData*>(Locals()->FindByName(QStringLiteral("k")))->Value();
  auto* args = new TData(QStringLiteral("args"));
  args->Add(new TIntData(QStringLiteral("k"), k - 1));
  return args;
}

void TTestDemoHost::CreateChildWindows() {
  Algorithm = std::make_unique<TAlgorithmForm>();
  Variables = std::make_unique<TVariableForm>();
  Algorithm->resize(AlgorithmSize);
  Algorithm->show();
  Variables->show();
  views::SetAlgorithm(Algorithm.get());
  views::SetVariables(Variables.get());
}

void TTestDemoHost::DestroyChildWindows() {
  views::SetAlgorithm(nullptr);
  views::SetVariables(nullptr);
  Algorithm.reset();
  Variables.reset();
}

void DemoWindows::TearDown() {
  demo.reset();
  CurrentDemo = nullptr;
  views::SetHost(nullptr);
}

TRecDemo& DemoWindows::Start(const QStringList& text, int depth) {
  demo = CreateDemo<TRecDemo>(text);
  demo->Depth = depth;
  CurrentDemo = demo.get();
  demo->Reset();
  return *demo;
}
