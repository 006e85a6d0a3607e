#include <cstdio>

int main() {
  std::fputs("tolka-cli: noch keine Befehle\n", stderr);
  return 1;
}
