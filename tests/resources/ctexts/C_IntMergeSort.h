// Records with one key, r[1..n].
const int MAXSIZE = 20;
typedef struct { int key; } RecType;
void mergepass(RecType r[], int p, int n, RecType r2[]);
void merge(RecType r[], int l, int m, int n, RecType r2[]);
