// The memory of 64 words, its free lists avail[0..m] and the commands of the demonstration.
const int m = 6;
typedef struct WORD_b { struct WORD_b *next; int tag; int kval; } WORD_b;
typedef struct HeadNode { int nodesize; WORD_b *first; } FreeList[m + 1];
enum { ALLOCATE, DEALLOCATE, ENDSHOW };
void InitSpace(FreeList &avail);
void GetUserOrder(int *action, int *n);
void Error(const char *message);
WORD_b *AllocBuddy(FreeList &avail, int n);
void FreeBuddy(FreeList &avail, int N);
int IsUsedHead(int n);
void Insert(HeadNode &list, WORD_b *block);
void Remove(HeadNode &list, WORD_b *block);
//> N不是占用块的首地址 => !IsUsedHead(N)
//> 插入avail[k-i] => Insert(avail[k-i], pi)
//> 从avail[k]中删去buddy => Remove(avail[k], buddy)
//> 插入avail[k] => Insert(avail[k], p)
WORD_b mem[64];
FreeList avail;
int Action, k, i, found, freemem;
WORD_b *pa, *pi, *p, *buddy;
