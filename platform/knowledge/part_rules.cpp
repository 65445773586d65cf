#include "platform/knowledge/part_rules.h"

#include "platform/knowledge/rule_error.h"
#include "platform/text/gbk.h"
#include "platform/text/host_path.h"
#include "platform/workbook/workbook_error.h"

namespace platform::knowledge {

namespace {

// Rule texts are UTF-8 by the time they are parsed; the paths in them are host paths.
std::filesystem::path LocalPathOfRulePath(const std::string& utf8HostPath) {
  return ToLocalPath(text::ToGbk(utf8HostPath));
}

}  // namespace

PartRules& PartRules::Get() {
  static PartRules rules;
  return rules;
}

PartRules::PartRules() {
  MakeFunctions();
  Session::Get().Attach(*this);
}

void PartRules::MakeFunctions() {
  excel_ = std::make_unique<WorkbookExcelHost>(LocalPathOfRulePath);
  functions_ = ExcelFunctions(*excel_);
}

RuleSet& PartRules::Init(Part& part) {
  auto& rules = rules_[&part];
  if (!rules) rules = std::make_unique<RuleSet>(functions_);
  return *rules;
}

RuleSet* PartRules::Find(Part& part) {
  const auto found = rules_.find(&part);
  return found == rules_.end() ? nullptr : found->second.get();
}

void PartRules::Reset() {
  rules_.clear();
  MakeFunctions();
}

void RethrowAsHostError() {
  try {
    throw;
  } catch (const RuleError& e) {
    throw HostError(HostStatus::InvalidArgument, e.what());
  } catch (const workbook::WorkbookError& e) {
    throw HostError(e.Problem() == workbook::WorkbookProblem::MissingFile ? HostStatus::NotFound : HostStatus::FileError,
                    e.what());
  }
}

}  // namespace platform::knowledge
