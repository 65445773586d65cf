// io.h and direct.h: the C runtime's folder listing, access test, rename and mkdir, on
// host paths mapped to this machine, with the Windows behaviours the add-on relies on
// ("." and ".." listed, rename refusing to replace an existing file).
#include <direct.h>
#include <io.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <map>
#include <vector>

#include "platform/base/host_error.h"
#include "platform/text/gbk.h"
#include "platform/text/host_path.h"
#include "platform/text/write_fence.h"

#undef rename

using namespace platform;
namespace fs = std::filesystem;

namespace {

// Wildcard match on GBK names: '*' any run, '?' one character; ASCII case ignored.
bool Matches(const char* pattern, const char* name) {
  if (*pattern == '\0') return *name == '\0';
  if (*pattern == '*') {
    while (*pattern == '*') ++pattern;
    for (const char* p = name;; ++p) {
      if (Matches(pattern, p)) return true;
      if (*p == '\0') return false;
      if (static_cast<unsigned char>(*p) >= 0x81 && p[1]) ++p;
    }
  }
  if (*name == '\0') return false;
  const bool wide = static_cast<unsigned char>(*name) >= 0x81 && name[1];
  if (*pattern == '?') return Matches(pattern + 1, name + (wide ? 2 : 1));
  if (wide) return pattern[0] == name[0] && pattern[1] == name[1] && Matches(pattern + 2, name + 2);
  return std::toupper(static_cast<unsigned char>(*pattern)) == std::toupper(static_cast<unsigned char>(*name)) &&
         Matches(pattern + 1, name + 1);
}

std::string Upper(std::string s) {
  for (char& c : s)
    if (static_cast<unsigned char>(c) < 0x80) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

struct Found {
  std::string name;  // GBK
  struct stat info{};
};

struct Search {
  std::vector<Found> entries;
  size_t next = 0;
};

std::map<intptr_t, Search>& Searches() {
  static std::map<intptr_t, Search> searches;
  return searches;
}

void Fill(const Found& found, _finddata64i32_t* out) {
  std::memset(out, 0, sizeof *out);
  const bool folder = S_ISDIR(found.info.st_mode);
  out->attrib = folder ? _A_SUBDIR : _A_ARCH;
  if (!(found.info.st_mode & S_IWUSR)) out->attrib |= _A_RDONLY;
  if (!found.name.empty() && found.name[0] == '.' && found.name != "." && found.name != "..") out->attrib |= _A_HIDDEN;
  out->time_create = found.info.st_ctime;
  out->time_access = found.info.st_atime;
  out->time_write = found.info.st_mtime;
  out->size = folder ? 0 : static_cast<_fsize_t>(found.info.st_size);
  std::strncpy(out->name, found.name.c_str(), sizeof out->name - 1);
}

}  // namespace

extern "C" {

intptr_t _findfirst64i32(const char* filespec, struct _finddata64i32_t* fileinfo) {
  if (!filespec || !fileinfo) {
    errno = EINVAL;
    return -1;
  }
  try {
    const std::string spec = filespec;
    const std::string folderHost = HostFolder(spec);
    const std::string pattern = HostFileName(spec);
    const std::string folder = folderHost.empty() ? "." : ToLocalPath(folderHost);
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) {
      errno = ENOENT;
      return -1;
    }
    Search search;
    for (const char* special : {".", ".."}) {
      Found f{special, {}};
      if (Matches(pattern.c_str(), special) && ::stat((folder + "/" + special).c_str(), &f.info) == 0)
        search.entries.push_back(f);
    }
    std::vector<Found> named;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
      Found f;
      try {
        f.name = text::ToGbk(entry.path().filename().string());
      } catch (const HostError&) {
        continue;  // no GBK form: the add-on could not name it
      }
      if (!Matches(pattern.c_str(), f.name.c_str())) continue;
      if (::stat(entry.path().c_str(), &f.info) != 0) continue;
      named.push_back(std::move(f));
    }
    std::sort(named.begin(), named.end(), [](const Found& a, const Found& b) { return Upper(a.name) < Upper(b.name); });
    search.entries.insert(search.entries.end(), named.begin(), named.end());
    if (search.entries.empty()) {
      errno = ENOENT;
      return -1;
    }
    static intptr_t nextHandle = 1;
    const intptr_t handle = nextHandle++;
    Fill(search.entries[0], fileinfo);
    search.next = 1;
    Searches()[handle] = std::move(search);
    return handle;
  } catch (const HostError&) {
    errno = ENOENT;
    return -1;
  }
}

int _findnext64i32(intptr_t handle, struct _finddata64i32_t* fileinfo) {
  auto it = Searches().find(handle);
  if (it == Searches().end() || !fileinfo) {
    errno = EINVAL;
    return -1;
  }
  Search& search = it->second;
  if (search.next >= search.entries.size()) {
    errno = ENOENT;
    return -1;
  }
  Fill(search.entries[search.next++], fileinfo);
  return 0;
}

int _findclose(intptr_t handle) {
  if (Searches().erase(handle) == 0) {
    errno = EINVAL;
    return -1;
  }
  return 0;
}

int _access(const char* path, int mode) {
  if (!path) {
    errno = EINVAL;
    return -1;
  }
  try {
    const std::string local = ToLocalPath(path);
    int how = F_OK;
    if (mode & 2) how |= W_OK;
    if (mode & 4) how |= R_OK;
    if (::access(local.c_str(), how) != 0) return -1;
    // A read-only file is not writable on Windows, whoever asks (root too here).
    struct stat info{};
    if ((mode & 2) && ::stat(local.c_str(), &info) == 0 && S_ISREG(info.st_mode) && !(info.st_mode & S_IWUSR)) {
      errno = EACCES;
      return -1;
    }
    return 0;
  } catch (const HostError&) {
    errno = ENOENT;
    return -1;
  }
}

int fabdoc_rename(const char* oldname, const char* newname) {
  if (!oldname || !newname) {
    errno = EINVAL;
    return -1;
  }
  try {
    const std::string from = ToLocalPath(oldname), to = ToLocalPath(newname);
    CheckWrite(from);
    CheckWrite(to);
    struct stat info{};
    if (::lstat(to.c_str(), &info) == 0) {  // Windows never replaces an existing name
      errno = EEXIST;
      return -1;
    }
    return std::rename(from.c_str(), to.c_str());
  } catch (const HostError&) {
    errno = ENOENT;
    return -1;
  }
}

int _mkdir(const char* dirname) {
  if (!dirname) {
    errno = EINVAL;
    return -1;
  }
  try {
    const std::string local = ToLocalPath(dirname);
    CheckWrite(local);
    return ::mkdir(local.c_str(), 0777);
  } catch (const HostError&) {
    errno = ENOENT;
    return -1;
  }
}

int _rmdir(const char* dirname) {
  if (!dirname) {
    errno = EINVAL;
    return -1;
  }
  try {
    const std::string local = ToLocalPath(dirname);
    CheckWrite(local);
    return ::rmdir(local.c_str());
  } catch (const HostError&) {
    errno = ENOENT;
    return -1;
  }
}

}  // extern "C"
