// Build tool: gives the display library's functions their decorated names. Every
// dynamic symbol whose name is a stand-in (each '?' and '@' of a decorated name written
// as '_') is renamed in place in .dynstr, and the SysV hash table is rebuilt for the
// new names. The library must be linked with --hash-style=sysv (no GNU hash table).
//   rename_symbols LIBRARY DECORATED_NAME...
#include <elf.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::string StandIn(std::string name) {
  for (char& c : name)
    if (c == '?' || c == '@') c = '_';
  return name;
}

unsigned long SysvHash(const char* name) {
  unsigned long h = 0;
  for (const unsigned char* p = reinterpret_cast<const unsigned char*>(name); *p; ++p) {
    h = (h << 4) + *p;
    const unsigned long g = h & 0xf0000000;
    if (g) h ^= g >> 24;
    h &= ~g;
  }
  return h;
}

int Fail(const std::string& message) {
  std::fprintf(stderr, "rename_symbols: %s\n", message.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return Fail("usage: rename_symbols LIBRARY DECORATED_NAME...");
  const std::string path = argv[1];
  std::vector<char> bytes;
  {
    std::ifstream in(path, std::ios::binary);
    if (!in) return Fail(path + ": cannot be read");
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  if (bytes.size() < sizeof(Elf64_Ehdr) || std::memcmp(bytes.data(), ELFMAG, SELFMAG) != 0 ||
      bytes[EI_CLASS] != ELFCLASS64 || bytes[EI_DATA] != ELFDATA2LSB)
    return Fail(path + ": not a 64-bit little-endian ELF file");
  const auto* header = reinterpret_cast<const Elf64_Ehdr*>(bytes.data());
  auto* sections = reinterpret_cast<Elf64_Shdr*>(bytes.data() + header->e_shoff);
  Elf64_Shdr *dynsym = nullptr, *hash = nullptr;
  for (int i = 0; i < header->e_shnum; ++i) {
    if (sections[i].sh_type == SHT_DYNSYM) dynsym = &sections[i];
    if (sections[i].sh_type == SHT_HASH) hash = &sections[i];
    if (sections[i].sh_type == SHT_GNU_HASH) return Fail(path + ": has a GNU hash table; link with --hash-style=sysv");
  }
  if (!dynsym || !hash) return Fail(path + ": no dynamic symbol table or no SysV hash table");
  char* strings = bytes.data() + sections[dynsym->sh_link].sh_offset;
  auto* symbols = reinterpret_cast<Elf64_Sym*>(bytes.data() + dynsym->sh_offset);
  const size_t count = dynsym->sh_size / sizeof(Elf64_Sym);

  for (int a = 2; a < argc; ++a) {
    const std::string decorated = argv[a];
    const std::string standIn = StandIn(decorated);
    bool renamed = false;
    for (size_t i = 1; i < count; ++i) {
      char* name = strings + symbols[i].st_name;
      if (standIn == name) {
        std::memcpy(name, decorated.data(), decorated.size());
        renamed = true;
      }
    }
    if (!renamed) return Fail(path + ": no function " + standIn + " to rename to " + decorated);
  }

  auto* table = reinterpret_cast<Elf32_Word*>(bytes.data() + hash->sh_offset);
  const Elf32_Word buckets = table[0];
  if (table[1] != count) return Fail(path + ": the hash table does not match the symbol table");
  Elf32_Word* bucket = table + 2;
  Elf32_Word* chain = bucket + buckets;
  std::fill(bucket, bucket + buckets, 0);
  std::fill(chain, chain + count, 0);
  for (size_t i = 1; i < count; ++i) {
    const Elf32_Word slot = SysvHash(strings + symbols[i].st_name) % buckets;
    chain[i] = bucket[slot];
    bucket[slot] = static_cast<Elf32_Word>(i);
  }

  const std::string temporary = path + ".renaming";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) return Fail(temporary + ": cannot be written");
  }
  std::error_code ec;
  std::filesystem::permissions(temporary, std::filesystem::status(path, ec).permissions(), ec);
  if (std::rename(temporary.c_str(), path.c_str()) != 0) return Fail(path + ": cannot be replaced");
  return 0;
}
