// uf_kf.h: knowledge rules on the work part's root instance, and the update that
// evaluates them.
#include <uf_kf.h>
#include <uf_modl.h>

#include "platform/api/guard.h"
#include "platform/knowledge/part_rules.h"
#include "platform/knowledge/rule_error.h"
#include "platform/knowledge/rule_parser.h"
#include "platform/text/gbk.h"
#include "platform/text/shown_path.h"

using namespace platform;
using namespace platform::api;
using platform::knowledge::PartRules;
using platform::knowledge::RuleSet;

namespace {

constexpr const char* kRootInstance = "Root:";

void NeedRoot(const char* nameChain) {
  const std::string chain = NeedText(nameChain, "name_chain");
  if (chain != kRootInstance)
    throw HostError(HostStatus::NotImplemented, "instance \"" + text::ToUtf8Lossy(chain) +
                                                    "\": this host keeps rules on \"Root:\" only");
}

RuleSet& RulesOfWorkPart() {
  Part& part = WorkPart();
  RuleSet* rules = PartRules::Get().Find(part);
  if (!rules)
    throw HostError(HostStatus::InvalidArgument,
                    "part " + ShownPath(part.path) + " has no rules yet; call UF_KF_init_part first");
  return *rules;
}

// Runs a body that works on rules; their failures become host errors with their text.
template <class F>
int RuleGuard(const char* function, F&& body) noexcept {
  return Guard(function, [&] {
    try {
      body();
    } catch (const HostError&) {
      throw;
    } catch (...) {
      knowledge::RethrowAsHostError();
    }
  });
}

}  // namespace

extern "C" {

int UF_KF_init_part(tag_t part) {
  return Guard("UF_KF_init_part", [&] { PartRules::Get().Init(NeedPart(part)); });
}

int UF_KF_create_rule_no_update(const char* name_chain, const char* rule_name, const char* rule_type,
                                const char* rule_text, const char* /*leading_comment*/) {
  return RuleGuard("UF_KF_create_rule_no_update", [&] {
    NeedRoot(name_chain);
    const std::string name = text::ToUtf8(NeedText(rule_name, "rule_name"));
    const std::string type = text::ToUtf8(NeedText(rule_type, "rule_type"));
    const std::string ruleText = text::ToUtf8(NeedText(rule_text, "rule_text"));
    RuleSet& rules = RulesOfWorkPart();
    if (rules.Has(name)) {
      // An existing rule is replaced, but only by a text that parses.
      try {
        knowledge::ParseRule(ruleText);
      } catch (const knowledge::SyntaxError& e) {
        throw knowledge::RuleError(name, "cannot parse " + std::string(e.what()) + " of the text: " + ruleText);
      }
      rules.Delete(name);
    }
    rules.Create(name, type, ruleText);
  });
}

int UF_KF_delete_instance_rule(const char* name_chain, const char* rule_name) {
  return RuleGuard("UF_KF_delete_instance_rule", [&] {
    NeedRoot(name_chain);
    RulesOfWorkPart().Delete(text::ToUtf8(NeedText(rule_name, "rule_name")));
  });
}

int UF_MODL_update(void) {
  return RuleGuard("UF_MODL_update", [&] {
    Part* work = Session::Get().Work();
    if (!work) return;
    if (RuleSet* rules = PartRules::Get().Find(*work)) rules->Update();
  });
}

}  // extern "C"
