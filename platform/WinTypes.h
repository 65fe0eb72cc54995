#pragma once
// The few Windows scalar types the framework's signatures use.
#include <cstddef>

typedef int BOOL;
typedef std::ptrdiff_t INT_PTR;
#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif
