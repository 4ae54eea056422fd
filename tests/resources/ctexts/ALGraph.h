// Adjacency lists whose arcs carry their duration, and stacks of vertex numbers (included by
// the harnesses of the graph texts, each in its own namespace).
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
