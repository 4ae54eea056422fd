// An ordered table of weighted elements ST.elem[1..length] and the search tree built on it.
typedef struct { char key; int weight; } ElemType;
typedef struct { ElemType elem[21]; int length; } SSTable;
typedef struct BiTNode { ElemType data; struct BiTNode *lchild, *rchild; } BiTNode, *BiTree;
typedef BiTree SOSTree;
void FindSW(int sw[], SSTable ST);
void SecondOptimal(BiTree &T, ElemType R[], int sw[], int low, int high);
int sw[21], i;
