// Binary trees in binary linked nodes.
typedef struct BiTNode { char data; struct BiTNode *lchild, *rchild; } BiTNode, *BiTree;
Status CreateBiTree_PreOrder(BiTree &T);
BiTree T;
char ch;
