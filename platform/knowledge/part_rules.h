// The knowledge rules of the session's parts: one rule set per part on its root
// instance ("Root:"), and one set of spreadsheet functions over real workbooks whose
// rule paths are host paths.
#pragma once
#include <map>
#include <memory>

#include "platform/knowledge/rule_set.h"
#include "platform/knowledge/workbook_excel_host.h"
#include "platform/objects/session.h"

namespace platform::knowledge {

class PartRules : public SessionObserver {
public:
  static PartRules& Get();

  // The part's rules, made empty on first use; later calls keep what is there.
  RuleSet& Init(Part& part);
  // nullptr when the part's rules were never initialised.
  RuleSet* Find(Part& part);
  // Workbooks the rules hold open.
  size_t OpenWorkbooks() const { return excel_->OpenCount(); }

  void PartClosing(Part& part) override { rules_.erase(&part); }
  // A fresh session: no rules, no open workbooks.
  void Reset() override;

private:
  PartRules();
  void MakeFunctions();

  std::unique_ptr<WorkbookExcelHost> excel_;
  FunctionTable functions_;
  std::map<Part*, std::unique_ptr<RuleSet>> rules_;
};

// Host text for a rule's failure: a RuleError or WorkbookError becomes a HostError with
// the same message; anything else is thrown on. Call only inside a catch block.
[[noreturn]] void RethrowAsHostError();

}  // namespace platform::knowledge
