// Journal identifiers of components.
#include "platform/assemblies/component_identifier.h"

#include <cstdlib>
#include <vector>

#include "platform/assemblies/occurrences.h"
#include "platform/objects/session.h"
#include "platform/text/gbk.h"

namespace platform {

namespace {

constexpr std::string_view kPrefix = "COMPONENT ";

const std::string& InstanceName(const ComponentOccurrence& c) {
  static const std::string none;
  const Instance* instance = c.parentPart ? c.parentPart->FindInstance(c.instancePid) : nullptr;
  return instance ? instance->instanceName : none;
}

// Children first, then what is below each child, by the same rule.
void SearchOrder(ComponentOccurrence& from, std::vector<ComponentOccurrence*>& order) {
  const std::vector<ComponentOccurrence*> children = Occurrences::Get().Children(from);
  order.insert(order.end(), children.begin(), children.end());
  for (ComponentOccurrence* child : children) SearchOrder(*child, order);
}

}  // namespace

std::string ComponentIdentifier(ComponentOccurrence& component) {
  return std::string(kPrefix) + Session::Get().NameOf(component) + " 1";
}

ComponentOccurrence* FindComponent(ComponentOccurrence& from, const std::string& identifier) {
  const size_t space = identifier.rfind(' ');
  const std::string number = space == std::string::npos ? "" : identifier.substr(space + 1);
  char* end = nullptr;
  const long n = std::strtol(number.c_str(), &end, 10);
  if (identifier.rfind(kPrefix, 0) != 0 || space < kPrefix.size() || number.empty() || *end || n < 1)
    throw HostError(HostStatus::InvalidArgument, "\"" + text::ToUtf8Lossy(identifier) +
                                                     "\" is not a component identifier (COMPONENT <name> <n>)");
  const std::string name = identifier.substr(kPrefix.size(), space - kPrefix.size());
  std::vector<ComponentOccurrence*> order;
  SearchOrder(from, order);
  long seen = 0;
  for (ComponentOccurrence* c : order)
    if ((Session::Get().NameOf(*c) == name || InstanceName(*c) == name) && ++seen == n) return c;
  return nullptr;
}

}  // namespace platform
