// Runs a parsed journal against the host session, and answers the host's modal
// dialogs with the lines indented under the line that caused them.
#pragma once
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "app/journal/journal.h"
#include "platform/objects/part.h"
#include "platform/ui/dialog.h"
#include "platform/ui/driver.h"

namespace fabdoc::app::journal {

class Runner : public platform::ui::Driver {
public:
  explicit Runner(const Journal& journal, std::FILE* out = stdout);
  ~Runner() override = default;
  // Runs every line; throws JournalError naming the first line that failed.
  void Run();
  // Runs one top-level line, answering its dialogs with the lines NextLine gives; throws
  // JournalError naming the line that failed. The caller makes this runner the driver.
  void RunLine(const Line& line);

  void RunDialog(platform::ui::Dialog& dialog) override;
  std::optional<std::vector<platform::Tag>> PickObjects(const std::string& gbkTitle) override;

protected:
  // The next line answering the dialog or selection shown, or null when none is left.
  // A journal takes the children of the line that showed it.
  virtual const Line* NextLine();
  // A line driving a dialog failed before it changed anything. True goes on with the
  // next line, the dialog still open; false (a journal) stops the run there.
  virtual bool ContinueAfter(const Line& line, const std::string& message) { return false; }
  // What a line reports doing (UTF-8, one line): printed at once, as a journal runs.
  virtual void Report(const std::string& line);

private:
  // Lines waiting to answer dialogs: the children of the line being run.
  struct Frame {
    const std::vector<Line>* lines;
    size_t next;
    const Line* owner;
  };

  void RunTopLine(const Line& line);
  void RunAction(const Line& line);
  void RunDialogLine(platform::ui::Dialog& dialog, const Line& line);
  void WithChildren(const Line& line, const std::function<void()>& run);
  void ExpectMessage(const Line& line);
  // `dimension [SHEET...]`: every sheet tried; the line fails naming those that failed.
  void Dimension(platform::Part& part, const Line& line);
  [[noreturn]] void Fail(const Line& line, const std::string& message);
  void StopIfFailed();
  std::string HostPath(const std::string& journalPath) const;

  const Journal& journal_;
  std::FILE* out_;
  std::vector<Frame> frames_;
  std::optional<JournalError> failure_;
  size_t messageMark_ = 0;
};

}  // namespace fabdoc::app::journal
