#include <gtest/gtest.h>

#include <QTest>
#include <functional>

#include "demos/stacks/Packages.h"
#include "demos/stacks/PackagesForm1.h"
#include "demos/stacks/PackagesForm2.h"
#include "demos/stacks/PkgForm.h"
#include "demos/stacks/PkgMsgForm.h"
#include "framework/drawkit/StackBox.h"
#include "framework/drawkit/ThemedControls.h"
#include "tests/support/ScriptControls.h"
#include "platform/Screen.h"
#include "tests/support/ProgramRun.h"

namespace {

const QString kSolution = QStringLiteral("message 背包 | I have seen Them!");
const QString kEnd = QStringLiteral("message Velkora 数据结构算法演示 | 算法演示完毕。");

// The choices of items (by bit) whose weights add up to volume, counted by brute force.
int SolutionsByBruteForce(const std::vector<int>& weights, int volume) {
  int count = 0;
  const int n = static_cast<int>(weights.size());
  for (int set = 0; set < (1 << n); ++set) {
    int sum = 0;
    for (int i = 0; i < n; ++i)
      if (set & (1 << i)) sum += weights[static_cast<std::size_t>(i)];
    if (sum == volume) ++count;
  }
  return count;
}

// The whole program with the knapsack started for the given weights and volume.
class PackagesRun : public ProgramRun<TPackages> {
 protected:
  void Start(const std::vector<int>& weights, int volume) {
    host_->QueueDialog(QStringLiteral("Edit1=%1 key:Enter").arg(weights.size()));
    QString answer;
    for (std::size_t i = 0; i < weights.size(); ++i) answer += QStringLiteral("Edit%1=%2 ").arg(i + 1).arg(weights[i]);
    host_->QueueDialog(answer + QStringLiteral("Edit9=%1 设定完毕").arg(volume));
    ProgramRun::Start(QStringLiteral("Packages"));
  }

  // Traces to the end; each is told after every line.
  void TraceToEnd(const std::function<void()>& each = {}) {
    while (demo_->CurLine() != nullptr) {
      demo_->TraceInto();
      if (each) each();
    }
  }
  TPkgForm& Form() const { return *demo_->GraphForm(); }
  TStackBox& Stack() const { return *Form().StackBox; }
  std::string Transcript() { return Said().toStdString(); }
  int Solutions() { return static_cast<int>(host_->Transcript().count(kSolution)); }
};

}  // namespace

TEST(PackagesStkData, RowsAlignNAndTInTwoCharacters) {
  EXPECT_EQ(TPackagesStkData("", 7, 3, 12).GetText(), QStringLiteral(" 7   3  12"));
  EXPECT_EQ(TPackagesStkData("", 4, 0, -2).GetText(), QStringLiteral(" 4   0  -2"));
  EXPECT_EQ(TPackagesStkData("", 5, 8, 30).GetText(), QStringLiteral(" 5   8  30"));
}

// ---------------------------------------------------------------- the count dialog

TEST(PackagesForm1, OnlyTheDigitsOneToEightGetIntoTheCount) {
  modal::ScriptedHostScope host;
  TPackagesForm1 dlg;
  dlg.show();
  for (const char* key : {"9", "0", "a", "-"}) {
    script::TypeText(*dlg.Edit1, QString::fromLatin1(key));
    EXPECT_EQ(dlg.Edit1->text(), QStringLiteral("1")) << "typing " << key << " must change nothing";
  }
  script::TypeText(*dlg.Edit1, QStringLiteral("5"));
  EXPECT_EQ(dlg.Edit1->text(), QStringLiteral("5"));
  script::TypeText(*dlg.Edit1, QStringLiteral("8"));
  EXPECT_EQ(dlg.Edit1->text(), QStringLiteral("8")) << "a digit replaces the text";
  QTest::keyClick(dlg.Edit1, Qt::Key_Return);
  EXPECT_TRUE(dlg.Accepted);
  EXPECT_EQ(dlg.ItemCount, 8);
}

TEST(PackagesForm1, AnythingButOneDigitIsRefusedWithTheMessage) {
  modal::ScriptedHostScope host;
  TPackagesForm1 dlg;
  for (const char* text : {"", "12", "9"}) {
    dlg.Edit1->setText(QString::fromLatin1(text));
    dlg.Accept();
    EXPECT_FALSE(dlg.Accepted) << text;
  }
  const QStringList refused = host->Transcript().filter(QStringLiteral(" | 物品个数为1~8!"));
  EXPECT_EQ(refused.size(), 3) << host->Transcript().join('\n').toStdString();
}

