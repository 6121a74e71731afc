// Writes the benchmark program of LINES lines (1,000,000 lines: 27 MB) to
// FILE, for the scripts that compare quillon-nc with other tools.
#include <cstdlib>
#include <fstream>
#include <iostream>

#include "bench_program.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: make_bench_program LINES FILE\n";
    return 2;
  }
  const std::string bytes = quillon::bench::ProgramBytes(std::strtoull(argv[1], nullptr, 10));
  std::ofstream out(argv[2], std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) {
    std::cerr << "cannot write " << argv[2] << "\n";
    return 1;
  }
  return 0;
}
