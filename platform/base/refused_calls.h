// Host calls refused on purpose, so tests can see what a caller leaves behind when the
// host says no at any one step of its work. Unarmed, a check costs one load.
#pragma once
#include <map>
#include <string>

namespace platform {

// The `nth` call (1 = the next) of host function `function` from now on throws
// HostError(ModellingFailed) naming it; one function is armed at a time.
void RefuseHostCall(const std::string& function, int nth = 1);
void StopRefusingHostCalls();
// How often each host function was called since RefuseHostCall. Arming a name that is
// never called counts every call, to learn which calls a piece of work makes.
std::map<std::string, int> HostCallsSeen();

// At the start of every host call: throws when this call is the one to refuse.
void CheckHostCall(const char* function);

}  // namespace platform
