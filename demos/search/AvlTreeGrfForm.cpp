#include "demos/search/AvlTreeGrfForm.h"

#include "demos/search/AvlTreeClass.h"
#include "framework/drawkit/Pointer2.h"
#include "platform/Controls.h"

const QStringList TAVlTreeGraphForm::AlgoInsert = {
    QStringLiteral("!ins_avltree"),
    QStringLiteral("PROC ins_avltree(VAR t:bitreptr; k:keytype);"),
    QStringLiteral("{ 在平衡二叉树t中插入关键字k，插入后若失去平衡则旋转调整 }"),
    QStringLiteral("BEGIN"),
    QStringLiteral("  new(s); s^.key:=k; s^.lchild:=NIL; s^.rchild:=NIL; s^.bf:=0;`Begin@P"),
    QStringLiteral("  IF t=NIL THEN`Line1@F{Line3}"),
    QStringLiteral("    [ t:=s; RETURN ]`Line2@P{End}"),
    QStringLiteral("  f:=NIL; a:=t; p:=t; q:=NIL;`Line3@P"),
    QStringLiteral("  { 查找插入位置q，a为离插入位置最近且bf不为0的结点，f为a的双亲 }"),
    QStringLiteral("  WHILE p<>NIL DO`Line4@F{Line13}"),
    QStringLiteral("  [ IF p^.bf<>0 THEN`Line5@F{Line7}"),
    QStringLiteral("      [ a:=p; f:=q ];`Line6@P"),
    QStringLiteral("    q:=p;`Line7@P"),
    QStringLiteral("    IF k=p^.key THEN`Line8@F{Line10}"),
    QStringLiteral("      [ writeln('关键字已存在'); RETURN ];`Line9@P{End}"),
    QStringLiteral("    IF k<p^.key THEN`Line10@F{Line12}"),
    QStringLiteral("      p:=p^.lchild`Line11@P{Line4}"),
    QStringLiteral("    ELSE p:=p^.rchild ];`Line12@P{Line4}"),
    QStringLiteral("  IF k<q^.key THEN`Line13@F{Line15}"),
    QStringLiteral("    q^.lchild:=s`Line14@F{End}@P{Line16}"),
    QStringLiteral("  ELSE q^.rchild:=s;`Line15@F{End}"),
    QStringLiteral("  { 修改a到s路径上各结点的平衡因子 }"),
    QStringLiteral("  IF k<a^.key THEN`Line16@F{Line18}"),
    QStringLiteral("    [ p:=a^.lchild; b:=p; d:=1 ]`Line17@P{Line19}"),
    QStringLiteral("  ELSE [ p:=a^.rchild; b:=p; d:=-1 ];`Line18@P"),
    QStringLiteral("  WHILE p<>s DO`Line19@F{Line23}"),
    QStringLiteral("    IF k<p^.key THEN`Line20@F{Line22}"),
    QStringLiteral("      [ p^.bf:=1; p:=p^.lchild ]`Line21@P{Line19}"),
    QStringLiteral("    ELSE [ p^.bf:=-1; p:=p^.rchild ];`Line22@P{Line19}"),
    QStringLiteral("  balanced:=TRUE;`Line23@P"),
    QStringLiteral("  IF a^.bf=0 THEN`Line24@F{Line26}"),
    QStringLiteral("    a^.bf:=d`Line25@P{End}"),
    QStringLiteral("  ELSE IF a^.bf+d=0 THEN`Line26@F{Line28}"),
    QStringLiteral("    a^.bf:=0`Line27@P{End}"),
    QStringLiteral("  ELSE [ balanced:=FALSE;`Line28@P"),
    QStringLiteral("    IF d=1 THEN`Line29@F{Line34}"),
    QStringLiteral("    [ IF b^.bf=1 THEN`Line30@F{Line32}"),
    QStringLiteral("        LL_rotation(t,f,a,b)      { LL型：b右旋为子树根 }`Line31@P{End}"),
    QStringLiteral("      ELSE IF b^.bf=-1 THEN`Line32@F{End}"),
    QStringLiteral("        LR_rotation(t,f,a,b) ]    { LR型：c:=b^.rchild 为子树根 }`Line33@P{End}"),
    QStringLiteral("    ELSE IF b^.bf=-1 THEN`Line34@F{Line36}"),
    QStringLiteral("        RR_rotation(t,f,a,b)      { RR型：b左旋为子树根 }`Line35@P{End}"),
    QStringLiteral("      ELSE IF b^.bf=1 THEN`Line36@F{End}"),
    QStringLiteral("        RL_rotation(t,f,a,b) ]    { RL型：c:=b^.lchild 为子树根 }`Line37@P{End}"),
    QStringLiteral("END;`End@R"),
    QStringLiteral("#"),
};

