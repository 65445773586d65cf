// The part file, version 4 (versions 1 to 3 still open):
//   "FABDOC-PART 4\n"                 magic and format version
//   u64 length, JSON description      UTF-8; objects, instances, occurrences (part_codec)
//   u64 length, shapes                bodies in order, OCCT binary B-rep (shape_section)
//   u32 CRC-32 of everything above, then "END\n"
// Reading checks all of it before anything joins the session.
//
// Saving:  1. fold the live occurrences into what the part remembers of them,
//          2. encode the part, 3. write beside the target and rename over it.
// Opening: 1. read and verify the file, 2. add it to the session, 3. open every
//          component part it uses, depth first, reporting files that are missing.
#include "platform/files/part_file.h"

#include <sys/stat.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <Standard_Failure.hxx>
#include <zlib.h>

#include "platform/assemblies/occurrence.h"
#include "platform/assemblies/occurrence_overrides.h"
#include "platform/base/host_error.h"
#include "platform/base/stale_temporaries.h"
#include "platform/files/atomic_file.h"
#include "platform/files/body_trial.h"
#include "platform/files/isolated_run.h"
#include "platform/files/part_codec.h"
#include "platform/files/read_all.h"
#include "platform/files/shape_section.h"
#include "platform/files/trusted_bodies.h"
#include "platform/objects/session.h"
#include "platform/text/gbk.h"
#include "platform/text/host_path.h"
#include "platform/text/shown_path.h"

namespace platform::files {

namespace {

constexpr char kMagic[] = "FABDOC-PART ";
constexpr char kTrailer[] = "END\n";
constexpr char kNothingLoaded[] = "; nothing was loaded";

void PutU64(std::string& out, std::uint64_t v) {
  for (int i = 0; i < 8; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xff));
}

std::uint64_t GetU64(const std::string& in, size_t at) {
  std::uint64_t v = 0;
  for (int i = 0; i < 8; ++i) v |= std::uint64_t(static_cast<unsigned char>(in[at + i])) << (8 * i);
  return v;
}

std::string Printable(const std::string& bytes) {
  std::string s;
  for (unsigned char c : bytes.substr(0, 8)) {
    if (c >= 0x20 && c < 0x7f && c != '"') s.push_back(static_cast<char>(c));
    else {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\x%02X", c);
      s += buf;
    }
  }
  return s;
}

std::string Serialise(const Part& part) {
  EncodedPart encoded = EncodePart(part);
  const std::string description = encoded.document.dump();
  const std::string shapeBytes = WriteShapeSection(encoded.shapes);

  std::string out = kMagic + std::to_string(kPartFormatVersion) + "\n";
  PutU64(out, description.size());
  out += description;
  PutU64(out, shapeBytes.size());
  out += shapeBytes;
  const std::uint32_t crc = crc32(0, reinterpret_cast<const Bytef*>(out.data()), out.size());
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((crc >> (8 * i)) & 0xff));
  out += kTrailer;
  return out;
}

// The body that uses shape `index`, as the description names it, for messages.
std::string ShapeLabel(const nlohmann::json& description, std::size_t index) {
  const auto objects = description.find("objects");
  if (objects != description.end() && objects->is_array())
    for (const auto& object : *objects) {
      const auto shape = object.find("shape");
      if (!object.is_object() || shape == object.end() || !shape->is_number_integer() ||
          shape->get<long long>() != static_cast<long long>(index))
        continue;
      const auto name = object.find("name");
      const auto pid = object.find("pid");
      std::string label = "body";
      if (name != object.end() && name->is_string() && !name->get<std::string>().empty())
        label += " \"" + name->get<std::string>() + "\"";
      if (pid != object.end() && pid->is_number_unsigned()) label += " (id " + std::to_string(pid->get<unsigned long long>()) + ")";
      return label;
    }
  return "shape " + std::to_string(index);
}

// How a file is read: to be opened, or only to check that it would open (a save's
// read-back), which need not read again the bodies whose bytes are trusted.
enum class Reading { Open, Check };

std::unique_ptr<Part> ReadPartFile(const std::string& local, const std::string& hostPath, const std::string& where,
                                   Reading reading = Reading::Open);

}  // namespace

