#pragma once
// What the guard child of a STEP import hands back: the parts it made and tried, so that
// the host builds them from that instead of translating the file a second time.
#include <string>
#include <string_view>

#include "platform/files/step_import.h"

namespace platform::files {

// In the child: the parts of `made` as bytes in `out`. Each body is tried as the host
// will read it (from the very bytes handed back); the first that fails is named,
// `LOCAL: body "NAME" of product "P": WHY; nothing was imported`; empty when all pass.
std::string HandBackImport(const StepImport& made, const std::string& local, std::string& out);

// In the host: the parts handed back, joined to the session in the order they were made,
// with what the child had to say. Their bodies count as tried. Throws HostError naming
// `local` when the bytes are not whole; nothing then stays in the session.
StepImport ReceiveImport(std::string_view bytes, const std::string& local);

}  // namespace platform::files
