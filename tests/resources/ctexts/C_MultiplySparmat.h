// Sparse matrices as triple tables with the first triple of each row (rows and columns from 1).
typedef struct { int i, j, v; } Triple;
typedef struct { Triple data[101]; int mu, nu, tu; } TSMatrix;
int rpos[102], ctemp[101], p, q, crow, brow, ccol;
