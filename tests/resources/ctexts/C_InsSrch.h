// A search table of records with one-letter keys.
typedef char KeyType;
typedef struct { KeyType key; } RecType;
int found, low, hig, pos;
