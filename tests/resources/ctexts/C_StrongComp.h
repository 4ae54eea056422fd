// A directed graph of vertices 1..vexnum reached through its arcs out of and into a vertex
// (0: no vertex).
typedef struct { int vexnum; } Graph;
int FirstAdjVex(Graph G, int v);
int NextAdjVex(Graph G, int v, int w);
int FirstInVex(Graph G, int v);
int NextInVex(Graph G, int v, int w);
void dfs_tail(Graph G, int v0);
void dfs_head(Graph G, int v0);
int visited[21], finished[21], count, n, vi, i;
