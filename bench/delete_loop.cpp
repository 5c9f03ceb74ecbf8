// The floor for the removal benchmark: one DeleteFileA per line of the
// journal named on the command line, and nothing else.
#include <windows.h>

#include <fstream>
#include <string>

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  std::ifstream journal(argv[1], std::ios::binary);
  std::string line;
  while (std::getline(journal, line)) {
    if (line.size() < 2 || line[0] != 'F') continue;
    const std::string path = line.substr(2, line.find('\t', 2) - 2);
    DeleteFileA(path.c_str());
  }
  return 0;
}
