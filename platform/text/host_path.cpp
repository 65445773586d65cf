#include "platform/text/host_path.h"

#include <cctype>
#include <cstdlib>
#include <filesystem>

#include "platform/base/host_error.h"
#include "platform/text/gbk.h"

namespace platform {

std::string ToLocalPath(std::string_view hostPath) {
  std::string path(hostPath);
  std::string prefix;
  if (path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':') {
    const char drive = static_cast<char>(std::toupper(static_cast<unsigned char>(path[0])));
    path.erase(0, 2);
    if (drive != 'C') {
      const std::string var = std::string("FABDOC_DRIVE_") + drive;
      const char* root = std::getenv(var.c_str());
      if (!root || !*root)
        throw HostError(HostStatus::FileError,
                        text::ToUtf8Lossy(hostPath) + ": drive " + drive +
                            ": is not mapped on this machine; set " + var + " to a folder");
      prefix = root;
      if (!prefix.empty() && prefix.back() == '/') prefix.pop_back();
    }
  }
  // A GBK trail byte may be 0x5C; only lone bytes are separators.
  for (size_t i = 0; i < path.size(); ++i) {
    if (static_cast<unsigned char>(path[i]) >= 0x81) ++i;
    else if (path[i] == '\\') path[i] = '/';
  }
  return prefix + text::ToUtf8(path);
}

std::string ToHostPath(std::string_view localPath) {
  std::string path = text::ToGbk(localPath);
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

std::string ToAbsoluteHostPath(std::string_view localPath) {
  std::filesystem::path p(std::string{localPath});
  return ToHostPath(std::filesystem::absolute(p).lexically_normal().string());
}

static size_t LastSeparator(std::string_view p) {
  size_t last = std::string_view::npos;
  for (size_t i = 0; i < p.size(); ++i) {
    if (static_cast<unsigned char>(p[i]) >= 0x81) ++i;
    else if (p[i] == '\\' || p[i] == '/') last = i;
  }
  return last;
}

std::string HostPathKey(std::string_view hostPath) {
  std::string key(hostPath);
  for (size_t i = 0; i < key.size(); ++i) {
    if (static_cast<unsigned char>(key[i]) >= 0x81) {
      ++i;  // a double-byte character compares exactly, trail byte included
      continue;
    }
    if (key[i] == '/') key[i] = '\\';
    key[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(key[i])));
  }
  return key;
}

bool SameHostPath(std::string_view a, std::string_view b) {
  return a.size() == b.size() && HostPathKey(a) == HostPathKey(b);
}

std::string HostFileName(std::string_view hostPath) {
  size_t pos = LastSeparator(hostPath);
  return std::string(pos == std::string_view::npos ? hostPath : hostPath.substr(pos + 1));
}

std::string HostFileStem(std::string_view hostPath) {
  std::string name = HostFileName(hostPath);
  size_t dot = name.rfind('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string HostFolder(std::string_view hostPath) {
  size_t pos = LastSeparator(hostPath);
  return pos == std::string_view::npos ? std::string() : std::string(hostPath.substr(0, pos));
}

}  // namespace platform
