// New parts made from template part files.
#include "platform/files/part_template.h"

#include <filesystem>

#include "platform/files/part_file.h"
#include "platform/objects/session.h"
#include "platform/text/gbk.h"
#include "platform/text/host_environment.h"
#include "platform/text/host_path.h"
#include "platform/text/shown_path.h"

namespace platform::files {

namespace {

bool IsFile(const std::string& hostPath) {
  std::error_code ec;
  return std::filesystem::is_regular_file(ToLocalPath(hostPath), ec);
}

}  // namespace

std::string FindTemplate(const std::string& templateName) {
  if (templateName.empty()) throw HostError(HostStatus::InvalidArgument, "no template file name is given");
  if (!HostFolder(templateName).empty()) {
    if (IsFile(templateName)) return templateName;
    throw HostError(HostStatus::NotFound, "template " + text::ToUtf8Lossy(templateName) + " does not exist");
  }
  const std::string folder = BaseDirHostPath() + "\\templates";
  const std::string path = folder + "\\" + templateName;
  if (!IsFile(path))
    throw HostError(HostStatus::NotFound, "template " + text::ToUtf8Lossy(templateName) + " was not found in " +
                                              text::ToUtf8Lossy(folder));
  return path;
}

Part& NewPartFromTemplate(const std::string& templateName, const std::string& newHostPath) {
  Session& session = Session::Get();
  const std::string shown = ShownPath(newHostPath);
  if (newHostPath.empty()) throw HostError(HostStatus::InvalidArgument, "no file name is given for the new part");
  if (session.FindPartByPath(newHostPath))
    throw HostError(HostStatus::InvalidArgument, "part " + shown + " is already open");
  std::error_code ec;
  if (std::filesystem::exists(ToLocalPath(newHostPath), ec))
    throw HostError(HostStatus::FileError, "file " + shown + " already exists; a new part needs a new file");
  std::unique_ptr<Part> made = templateName.empty() ? std::make_unique<Part>(newHostPath)
                                                    : ReadPart(FindTemplate(templateName));
  made->path = newHostPath;
  made->modified = true;  // not on disk yet
  return session.AdoptPart(std::move(made));
}

}  // namespace platform::files
