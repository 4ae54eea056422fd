int Ackman(int m, int n);
int Res, m, n;