TEST(PackagesForm1, PicturesLightUpUnderTheMouseAndActWhenClicked) {
  modal::ScriptedHostScope host;
  TPackagesForm1 dlg;
  dlg.show();
  EXPECT_TRUE(dlg.Image3->isVisible());
  EXPECT_FALSE(dlg.Image2->isVisible());
  QTest::mouseMove(dlg.Image3, dlg.Image3->rect().center());
  EXPECT_TRUE(dlg.Image2->isVisible()) << "accept lights up under the mouse";
  EXPECT_FALSE(dlg.Image3->isVisible());
  QTest::mouseMove(dlg.Image1, QPoint(10, 10));
  EXPECT_TRUE(dlg.Image3->isVisible()) << "the background puts the plain picture back";
  EXPECT_FALSE(dlg.Image2->isVisible());

  script::Click(*dlg.Image5);
  EXPECT_FALSE(dlg.Accepted) << "cancel";
  EXPECT_FALSE(dlg.isVisible());

  TPackagesForm1 again;
  again.show();
  script::TypeText(*again.Edit1, QStringLiteral("3"));
  script::Click(*again.Image3);
  EXPECT_TRUE(again.Accepted);
  EXPECT_EQ(again.ItemCount, 3);
}

// ---------------------------------------------------------------- the weights dialog

TEST(PackagesForm2, StartsWithEveryWeightOneAndShowsOnlyTheCountsFields) {
  modal::ScriptedHostScope host;
  TPackagesForm2 dlg;
  dlg.ItemCount = 3;
  dlg.Weights.fill(7);  // earlier weights are not offered again
  host->QueueDialog(QStringLiteral("\"取    消\""));
  EXPECT_FALSE(dlg.Execute());
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(dlg.Weights[static_cast<std::size_t>(i)], 1) << i;
  for (int tag = 1; tag <= 3; ++tag) EXPECT_FALSE(dlg.Edits[static_cast<std::size_t>(tag)]->isHidden()) << tag;
  for (int tag = 4; tag <= 8; ++tag) EXPECT_TRUE(dlg.Edits[static_cast<std::size_t>(tag)]->isHidden()) << tag;
  EXPECT_FALSE(dlg.Edits[9]->isHidden()) << "T is always asked for";
  EXPECT_EQ(dlg.IndexOf(dlg.Edits[9]), 4) << "T is stored after the last item";
}

TEST(PackagesForm2, ANumberOutOfRangeGivesBackTheLastValidValue) {
  modal::ScriptedHostScope host;
  TPackagesForm2 dlg;
  dlg.ItemCount = 2;
  host->QueueDialog(QStringLiteral("Edit1=7 Edit2=10 Edit9=30 设定完毕"));
  ASSERT_TRUE(dlg.Execute());
  EXPECT_EQ(dlg.Weights[1], 7);
  EXPECT_EQ(dlg.Weights[2], 10);
  EXPECT_EQ(dlg.Weights[3], 30) << "T takes up to 30 although its hint reads 1..20";

  dlg.Edits[1]->setText(QStringLiteral("11"));
  EXPECT_EQ(dlg.Edits[1]->text(), QStringLiteral("7"));
  EXPECT_EQ(dlg.Weights[1], 7);
  dlg.Edits[2]->setText(QStringLiteral("0"));
  EXPECT_EQ(dlg.Edits[2]->text(), QStringLiteral("10"));
  dlg.Edits[9]->setText(QStringLiteral("31"));
  EXPECT_EQ(dlg.Edits[9]->text(), QStringLiteral("30"));
  EXPECT_TRUE(dlg.Label1->isEnabled());
}

TEST(PackagesForm2, TypingElevenIntoAWeightLeavesItsFirstDigit) {
  modal::ScriptedHostScope host;
  TPackagesForm2 dlg;
  dlg.ItemCount = 1;
  host->QueueDialog(QStringLiteral("Edit1=5 Edit1=11 Edit9=4 设定完毕"));
  ASSERT_TRUE(dlg.Execute());
  EXPECT_EQ(dlg.Weights[1], 1) << "typed key by key, 11 goes back to the 1 typed before";
  EXPECT_EQ(dlg.Weights[2], 4);
}

TEST(PackagesForm2, TextThatIsNoNumberKeepsTheDialogFromBeingConfirmed) {
  modal::ScriptedHostScope host;
  TPackagesForm2 dlg;
  dlg.ItemCount = 2;
  host->QueueDialog(QStringLiteral("Edit2=\"\""));  // emptied: no number
  host->QueueDialog(QStringLiteral("\"取    消\""));
  EXPECT_FALSE(dlg.Execute());
  EXPECT_FALSE(dlg.Valid(2));
  EXPECT_FALSE(dlg.Label1->isEnabled()) << "设定完毕 waits for a number in every shown field";
  EXPECT_TRUE(host->ScriptErrors().isEmpty()) << host->ScriptErrors().join('\n').toStdString();
}

