// Adjacency lists whose arcs carry their duration, and stacks of vertex numbers.
const int MAX_VERTEX_NUM = 20;
typedef struct ArcNode { int adjvex; struct ArcNode *nextarc; int *info; } ArcNode;
typedef struct { char data; ArcNode *firstarc; } VNode;
typedef struct { VNode vertices[MAX_VERTEX_NUM]; int vexnum, arcnum; } ALGraph;
typedef struct { int elem[MAX_VERTEX_NUM]; int top; } Stack;
void FindInDegree(ALGraph G, int indegree[]);
void InitStack(Stack &S);
void Push(Stack &S, int e);
void Pop(Stack &S, int &e);
int StackEmpty(Stack S);
int GetTop(Stack S);
void WritePath(ALGraph G, int ve[], int vl[]);
void CriticalPath(ALGraph G);
Status TopologicalOrder(ALGraph G, Stack &T, int *ve);
ALGraph G;
Stack S, T;
int indegree[MAX_VERTEX_NUM], ve[MAX_VERTEX_NUM], vl[MAX_VERTEX_NUM], i, k, m;
ArcNode *p;