namespace {

void SavePartFile(Part& part, const std::string& hostPath, StaleTemporaries stale) {
  const std::string local = ToLocalPath(hostPath);
  // The rename would replace a read-only file; the host refuses to write one. The
  // permission bit is asked, not access(), so that root is refused too.
  struct stat status;
  if (::stat(local.c_str(), &status) == 0 && (status.st_mode & S_IWUSR) == 0)
    throw HostError(HostStatus::FileError, local + ": the part file is read-only; it was not saved");
  FoldOccurrences(part);
  const std::string bytes = Serialise(part);
  // What was written must open again before it replaces the previous file: a body the
  // writer cannot store as it holds it would otherwise cost the whole part.
  auto readsBack = [&](const std::string& written) {
    try {
      ReadPartFile(written, hostPath, local, Reading::Check);
    } catch (const HostError& e) {
      std::string why = e.what();
      if (why.starts_with(local + ": ")) why.erase(0, local.size() + 2);
      if (why.ends_with(kNothingLoaded)) why.resize(why.size() - std::strlen(kNothingLoaded));
      throw HostError(HostStatus::FileError, "what was written does not open again (" + why + ")");
    }
  };
  WriteFileAtomically(
      local, local, [&](std::ostream& out) { out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())); },
      readsBack, stale);
  part.modified = false;
}

}  // namespace

void SavePart(Part& part, const std::string& hostPath) { SavePartFile(part, hostPath, StaleTemporaries::Remove); }

void SaveParts(const std::vector<Part*>& parts) {
  std::vector<std::filesystem::path> saved;
  // The parts saved are swept for even when a later one fails.
  try {
    for (Part* part : parts) {
      SavePartFile(*part, part->path, StaleTemporaries::Leave);
      saved.push_back(ToLocalPath(part->path));
    }
  } catch (...) {
    RemoveStaleTemporaries(saved);
    throw;
  }
  RemoveStaleTemporaries(saved);
}