TEST(PackagesForm2, RandomValuesStayInRange) {
  modal::ScriptedHostScope host;
  TPackagesForm2 dlg;
  dlg.ItemCount = 8;
  for (int round = 0; round < 20; ++round) {
    dlg.RanButtonClick();
    for (int i = 1; i <= 8; ++i) {
      const int w = dlg.Weights[static_cast<std::size_t>(i)];
      EXPECT_TRUE(w >= 1 && w <= 10) << w;
      EXPECT_EQ(dlg.Edits[static_cast<std::size_t>(i)]->text(), QString::number(w));
    }
    EXPECT_TRUE(dlg.Weights[9] >= 1 && dlg.Weights[9] <= 30) << dlg.Weights[9];
    EXPECT_EQ(dlg.Edits[9]->text(), QString::number(dlg.Weights[9]));
    EXPECT_TRUE(dlg.Label1->isEnabled());
  }
}

TEST(PackagesForm2, OnALargeScreenTheWholeDialogGrowsPilesIncluded) {
  screen::SetFixedSize(QSize(1920, 1080));
  modal::ScriptedHostScope host;
  TPackagesForm2 dlg;
  dlg.ItemCount = 8;
  dlg.Prepare();
  FitToScreen(dlg);
  dlg.show();
  EXPECT_EQ(dlg.Image1->geometry(), dlg.rect()) << "the picture covers the whole dialog";
  EXPECT_EQ(dlg.Image1->Picture().Image().size(), dlg.size()) << "the picture is drawn at the dialog's size";
  const int block = dlg.Scaled(TPackagesForm2::BlockSize);
  EXPECT_GT(block, TPackagesForm2::BlockSize);
  for (int i = 1; i <= 9; ++i) {
    const QRect label = dlg.Labels[static_cast<std::size_t>(i)]->geometry();
    const TRect field = dlg.FieldRect(i);
    EXPECT_EQ(label.topLeft(), QPoint(field.Left, field.Top)) << "W" << i;
    EXPECT_EQ(dlg.Edits[static_cast<std::size_t>(i)]->geometry().right() + 1, field.Right) << "W" << i;
    const TRect first = dlg.BlockRect(i, 1);
    EXPECT_EQ(first.Width(), block);
    EXPECT_EQ(first.Left, field.Left) << "the pile of W" << i << " stands on its own field";
    EXPECT_LE(first.Bottom, field.Top);
    EXPECT_GE(first.Bottom, field.Top - dlg.Scaled(8));
  }
  const QImage before = dlg.Image1->Picture().Image();  // every weight 1
  dlg.RanButtonClick();
  const QImage after = dlg.Image1->Picture().Image();
  int drawn = 0;
  for (int i = 1; i <= 8; ++i) {
    const int w = dlg.Weights[static_cast<std::size_t>(i)];
    if (w > 1) {
      const QPoint top = dlg.BlockRect(i, w).ToQRect().center();
      EXPECT_NE(after.pixel(top), before.pixel(top)) << "W" << i << "'s top block is not at its grown place";
      ++drawn;
    }
    if (w < 10) {
      const QPoint above = dlg.BlockRect(i, w + 1).ToQRect().center();
      EXPECT_EQ(after.pixel(above), before.pixel(above)) << "W" << i << ": a block over the background";
    }
  }
  EXPECT_GT(drawn, 0);
  dlg.hide();
  screen::SetFixedSize(QSize(1024, 768));
}

// ---------------------------------------------------------------- the message window

TEST(PkgMsgForm, TheFaceLooksLeftAheadAndRightInTurn) {
  TPkgMsgForm msg;
  EXPECT_EQ(msg.Timer1->interval(), 250);
  const auto shown = [&] {
    QString s;
    for (TImage* image : msg.Images) s += image->isHidden() ? '-' : '#';
    return s;
  };
  EXPECT_EQ(shown(), QStringLiteral("---"));
  msg.Timer1Timer();
  EXPECT_EQ(shown(), QStringLiteral("#--"));
  msg.Timer1Timer();
  EXPECT_EQ(shown(), QStringLiteral("-#-"));
  msg.Timer1Timer();
  EXPECT_EQ(shown(), QStringLiteral("--#"));
  msg.Timer1Timer();
  EXPECT_EQ(shown(), QStringLiteral("#--"));
}

