#include <gtest/gtest.h>

#include "EngineRecorders.h"
#include "framework/engine/BasicData.h"
#include "framework/engine/Errors.h"
#include "framework/engine/Globals.h"

namespace {

// Sets the language for one test and puts it back.
struct Language {
  explicit Language(bool c) : saved(UseCLanguage) { UseCLanguage = c; }
  ~Language() { UseCLanguage = saved; }
  bool saved;
};

}  // namespace

TEST(DataNames, AreCutTo16BytesWithoutSplittingAChineseCharacter) {
  EXPECT_EQ(TData(QStringLiteral("abcdefghijklmnopqrst")).Name(),
            QStringLiteral("abcdefghijklmnop"));
  // 11 characters of two bytes each: 8 fit.
  EXPECT_EQ(TData(QStringLiteral("数据结构与算法演示系统")).Name(),
            QStringLiteral("数据结构与算法演"));
  // One byte, then two-byte characters: the eighth would end on byte 17, so it goes.
  EXPECT_EQ(TData(QStringLiteral("a数据结构与算法演示")).Name(), QStringLiteral("a数据结构与算法"));
}

TEST(LeafTexts, ShowTheirValuesAsTheLanguageWrites) {
  TIntData i(QStringLiteral("i"), -42);
  EXPECT_EQ(i.GetText(), "-42");
  EXPECT_FALSE(i.Modified()) << "a constructor stores without marking";
  i.SetAssigned(false);
  EXPECT_EQ(i.GetText(), "???");
  i.SetAssigned(true);
  EXPECT_TRUE(i.Modified());
  EXPECT_EQ(i.GetText(), "-42");

  EXPECT_EQ(TCharData(QStringLiteral("c"), ' ').GetText(), "' '");
  EXPECT_EQ(TCharData(QStringLiteral("c"), 'x').GetText(), "x");
  EXPECT_EQ(TBoolData(QStringLiteral("b"), true).GetText(), "TRUE");
  EXPECT_EQ(TBoolData(QStringLiteral("b"), false).GetText(), "FALSE");
  TRealData r(QStringLiteral("r"));
  EXPECT_EQ(r.GetText(), "0");
  r.SetValue(2.5);
  EXPECT_EQ(r.GetText(), "2.5");

  TStringData s(QStringLiteral("s"), QStringLiteral("ab"));
  {
    Language pascal(false);
    EXPECT_EQ(s.GetText(), "'ab'");
  }
  {
    Language c(true);
    EXPECT_EQ(s.GetText(), "\"ab\"");
  }
  Language pascal(false);
  TStringData longText(QStringLiteral("s"), QString(100, 'x'));
  EXPECT_EQ(longText.GetText().size(), 80);
  TStringData chinese(QStringLiteral("s"), QString(45, QChar(0x6570)));  // 数 x 45
  EXPECT_EQ(chinese.GetText(), "'" + QString(39, QChar(0x6570))) << "79 bytes: no half character";
}

TEST(PointerTexts, FollowTheTargetAndItsDisposal) {
  Language pascal(false);
  TPtrData p(QStringLiteral("p"));
  EXPECT_EQ(p.GetText(), "nil");
  {
    Language c(true);
    EXPECT_EQ(p.GetText(), "NULL");
  }
  auto node = std::make_unique<TData>(QStringLiteral("node1"));
  p.SetTarget(node.get());
  EXPECT_EQ(p.GetText(), QStringLiteral("指向node1"));
  p.DisposeTarget();
  (void)node.release();  // DisposeTarget freed it
  EXPECT_EQ(p.GetText(), QStringLiteral("非法状态"));
  EXPECT_EQ(p.State(), 1);
  p.SetTarget(nullptr);
  EXPECT_EQ(p.GetText(), "nil");
}

TEST(PointerTargets, NeverDangleWhenFreedElsewhere) {
  Language pascal(false);
  TRecord list(QStringLiteral("list"));
  auto* node = list.Add(new TData(QStringLiteral("n1")));
  TPtrData p(QStringLiteral("p"), node), q(QStringLiteral("q"), node);
  q.DisposeTarget();  // frees the node, which leaves its owner
  EXPECT_EQ(list.Items(0), nullptr);
  EXPECT_EQ(list.Count(), 1);
  EXPECT_EQ(p.GetText(), QStringLiteral("非法状态"))
      << "the other pointer must not read a freed node";
  EXPECT_EQ(p.Target(), nullptr);
}