namespace {

// Reads the file at `local` as the part `hostPath`; errors name `where`.
std::unique_ptr<Part> ReadPartFile(const std::string& local, const std::string& hostPath, const std::string& where,
                                   Reading reading) {
  std::ifstream in(local, std::ios::binary);
  if (!in) {
    std::error_code ec;
    const char* why = std::filesystem::exists(local, ec) ? "cannot be read" : "does not exist";
    throw HostError(HostStatus::FileError, where + ": part file " + why);
  }
  std::string bytes;
  if (!ReadAll(in, bytes)) throw HostError(HostStatus::FileError, where + ": part file cannot be read");
  auto bad = [&](const std::string& why) {
    return HostError(HostStatus::BadPartFile, where + ": " + why + kNothingLoaded);
  };
  const size_t magicLen = std::strlen(kMagic);
  if (bytes.compare(0, magicLen, kMagic) != 0)
    throw bad("not a fabdoc .prt file (header \"" + Printable(bytes) + "\")");
  size_t eol = bytes.find('\n', magicLen);
  if (eol == std::string::npos || eol > magicLen + 8) throw bad("damaged header");
  const int version = std::atoi(bytes.c_str() + magicLen);
  if (version < 1) throw bad("damaged header");
  if (version > kPartFormatVersion)
    throw bad("written by a newer version (format " + std::to_string(version) + ", this host reads " +
              std::to_string(kPartFormatVersion) + ")");
  const size_t trailerLen = std::strlen(kTrailer);
  if (bytes.size() < eol + 1 + 16 + 4 + trailerLen ||
      bytes.compare(bytes.size() - trailerLen, trailerLen, kTrailer) != 0)
    throw bad("truncated part file");
  const size_t crcAt = bytes.size() - trailerLen - 4;
  std::uint32_t stored = 0;
  for (int i = 0; i < 4; ++i) stored |= std::uint32_t(static_cast<unsigned char>(bytes[crcAt + i])) << (8 * i);
  if (stored != crc32(0, reinterpret_cast<const Bytef*>(bytes.data()), crcAt))
    throw bad("damaged part file (checksum mismatch)");

  size_t at = eol + 1;
  const std::uint64_t descLen = GetU64(bytes, at);
  at += 8;
  if (descLen > crcAt - at) throw bad("damaged part file (bad section length)");
  nlohmann::json description;
  try {
    description = nlohmann::json::parse(bytes.begin() + at, bytes.begin() + at + descLen);
  } catch (const nlohmann::json::exception& e) {
    throw bad(std::string("damaged part description (") + e.what() + ")");
  }
  at += descLen;
  if (at + 8 > crcAt) throw bad("damaged part file (missing shapes)");
  const std::uint64_t shapeLen = GetU64(bytes, at);
  at += 8;
  if (shapeLen != crcAt - at) throw bad("damaged part file (bad section length)");

  const auto pieces = ShapeSectionPieces(std::string_view(bytes.data() + at, shapeLen), version);
  if (!pieces) throw bad("damaged part file (bad shape lengths)");
  // The B-rep reader trusts its input: a piece whose exact bytes passed the trial before
  // is read here at once; every other piece is read and tried in a child process first,
  // and read here once it passed, while the child goes on with the next.
  TrustedBodies& trusted = TrustedBodies::Shared();
  std::vector<BodyDigest> digests;
  std::vector<std::size_t> untrusted;
  std::vector<bool> known(pieces->size());
  for (std::size_t i = 0; i < pieces->size(); ++i) {
    digests.push_back(DigestOf((*pieces)[i]));
    known[i] = trusted.Contains(digests.back());
    if (!known[i]) untrusted.push_back(i);
  }
  // The budget is processor time, as a loop spends it: the trial takes about 2 ms a body,
  // and on a machine busy with other work a wall-clock budget refused sound files.
  IsolationLimits limits;
  limits.processorSeconds = 10 + static_cast<unsigned>(shapeLen >> 20);
  limits.seconds = 10 * limits.processorSeconds;
  limits.extraMemory = (std::size_t(1) << 30) + 64 * shapeLen;
  // What the host will do with each body is tried in the child too: a body that crashes
  // or hangs a measurement, or that could not be saved again, is refused now.
  auto check = [&](std::size_t item) {
    const auto read = ReadShapePiece((*pieces)[untrusted[item]], version);
    for (std::size_t i = 0; i < read.size(); ++i)
      if (std::string fault = BodyTrialFault(read[i]); !fault.empty())
        return version < kFirstFormatWithPiecePerBody ? ShapeLabel(description, i) + ": " + fault : fault;
    return std::string();
  };
  std::vector<std::vector<TopoDS_Shape>> read(pieces->size());
  std::size_t nextTrusted = 0;
  // Trusted bytes read as they did when they passed: a check stands in a null shape.
  const bool readTrusted = reading == Reading::Open || version < kFirstFormatWithPiecePerBody;
  auto readTrustedBefore = [&](std::size_t end) {
    for (; nextTrusted < end; ++nextTrusted)
      if (known[nextTrusted])
        read[nextTrusted] = readTrusted ? ReadShapePiece((*pieces)[nextTrusted], version) : std::vector<TopoDS_Shape>(1);
  };
  auto use = [&](std::size_t item) {
    readTrustedBefore(untrusted[item]);
    read[untrusted[item]] = ReadShapePiece((*pieces)[untrusted[item]], version);
  };
  auto damagedShapes = [&](const std::string& why) { return bad("damaged shapes (" + why + ")"); };
  std::optional<std::string> failure;
  std::size_t failedItem = 0;
  try {
    failure = UseItemsCheckedInIsolation(untrusted.size(), check, use, limits, &failedItem);
    if (!failure) readTrustedBefore(pieces->size());
  } catch (const Standard_Failure& e) {
    throw damagedShapes(e.GetMessageString());
  }
  const std::size_t failedPiece = failure && failedItem < untrusted.size() ? untrusted[failedItem] : 0;
  // Format 3 keeps a piece per body: the body is named even when the child died on it.
  if (failure && version >= kFirstFormatWithPiecePerBody) failure = ShapeLabel(description, failedPiece) + ": " + *failure;
  if (failure) throw damagedShapes(*failure);
  for (std::size_t item : untrusted) trusted.Add(digests[item]);
  trusted.Save();
  std::vector<TopoDS_Shape> shapes;
  for (auto& piece : read) shapes.insert(shapes.end(), piece.begin(), piece.end());
  try {
    return DecodePart(description, shapes, version, hostPath, where);
  } catch (const Standard_Failure& e) {
    throw damagedShapes(e.GetMessageString());
  } catch (const HostError& e) {
    if (e.Status() == HostStatus::BadPartFile) throw bad(e.what());
    throw bad(std::string("damaged part description (") + e.what() + ")");
  }
}

}  // namespace

std::unique_ptr<Part> ReadPart(const std::string& hostPath) {
  const std::string local = ToLocalPath(hostPath);
  return ReadPartFile(local, hostPath, local);
}

Part& OpenPart(const std::string& hostPath, std::vector<std::string>* notes) {
  Session& session = Session::Get();
  if (Part* open = session.FindPartByPath(hostPath)) return *open;
  Part& part = session.AdoptPart(ReadPart(hostPath));
  // Components: copy the paths first, opening may not touch this part's instances.
  std::vector<std::string> children;
  for (const auto& inst : part.Instances()) children.push_back(inst.partPath);
  for (const auto& child : children) {
    if (session.FindPartByPath(child)) continue;
    std::error_code ec;
    if (!std::filesystem::exists(ToLocalPath(child), ec)) {
      if (notes)
        notes->push_back("component file " + ShownPath(child) + " of " + ShownPath(part.path) +
                         " was not found");
      continue;
    }
    OpenPart(child, notes);
  }
  return part;
}

}  // namespace platform::files
