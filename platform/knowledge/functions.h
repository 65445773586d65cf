// The functions rules may call, by name. A function throws std::runtime_error (or a
// class derived from it) with a message for bad arguments or a failed action.
#pragma once
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/knowledge/value.h"

namespace platform::knowledge {

using Function = std::function<Value(const std::vector<Value>& arguments)>;
using FunctionTable = std::map<std::string, Function, std::less<>>;

}  // namespace platform::knowledge