const QStringList TAVlTreeGraphForm::AlgoDelete = {
    QStringLiteral("!del_avltree"),
    QStringLiteral("PROC del_avltree(VAR t:bitreptr; k:keytype);"),
    QStringLiteral("{ 在平衡二叉树t中删除关键字k：没有左子树的结点由右子树顶替， }"),
    QStringLiteral("{ 否则由中序前驱顶替；再自下而上调整变矮的子树 }"),
    QStringLiteral("BEGIN"),
    QStringLiteral("  p:=t; f:=NIL; ff:=NIL;`Begin@P"),
    QStringLiteral("  WHILE (p<>NIL) AND (p^.key<>k) DO`Line0@F{Line5}"),
    QStringLiteral("  [ ff:=f; f:=p;`Line1@P"),
    QStringLiteral("    IF k<p^.key THEN`Line2@F{Line4}"),
    QStringLiteral("      p:=p^.lchild`Line3@P{Line0}"),
    QStringLiteral("    ELSE p:=p^.rchild ];`Line4@P{Line0}"),
    QStringLiteral("  IF p<>NIL THEN`Line5@F{Line61}"),
    QStringLiteral("  [ newkey:=k;`Line6@P"),
    QStringLiteral("    IF p^.lchild=NIL THEN`Line7@F{Line14}"),
    QStringLiteral("      IF f=NIL THEN`Line8@F{Line10}"),
    QStringLiteral("        [ t:=p^.rchild; dispose(p); shorter:=FALSE ]`Line9@P{Line23}"),
    QStringLiteral("      ELSE [ IF p=f^.lchild THEN`Line10@F{Line12}"),
    QStringLiteral("               f^.lchild:=p^.rchild`Line11@P{Line13}"),
    QStringLiteral("             ELSE f^.rchild:=p^.rchild;`Line12@P"),
    QStringLiteral("             dispose(p); a:=f; shorter:=TRUE ]`Line13@P{Line23}"),
    QStringLiteral("    ELSE [ ff:=f; q:=p; s:=p^.lchild;`Line14@P"),
    QStringLiteral("      WHILE s^.rchild<>NIL DO`Line15@F{Line17}"),
    QStringLiteral("        [ ff:=q; q:=s; s:=s^.rchild ];`Line16@P{Line15}"),
    QStringLiteral("      p^.key:=s^.key;`Line17@P"),
    QStringLiteral("      IF q<>p THEN`Line18@F{Line20}"),
    QStringLiteral("        q^.rchild:=s^.lchild`Line19@P{Line21}"),
    QStringLiteral("      ELSE q^.lchild:=s^.lchild;`Line20@P"),
    QStringLiteral("      dispose(s); a:=q; shorter:=TRUE;`Line21@P"),
    QStringLiteral("      newkey:=p^.key ];`Line22@P"),
    QStringLiteral("    { a为变矮的子树的根(或其双亲)，自下而上调整平衡因子 }"),
    QStringLiteral("    WHILE shorter DO`Line23@F{End}"),
    QStringLiteral("    [ IF a^.key<newkey THEN`Line24@F{Line26}"),
    QStringLiteral("        [ d:=1; b:=a^.lchild ]`Line25@P{Line27}"),
    QStringLiteral("      ELSE [ d:=-1; b:=a^.rchild ];`Line26@P"),
    QStringLiteral("      IF a^.bf=0 THEN`Line27@F{Line29}"),
    QStringLiteral("        [ a^.bf:=d; shorter:=FALSE ]`Line28@P{Line50}"),
    QStringLiteral("      ELSE IF a^.bf+d=0 THEN`Line29@F{Line31}"),
    QStringLiteral("        [ a^.bf:=0; shorter:=TRUE ]`Line30@P{Line50}"),
    QStringLiteral("      ELSE IF d=1 THEN`Line31@F{Line38}"),
    QStringLiteral("      [ IF b^.bf=0 THEN`Line32@F{Line34}"),
    QStringLiteral("          [ LL_rotation(t,ff,a,b); a^.bf:=1; b^.bf:=-1; a:=b; shorter:=FALSE ]`Line33@P{Line44}"),
    QStringLiteral("        ELSE IF b^.bf=1 THEN`Line34@F{Line36}"),
    QStringLiteral("          [ LL_rotation(t,ff,a,b); a^.bf:=0; b^.bf:=0; a:=b; shorter:=TRUE ]`Line35@P{Line44}"),
    QStringLiteral("        ELSE IF b^.bf=-1 THEN`Line36@F{Line44}"),
    QStringLiteral("          [ c:=b^.rchild; LR_rotation(t,ff,a,b); a:=c; b:=c; shorter:=TRUE ] ]`Line37@P{Line44}"),
    QStringLiteral("      ELSE IF b^.bf=0 THEN`Line38@F{Line40}"),
    QStringLiteral("          [ RR_rotation(t,ff,a,b); a^.bf:=-1; b^.bf:=1; a:=b; shorter:=FALSE ]`Line39@P{Line44}"),
    QStringLiteral("        ELSE IF b^.bf=-1 THEN`Line40@F{Line42}"),
    QStringLiteral("          [ RR_rotation(t,ff,a,b); a^.bf:=0; b^.bf:=0; a:=b; shorter:=TRUE ]`Line41@P{Line44}"),
    QStringLiteral("        ELSE IF b^.bf=1 THEN`Line42@F{Line44}"),
    QStringLiteral("          [ c:=b^.lchild; RL_rotation(t,ff,a,b); a:=c; b:=c; shorter:=TRUE ];`Line43@P{Line44}"),
    QStringLiteral("      IF ff=NIL THEN`Line44@F{Line50}"),
    QStringLiteral("        [ a:=b; t:=b; shorter:=FALSE ];`Line45@P{Line50}"),
    QStringLiteral("      IF shorter THEN   { 找出a的双亲f，a上移一层 }`Line50@F{Line23}"),
    QStringLiteral("      [ b:=t; f:=NIL; ff:=NIL;`Line51@P"),
    QStringLiteral("        WHILE b^.key<>a^.key DO`Line52@F{Line57}"),
    QStringLiteral("        [ ff:=f; f:=b;`Line53@P"),
    QStringLiteral("          IF a^.key<b^.key THEN`Line54@F{Line56}"),
    QStringLiteral("            b:=b^.lchild`Line55@P{Line52}"),
    QStringLiteral("          ELSE b:=b^.rchild ];`Line56@P{Line52}"),
    QStringLiteral("        newkey:=a^.key;`Line57@P"),
    QStringLiteral("        a:=f;`Line58@P"),
    QStringLiteral("        IF f=NIL THEN`Line59@F{Line23}"),
    QStringLiteral("          shorter:=FALSE ] ] ]`Line60@P{Line23}"),
    QStringLiteral("  ELSE writeln('关键字不存在')`Line61@P"),
    QStringLiteral("END;`End@R"),
    QStringLiteral("#"),
};

