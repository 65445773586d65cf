#pragma once
// The DATA section of a STEP file as entity statements and the references between them,
// read leniently: a statement that is not well formed is kept and marked, never fatal.
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace platform::files {

struct StepReference {
  long id = 0;
  bool inAggregate = false;  // inside a list or set of the entity, not an attribute of its own
};

struct StepEntity {
  long id = 0;
  int line = 0;                     // 1-based line of "#id" in the file
  std::string statement;            // "#id=...;" as written
  std::vector<std::string> types;   // one name, or the parts of a complex entity
  std::vector<StepReference> references;
  std::optional<std::string> fault;  // why the statement itself is unsound
};

struct StepEntities {
  std::string head;  // everything up to and including "DATA;"
  std::string tail;  // from the "ENDSEC;" that closes the data on
  std::map<long, StepEntity> byId;
  std::vector<std::string> strays;  // statements without an entity id ("line N: ...")

  bool Has(long id) const { return byId.count(id) != 0; }
  bool IsA(long id, const char* type) const;
  // The string attributes of an entity, in order, with '' read as a quote.
  std::vector<std::string> Strings(long id) const;
};

// The attributes of a statement as written ("$", "*", "'a'", "#12", "(1.,2.)"), one list
// for a simple entity, one per part of a complex one.
std::vector<std::vector<std::string>> StepParameters(const std::string& statement);

// Splits `text` into its entities. Nothing when there is no DATA section.
std::optional<StepEntities> ParseStepEntities(const std::string& text);

// Entities that reach themselves through their references, as {#a, #b, ..., #a}, the
// first such loop met in the order of the ids; empty when there is none. The translator
// follows references without end and runs out of stack on one.
std::vector<long> ReferenceLoop(const StepEntities& entities);

// The 1-based line where "#id=" first begins a statement in `text`, 0 when nowhere. Finds
// an entity that a damaged statement before it swallowed (a stray quote runs on to the
// next one), which the split above then does not list.
int DefinitionLine(const std::string& text, long id);

}  // namespace platform::files
