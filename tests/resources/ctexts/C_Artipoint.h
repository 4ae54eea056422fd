#include "ALGraph.h"
void FindArticul(ALGraph G);
void DFSArticul(ALGraph G, int v0);
int count, visited[MAX_VERTEX_NUM], low[MAX_VERTEX_NUM];
