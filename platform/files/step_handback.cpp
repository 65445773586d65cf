// The bytes handed back are one run of pieces (files/shape_section.h): a JSON summary
// (the root, what was said, how many bodies each part has), then for each part its host
// path, its description as a part file stores it, and its bodies' B-rep streams.
#include "platform/files/step_handback.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include <nlohmann/json.hpp>
#include <Standard_Failure.hxx>

#include "platform/base/host_error.h"
#include "platform/files/body_trial.h"
#include "platform/files/part_codec.h"
#include "platform/files/shape_section.h"
#include "platform/files/trusted_bodies.h"
#include "platform/geometry/body.h"
#include "platform/objects/session.h"
#include "platform/text/gbk.h"
#include "platform/text/host_path.h"

namespace platform::files {

using nlohmann::json;

namespace {

// A solid measuring less than a cube of 0.1 mm has no volume worth the name: some
// systems write a collapsed solid where a body was deleted or failed to rebuild.
constexpr double kZeroVolume = 1e-3;  // mm^3

std::string Dump(const json& j) { return j.dump(-1, ' ', false, json::error_handler_t::replace); }

// The stream of `shape` as a part file stores it once read and saved again, or empty with
// `fault` saying why the host could not keep the body. The first write keeps flags of the
// translation that no later write repeats: written once more, the stream is the one the
// import's saves write, and their read-back finds it trusted. A stream that passed the
// trial before, on this machine or earlier in this import, is not tried again: its
// bytes read as they did then. `volume` gets a solid's volume.
std::string StoredStream(const TopoDS_Shape& shape, bool solid, TrustedBodies& trusted, std::string& fault,
                         double& volume) {
  try {
    const auto read = ReadShapePiece(WriteShapePiece(shape), kPartFormatVersion);
    std::string stream = WriteShapePiece(read.front());
    const auto again = ReadShapePiece(stream, kPartFormatVersion);
    const BodyDigest digest = DigestOf(stream);
    if (trusted.Contains(digest)) {
      if (solid) volume = ComputeVolumeFigures(again.front()).volume;
      return stream;
    }
    MassProperties measured;
    fault = BodyTrialFault(again.front(), &measured);
    if (!fault.empty()) return {};
    volume = measured.volume;
    trusted.Add(digest);  // here only: the host adds what it receives
    return stream;
  } catch (const Standard_Failure& e) {
    fault = std::string("it does not read back as written (") + e.GetMessageString() + ")";
    return {};
  }
}

// Closes the parts received so far unless the whole import arrived.
struct Received {
  StepImport import;
  bool whole = false;
  ~Received() {
    if (whole) return;
    for (Part* part : import.parts) Session::Get().ClosePart(*part);
  }
};

}  // namespace

std::string HandBackImport(const StepImport& made, const std::string& local, std::string& out) {
  json summary = {{"notes", made.notes},     {"skipped", made.skipped},
                  {"checkWarnings", made.checkWarnings}, {"parts", json::array()}};
  std::vector<std::string> warnings = made.warnings;
  TrustedBodies& trusted = TrustedBodies::Shared();
  const auto root = std::find(made.parts.begin(), made.parts.end(), made.root);
  summary["root"] = root - made.parts.begin();
  std::string parts;
  for (const Part* part : made.parts) {
    EncodedPart encoded = EncodePart(*part);
    AppendPiece(parts, part->path);
    AppendPiece(parts, Dump(encoded.document));
    // The bodies with a shape, in the order the encoding met them, for naming.
    std::vector<const Body*> bodies;
    for (const auto& object : part->Objects())
      if (const auto* body = dynamic_cast<const Body*>(object.get()); body && !body->Shape().IsNull())
        bodies.push_back(body);
    for (std::size_t i = 0; i < encoded.shapes.size(); ++i) {
      std::string fault;
      double volume = 0;
      const bool solid = i < bodies.size() && bodies[i]->BodyType() == kSolidBodyType;
      const std::string stream = StoredStream(encoded.shapes[i], solid, trusted, fault, volume);
      const std::string name = text::ToUtf8Lossy(i < bodies.size() ? bodies[i]->name : std::string());
      const std::string product = text::ToUtf8Lossy(HostFileStem(part->path));
      if (!fault.empty())
        return local + ": body \"" + name + "\" of product \"" + product + "\": " + fault + "; nothing was imported";
      if (solid && std::abs(volume) < kZeroVolume)
        warnings.push_back("body \"" + name + "\" in part \"" + product +
                           "\": a solid without volume; it is kept, but it is no part anyone can make");
      AppendPiece(parts, stream);
    }
    summary["parts"].push_back(encoded.shapes.size());
  }
  summary["warnings"] = warnings;
  out.clear();
  AppendPiece(out, Dump(summary));
  out += parts;
  return {};
}

StepImport ReceiveImport(std::string_view bytes, const std::string& local) {
  const auto broken = [&] {
    return HostError(HostStatus::FileError, local + ": the import's result did not arrive whole; nothing was imported");
  };
  const auto pieces = ShapeSectionPieces(bytes, kPartFormatVersion);
  if (!pieces || pieces->empty()) throw broken();
  Received received;
  StepImport& result = received.import;
  TrustedBodies& trusted = TrustedBodies::Shared();
  try {
    const json summary = json::parse(pieces->front());
    std::size_t at = 1;
    for (const json& shapeCount : summary.at("parts")) {
      const std::size_t count = shapeCount.get<std::size_t>();
      if (at + 2 + count > pieces->size()) throw broken();
      const std::string path((*pieces)[at]);
      const json document = json::parse((*pieces)[at + 1]);
      at += 2;
      std::vector<TopoDS_Shape> shapes;
      // The child tried the shapes these very bytes give.
      for (std::size_t i = 0; i < count; ++i, ++at) {
        shapes.push_back(ReadShapePiece((*pieces)[at], kPartFormatVersion).front());
        trusted.Add(DigestOf((*pieces)[at]));
      }
      auto part = DecodePart(document, shapes, kPartFormatVersion, path, local);
      part->modified = true;  // made, not yet saved
      result.parts.push_back(&Session::Get().AdoptPart(std::move(part)));
    }
    const std::size_t root = summary.at("root").get<std::size_t>();
    if (at != pieces->size() || root >= result.parts.size()) throw broken();
    result.root = result.parts[root];
    result.notes = summary.at("notes").get<std::vector<std::string>>();
    result.warnings = summary.at("warnings").get<std::vector<std::string>>();
    result.skipped = summary.at("skipped").get<std::vector<std::string>>();
    result.checkWarnings = summary.at("checkWarnings").get<std::vector<std::string>>();
  } catch (const json::exception&) {
    throw broken();
  } catch (const Standard_Failure&) {
    throw broken();
  }
  trusted.Save();
  received.whole = true;
  return std::move(result);
}

}  // namespace platform::files
