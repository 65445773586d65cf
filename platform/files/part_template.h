// New parts made from template part files. Templates are looked up by file name in
// UGII_BASE_DIR\templates (data/templates by default); a full host path is used as it is.
#pragma once
#include <string>

#include "platform/objects/part.h"

namespace platform::files {

// The template file name every modelling part of the add-on starts from.
constexpr const char* kModelTemplateName = "model-plain-1-mm-template.prt";

// The host path of a template; HostError(NotFound) naming it and the folder searched
// when there is no such file.
std::string FindTemplate(const std::string& templateName);

// A new part at `newHostPath` holding a copy of the template's contents (`templateName`
// empty: an empty part). It joins the session, marked modified, and is not written
// until saved. HostError naming the path when a file or an open part already has it.
Part& NewPartFromTemplate(const std::string& templateName, const std::string& newHostPath);

}  // namespace platform::files