TEST(PkgMsgForm, AnyKeyOrAClickClosesIt) {
  modal::ScriptedHostScope host;
  TPkgMsgForm msg;
  EXPECT_EQ(msg.ShowModal(), mrOk);
  EXPECT_EQ(host->Transcript(), QStringList{kSolution});
  TPkgMsgForm clicked;
  clicked.show();
  script::Click(*clicked.Cover);
  EXPECT_FALSE(clicked.isVisible());
  EXPECT_FALSE(clicked.Timer1->isActive());
}

// ---------------------------------------------------------------- runs

TEST_F(PackagesRun, AVolumeAboveTheSumOfAllWeightsHasNoSolution) {
  Start({2, 3, 4}, 10);
  TraceToEnd();
  EXPECT_EQ(Solutions(), 0) << Transcript();
  EXPECT_EQ(host_->Transcript().count(kEnd), 1);
}

TEST_F(PackagesRun, EverySolutionIsFound) {
  const std::vector<int> weights{1, 2, 3, 4, 5, 6};
  Start(weights, 10);
  demo_->Run();
  EXPECT_EQ(Solutions(), SolutionsByBruteForce(weights, 10)) << Transcript();
  EXPECT_EQ(Solutions(), 5);
}

TEST_F(PackagesRun, EightItemsFillTheStackDisplayExactlyAtTheDeepestCall) {
  // Leaving every item out goes down to n = 0; no item fits, so the run stays short.
  Start({10, 10, 10, 10, 10, 10, 10, 10}, 5);
  int deepest = 0;
  TraceToEnd([&] {
    deepest = std::max(deepest, Stack().Count());
    if (demo_->CurLine() != nullptr) {
      // The heading and one row per active call.
      ASSERT_EQ(Stack().Count(), demo_->RunStack()->Count() + 1);
    }
  });
  EXPECT_EQ(deepest, Stack().Layout().Capacity());
  EXPECT_EQ(deepest, 10);
  EXPECT_EQ(Solutions(), 0);
}

TEST_F(PackagesRun, AnItemThatSticksOutOverTheTopLeavesNoCellBehind) {
  // The knapsack holds 30; items of 10 put in at a level of 29 reach cell 39.
  Start({10, 10, 10, 9}, 30);
  int highest = 0;
  TraceToEnd([&] {
    for (int k = TPkgForm::MaxCells; k > 0; --k)
      if (Form().Cell(k) >= 1 && Form().Cell(k) <= 8) {
        highest = std::max(highest, k);
        break;
      }
  });
  EXPECT_EQ(highest, 39) << "9 + 10 + 10 in, then the last 10 on top";
  EXPECT_EQ(Solutions(), 1) << "10 + 10 + 10";
  for (int k = 1; k <= 30; ++k) EXPECT_EQ(Form().Cell(k), TPkgForm::EmptyCell) << k;
  for (int k = 31; k <= TPkgForm::MaxCells; ++k) EXPECT_EQ(Form().Cell(k), TPkgForm::NoCell) << k;
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(Form().Levels[static_cast<std::size_t>(i)], Form().Sizes[static_cast<std::size_t>(i)]);
  EXPECT_EQ(Form().Levels[5], 0) << "the knapsack is empty again";
}

TEST_F(PackagesRun, ThePilesAndTheColumnStandWithinTheWindow) {
  Start({10, 10, 10, 10, 10, 10, 10, 10}, 30);
  const TRect client = Form().ClientRect();
  const auto inside = [&](const TRect& r) {
    return r.Left >= 0 && r.Top >= 0 && r.Right <= client.Right && r.Bottom <= Form().StackBox->y();
  };
  for (int i = 1; i <= 8; ++i)
    for (int j = 1; j <= 10; ++j) EXPECT_TRUE(inside(Form().BlockRect(i, j))) << i << "," << j;
  for (int k = 1; k <= TPkgForm::MaxCells; ++k) EXPECT_TRUE(inside(Form().CellRect(k))) << k;
}

TEST_F(PackagesRun, CancellingTheDataDialogsKeepsTheDataInUse) {
  Start({2, 5}, 7);
  host_->QueueDialog(QStringLiteral("Edit1=6 key:Enter"));
  host_->QueueDialog(QStringLiteral("\"取    消\""));
  EXPECT_FALSE(demo_->CreateData());
  EXPECT_EQ(demo_->ItemCount(), 2);
  EXPECT_EQ(demo_->Weights()[2], 5);
  EXPECT_EQ(demo_->Volume(), 7);
}
