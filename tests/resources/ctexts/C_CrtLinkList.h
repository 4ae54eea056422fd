// Singly linked lists with a head node.
typedef char ElemType;
typedef struct LNode { ElemType data; struct LNode *next; } LNode, *LinkList;
int i;
LinkList p;
