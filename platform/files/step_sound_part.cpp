// A product's own entities are everything its shape definition reaches; a component's,
// everything its placement reaches. What only unsound products and components own is
// removed, together with whatever refers to it, except that presentation lists (colours,
// layers) merely lose the element. The file is then rebuilt from what the remaining
// top-level entities reach.
#include "platform/files/step_sound_part.h"

#include <algorithm>
#include <cctype>
#include <deque>

#include "platform/files/step_support.h"

namespace platform::files {

namespace {

using IdSet = std::set<long>;

bool IsProduct(const StepEntities& e, long id) {
  return e.IsA(id, "PRODUCT_DEFINITION") || e.IsA(id, "PRODUCT_DEFINITION_WITH_ASSOCIATED_DOCUMENTS");
}

// Lists whose elements stand each on their own: losing one keeps the others meaningful.
bool IsPresentationList(const StepEntities& e, long id) {
  return e.IsA(id, "MECHANICAL_DESIGN_GEOMETRIC_PRESENTATION_REPRESENTATION") ||
         e.IsA(id, "PRESENTATION_LAYER_ASSIGNMENT") || e.IsA(id, "DRAUGHTING_MODEL") ||
         e.IsA(id, "GROUP_ASSIGNMENT") || e.IsA(id, "APPLIED_GROUP_ASSIGNMENT");
}

class Graph {
public:
  explicit Graph(const StepEntities& entities) : e_(entities) {
    for (const auto& [id, entity] : e_.byId)
      for (const StepReference& ref : entity.references) referrers_[ref.id].push_back(id);
  }

  const std::vector<long>& Referrers(long id) const {
    static const std::vector<long> none;
    const auto it = referrers_.find(id);
    return it == referrers_.end() ? none : it->second;
  }

  // Entities of `type` whose first reference is `target`.
  std::vector<long> Using(long target, const char* type) const {
    std::vector<long> found;
    for (long r : Referrers(target)) {
      const auto& refs = e_.byId.at(r).references;
      if (e_.IsA(r, type) && !refs.empty() && refs.front().id == target) found.push_back(r);
    }
    return found;
  }

  IdSet Closure(const std::vector<long>& from) const {
    IdSet seen;
    std::vector<long> stack(from.begin(), from.end());
    while (!stack.empty()) {
      const long id = stack.back();
      stack.pop_back();
      if (!seen.insert(id).second) continue;
      const auto it = e_.byId.find(id);
      if (it == e_.byId.end()) continue;
      for (const StepReference& ref : it->second.references) stack.push_back(ref.id);
    }
    return seen;
  }

  // A product's shape: its definition, the shape aspect of it, the representations
  // given for that, and representations tied to those without a placement.
  IdSet OwnOfProduct(long product) const {
    std::vector<long> roots{product};
    for (long shape : Using(product, "PRODUCT_DEFINITION_SHAPE")) {
      roots.push_back(shape);
      for (long sdr : Using(shape, "SHAPE_DEFINITION_REPRESENTATION")) roots.push_back(sdr);
    }
    IdSet own = Closure(roots);
    for (bool grew = true; grew;) {
      grew = false;
      for (long id : std::vector<long>(own.begin(), own.end()))
        for (long r : Referrers(id))
          if (!own.count(r) && IsPlainRelationship(r) && e_.byId.at(r).references.front().id == id) {
            for (long reached : Closure({r})) own.insert(reached);
            grew = true;
          }
    }
    return own;
  }

  // A component: the usage, its shape aspect and the placement given for that.
  IdSet OwnOfUsage(long usage) const {
    std::vector<long> roots{usage};
    for (long shape : Using(usage, "PRODUCT_DEFINITION_SHAPE")) {
      roots.push_back(shape);
      for (long r : Referrers(shape))
        if (e_.IsA(r, "CONTEXT_DEPENDENT_SHAPE_REPRESENTATION")) roots.push_back(r);
    }
    return Closure(roots);
  }

private:
  bool IsPlainRelationship(long id) const {
    const auto& entity = e_.byId.at(id);
    return entity.types.size() == 1 && entity.types.front() == "SHAPE_REPRESENTATION_RELATIONSHIP" &&
           !entity.references.empty();
  }

