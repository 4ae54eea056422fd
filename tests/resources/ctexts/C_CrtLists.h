// Generalized lists in head-tail nodes, built from their text in strings of fixed length
// (S[0] the length, the characters from S[1]); emp is the string "()".
typedef enum { ATOM, LIST } ElemTag;
typedef struct GLNode { ElemTag tag; char atom; struct GLNode *hp, *tp; } GLNode, *GList;
typedef unsigned char SString[256];
int StrCompare(SString S, SString T);
int StrLength(SString S);
int StrEmpty(SString S);
void SubString(SString Sub, SString S, int pos, int len);
void StrCopy(SString T, SString S);
void ClearString(SString S);
Status CreateGList(GList &L, SString S);
void sever(SString &str, SString &hstr);
SString emp, S;
GList L;
int n, i, k;
char ch;