TEST(PointerOwnership, FreesOnlyWhatItOwns) {
  auto target = std::make_unique<TData>(QStringLiteral("t"));
  { TPtrData borrowed(QStringLiteral("b"), target.get(), false); }
  EXPECT_EQ(target->Name(), "t");  // still alive (ASan would report otherwise)
  { TPtrData owner(QStringLiteral("o"), target.release(), true); }  // frees it
  // Re-targeting an owning pointer frees the old target instead of losing it.
  TPtrData p(QStringLiteral("p"), new TData(QStringLiteral("old")), true);
  TData other(QStringLiteral("other"));
  p.SetTarget(&other);
  EXPECT_FALSE(p.OwnsTarget());
}

TEST(CompositeTexts, JoinTheirChildren) {
  TRecord rec(QStringLiteral("r"));
  EXPECT_EQ(rec.GetText(), "()");
  rec.Add(new TIntData(QStringLiteral("a"), 1));
  rec.Add(new TIntData(QStringLiteral("b"), 2));
  EXPECT_EQ(rec.GetText(), "(1,2)");

  TVector vec(QStringLiteral("v"));
  EXPECT_EQ(vec.GetText(), "()");
  vec.Add(new TIntData(QString(), 1));
  vec.Add(new TIntData(QString(), 2));
  EXPECT_EQ(vec.GetText(), "(1, 2)");

  TData plain(QStringLiteral("d"));
  EXPECT_EQ(plain.GetText(), "");
  plain.Add(new TIntData(QString(), 1));
  plain.Add(new TIntData(QString(), 2));
  EXPECT_EQ(plain.GetText(), "(1,2,)");
  TStack stack(QStringLiteral("s"));
  stack.Push(new TIntData(QString(), 1));
  stack.Push(new TIntData(QString(), 2));
  EXPECT_EQ(stack.GetText(), "(1,2,)");

  TMatrix m(QStringLiteral("m"), 2, 2);
  for (int v = 1; v <= 4; ++v) m.Add(new TIntData(QString(), v));
  EXPECT_EQ(m.GetText(), "((1,2,),(3,4,))");
  EXPECT_EQ(static_cast<TIntData*>(m.Elements(1, 0))->Value(), 3);
  EXPECT_EQ(ErrorText<ERangeError>([&] { m.Elements(2, 0); }), "Matrix Sub: 2 0");
}

TEST(CompositeTexts, AreCutAt80LosingTheClosingParenthesis) {
  TRecord rec(QStringLiteral("r"));
  TData plain(QStringLiteral("d"));
  TMatrix m(QStringLiteral("m"), 3, 10);
  for (int i = 0; i < 30; ++i) {
    rec.Add(new TIntData(QString(), 1000 + i));
    plain.Add(new TIntData(QString(), 1000 + i));
    m.Add(new TIntData(QString(), 1000 + i));
  }
  for (const TData* d :
       {static_cast<TData*>(&rec), static_cast<TData*>(&plain), static_cast<TData*>(&m)}) {
    const QString t = d->GetText();
    EXPECT_EQ(t.size(), 80) << t.toStdString();
    EXPECT_FALSE(t.endsWith(')')) << t.toStdString();
  }
  EXPECT_TRUE(plain.GetText().startsWith("(1000,1001,"));
}

TEST(Ownership, OneOwnerPerChild) {
  TRecord a(QStringLiteral("a")), b(QStringLiteral("b"));
  auto* x = a.Add(new TIntData(QStringLiteral("x"), 1));
  EXPECT_EQ(ErrorText<EMultiLinkedData>([&] { b.Add(x); }), "Data x");
  EXPECT_EQ(b.Count(), 0);
  a.Add(x);  // again into its own owner: allowed, shown twice
  EXPECT_EQ(a.GetText(), "(1,1)");
  EXPECT_EQ(ErrorText<EMultiLinkedData>([&] { a.Add(&a); }), "Data a");
  auto* inner = a.Add(new TRecord(QStringLiteral("in")));
  EXPECT_EQ(ErrorText<EMultiLinkedData>([&] { inner->Add(&a); }), "Data a")
      << "a node cannot become a child of its own child";
}  // a frees x once although it sits in two slots

