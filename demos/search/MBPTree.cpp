#include "demos/search/MBPTree.h"

#include "demos/search/BPTreeClass.h"
#include "demos/search/BPTreeGrfForm.h"
#include "framework/drawkit/Pointer2.h"

TMBPTree::TMBPTree(const QStringList& source) : TBTreeDemoBase(source) {}
TMBPTree::~TMBPTree() = default;

void TMBPTree::CreateChildWindow() {
  TAlgoDemo::CreateChildWindow();
  SetGraphForm(std::make_unique<TBPTreeGraphForm>());
}

TBPTreeClass& TMBPTree::BPTree() const { return static_cast<TBPTreeClass&>(Tree()); }

// `Begin@F{Begin}: one step of the operation; the line repeats until it answers true.
bool TMBPTree::BPTree_F_Begin() {
  TBPTreeClass& tree = BPTree();
  switch (State) {
    case 1:
      return FindInsertPlace(7, QStringLiteral("建立新树，值为Ｘ"));
    case 4:
      return InsertStep();
    case 5:
      SplitStep();
      return GoOnAfterSplit(QStringLiteral("建立新根"));
    case 6:
      return NewRootStep(Q, AP);
    case 7:
      return NewRootStep(nullptr, nullptr);
    case 20:
      if (!FindKeyToDelete()) return true;
      return Go(23, QStringLiteral("从节点Ｐ中删除"));
    case 23:
      if (I == P->KeyNum)
        for (TBTreeNode* changed : tree.ReplaceLargestKey(*P, I)) changed->Repaint();
      static_cast<TBPTreeNode*>(P)->DeleteEntry(I);
      return KeyDeleted();
    default:
      return RepairStep();
  }
}

void TMBPTree::SplitStep() {
  TBTreeGraphForm& f = *GraphForm();
  TBPTreeClass& tree = BPTree();
  AP = tree.Split(*P, X);
  P->resize((P->width() / 5) * 2, P->height());
  P->Repaint();
  MoveUpAfterSplit();
  PlaceSplitPieces();
  AP->show();
  Mark(f.ap, AP);
  Mark(f.q, Q);
}

void TMBPTree::PlaceSplitPieces() {
  if (!Q || !AP) return;
  // The upper half stands beside the lower one until the next step places it.
  const int cell = Q->width() / std::max(Q->KeyNum, 1);
  AP->setGeometry(Q->x() + cell * 3, Q->y(), cell * 3, Q->height());
  PlaceSplitRow({Q, AP});
}
