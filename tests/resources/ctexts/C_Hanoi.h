void move(char x, int n, char z);
void hanoi(int n, char x, char y, char z);
int n;
