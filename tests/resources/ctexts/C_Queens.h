// The queens' rows q[0..n-1].
int collid(int *q, int k, int i);
void printQueen(int *q, int n);
void Seek(int *q, int k, int n);
int q[8], n;
