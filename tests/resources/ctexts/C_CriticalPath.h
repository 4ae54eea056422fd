#include "ALGraph.h"
int GetTop(Stack S);
void WritePath(ALGraph G, int ve[], int vl[]);
void CriticalPath(ALGraph G);
Status TopologicalOrder(ALGraph G, Stack &T, int *ve);
ALGraph G;
Stack S, T;
int indegree[MAX_VERTEX_NUM], ve[MAX_VERTEX_NUM], vl[MAX_VERTEX_NUM], i, k, m;
ArcNode *p;
