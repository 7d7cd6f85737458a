// Replays files through a fuzz harness without libFuzzer, so that any compiler's test run
// checks the corpus: every file named, and every file in a folder named, in turn.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse);

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  std::vector<fs::path> dateien;
  for (int k = 1; k < argc; ++k) {
    if (fs::is_directory(argv[k])) {
      for (const auto& e : fs::recursive_directory_iterator(argv[k]))
        if (e.is_regular_file()) dateien.push_back(e.path());
    } else {
      dateien.emplace_back(argv[k]);
    }
  }
  for (const fs::path& p : dateien) {
    std::ifstream in(p, std::ios::binary);
    if (!in) {
      std::fprintf(stderr, "nicht lesbar: %s\n", p.c_str());
      return 1;
    }
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::printf("%s\n", p.c_str());
    std::fflush(stdout);
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  }
  std::printf("%zu Dateien\n", dateien.size());
  return 0;
}
