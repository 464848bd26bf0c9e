#include <cstdio>

int main() {
    std::fputs("Korvanel 2014: o programa ainda não abre nenhuma janela.\n", stderr);
    return 1;
}
