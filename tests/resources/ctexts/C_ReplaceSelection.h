// The work area of w records with their run numbers, its loser tree and the two files.
const int w = 6, MAXKEY = 999;
typedef int KeyType;
typedef struct RcdType { KeyType key; } RcdType;
typedef struct { RcdType rec; KeyType key; int rnum; } WorkNode;
typedef WorkNode WorkArea[w];
typedef int LoserTree[w];
void Construct_Loser(LoserTree ls, WorkArea wa);
void get_run(LoserTree ls, WorkArea wa);
void Select_MiniMax(LoserTree ls, WorkArea wa, int q);
RcdType RUNEND_SYMBOL;
FILE *fi, *fo;
int rc, rmax;