TEST(Ownership, DestroyingAChildLeavesAnEmptySlotUntilPack) {
  TData d(QStringLiteral("d"));
  d.Add(new TIntData(QString(), 1));
  auto* two = d.Add(new TIntData(QString(), 2));
  d.Add(new TIntData(QString(), 3));
  delete two;
  EXPECT_EQ(d.Count(), 3);
  EXPECT_EQ(d.Items(1), nullptr);
  EXPECT_EQ(d.GetText(), "(1,,3,)");
  d.Pack();
  EXPECT_EQ(d.Count(), 2);
  EXPECT_EQ(d.GetText(), "(1,3,)");
}

TEST(Ownership, TakenOutChildrenGoToTheCaller) {
  TStack s(QStringLiteral("s"));
  s.Push(new TIntData(QString(), 1));
  s.Push(new TIntData(QString(), 2));
  std::unique_ptr<TData> top = s.Pop();
  ASSERT_NE(top, nullptr);
  EXPECT_EQ(top->Owner(), nullptr);
  EXPECT_EQ(s.Count(), 1);
  EXPECT_EQ(s.Extract(5), nullptr) << "any index is tolerated";
  EXPECT_EQ(s.Items(-1), nullptr);
  TStack empty;
  EXPECT_EQ(empty.Pop(), nullptr);
  EXPECT_TRUE(empty.Modified()) << "popping an empty stack only marks it";

  TVector v(QStringLiteral("v"));
  EXPECT_TRUE(v.SetSize(3).empty());
  v.SetItem(2, new TIntData(QString(), 9));
  auto taken = v.SetSize(1);
  ASSERT_EQ(taken.size(), 1u);
  EXPECT_EQ(taken[0]->GetText(), "9");
  EXPECT_EQ(ErrorText<EInvalidDimension>([&] { (void)v.SetSize(0); }), "TVector 0");
}

TEST(Ownership, SetItemReplacesOnlyAtAValidIndex) {
  TData d(QStringLiteral("d"));
  d.Add(new TIntData(QString(), 1));
  EXPECT_TRUE(d.SetItem(0, new TIntData(QString(), 2)));  // the 1 is destroyed
  EXPECT_EQ(d.GetText(), "(2,)");
  auto item = std::make_unique<TIntData>(QString(), 3);
  EXPECT_FALSE(d.SetItem(5, item.get()));
  EXPECT_EQ(item->Owner(), nullptr) << "an item not stored must not be claimed";
  TRecord other(QStringLiteral("o"));
  other.Add(std::move(item));  // still free to go elsewhere
}

TEST(Ownership, ClassChecksNameTheClass) {
  TData d(QStringLiteral("d"));
  d.SetItemClass<TIntData>();
  EXPECT_EQ(ErrorText<EInvalidCast>([&] { d.Add(std::make_unique<TBoolData>()); }),
            "Invalid class TBoolData");
  d.Add(new TIntData(QStringLiteral("i")));
  EXPECT_EQ(ErrorText<EInvalidCast>([&] { d.SetItemClass<TBoolData>(); }),
            "Invalid class TIntData");
  EXPECT_EQ(d.ItemClass(), DataClass<TIntData>()) << "a refused item class is not taken";
}

TEST(Ownership, TheThousandAndFirstSlotIsARangeError) {
  TData d(QStringLiteral("d"));
  for (int i = 0; i < 1000; ++i) d.Add(nullptr);
  auto extra = std::make_unique<TIntData>(QStringLiteral("x"));
  EXPECT_THROW(d.Add(extra.get()), ERangeError);
  EXPECT_EQ(extra->Owner(), nullptr);
  EXPECT_EQ(d.Count(), 1000);
  EXPECT_THROW((void)d.SetCount(1001), ERangeError);
}

