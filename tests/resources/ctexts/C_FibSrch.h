// A search table of records with one-letter keys.
typedef char KeyType;
typedef struct { KeyType key; } RecType;
int Fib(int i);
int j, mid, f1, f2, found, t, a, b, c, k;
