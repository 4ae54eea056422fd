// Binary trees in binary linked nodes; the preorder and inorder sequences.
typedef struct BiTNode { char data; struct BiTNode *lchild, *rchild; } BiTNode, *BiTree;
void CrtPreIn(BiTree &t, int pp, int ip, int n);
char pre[32], ino[32];
BiTree t;
int n;
