#include "demos/storage/StoreModel.h"

#include <gtest/gtest.h>

namespace {

using S = TStoreModel;
using R = S::TAllocResult;

R Alloc(S& s, const QString& name, int size) {
  return s.Allocate(name, size, [] { return clRed; });
}

QString Table(const S& s) {
  QStringList out;
  for (const auto& r : s.Rows())
    out << QStringLiteral("%1 %2 %3 %4").arg(r.name).arg(r.start).arg(r.size).arg(r.allocated ? "A" : "F");
  return out.join(", ");
}

}  // namespace

TEST(StoreModel, ABlockThatDoesNotFitBehindTheLastCompactsFirst) {
  S s;
  EXPECT_EQ(Alloc(s, "A", 40), R::Done);
  EXPECT_EQ(Alloc(s, "B", 40), R::Done);
  EXPECT_EQ(s.Free("A"), S::TFreeResult::Done);
  EXPECT_EQ(Table(s), "A 1 40 F, B 41 40 A");
  EXPECT_EQ(Alloc(s, "C", 30), R::Done);
  EXPECT_EQ(Table(s), "B 1 40 A, C 41 30 A");
  EXPECT_EQ(s.Used(), 70);
  EXPECT_EQ(s.RowOfUnit(41), 1);
  EXPECT_EQ(s.RowOfUnit(71), -1);
}

TEST(StoreModel, RefusalsChangeNothing) {
  S s;
  EXPECT_EQ(Alloc(s, "X", 100), R::Done);
  EXPECT_EQ(Alloc(s, "Y", 1), R::NoSpace);
  EXPECT_EQ(Alloc(s, "X", 0), R::NameTaken);
  EXPECT_EQ(s.Free("Z"), S::TFreeResult::Unknown);
  EXPECT_EQ(Table(s), "X 1 100 A");

  S t;
  Alloc(t, "A", 10);
  Alloc(t, "B", 10);
  EXPECT_EQ(t.Free("A"), S::TFreeResult::Done);
  EXPECT_EQ(t.Free("A"), S::TFreeResult::AlreadyFree);
  EXPECT_EQ(Table(t), "A 1 10 F, B 11 10 A");
}

TEST(StoreModel, AFreedNameAllocatedAgainCompactsAndEmptyBlocksAreRows) {
  S s;
  Alloc(s, "A", 10);
  Alloc(s, "B", 0);
  Alloc(s, "C", 10);
  EXPECT_EQ(Table(s), "A 1 10 A, B 11 0 A, C 11 10 A");
  s.Free("A");
  EXPECT_EQ(Alloc(s, "A", 5), R::Done);
  EXPECT_EQ(Table(s), "B 1 0 A, C 1 10 A, A 11 5 A");
}

TEST(StoreModel, FreeingTheLastBlockDropsTrailingFreedRows) {
  S s;
  for (const char* n : {"A", "B", "C", "D"}) Alloc(s, n, 5);
  s.Free("B");
  s.Free("C");
  s.Free("D");
  EXPECT_EQ(Table(s), "A 1 5 A");
  EXPECT_EQ(s.End(), 6);
}

TEST(StoreModel, TheTableHoldsNineteenBlocks) {
  S s;
  for (int i = 1; i <= 19; ++i) ASSERT_EQ(Alloc(s, QString::number(i), 1), R::Done);
  int asked = 0;
  EXPECT_EQ(s.Allocate("20", 1, [&] { ++asked; return clRed; }), R::TableFull);
  EXPECT_EQ(asked, 0);
  EXPECT_EQ(s.Rows().size(), 19u);
  s.Free("5");
  EXPECT_EQ(Alloc(s, "20", 1), R::Done) << "the freed row is compacted away first";
  ASSERT_EQ(s.Rows().size(), 19u);
  EXPECT_EQ(s.Rows().back().name, "20");
  EXPECT_EQ(s.Rows().back().start, 19);
}
