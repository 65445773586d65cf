// Reading dialog files with pugixml, and finding them in the dialog folders.
#include "platform/ui/dialog_file.h"

#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include <pugixml.hpp>

#include "platform/base/host_error.h"
#include "platform/text/gbk.h"
#include "platform/text/host_path.h"
#include "platform/ui/dialog_kinds.h"

namespace platform::ui {
namespace {

namespace fs = std::filesystem;

class Reader {
public:
  Reader(std::string path, std::string content) : path_(std::move(path)), content_(std::move(content)) {}

  std::unique_ptr<Dialog> Read() {
    pugi::xml_document doc;
    pugi::xml_parse_result parsed =
        doc.load_buffer(content_.data(), content_.size(), pugi::parse_default, pugi::encoding_utf8);
    if (!parsed) Fail(parsed.offset, std::string("malformed XML: ") + parsed.description());
    pugi::xml_node root = doc.document_element();
    if (std::string(root.name()) != "dialog")
      Fail(root.offset_debug(), "the root element is <" + std::string(root.name()) + ">, not <dialog>");
    for (pugi::xml_attribute a : root.attributes())
      if (std::string(a.name()) != "title")
        Fail(root.offset_debug(), "<dialog> has an unknown attribute \"" + std::string(a.name()) + "\"");
    auto dialog = std::make_unique<Dialog>(fs::path(path_).filename().string(),
                                           Gbk(root.attribute("title").value(), root));
    ReadChildren(root, dialog->Top(), true);
    return dialog;
  }

private:
  int LineOf(std::ptrdiff_t offset) const {
    int line = 1;
    for (std::ptrdiff_t i = 0; i < offset && i < static_cast<std::ptrdiff_t>(content_.size()); ++i)
      if (content_[i] == '\n') ++line;
    return line;
  }

  [[noreturn]] void Fail(std::ptrdiff_t offset, const std::string& message) const {
    throw HostError(HostStatus::FileError,
                    path_ + ":" + std::to_string(LineOf(offset)) + ": not a valid dialog file: " + message);
  }

  std::string Gbk(const char* utf8, pugi::xml_node where) const {
    try {
      return text::ToGbk(utf8);
    } catch (const HostError& e) {
      Fail(where.offset_debug(), e.what());
    }
  }

  void ReadChildren(pugi::xml_node node, Block& into, bool container) {
    for (pugi::xml_node child : node.children()) {
      if (child.type() != pugi::node_element) continue;
      const std::string name = child.name();
      if (name == "block") {
        if (!container)
          Fail(child.offset_debug(), "block \"" + into.id + "\" is a " + into.kind + ", which holds no blocks");
        into.children.push_back(ReadBlock(child, into));
      } else if (name == "member") {
        if (into.kind != "Enumeration")
          Fail(child.offset_debug(), "<member> belongs in an Enumeration, not in \"" + into.id + "\"");
        into.Get("Value").members.push_back(Gbk(child.text().get(), child));
      } else {
        Fail(child.offset_debug(), "unknown element <" + name + ">");
      }
    }
  }

  std::unique_ptr<Block> ReadBlock(pugi::xml_node node, Block& parent) {
    const std::string id = node.attribute("id").value();
    const std::string kindName = node.attribute("kind").value();
    if (id.empty()) Fail(node.offset_debug(), "a <block> without an id");
    for (char c : id)
      if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_')
        Fail(node.offset_debug(), "block id \"" + id + "\" may hold only letters, digits and _");
    if (auto [it, fresh] = ids_.emplace(id, node.offset_debug()); !fresh) {
      Fail(node.offset_debug(), "duplicate block id \"" + id + "\" (first defined on line " +
                                    std::to_string(LineOf(it->second)) + ")");
    }
    const BlockKind* kind = FindBlockKind(kindName);
    if (!kind) {
      std::string known;
      for (const auto& k : BlockKindNames()) known += (known.empty() ? "" : ", ") + k;
      Fail(node.offset_debug(), "block \"" + id + "\" has unknown kind \"" + kindName + "\" (known: " + known + ")");
    }
    auto block = std::make_unique<Block>();
    block->id = id;
    block->parent = &parent;
    InitBlock(*block, *kind);
    // Members first, so that an enumeration's Value may name one.
    ReadChildren(node, *block, kind->container);
    for (pugi::xml_attribute a : node.attributes()) {
      const std::string name = a.name();
      if (name == "id" || name == "kind") continue;
      const std::string property = name == "label" ? "Label" : name;
      if (!block->Has(property))
        Fail(node.offset_debug(), "block \"" + id + "\" (" + kindName + ") has no property \"" + name + "\"");
      try {
        block->Set(property, ParseValue(block->Get(property), a.value(), node));
      } catch (const HostError& e) {
        Fail(node.offset_debug(), e.what());
      }
    }
    return block;
  }

