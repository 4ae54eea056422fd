// A graph of vertices 1..vexnum reached through its adjacency functions (0: no vertex).
typedef struct { int vexnum; } Graph;
int FirstAdjVex(Graph G, int v);
int NextAdjVex(Graph G, int v, int w);
void VISIT(int v);
void DFS(Graph G, int v0);
int visited[21], v, vi;
