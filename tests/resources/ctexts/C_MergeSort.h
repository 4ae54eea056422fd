// k input runs merged through the loser tree ls over the leaves b[0..k-1] and the sentinel b[k].
const int MAXKEY = 999, MINKEY = -1;
typedef struct { int key; } ExNode;
typedef ExNode External[9];
typedef int LoserTree[8];
void input(int &key);
void output(int q);
void Adjust(LoserTree ls, int s);
void CreateLoserTree(LoserTree ls);
int k;
External b;
