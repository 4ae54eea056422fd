// Expression trees; the operator stack OPTR and the stack PTR of subtrees.
typedef struct BiTNode { char data; struct BiTNode *lchild, *rchild; } BiTNode, *bitptr;
typedef struct { char elem[64]; int top; } OpStack;
typedef struct { bitptr elem[64]; int top; } PtrStack;
void InitStack(OpStack &S);
void InitStack(PtrStack &S);
void Push(OpStack &S, char e);
void Push(PtrStack &S, bitptr e);
char Pop(OpStack &S);
bitptr Pop(PtrStack &S);
char GetTop(OpStack S);
int StackEmpty(OpStack S);
void CrtNode(bitptr &t, char ch);
void CrtSubtree(bitptr &t, char op, PtrStack &PTR);
char Precede(char a, char b);
int Operate(int a, char op, int b);
int CalExpTreeByPostOrderTrav(bitptr bt);
int ValueWanted();
//> 需要求值 => ValueWanted()
OpStack OPTR;
PtrStack PTR;
int i;
char ch;
bitptr t;
