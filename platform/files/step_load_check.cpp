#include "platform/files/step_load_check.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include <Interface_Check.hxx>
#include <Interface_CheckIterator.hxx>
#include <Interface_InterfaceModel.hxx>
#include <TCollection_HAsciiString.hxx>
#include <XSControl_Reader.hxx>
#include <XSControl_WorkSession.hxx>

namespace platform::files {

namespace {

// The line on which entity "#id" is defined ("#id=" at the start of a statement), or 0.
int DefinitionLine(const std::string& text, const std::string& label) {
  for (size_t at = text.find(label); at != std::string::npos; at = text.find(label, at + 1)) {
    size_t before = at;
    while (before > 0 && std::isspace(static_cast<unsigned char>(text[before - 1]))) --before;
    if (before > 0 && text[before - 1] != ';') continue;
    size_t after = at + label.size();
    if (after < text.size() && std::isdigit(static_cast<unsigned char>(text[after]))) continue;
    while (after < text.size() && std::isspace(static_cast<unsigned char>(text[after]))) ++after;
    if (after < text.size() && text[after] == '=')
      return 1 + static_cast<int>(std::count(text.begin(), text.begin() + static_cast<long>(at), '\n'));
  }
  return 0;
}

// The number of entity `number` of the model as the file wrote it, 0 when it has none.
long FileId(const Handle(Interface_InterfaceModel)& model, int number) {
  Handle(TCollection_HAsciiString) label = model->StringLabel(model->Value(number));
  if (label.IsNull() || label->Length() < 2 || label->Value(1) != '#') return 0;
  return std::atol(label->ToCString() + 1);
}

}  // namespace

std::vector<LoadFault> LoadFaults(XSControl_Reader& reader) {
  std::vector<LoadFault> faults;
  Handle(XSControl_WorkSession) session = reader.WS();
  Handle(Interface_InterfaceModel) model = session->Model();
  if (model.IsNull()) return faults;
  const Interface_CheckIterator checks = session->ModelCheckList(false);
  for (checks.Start(); checks.More(); checks.Next()) {
    const Handle(Interface_Check)& check = checks.Value();
    const int number = checks.Number();
    if (check.IsNull() || !check->HasFailed() || number <= 0 || number > model->NbEntities()) continue;
    if (const long id = FileId(model, number)) faults.push_back({id, check->CFail(1)});
  }
  return faults;
}

std::optional<std::string> FirstLoadFault(XSControl_Reader& reader, const std::string& text) {
  Handle(XSControl_WorkSession) session = reader.WS();
  Handle(Interface_InterfaceModel) model = session->Model();
  if (model.IsNull()) return "the translator loaded nothing";
  const Interface_CheckIterator checks = session->ModelCheckList(false);
  std::optional<std::string> global;
  for (checks.Start(); checks.More(); checks.Next()) {
    const Handle(Interface_Check)& check = checks.Value();
    if (check.IsNull() || !check->HasFailed()) continue;
    const std::string what = check->CFail(1);
    const int number = checks.Number();
    if (number <= 0 || number > model->NbEntities()) {
      if (!global) global = what;
      continue;
    }
    Handle(TCollection_HAsciiString) label = model->StringLabel(model->Value(number));
    const std::string id = label.IsNull() ? "#?" : label->ToCString();
    const int line = DefinitionLine(text, id);
    return (line > 0 ? "line " + std::to_string(line) + ": " : std::string()) + id + ": " + what;
  }
  return global;
}

}  // namespace platform::files
