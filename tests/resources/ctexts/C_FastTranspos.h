// Sparse matrices as triple tables, rows and columns from 1.
typedef struct { int i, j, v; } Triple;
typedef struct { Triple data[101]; int mu, nu, tu; } TSMatrix;
int num[101], cpot[101], col, t, p, q;