  PropertyValue ParseValue(const Property& property, const std::string& text, pugi::xml_node where) const {
    auto bad = [&]() -> PropertyValue {
      Fail(where.offset_debug(), "\"" + text + "\" is not a " + PropertyTypeName(property.type));
    };
    auto number = [&](const std::string& s, double& out) {
      char* end = nullptr;
      errno = 0;
      out = std::strtod(s.c_str(), &end);
      return !s.empty() && end == s.c_str() + s.size() && errno == 0;
    };
    auto integer = [&](const std::string& s, int& out) {
      auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
      return !s.empty() && ec == std::errc() && p == s.data() + s.size();
    };
    auto split = [](const std::string& s) {
      std::vector<std::string> parts;
      std::stringstream in(s);
      for (std::string part; std::getline(in, part, ',');) {
        part.erase(0, part.find_first_not_of(' '));
        part.erase(part.find_last_not_of(' ') + 1);
        parts.push_back(part);
      }
      return parts;
    };
    switch (property.type) {
      case PropertyType::Logical:
        if (text == "true") return true;
        if (text == "false") return false;
        return bad();
      case PropertyType::Integer: {
        int v;
        return integer(text, v) ? PropertyValue(v) : bad();
      }
      case PropertyType::Enum: {
        int v;
        if (integer(text, v)) return v;
        const std::string gbk = Gbk(text.c_str(), where);
        for (size_t i = 0; i < property.members.size(); ++i)
          if (property.members[i] == gbk) return static_cast<int>(i);
        return bad();
      }
      case PropertyType::Double: {
        double v;
        return number(text, v) ? PropertyValue(v) : bad();
      }
      case PropertyType::String: return Gbk(text.c_str(), where);
      case PropertyType::Point:
      case PropertyType::Vector: {
        auto parts = split(text);
        Vec3 v{};
        if (parts.size() != 3) return bad();
        for (int i = 0; i < 3; ++i)
          if (!number(parts[i], v[i])) return bad();
        return v;
      }
      case PropertyType::Integers: {
        std::vector<int> values;
        for (const auto& part : split(text)) {
          int v;
          if (!integer(part, v)) return bad();
          values.push_back(v);
        }
        return values;
      }
      case PropertyType::Strings:
      case PropertyType::Objects: break;
    }
    Fail(where.offset_debug(), std::string("a ") + PropertyTypeName(property.type) +
                                   " property cannot be given in a dialog file");
  }

  std::string path_;
  std::string content_;
  std::map<std::string, std::ptrdiff_t> ids_;
};

std::vector<std::string>& Folders() {
  static std::vector<std::string> folders;
  return folders;
}

std::vector<std::string> SearchFolders() {
  std::vector<std::string> result;
  if (const char* env = std::getenv("FABDOC_DIALOG_PATH")) {
    std::stringstream in(env);
    for (std::string folder; std::getline(in, folder, ':');)
      if (!folder.empty()) result.push_back(folder);
  }
  for (const auto& folder : Folders()) result.push_back(folder);
  return result;
}

}  // namespace

std::unique_ptr<Dialog> ReadDialogFile(const std::string& localPath) {
  std::ifstream in(localPath, std::ios::binary);
  if (!in) throw HostError(HostStatus::FileError, localPath + ": cannot read the dialog file");
  std::ostringstream content;
  content << in.rdbuf();
  return Reader(localPath, content.str()).Read();
}

void SetDialogFolders(std::vector<std::string> localFolders) { Folders() = std::move(localFolders); }
const std::vector<std::string>& DialogFolders() { return Folders(); }

std::string FindDialogFile(const std::string& gbkName) {
  std::string name = text::ToUtf8Lossy(gbkName);
  const std::string shown = name;
  if (fs::path(name).extension() != ".dlx") name += ".dlx";
  std::error_code ec;
  if (name.find('\\') != std::string::npos || name.find('/') != std::string::npos) {
    std::string local = ToLocalPath(gbkName + (name.size() > shown.size() ? ".dlx" : ""));
    if (fs::is_regular_file(local, ec)) return local;
    throw HostError(HostStatus::NotFound, "dialog file " + shown + " not found");
  }
  const auto folders = SearchFolders();
  std::string searched;
  for (const auto& folder : folders) {
    const fs::path candidate = fs::path(folder) / name;
    if (fs::is_regular_file(candidate, ec)) return candidate.string();
    searched += (searched.empty() ? "" : ", ") + folder;
  }
  throw HostError(HostStatus::NotFound,
                  "dialog file " + name + " not found (searched: " + (searched.empty() ? "no folders" : searched) +
                      "; set FABDOC_DIALOG_PATH or install it in the application folder)");
}

}  // namespace platform::ui
