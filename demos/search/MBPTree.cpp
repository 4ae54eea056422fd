#include "demos/search/MBPTree.h"

#include "demos/search/BPTreeClass.h"
#include "demos/search/BPTreeGrfForm.h"
#include "framework/drawkit/Pointer2.h"
#include "platform/ModalHost.h"

namespace {
const QString kInsertInto = QStringLiteral("在节点Ｐ中插入");
const QString kInserted = QStringLiteral("插入结束");
}  // namespace

TMBPTree::TMBPTree(const QStringList& source) : TBTreeDemoBase(source) {}
TMBPTree::~TMBPTree() = default;

void TMBPTree::CreateChildWindow() {
  TAlgoDemo::CreateChildWindow();
  SetGraphForm(std::make_unique<TBPTreeGraphForm>());
}

TBPTreeClass& TMBPTree::BPTree() const { return static_cast<TBPTreeClass&>(Tree()); }

// `Begin@F{Begin}: one step of the operation; the line repeats until it answers true.
bool TMBPTree::BPTree_F_Begin() {
  TBTreeGraphForm& f = *GraphForm();
  TBPTreeClass& tree = BPTree();
  switch (State) {
    case 1:
      K = f.Key();
      X = K;
      AP = nullptr;
      if (tree.Search(K, P, I)) return Finish(2, QStringLiteral("关键字已存在"));
      if (!P) return Go(7, QStringLiteral("建立新树，值为Ｘ"));
      Mark(f.p, P);
      return Go(4, kInsertInto);
    case 4:
      if (tree.TooDeep(*P)) {
        modal::ShowMessage(QStringLiteral("树深度过大"));
        return Finish(3, kInserted);
      }
      for (TBTreeNode* raised : tree.InsertEntry(*P, I, X, AP)) raised->Repaint();
      P->Repaint();
      Relayout();
      if (P->KeyNum < TBTreeNode::kMaxKeys) return Finish(3, kInserted);
      return Go(5, QStringLiteral("分裂节点Ｐ"));
    case 5:
      SplitStep();
      return P ? Go(4, kInsertInto) : Go(6, QStringLiteral("建立新根"));
    case 6: {
      TBTreeNode* root = tree.NewNode();
      root->stair = 1;
      root->KeyNum = 2;
      root->SetKey(1, Q->GetKey(2));
      root->SetKey(2, AP->GetKey(3));
      root->SetChild(0, Q);
      root->SetChild(1, AP);
      tree.SetRoot(root);
      Relayout();
      return Finish(3, kInserted);
    }
    case 7: {
      TBTreeNode* root = tree.NewNode();
      root->stair = 1;
      root->KeyNum = 1;
      root->SetKey(1, X);
      tree.SetRoot(root);
      Relayout();
      return Finish(3, kInserted);
    }
    case 20:
      K = f.Key();
      AP = nullptr;
      if (!tree.Search(K, P, I)) return Finish(21, QStringLiteral("关键字不存在"));
      Mark(f.p, P);
      return Go(23, QStringLiteral("从节点Ｐ中删除"));
    case 23:
      if (I == P->KeyNum)
        for (TBTreeNode* changed : tree.ReplaceLargestKey(*P, I)) changed->Repaint();
      static_cast<TBPTreeNode*>(P)->DeleteEntry(I);
      P->Repaint();
      DropEmptyRoot();
      Relayout();
      return Repaired();
    case 24:
      return FindSibling();
    case 25:
      return BorrowStep();
    case 26:
      return MergeStep();
    default:
      return false;
  }
}

void TMBPTree::SplitStep() {
  TBTreeGraphForm& f = *GraphForm();
  TBPTreeClass& tree = BPTree();
  AP = tree.Split(*P, X);
  P->resize((P->width() / 5) * 2, P->height());
  P->Repaint();
  // The upper half stands beside the lower one until the next step places it.
  AP->setGeometry(P->x() + P->width() + P->width() / 2, P->y(), (P->width() / std::max(P->KeyNum, 1)) * 3,
                  P->height());
  AP->show();
  Mark(f.ap, AP);
  Q = P;
  Mark(f.q, Q);
  P = P->Parent();
  if (P) I = TBPTreeClass::PositionFor(*P, X);
  f.p->SetTarget(P);
  f.p->Reposition();
  HoldLayout = true;
  tree.Repaint();
}
