// The host session as the object interface shows it.
#pragma once
#include <NXOpen/NXString.hxx>
#include <NXOpen/PartCollection.hxx>

namespace NXOpen {

class NXOPENCPPEXPORT Session {
public:
  static Session* GetSession();
  PartCollection* Parts();
  // An environment variable's value (GBK); "" when it is not set.
  NXString GetEnvironmentVariableValue(const NXString& name);

private:
  Session() = default;
  PartCollection parts_;
};

}  // namespace NXOpen
