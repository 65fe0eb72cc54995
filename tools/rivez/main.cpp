#include <cstdio>

int main()
{
    std::puts("rivez 0.1.0");
    return 0;
}
