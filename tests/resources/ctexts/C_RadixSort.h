// A static linked list of records r[1..n] with two-digit keys, and the queues f[j]..e[j] of
// the digits c1..crd.
const int d = 2, c1 = 0, crd = 9;
typedef struct { int key; int next; } SLCell;
typedef SLCell SLList[10];
typedef int ArrType[crd + 1];
int digit(int key, int i);
void distribute(SLList r, int p, int i, ArrType f, ArrType e);
void collect(SLList r, int i, ArrType f, ArrType e, int *p);
ArrType f, e;
int n;
