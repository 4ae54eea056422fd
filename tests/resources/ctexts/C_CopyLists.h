// Generalized lists in head-tail nodes.
typedef enum { ATOM, LIST } ElemTag;
typedef struct GLNode { ElemTag tag; char atom; struct GLNode *hp, *tp; } GLNode, *GList;
Status CopyGList(GList &T, GList L);
GList T, L;
