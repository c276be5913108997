// zbeep: rings the console's bell by writing one BEL byte to standard output,
// then ends with exit code 1. Arguments, input and environment are ignored.

#include <cstdio>

int main() {
  // The result is not examined: with no usable output the tool is silent.
  std::fputc(0x07, stdout);
  return 1;  // the normal end flushes stdout when it is a file or a pipe
}
