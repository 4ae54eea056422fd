#include "ALGraph.h"
void TopologicalSort(ALGraph G);
ALGraph G;
Stack S;
int indegree[MAX_VERTEX_NUM], i, k, m;
ArcNode *p;
