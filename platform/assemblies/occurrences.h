// The session's occurrences: made on first use and stable for the session, kept in step
// with the parts as they open, close and lose objects.
#pragma once
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/assemblies/occurrence.h"
#include "platform/objects/session.h"

namespace platform {

class Occurrences : public SessionObserver {
public:
  static Occurrences& Get();

  ComponentOccurrence& RootOccurrence(Part& part);
  std::vector<ComponentOccurrence*> Children(ComponentOccurrence& occ);
  std::vector<BodyOccurrence*> BodyOccurrences(ComponentOccurrence& occ);
  // Placement of an occurrence's part in its root part.
  Transform AbsoluteTransform(const ComponentOccurrence& occ) const;
  // Every occurrence of an assembly part, depth first: each component, its bodies, its children.
  std::vector<Object*> AllOccurrences(Part& root);
  // The occurrences made so far whose root is `root` (what a save must remember).
  std::vector<Object*> LiveOccurrences(const Part& root) const;

  void PartAdopted(Part& part) override;
  void PartClosing(Part& part) override;
  bool Deleting(Object& object) override;
  void Reset() override;

private:
  Occurrences();
  ~Occurrences() override;
  void DropOccurrence(Tag tag);
  Object& Keep(std::unique_ptr<Object> occ, const Part& root, const std::string& key);

  Session& session_;
  std::vector<std::unique_ptr<Object>> occurrences_;  // owned here, not by a part
  std::map<std::string, Tag> byKey_;                  // "<root tag>:<key>"
};

}  // namespace platform
