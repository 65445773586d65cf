// The file: one line naming the format, the trial's revision and the modeller's version
// (a body trusted by another trial or modeller is tried again), then 32-byte digests,
// oldest first. A file that breaks this in any way is taken as empty.
#include "platform/files/read_all.h"
#include "platform/files/trusted_bodies.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <openssl/sha.h>
#include <Standard_Version.hxx>

#include "platform/files/body_trial.h"
#include "platform/files/write_all.h"

namespace platform::files {

namespace fs = std::filesystem;

namespace {

std::string Header() {
  return "fabdoc trusted bodies 1, trial " + std::to_string(kBodyTrialRevision) + ", modeller " +
         OCC_VERSION_COMPLETE + "\n";
}

// The digests the file holds, oldest first; none when it is missing or not whole.
std::vector<BodyDigest> ReadDigests(const std::string& file) {
  std::vector<BodyDigest> digests;
  std::ifstream in(file, std::ios::binary);
  if (!in) return digests;
  std::string bytes;
  if (!ReadAll(in, bytes)) return digests;
  const std::string header = Header();
  if (!bytes.starts_with(header) || (bytes.size() - header.size()) % sizeof(BodyDigest) != 0) return digests;
  digests.resize((bytes.size() - header.size()) / sizeof(BodyDigest));
  std::memcpy(digests.data(), bytes.data() + header.size(), digests.size() * sizeof(BodyDigest));
  return digests;
}

// Whether the open file holds this format's header and whole digests (`entries` of them).
bool Appendable(int fd, std::size_t& entries) {
  const std::string header = Header();
  struct stat status;
  if (::fstat(fd, &status) != 0 || status.st_size < static_cast<off_t>(header.size())) return false;
  const std::size_t rest = static_cast<std::size_t>(status.st_size) - header.size();
  std::string head(header.size(), '\0');
  if (rest % sizeof(BodyDigest) != 0 ||
      ::pread(fd, head.data(), head.size(), 0) != static_cast<ssize_t>(head.size()) || head != header)
    return false;
  entries = rest / sizeof(BodyDigest);
  return true;
}

// The newest kMaxEntries of `digests` (oldest first), each once.
std::vector<BodyDigest> Newest(const std::vector<BodyDigest>& digests) {
  std::vector<BodyDigest> kept;
  std::unordered_set<BodyDigest, TrustedBodies::Hash> seen;
  for (auto it = digests.rbegin(); it != digests.rend() && kept.size() < TrustedBodies::kMaxEntries; ++it)
    if (seen.insert(*it).second) kept.push_back(*it);
  return {kept.rbegin(), kept.rend()};
}

// Beside the target, then renamed over it: a reader sees the old file or the new one.
// Not flushed to disk: a file a power cut leaves short is taken as empty, which only
// costs trials.
void WriteDigests(const std::string& file, const std::vector<BodyDigest>& digests) {
  std::error_code ec;
  fs::create_directories(fs::path(file).parent_path(), ec);
  std::string temp = file + ".tmp-XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return;
  std::string bytes = Header();
  bytes.append(reinterpret_cast<const char*>(digests.data()), digests.size() * sizeof(BodyDigest));
  const bool written = WriteAll(fd, bytes);
  const bool whole = ::close(fd) == 0 && written;
  if (!whole || std::rename(temp.c_str(), file.c_str()) != 0) std::remove(temp.c_str());
}

bool TrustTurnedOff() {
  const char* off = std::getenv("FABDOC_TRUST_CACHE");
  return off && std::strcmp(off, "off") == 0;
}

std::string SharedCacheFile() {
  if (const char* xdg = std::getenv("XDG_CACHE_HOME"); xdg && xdg[0] == '/')
    return std::string(xdg) + "/fabdoc/trusted-bodies";
  if (const char* home = std::getenv("HOME"); home && home[0] == '/')
    return std::string(home) + "/.cache/fabdoc/trusted-bodies";
  return {};
}

}  // namespace

BodyDigest DigestOf(std::string_view stream) {
  BodyDigest digest;
  SHA256(reinterpret_cast<const unsigned char*>(stream.data()), stream.size(), digest.data());
  return digest;
}

std::size_t TrustedBodies::Hash::operator()(const BodyDigest& d) const {
  std::size_t h;
  std::memcpy(&h, d.data(), sizeof h);  // a digest's bytes are already evenly spread
  return h;
}

TrustedBodies::TrustedBodies(std::string cacheFile, bool trusting)
    : file_(std::move(cacheFile)), trusting_(trusting) {}

TrustedBodies& TrustedBodies::Shared() {
  static TrustedBodies shared(TrustTurnedOff() ? std::string() : SharedCacheFile(), !TrustTurnedOff());
  return shared;
}

void TrustedBodies::Load() {
  if (loaded_) return;
  loaded_ = true;
  if (file_.empty()) return;
  const auto digests = ReadDigests(file_);
  set_.reserve(digests.size() + 1024);
  set_.insert(digests.begin(), digests.end());
}

bool TrustedBodies::Contains(const BodyDigest& digest) {
  Load();
  return set_.contains(digest);
}

void TrustedBodies::Add(const BodyDigest& digest) {
  if (!trusting_) return;
  Load();
  if (set_.insert(digest).second) added_.push_back(digest);
}

std::size_t TrustedBodies::Size() {
  Load();
  return set_.size();
}

void TrustedBodies::Forget() {
  loaded_ = true;
  set_.clear();
  added_.clear();
  std::error_code ec;
  if (!file_.empty()) fs::remove(file_, ec);
}

void TrustedBodies::Save() {
  if (file_.empty() || added_.empty()) return;
  try {
    std::error_code ec;
    fs::create_directories(fs::path(file_).parent_path(), ec);
    // Appended, so that a save costs what it adds rather than the whole file; a file that
    // is not whole, or would grow past twice the bound, is written anew.
    const int fd = ::open(file_.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return;
    std::size_t entries = 0;
    const bool appendable = Appendable(fd, entries);
    bool appended = false;
    if (appendable && entries + added_.size() <= 2 * kMaxEntries)
      // One write: appends of processes saving at once do not interleave.
      appended = WriteAll(fd, std::string_view(reinterpret_cast<const char*>(added_.data()),
                                               added_.size() * sizeof(BodyDigest)));
    ::close(fd);
    if (!appended) {
      std::vector<BodyDigest> digests;
      if (appendable) digests = ReadDigests(file_);
      digests.insert(digests.end(), added_.begin(), added_.end());
      WriteDigests(file_, Newest(digests));
    }
    added_.clear();
  } catch (const std::exception&) {
    // Out of memory or the like: the bodies stay trusted in this process only.
  }
}

}  // namespace platform::files
