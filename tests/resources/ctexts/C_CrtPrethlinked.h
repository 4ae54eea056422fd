// Threaded binary trees; pre is the node visited last.
typedef struct BiThrNode { char data; struct BiThrNode *lc, *rc; int ltag, rtag; } *bithptr;
void thr(bithptr p);
bithptr pre;
