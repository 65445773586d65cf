#include "platform/files/step_load_check.h"

#include <cstdlib>
#include <regex>

#include <Interface_Check.hxx>
#include <Interface_CheckIterator.hxx>
#include <Interface_InterfaceModel.hxx>
#include <TCollection_HAsciiString.hxx>
#include <XSControl_Reader.hxx>
#include <XSControl_WorkSession.hxx>

#include "platform/files/step_entities.h"

namespace platform::files {

namespace {

// The number of entity `number` of the model as the file wrote it, 0 when it has none.
long FileId(const Handle(Interface_InterfaceModel)& model, int number) {
  Handle(TCollection_HAsciiString) label = model->StringLabel(model->Value(number));
  if (label.IsNull() || label->Length() < 2 || label->Value(1) != '#') return 0;
  return std::atol(label->ToCString() + 1);
}

// The translator names a failed attribute "Parameter n0.3 (...)" or "Parameter #3 (...)"
// when its value is not of the kind wanted; true when that value is written "$" or "*"
// (in any part of a complex entity, as the message does not say which part).
bool FailsOnUnsetValue(const std::string& why, const StepEntity& entity) {
  static const std::regex kParameter(R"(^Parameter (?:n0\.|#)(\d+) .*(not an? |not Derived))");
  std::smatch match;
  if (!std::regex_search(why, match, kParameter)) return false;
  const size_t index = std::stoul(match[1].str()) - 1;
  for (const auto& attributes : StepParameters(entity.statement))
    if (index < attributes.size() && (attributes[index] == "$" || attributes[index] == "*")) return true;
  return false;
}

}  // namespace

std::string LoadFault::Describe() const {
  return (line > 0 ? "line " + std::to_string(line) + ": " : std::string()) + "#" + std::to_string(id) + ": " + why;
}

std::optional<std::string> LoadCheck::Damage() const {
  if (fileFault) return fileFault;
  for (const LoadFault& fault : faults)
    if (!fault.unsetValue) return fault.Describe();
  return std::nullopt;
}

std::vector<std::string> LoadCheck::Warnings() const {
  std::vector<std::string> warnings;
  for (const LoadFault& fault : faults)
    if (fault.unsetValue) warnings.push_back(fault.Describe());
  return warnings;
}

LoadCheck CheckLoad(XSControl_Reader& reader, const std::string& text) {
  LoadCheck result;
  Handle(XSControl_WorkSession) session = reader.WS();
  Handle(Interface_InterfaceModel) model = session->Model();
  if (model.IsNull()) {
    result.fileFault = "the translator loaded nothing";
    return result;
  }
  const Interface_CheckIterator checks = session->ModelCheckList(false);
  std::optional<StepEntities> entities;  // read only when there is a fault to place
  for (checks.Start(); checks.More(); checks.Next()) {
    const Handle(Interface_Check)& check = checks.Value();
    if (check.IsNull() || !check->HasFailed()) continue;
    const int number = checks.Number();
    const long id = number > 0 && number <= model->NbEntities() ? FileId(model, number) : 0;
    if (id == 0) {
      if (!result.fileFault) result.fileFault = check->CFail(1);
      continue;
    }
    if (!entities) entities = ParseStepEntities(text);
    LoadFault fault{id, 0, check->CFail(1), false};
    const StepEntity* entity = nullptr;
    if (entities)
      if (const auto it = entities->byId.find(id); it != entities->byId.end()) entity = &it->second;
    if (entity) {
      fault.line = entity->line;
      // Every failure of the entity must be an unset value for it to be harmless.
      fault.unsetValue = true;
      for (int i = 1; i <= check->NbFails() && fault.unsetValue; ++i)
        fault.unsetValue = FailsOnUnsetValue(check->CFail(i), *entity);
    } else {
      // Not a statement of its own: the translator and the text disagree, so it is damage.
      fault.line = DefinitionLine(text, id);
      if (fault.line > 0) fault.why += " (a quote or comment left open runs over it)";
    }
    result.faults.push_back(std::move(fault));
  }
  return result;
}

}  // namespace platform::files
