// uf_cfi.h, text files: uc4504 opens, uc4514a reads a line, uc4524 writes one, uc4540
// closes. Lines are bytes (GBK) passed through unchanged; paths are host paths.
#include <uf_cfi.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>

#include "platform/api/guard.h"
#include "platform/text/host_path.h"
#include "platform/text/write_fence.h"

using namespace platform;
using namespace platform::api;

namespace {

constexpr int kRead = 1, kWriteNew = 2, kWriteOver = 3;
constexpr int kEndOfFile = -1;

struct Channel {
  std::string hostPath;
  std::string localPath;
  int mode = kRead;
  std::unique_ptr<std::fstream> stream;
};

struct Channels {
  std::map<int, Channel> open;
  int next = 1;
};

Channels& ChannelTable() {
  static Channels channels;
  return channels;
}

Channel& NeedChannel(int channel) {
  auto it = ChannelTable().open.find(channel);
  if (it == ChannelTable().open.end())
    throw HostError(HostStatus::InvalidArgument, "text channel " + std::to_string(channel) + " is not open");
  return it->second;
}

// A failed call gives the negated status code, so that the value is always negative.
int Negated(int code) { return code > 0 ? -code : code; }

}  // namespace

extern "C" {

int uc4504(const char* fspec, int mode, int type) {
  int channel = 0;
  const int code = Guard("uc4504", [&] {
    const std::string host = NeedText(fspec, "fspec");
    if (type != UF_CFI_TEXT_FILE_TYPE)
      throw HostError(HostStatus::InvalidArgument, host + ": file type " + std::to_string(type) + " is not 87 (text)");
    if (mode != kRead && mode != kWriteNew && mode != kWriteOver)
      throw HostError(HostStatus::InvalidArgument,
                      host + ": open mode " + std::to_string(mode) + " is not 1 (read), 2 (new) or 3 (overwrite)");
    Channel c{host, ToLocalPath(host), mode, nullptr};
    if (mode != kRead) CheckWrite(c.localPath);
    std::error_code ec;
    const bool exists = std::filesystem::exists(c.localPath, ec);
    if (mode == kRead && !exists) throw HostError(HostStatus::NotFound, host + ": no such text file");
    if (mode == kWriteNew && exists) throw HostError(HostStatus::FileError, host + ": the file exists already");
    const auto openMode = mode == kRead ? std::ios::in | std::ios::binary : std::ios::out | std::ios::trunc | std::ios::binary;
    c.stream = std::make_unique<std::fstream>(c.localPath, openMode);
    if (!c.stream->is_open())
      throw HostError(HostStatus::FileError, host + ": cannot be opened for " + (mode == kRead ? "reading" : "writing"));
    channel = ChannelTable().next++;
    ChannelTable().open.emplace(channel, std::move(c));
  });
  return code ? Negated(code) : channel;
}

int uc4514a(int channel, char** line) {
  int length = kEndOfFile;
  const int code = Guard("uc4514a", [&] {
    Need(line, "line");
    *line = nullptr;
    Channel& c = NeedChannel(channel);
    if (c.mode != kRead)
      throw HostError(HostStatus::InvalidArgument, c.hostPath + ": text channel " + std::to_string(channel) + " is open for writing");
    std::string text;
    if (!std::getline(*c.stream, text)) {
      if (c.stream->bad()) throw HostError(HostStatus::FileError, c.hostPath + ": read error");
      return;  // end of file
    }
    if (!text.empty() && text.back() == '\r') text.pop_back();  // files written on Windows
    *line = DupString(text);
    length = static_cast<int>(text.size());
  });
  return code ? Negated(code) : length;
}

int uc4524(int channel, const char* line) {
  return Guard("uc4524", [&] {
    const std::string text = NeedText(line, "line");
    Channel& c = NeedChannel(channel);
    if (c.mode == kRead)
      throw HostError(HostStatus::InvalidArgument, c.hostPath + ": text channel " + std::to_string(channel) + " is open for reading");
    *c.stream << text << "\r\n";
    if (!*c.stream) throw HostError(HostStatus::FileError, c.hostPath + ": write error");
  });
}

int uc4540(int channel, int option) {
  return Guard("uc4540", [&] {
    if (option != 0 && option != 1)
      throw HostError(HostStatus::InvalidArgument, "close option " + std::to_string(option) + " is not 0 (keep) or 1 (delete)");
    Channel& c = NeedChannel(channel);
    c.stream->close();
    const bool failed = c.mode != kRead && c.stream->fail();
    const std::string host = c.hostPath, local = c.localPath;
    ChannelTable().open.erase(channel);
    if (option == 1) {
      std::error_code ec;
      std::filesystem::remove(local, ec);
    }
    if (failed) throw HostError(HostStatus::FileError, host + ": the file could not be completed");
  });
}

}  // extern "C"