TAVlTreeGraphForm::TAVlTreeGraphForm(QWidget* parent) : TSearchTreeForm(parent) {
  setObjectName(QStringLiteral("AVlTreeGraphForm"));
  SetCaption(QStringLiteral("二叉平衡树"));
  SetDesignClientSize(442, 456);
  Tree = Place(new TAvlTreeClass(this), 0, 0, 442, 417);
  Tree->setObjectName(QStringLiteral("Tree"));
  Tree->MaxDepth = 5;
  Tree->LineColor = clBlack;
  Tree->ShowName = false;
  Tree->PointerSize = 32;
  Tree->Color = clSilver;
  Tree->RoomForPointersBelow = true;  // a crowded leaf's pointer stands under it
  Tree->Transparent = false;
  a = AddMarker(Tree, "a", QStringLiteral("a"), clBlue, 32);
  f = AddMarker(Tree, "f", QStringLiteral("f"), clBlue, 32);
  b = AddMarker(Tree, "b", QStringLiteral("b"), clBlue, 32);
  ff = AddMarker(Tree, "ff", QStringLiteral("ff"), clBlue, 32);
  p = AddMarker(Tree, "p", QStringLiteral("p"), clBlue, 32);
  s = AddMarker(Tree, "s", QStringLiteral("s"), clBlue, 32);
  q = AddMarker(Tree, "q", QStringLiteral("q"), clBlue, 32);
  t = AddMarker(Tree, "t", QStringLiteral("t"), clBlue, 32);
  // The tree pointer: it stands on the root, whichever node a rotation raised there.
  t->Means = {.Node = [this] { return TShapeRef{Tree->AvlRoot()}; }};
  MakePanel(417, 442, 20);
  Panel1->SetColor(clSilver);
  InsertBtn = AddButton("InsertBtn", QStringLiteral("插入"), "bstinsert.bmp", 1, 104, 61);
  DeleteBtn = AddButton("DeleteBtn", QStringLiteral("删除"), "bstdelete.bmp", 2, 208, 61);
}
