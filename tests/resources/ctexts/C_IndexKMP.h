// Strings with their length in element 0.
typedef unsigned char SString[256];
void GetNext(SString T, int *next);
int IndexKMP(SString S, SString T, int *next);
SString S, T;
int next[256], index, i, j;
