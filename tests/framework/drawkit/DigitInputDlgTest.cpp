#include <gtest/gtest.h>

#include "framework/drawkit/DigitInputDlg.h"
#include "framework/drawkit/IntEdit.h"
#include "tests/support/ScriptedModalHost.h"

TEST(DigitInputDlg, OkRefusesValuesOutOfTheirLimitsOrTheCheckAndStaysOpen) {
  modal::ScriptedHostScope host;
  host->QueueDialog(QStringLiteral("NEdit=9 OK"));  // above its limit
  host->QueueDialog(QStringLiteral("NEdit=4 OK"));  // within, but the check refuses it
  host->QueueDialog(QStringLiteral("NEdit=3 OK"));
  TDigitInputDlg dlg(QStringLiteral("Dlg"), QStringLiteral("盘子"), 200, 100);
  TIntEdit* n = dlg.AddEdit("NEdit", 2, {1, 5}, {10, 10, 60, 24});
  dlg.AddButtons({10, 60, 80, 27}, {100, 60, 80, 27});
  dlg.Check = [n] { return n->Value() != 4; };
  EXPECT_EQ(dlg.ShowModal(), mrOk);
  EXPECT_EQ(n->Value(), 3);
  EXPECT_EQ(host->Transcript(),
            QStringList({"dialog 盘子", "message Velkora | 输入数据越界！，请重新输入。",
                         "message Velkora | 输入数据越界！，请重新输入。"}));
}

TEST(DigitInputDlg, CancelClosesWhateverTheValues) {
  modal::ScriptedHostScope host;
  host->QueueDialog(QStringLiteral("NEdit=0 Cancel"));
  TDigitInputDlg dlg(QStringLiteral("Dlg"), QStringLiteral("c"), 200, 100);
  dlg.AddEdit("NEdit", 2, {1, 5}, {10, 10, 60, 24});
  dlg.AddButtons({10, 60, 80, 27}, {100, 60, 80, 27});
  EXPECT_EQ(dlg.ShowModal(), mrCancel);
  EXPECT_EQ(host->Transcript(), QStringList({"dialog c"}));
}