TEST(Storage, GrowsBySixteenAndShrinksOnlyWithSixteenSpare) {
  TData d(QStringLiteral("d"));
  d.Add(nullptr);
  EXPECT_EQ(d.Capacity(), 16);
  for (int i = 0; i < 16; ++i) d.Add(new TIntData());
  EXPECT_EQ(d.Capacity(), 32);
  d.Pack();  // 16 children, 16 spare
  EXPECT_EQ(d.Capacity(), 16);
  d.Add(new TIntData());
  d.Add(new TIntData());
  (void)d.Delete(0);  // 17 children in 32 slots
  EXPECT_EQ(d.Capacity(), 32) << "15 spare slots are kept";
  (void)d.Delete(0);
  EXPECT_EQ(d.Capacity(), 16) << "16 spare slots are given back";
  d.Clear();
  EXPECT_EQ(d.Capacity(), 0);
  EXPECT_EQ(d.Count(), 0);
}

TEST(Modified, ClimbsThroughCompositesOnly) {
  TData locals(QStringLiteral("locals"));
  auto* outer = locals.Add(new TRecord(QStringLiteral("outer")));
  auto* inner = outer->Add(new TRecord(QStringLiteral("inner")));
  auto* field = inner->Add(new TIntData(QStringLiteral("f"), 1));
  field->SetValue(2);
  EXPECT_TRUE(inner->Modified());
  EXPECT_TRUE(outer->Modified());
  EXPECT_FALSE(locals.Modified()) << "a plain node is not a composite value";

  TRecord holder(QStringLiteral("h"));
  auto* stack = holder.Add(new TStack(QStringLiteral("s")));
  auto* item = stack->Push(new TIntData(QStringLiteral("i")));
  holder.SetModified(false);
  stack->SetModified(false);
  item->SetValue(5);
  EXPECT_FALSE(stack->Modified());
  EXPECT_FALSE(holder.Modified()) << "setting an item on a stack does not mark the stack's owner";
}

TEST(Copies, AreDeepAndKeepTheDestination) {
  TRecord src(QStringLiteral("src"));
  src.Add(new TIntData(QStringLiteral("a"), 7));
  src.Add(nullptr);
  auto* sub = src.Add(new TVector(QStringLiteral("v")));
  sub->Add(new TStringData(QString(), QStringLiteral("x")));
  TRecord dst(QStringLiteral("dst"));
  dst.Add(new TIntData(QStringLiteral("old"), 1));
  dst.Assign(&src);
  EXPECT_EQ(dst.Name(), "dst");
  EXPECT_EQ(dst.Count(), 3);
  EXPECT_EQ(dst.Items(1), nullptr) << "empty slots are copied as empty slots";
  ASSERT_NE(dynamic_cast<TIntData*>(dst.Items(0)), nullptr);
  EXPECT_EQ(dst.Items(0)->GetText(), "7");
  EXPECT_NE(dst.Items(2), sub);
  EXPECT_EQ(dst.GetText(), src.GetText());

  TMatrix m(QStringLiteral("m"), 1, 2), copy(QStringLiteral("c"));
  m.Add(new TIntData(QString(), 1));
  m.Add(new TIntData(QString(), 2));
  copy.Assign(&m);
  EXPECT_EQ(copy.GetText(), "((1,2,))");
}

TEST(Copies, OfLeavesConvertWhereTheLanguageDid) {
  TIntData i(QStringLiteral("i"), 3);
  TRealData r(QStringLiteral("r"));
  r.Assign(&i);
  EXPECT_EQ(r.Value(), 3.0);
  EXPECT_TRUE(r.Modified());
  EXPECT_TRUE(i.Modified()) << "the source is marked too";
  TCharData c(QStringLiteral("c"), 'q');
  TStringData s(QStringLiteral("s"));
  s.Assign(&c);
  EXPECT_EQ(s.Value(), "q");
  TData target(QStringLiteral("t"));
  TPtrData p(QStringLiteral("p"), &target), p2(QStringLiteral("p2"));
  p2.Assign(&p);
  EXPECT_EQ(p2.Target(), &target);
  EXPECT_EQ(ErrorText<EConvertError>([&] { i.Assign(nullptr); }),
            "Cannot assign a nil to a TIntData");
  EXPECT_EQ(ErrorText<EConvertError>([&] { i.AssignTo(nullptr); }),
            "Cannot assign a TIntData to a nil");
}
