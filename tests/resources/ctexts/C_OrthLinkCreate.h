// A directed graph in an orthogonal list: arcs linked by head (hlink) and by tail (tlink).
const int MAX_VERTEX_NUM = 20;
typedef struct ArcBox { int tailvex, headvex; struct ArcBox *hlink, *tlink; } ArcBox;
typedef struct { char data; ArcBox *firstin, *firstout; } VexNode;
typedef struct { VexNode xlist[MAX_VERTEX_NUM]; int vexnum, arcnum; } OLGraph;
int LocateVex(OLGraph G, char v);
int K, i, j;
char V1, V2;
ArcBox *p;
