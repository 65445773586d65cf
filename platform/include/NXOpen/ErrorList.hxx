// Errors an operation on several objects collected instead of stopping at the first.
#pragma once
#include <string>
#include <vector>

#include <NXOpen/NXString.hxx>

namespace NXOpen {

class NXOPENCPPEXPORT ErrorList {
public:
  ErrorList() = default;
  virtual ~ErrorList();
  int Length() const { return static_cast<int>(messages_.size()); }
  NXString GetErrorMessage(int index) const;  // "" outside 0..Length()-1
  void Clear() { messages_.clear(); }
  void Dispose() { Clear(); }
  void Append(const std::string& message) { messages_.push_back(message); }

private:
  std::vector<std::string> messages_;
};

}  // namespace NXOpen
