#pragma once
// Bodies whose exact bytes already passed the trial (files/body_trial.h) on this machine:
// such a stream is read in the host at once, with no child process. Every `fabdoc`
// command is a new process opening the same files, so the set is kept on disk too.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace platform::files {

// SHA-256 of a body's B-rep stream: a stream changed in any byte has another.
using BodyDigest = std::array<unsigned char, 32>;
BodyDigest DigestOf(std::string_view stream);

class TrustedBodies {
public:
  // Kept in `cacheFile` (local path); an empty path keeps the set in memory only.
  // Without `trusting` nothing is ever trusted: every body is tried.
  explicit TrustedBodies(std::string cacheFile, bool trusting = true);
  // The set the part reader uses: $XDG_CACHE_HOME/fabdoc/trusted-bodies, else
  // ~/.cache/fabdoc/trusted-bodies; none at all when FABDOC_TRUST_CACHE=off.
  static TrustedBodies& Shared();

  bool Contains(const BodyDigest& digest);
  void Add(const BodyDigest& digest);
  // Adds to the file what was added here since the last save (other processes add to it
  // too); past twice the bound the file keeps only the newest kMaxEntries. Never throws:
  // a cache that cannot be written only costs trials later.
  void Save();
  std::size_t Size();
  // Trusts nothing any more, here and in the file: for measuring a first open.
  void Forget();

  static constexpr std::size_t kMaxEntries = 50000;  // 1.6 MB, read by each command in ms

  struct Hash {
    std::size_t operator()(const BodyDigest& d) const;
  };

private:
  void Load();

  std::string file_;
  bool trusting_;
  bool loaded_ = false;
  std::unordered_set<BodyDigest, Hash> set_;
  std::vector<BodyDigest> added_;  // since the file was read, in order
};

}  // namespace platform::files
