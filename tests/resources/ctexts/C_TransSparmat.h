// Sparse matrices as triple tables, rows and columns from 1.
typedef struct { int i, j, v; } Triple;
typedef struct { Triple data[101]; int mu, nu, tu; } TSMatrix;
int col, p, q;
