#pragma once
// What a user does with a part file that opened, done by the fuzz drivers with every
// case the reader accepted: measure it as `fabdoc info` does, give its bodies attributes
// with the attribute writer's Apply, draw them in a view, save the part under another
// name and open that file again.
#include <string>

namespace fuzz {

// Starts the host in this process, once, as `fabdoc` does (the add-on of bin/startup,
// the dialogs of bin/application), so that journals can run its actions. What the host
// prints on standard output from then on is discarded.
void StartAddOn();

// Runs journal text in this process with its messages discarded; throws the journal's
// error naming the line.
void RunJournal(const std::string& utf8Text, const std::string& folder);

// Opens the part at `localPath` and works it out; saves into `workFolder`. Throws the
// HostError of a part that is refused; what later steps refuse is their answer, and the
// next step runs. A saved file that does not open again aborts the process: that counts
// as a crash, as does a modeller exception that no host call caught.
void WorkOutPart(const std::string& localPath, const std::string& workFolder);

}  // namespace fuzz
