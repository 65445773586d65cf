// The assembly operations of a part.
#pragma once
#include <NXOpen/Assemblies_CreateNewComponentBuilder.hxx>

namespace NXOpen {
class Part;
namespace Assemblies {

class NXOPENCPPEXPORT AssemblyManager {
public:
  ~AssemblyManager();
  // A builder that adds a new component to this part; end it with Destroy().
  NXOpen::Assemblies::CreateNewComponentBuilder* CreateNewComponentBuilder();

private:
  friend class NXOpen::Part;
  explicit AssemblyManager(tag_t part) : part_(part) {}
  tag_t part_;
};

}  // namespace Assemblies
}  // namespace NXOpen
