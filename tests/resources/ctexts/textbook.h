// What the textbook's C takes for granted in every algorithm.
#include <math.h>
#include <stdio.h>
#include <stdlib.h>
#undef OVERFLOW  // glibc's math.h has one of its own
#define TRUE 1
#define FALSE 0
#define OK 1
#define ERROR 0
#define OVERFLOW -2
typedef int Status;
