// The colours of a part's colour table by name.
#pragma once
#include <map>
#include <memory>

#include <NXOpen/NXColor.hxx>

namespace NXOpen {

class NXOPENCPPEXPORT ColorManager {
public:
  ~ColorManager();
  // The colour with that name ("Cyan"), exact and case-sensitive; nullptr when the table
  // has none. The manager owns what it returns.
  NXColor* Find(const NXString& name);

private:
  friend class BasePart;
  explicit ColorManager(tag_t part) : part_(part) {}
  tag_t part_;
  std::map<int, std::unique_ptr<NXColor>> found_;
};

}  // namespace NXOpen
