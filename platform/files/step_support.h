// What STEP import and export share: name text between STEP and the host, placements
// between the modeller and the object model, and a quiet translator.
#pragma once
#include "platform/assemblies/located_shape.h"
#include <string>
#include <string_view>

#include <Message_SequenceOfPrinters.hxx>
#include <TCollection_ExtendedString.hxx>
#include <TDocStd_Document.hxx>
#include <gp_Trsf.hxx>

#include "platform/objects/transform.h"

namespace platform::files {

// Instance name of the component that carries an assembly part's own bodies: STEP
// products hold either components or geometry, never both.
inline constexpr const char* kOwnBodiesInstance = "fabdoc-own-bodies";

// STEP text (UTF-8; GBK bytes accepted as they are) as host text. Characters without
// a GBK form become '_' and set *replaced.
std::string StepTextToHost(std::string_view bytes, bool* replaced = nullptr);
std::string ExtendedToUtf8(const TCollection_ExtendedString& text);
TCollection_ExtendedString HostToExtended(std::string_view gbk);

// STEP files are ASCII: text beyond it is written with the standard's escapes,
// \X2\hhhh…\X0\ (and \X4\ beyond the basic plane); a stray byte as \X\hh.
std::string EscapeNonAscii(std::string_view utf8);
// A string as a STEP file writes it (between its quotes) as UTF-8: '' and \\ and the
// escapes \X\hh, \S\c, \X2\…\X0\, \X4\…\X0\ decoded, code page switches \P?\ ignored.
std::string UnescapeStepString(std::string_view text);


// The STEP translators' one-time set-up; the two classes below call it, so every
// translation has it done.
void SetUpTranslators();

// A fresh XCAF document, closed when it goes out of scope.
class XcafDocument {
public:
  XcafDocument();
  ~XcafDocument();
  XcafDocument(const XcafDocument&) = delete;
  XcafDocument& operator=(const XcafDocument&) = delete;
  Handle(TDocStd_Document)& Get() { return doc_; }

private:
  Handle(TDocStd_Document) doc_;
};

// While alive, the translators' progress, statistics and complaints stay off the
// console; callers report failures themselves, naming the file.
class QuietTranslator {
public:
  QuietTranslator();
  ~QuietTranslator();
  QuietTranslator(const QuietTranslator&) = delete;
  QuietTranslator& operator=(const QuietTranslator&) = delete;

private:
  Message_SequenceOfPrinters saved_;
};

}  // namespace platform::files
