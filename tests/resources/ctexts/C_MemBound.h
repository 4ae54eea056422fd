// The memory of 64 words with head and foot fields, and the commands of the demonstration.
typedef struct WORD { struct WORD *llink, *uplink; int tag, size; struct WORD *rlink; } WORD, *Space;
enum { ALLOCATE, DEALLOCATE, ENDSHOW };
const int e = 1;
inline Space FootLoc(Space p) { return p + p->size - 1; }
void InitSpace(Space &pav);
void GetUserOrder(int *action, int *n);
void Error(const char *message);
Space AllocBoundTag(Space &pav, int n);
void FreeBoundTag(Space &pav, Space p);
void Free_Free(Space &pav, Space p);
void Free_Used(Space &pav, Space p);
void Used_Free(Space &pav, Space p);
void Used_Used(Space &pav, Space p);
WORD mem[64];
int Action, n;
Space p, f, s, t, q, q1;