  const StepEntities& e_;
  std::map<long, std::vector<long>> referrers_;
};

// The product's name as the file gives it (its id when the name is blank).
std::string ProductName(const StepEntities& e, long definition) {
  const auto& refs = e.byId.at(definition).references;
  if (refs.empty() || !e.Has(refs.front().id)) return "#" + std::to_string(definition);
  const auto& formation = e.byId.at(refs.front().id).references;
  for (const StepReference& ref : formation)
    if (e.IsA(ref.id, "PRODUCT")) {
      const auto strings = e.Strings(ref.id);
      if (strings.size() > 1 && strings[1].find_first_not_of(' ') != std::string::npos) return strings[1];
      if (!strings.empty()) return strings[0];
    }
  return "#" + std::to_string(definition);
}

// Removes the reference "#id" from a list in `statement`, with one comma.
void DropReference(std::string& statement, long id) {
  const std::string token = "#" + std::to_string(id);
  for (size_t at = statement.find(token); at != std::string::npos; at = statement.find(token, at + 1)) {
    const size_t end = at + token.size();
    if (end < statement.size() && std::isdigit(static_cast<unsigned char>(statement[end]))) continue;
    size_t from = at, to = end;
    size_t before = at;
    while (before > 0 && statement[before - 1] == ' ') --before;
    size_t after = end;
    while (after < statement.size() && statement[after] == ' ') ++after;
    if (before > 0 && statement[before - 1] == ',') from = before - 1;
    else if (after < statement.size() && statement[after] == ',') to = after + 1;
    statement.erase(from, to - from);
    return;
  }
}

}  // namespace

std::vector<long> ProductsOf(const StepEntities& entities) {
  std::vector<long> products;
  for (const auto& [id, entity] : entities.byId)
    if (IsProduct(entities, id)) products.push_back(id);
  return products;
}

namespace {

// The faulty entities, each with its reason, and how a skipped line names one.
class Faults {
public:
  Faults(const StepEntities& e, const std::map<long, std::string>& found) : e_(e), bad_(found) {
    for (const auto& [id, entity] : e.byId) {
      if (entity.fault) bad_.emplace(id, *entity.fault);
      for (const StepReference& ref : entity.references)
        if (!e.Has(ref.id)) bad_.emplace(id, "unresolved reference #" + std::to_string(ref.id));
    }
  }

  const std::map<long, std::string>& All() const { return bad_; }
  bool Has(long id) const { return bad_.count(id) != 0; }

  // The faulty entity of `own` that comes first in the file.
  std::optional<long> First(const IdSet& own) const {
    std::optional<long> first;
    for (long id : own)
      if (Has(id) && (!first || LineOf(id) < LineOf(*first))) first = id;
    return first;
  }

  std::string Describe(long id) const {
    const std::string where = LineOf(id) ? "line " + std::to_string(LineOf(id)) + ": " : std::string();
    return where + "#" + std::to_string(id) + ": " + bad_.at(id);
  }

private:
  int LineOf(long id) const {
    const auto it = e_.byId.find(id);
    return it == e_.byId.end() ? 0 : it->second.line;
  }

