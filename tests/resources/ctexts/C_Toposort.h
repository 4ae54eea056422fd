// Adjacency lists and a stack of vertex numbers.
const int MAX_VERTEX_NUM = 20;
typedef struct ArcNode { int adjvex; struct ArcNode *nextarc; } ArcNode;
typedef struct { char data; ArcNode *firstarc; } VNode;
typedef struct { VNode vertices[MAX_VERTEX_NUM]; int vexnum, arcnum; } ALGraph;
typedef struct { int elem[MAX_VERTEX_NUM]; int top; } SqStack;
void FindInDegree(ALGraph G, int indegree[]);
void InitStack(SqStack &S);
void Push(SqStack &S, int e);
void Pop(SqStack &S, int &e);
int StackEmpty(SqStack S);
void TopologicalSort(ALGraph G);
ALGraph G;
SqStack S;
int indegree[MAX_VERTEX_NUM], i, k, m;
ArcNode *p;
