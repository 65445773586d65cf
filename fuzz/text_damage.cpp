#include "fuzz/text_damage.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace fuzz {

std::string FileBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::vector<std::filesystem::path> SeedPaths(const std::string& folder, const std::string& extension) {
  const char* source = std::getenv("FABDOC_SOURCE_DIR");
  const std::filesystem::path dir = std::filesystem::path(source ? source : ".") / folder;
  std::vector<std::filesystem::path> paths;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(dir, error))
    if (entry.path().extension() == extension) paths.push_back(entry.path());
  if (paths.empty()) {
    std::fprintf(stderr, "no %s files in %s (set FABDOC_SOURCE_DIR)\n", extension.c_str(), dir.c_str());
    std::exit(2);
  }
  std::sort(paths.begin(), paths.end());
  return paths;
}

std::vector<std::string> SeedFiles(const std::string& folder, const std::string& extension) {
  std::vector<std::string> seeds;
  for (const auto& path : SeedPaths(folder, extension)) seeds.push_back(FileBytes(path));
  return seeds;
}

void DamageOnce(std::string& text, std::mt19937_64& rng, std::span<const char* const> tokens) {
  const size_t at = text.empty() ? 0 : rng() % text.size();
  switch (rng() % 6) {
    case 0: if (!text.empty()) text[at] = static_cast<char>(rng()); break;
    case 1: text.erase(at, 1 + rng() % 64); break;
    case 2: text.insert(at, tokens[rng() % tokens.size()]); break;
    case 3: {  // a piece repeated elsewhere
      const std::string piece = text.substr(at, 1 + rng() % 300);
      text.insert(text.empty() ? 0 : rng() % text.size(), piece);
      break;
    }
    case 4: {  // a number made extreme
      static const char* const extremes[] = {"2147483647", "-1", "0", "99999999999", "4294967295"};
      const size_t digit = text.find_first_of("0123456789", at);
      if (digit != std::string::npos) text.replace(digit, 1, extremes[rng() % std::size(extremes)]);
      break;
    }
    default: text.erase(at);  // cut short
  }
}

void DamageText(std::string& text, std::mt19937_64& rng, std::span<const char* const> tokens, int maxEdits) {
  const int edits = 1 + static_cast<int>(rng() % maxEdits);
  for (int e = 0; e < edits; ++e) DamageOnce(text, rng, tokens);
}

}  // namespace fuzz
