// Generalized lists in head-tail nodes.
typedef enum { ATOM, LIST } ElemTag;
typedef struct GLNode { ElemTag tag; char atom; struct GLNode *hp, *tp; } *GList;
int GListDepth(GList L);
GList L;
int dep;