  const StepEntities& e_;
  std::map<long, std::string> bad_;
};

// What the sound and the left-out products and components own, and the faults already
// told in a skipped line.
struct Verdict {
  IdSet keptOwn, droppedOwn, unsoundProducts, accounted;
};

// What goes: the faults, what only left-out things own, and all that refers to those;
// presentation lists with elements left keep them and lose the rest.
struct Removal {
  IdSet removed;
  std::map<long, IdSet> droppedFrom;  // presentation lists and the elements they lose
};

void JudgeProducts(const StepEntities& e, const Graph& graph, const Faults& faults,
                   const std::set<long>& alsoSkip, Verdict& verdict, SoundStepPart& result) {
  for (long product : ProductsOf(e)) {
    const IdSet own = graph.OwnOfProduct(product);
    const auto fault = faults.First(own);
    const std::string name = "product \"" + UnescapeStepString(ProductName(e, product)) + "\"";
    if (fault || alsoSkip.count(product)) {
      verdict.unsoundProducts.insert(product);
      verdict.droppedOwn.insert(own.begin(), own.end());
      result.skipped.push_back(name + (fault ? ", " + faults.Describe(*fault) : ": it does not translate"));
      for (long id : own)
        if (faults.Has(id)) verdict.accounted.insert(id);
    } else {
      verdict.keptOwn.insert(own.begin(), own.end());
      result.keptProducts.push_back(product);
    }
  }
}

// A damaged placement that no longer names its component: whichever component has no
// sound placement left may be the one it placed.
std::optional<long> LostPlacement(const StepEntities& e, const Faults& faults) {
  std::optional<long> lost;
  for (const auto& [id, why] : faults.All())
    if (e.IsA(id, "CONTEXT_DEPENDENT_SHAPE_REPRESENTATION")) {
      const auto& refs = e.byId.at(id).references;
      if (std::none_of(refs.begin(), refs.end(), [&](const StepReference& r) { return e.IsA(r.id, "PRODUCT_DEFINITION_SHAPE"); }))
        lost = id;
    }
  return lost;
}

void JudgeComponents(const StepEntities& e, const Graph& graph, const Faults& faults, Verdict& verdict,
                     SoundStepPart& result) {
  const std::optional<long> lostPlacement = LostPlacement(e, faults);
  for (const auto& [id, entity] : e.byId) {
    if (!e.IsA(id, "NEXT_ASSEMBLY_USAGE_OCCURRENCE")) continue;
    const IdSet own = graph.OwnOfUsage(id);
    bool placedProductsSound = true;
    for (const StepReference& ref : entity.references)
      if (verdict.unsoundProducts.count(ref.id)) placedProductsSound = false;
    auto fault = faults.First(own);
    const bool placed = std::any_of(own.begin(), own.end(), [&](long x) {
      return e.IsA(x, "CONTEXT_DEPENDENT_SHAPE_REPRESENTATION") && !faults.Has(x);
    });
    if (!fault && !placed && lostPlacement) fault = lostPlacement;
    if (!fault && placedProductsSound) {
      verdict.keptOwn.insert(own.begin(), own.end());
      continue;
    }
    verdict.droppedOwn.insert(own.begin(), own.end());
    if (fault && placedProductsSound && !verdict.accounted.count(*fault)) {
      const auto strings = e.Strings(id);
      result.skipped.push_back("component \"" + UnescapeStepString(strings.size() > 1 ? strings[1] : "") + "\" (#" +
                               std::to_string(id) + "), " + faults.Describe(*fault));
    }
    for (long x : own)
      if (faults.Has(x)) verdict.accounted.insert(x);
    if (fault) verdict.accounted.insert(*fault);
  }
}

Removal RemoveUnsound(const StepEntities& e, const Graph& graph, const Faults& faults, const Verdict& verdict) {
  Removal removal;
  std::deque<long> queue;
  auto remove = [&](long id) {
    if (removal.removed.insert(id).second) queue.push_back(id);
  };
  for (const auto& [id, why] : faults.All()) remove(id);
  for (long id : verdict.droppedOwn)
    if (!verdict.keptOwn.count(id)) remove(id);
  while (!queue.empty()) {
    const long id = queue.front();
    queue.pop_front();
    for (long r : graph.Referrers(id)) {
      if (removal.removed.count(r)) continue;
      const auto& refs = e.byId.at(r).references;
      const bool inList = std::all_of(refs.begin(), refs.end(),
                                      [&](const StepReference& ref) { return ref.id != id || ref.inAggregate; });
      if (!IsPresentationList(e, r) || !inList) {
        remove(r);
        continue;
      }
      removal.droppedFrom[r].insert(id);
      const bool anyLeft = std::any_of(refs.begin(), refs.end(), [&](const StepReference& ref) {
        return ref.inAggregate && !removal.removed.count(ref.id);
      });
      if (!anyLeft) remove(r);
    }
  }
  return removal;
}

// What the surviving top-level entities reach, in the order of the file.
void Rebuild(const StepEntities& e, const Graph& graph, const Removal& removal, SoundStepPart& result) {
  std::vector<long> stack;
  for (const auto& [id, entity] : e.byId)
    if (!removal.removed.count(id) && graph.Referrers(id).empty()) stack.push_back(id);
  IdSet kept;
  while (!stack.empty()) {
    const long id = stack.back();
    stack.pop_back();
    if (removal.removed.count(id) || !e.Has(id) || !kept.insert(id).second) continue;
    for (const StepReference& ref : e.byId.at(id).references) stack.push_back(ref.id);
  }
  std::vector<const StepEntity*> ordered;
  for (long id : kept) ordered.push_back(&e.byId.at(id));
  std::stable_sort(ordered.begin(), ordered.end(), [](const StepEntity* a, const StepEntity* b) { return a->line < b->line; });
  result.text = e.head + "\n";
  for (const StepEntity* entity : ordered) {
    std::string statement = entity->statement;
    if (auto it = removal.droppedFrom.find(entity->id); it != removal.droppedFrom.end())
      for (long gone : it->second) DropReference(statement, gone);
    result.text += statement + "\n";
  }
  result.text += e.tail;
  std::erase_if(result.keptProducts, [&](long id) { return !kept.count(id); });
}

}  // namespace

SoundStepPart SoundPartOf(const StepEntities& e, const std::map<long, std::string>& found,
                          const std::set<long>& alsoSkip) {
  const Graph graph(e);
  const Faults faults(e, found);
  SoundStepPart result;
  Verdict verdict;
  JudgeProducts(e, graph, faults, alsoSkip, verdict, result);
  JudgeComponents(e, graph, faults, verdict, result);
  const Removal removal = RemoveUnsound(e, graph, faults, verdict);
  for (const auto& [id, why] : faults.All())
    if (!verdict.accounted.count(id)) result.skipped.push_back("entity " + faults.Describe(id) + "; left out");
  for (const std::string& stray : e.strays) result.skipped.push_back(stray + ": not an entity; left out");
  Rebuild(e, graph, removal, result);
  return result;
}

}  // namespace platform::files
