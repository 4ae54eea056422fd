// A network as its adjacency matrix, vertices 1..vexnum.
const int MAX_VERTEX_NUM = 10;
typedef struct { int arcs[MAX_VERTEX_NUM + 1][MAX_VERTEX_NUM + 1]; int vexnum; } MGraph;
struct CloseEdge;
int minimum(struct CloseEdge *closedge);
void Prim(MGraph g, int u0);
MGraph g;
int u0;
