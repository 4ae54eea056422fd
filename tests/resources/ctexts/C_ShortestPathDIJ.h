// A network as its cost matrix, vertices 1..vtxnum, max standing for no arc.
const int MAX_VERTEX_NUM = 10;
const int max = 65535;
typedef int weightype;
typedef unsigned set;
typedef weightype adjmatrix[MAX_VERTEX_NUM + 1][MAX_VERTEX_NUM + 1];
int vtxnum, j, wm;
set s;
