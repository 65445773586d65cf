// The journal runner. Failures inside dialogs pass through the add-on's own error
// handling (it catches standard exceptions), so the first failure is also recorded
// here and the run stops as soon as control comes back.
#include "app/journal/runner.h"

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <Standard_Failure.hxx>

#include "app/journal/selectors.h"
#include "app/journal/values.h"
#include "platform/base/host_error.h"
#include "platform/drafting/dimension_run.h"
#include "platform/drafting/view_content.h"
#include "platform/files/part_file.h"
#include "platform/files/save_part_as.h"
#include "platform/objects/session.h"
#include "platform/text/gbk.h"
#include "platform/text/host_path.h"
#include "platform/ui/menu_bar.h"
#include "platform/ui/messages.h"

namespace fabdoc::app::journal {
namespace {

namespace fs = std::filesystem;
using platform::HostError;
using platform::HostStatus;
using platform::Session;

// Restores the previous driver however the run ends.
class DriverScope {
public:
  explicit DriverScope(platform::ui::Driver* driver) : previous_(platform::ui::CurrentDriver()) {
    platform::ui::SetDriver(driver);
  }
  ~DriverScope() { platform::ui::SetDriver(previous_); }

private:
  platform::ui::Driver* previous_;
};

void SaveWithComponents(platform::Part& part) {
  platform::files::SavePart(part, part.path);
  for (const auto& instance : part.Instances())
    if (platform::Part* child = Session::Get().FindPartByPath(instance.partPath); child && child->modified)
      SaveWithComponents(*child);
}

}  // namespace

Runner::Runner(const Journal& journal, std::FILE* out) : journal_(journal), out_(out) {}

void Runner::Run() {
  DriverScope scope(this);
  messageMark_ = platform::ui::History().size();
  for (const Line& line : journal_.lines) RunLine(line);
}

void Runner::RunLine(const Line& line) {
  failure_.reset();
  try {
    RunTopLine(line);
  } catch (const JournalError&) {
    throw;
  } catch (const std::exception& e) {
    StopIfFailed();
    throw JournalError(journal_.path, line.number, e.what());
  } catch (const Standard_Failure& e) {
    StopIfFailed();
    throw JournalError(journal_.path, line.number, std::string("the modeller failed: ") + e.GetMessageString());
  }
  StopIfFailed();
}

void Runner::Fail(const Line& line, const std::string& message) {
  if (!failure_) failure_ = JournalError(journal_.path, line.number, message);
  throw HostError(HostStatus::Aborted, failure_->what());
}

void Runner::StopIfFailed() {
  if (failure_) throw *failure_;
}

std::string Runner::HostPath(const std::string& journalPath) const {
  fs::path p(journalPath);
  if (p.is_relative()) p = fs::path(journal_.folder) / p;
  return platform::ToAbsoluteHostPath(p.string());
}

void Runner::RunTopLine(const Line& line) {
  Session& session = Session::Get();
  const std::string& c = line.command;
  auto displayed = [&]() -> platform::Part& {
    if (!session.Displayed()) throw std::runtime_error("\"" + c + "\" needs a displayed part; open one first");
    return *session.Displayed();
  };
  if (c == "open" || c == "display") {
    std::vector<std::string> notes;
    platform::Part& part = platform::files::OpenPart(HostPath(line.args[0].text), &notes);
    for (const auto& note : notes) platform::ui::WriteSyslog(platform::text::ToGbk("warning: " + note + "\n"));
    session.SetDisplayed(&part);
  } else if (c == "new") {
    const std::string host = HostPath(line.args[0].text);
    std::error_code ec;
    if (fs::exists(platform::ToLocalPath(host), ec) || session.FindPartByPath(host))
      throw std::runtime_error("new: " + line.args[0].text + " already exists");
    session.SetDisplayed(&session.NewPart(host));
  } else if (c == "save") {
    SaveWithComponents(displayed());
  } else if (c == "save all") {
    for (const auto& part : session.Parts()) platform::files::SavePart(*part, part->path);
  } else if (c == "save as") {
    platform::files::SavePartAs(displayed(), HostPath(line.args[0].text));
  } else if (c == "dimension") {
    Dimension(displayed(), line);
  } else if (c == "close all") {
    session.CloseAll();
  } else if (c == "action") {
    RunAction(line);
  } else if (c == "expect message") {
    ExpectMessage(line);
  } else if (c == "pick") {
    throw std::runtime_error("\"pick\" answers a selection dialog; indent it under the action that shows one");
  } else {
    throw std::runtime_error("\"" + c + "\" drives a dialog; indent it under the action that shows the dialog");
  }
}

void Runner::RunAction(const Line& line) {
  messageMark_ = platform::ui::History().size();
  frames_.push_back({&line.children, 0, &line});
  try {
    // An action's views are projected by worker processes while it goes on, and all
    // stored before the journal's next line.
    platform::drafting::WorkerProjections projections;
    platform::ui::RunAction(line.args[0].text);
    projections.Finish();
  } catch (...) {
    frames_.pop_back();
    StopIfFailed();
    throw;
  }
  StopIfFailed();
  Frame frame = frames_.back();
  frames_.pop_back();
  // What is left may only check the outcome; dialog lines had no dialog to drive.
  for (size_t i = frame.next; i < line.children.size(); ++i) {
    const Line& rest = line.children[i];
    if (rest.command == "expect message") ExpectMessage(rest);
    else
      throw JournalError(journal_.path, rest.number,
                         "\"" + rest.command + "\" was not used: action " + line.args[0].text +
                             " showed no further dialog");
  }
}

void Runner::ExpectMessage(const Line& line) {
  const auto& history = platform::ui::History();
  const std::string& wanted = line.args[0].text;
  bool found = false;
  for (size_t i = messageMark_; i < history.size() && !found; ++i) found = history[i].text == wanted;
  if (!found) {
    std::string seen;
    for (size_t i = messageMark_; i < history.size(); ++i) seen += "\n  " + history[i].kind + ": " + history[i].text;
    throw JournalError(journal_.path, line.number,
                       "expected the message \"" + wanted + "\"; shown since the last check:" +
                           (seen.empty() ? std::string(" nothing") : seen));
  }
  messageMark_ = history.size();
}

void Runner::Dimension(platform::Part& part, const Line& line) {
  std::vector<std::string> sheets;
  for (const auto& arg : line.args) sheets.push_back(platform::text::ToGbk(arg.text));
  const platform::drafting::DimensionRunReport report = platform::drafting::DimensionSheets(part, sheets);
  for (const std::string& done : report.done) Report(done);
  if (report.failed.empty()) return;
  std::string why;
  for (const std::string& failed : report.failed) why += (why.empty() ? "" : "\n  ") + failed;
  throw std::runtime_error("dimension: " + why);
}

void Runner::Report(const std::string& line) {
  std::fprintf(out_, "%s\n", line.c_str());
  std::fflush(out_);
}

const Line* Runner::NextLine() {
  if (frames_.empty()) return nullptr;
  Frame& frame = frames_.back();
  if (frame.next >= frame.lines->size()) return nullptr;
  return &(*frame.lines)[frame.next++];
}

void Runner::RunDialog(platform::ui::Dialog& dialog) {
  const std::string name = dialog.FileName();
  if (frames_.empty()) {
    if (!failure_) failure_ = JournalError(journal_.path, 0, "dialog " + name + " was shown outside an action");
    throw HostError(HostStatus::Aborted, failure_->what());
  }
  const Line* owner = frames_.back().owner;
  while (dialog.IsOpen()) {
    const Line* line = NextLine();
    if (!line)
      Fail(*owner, "dialog " + name + " is still open but the lines under this one ended; end them with ok or cancel");
    try {
      RunDialogLine(dialog, *line);
    } catch (const JournalError& e) {
      if (!failure_ && ContinueAfter(*line, e.what())) continue;
      if (!failure_) failure_ = e;
      throw HostError(HostStatus::Aborted, failure_->what());
    } catch (const std::exception& e) {
      if (failure_) throw HostError(HostStatus::Aborted, failure_->what());
      if (ContinueAfter(*line, e.what())) continue;
      Fail(*line, e.what());
    }
    if (failure_) throw HostError(HostStatus::Aborted, failure_->what());
  }
}

std::optional<std::vector<platform::Tag>> Runner::PickObjects(const std::string& gbkTitle) {
  const std::string title = platform::text::ToUtf8Lossy(gbkTitle);
  for (;;) {
    const Line* line = NextLine();
    if (!line) {
      const Line* owner = frames_.empty() ? nullptr : frames_.back().owner;
      if (!failure_)
        failure_ = JournalError(journal_.path, owner ? owner->number : 0,
                                "a selection dialog (\"" + title + "\") was shown but no pick line answers it");
      throw HostError(HostStatus::Aborted, failure_->what());
    }
    std::string refused;
    if (line->command != "pick") {
      refused = "a selection dialog (\"" + title + "\") is waiting for a pick line";
    } else {
      if (line->args.size() == 1 && line->args[0].text == "cancel") return std::nullopt;
      std::vector<platform::Tag> tags;
      if (line->args.size() == 1 && line->args[0].text == "none") return tags;
      try {
        for (const auto& token : line->args)
          for (platform::Tag tag : ResolveSelector(token.text)) tags.push_back(tag);
        return tags;
      } catch (const std::exception& e) {
        refused = e.what();
      }
    }
    if (!ContinueAfter(*line, refused)) Fail(*line, refused);
  }
}

void Runner::WithChildren(const Line& line, const std::function<void()>& run) {
  frames_.push_back({&line.children, 0, &line});
  try {
    run();
  } catch (...) {
    frames_.pop_back();
    throw;
  }
  Frame frame = frames_.back();
  frames_.pop_back();
  StopIfFailed();
  if (frame.next < line.children.size())
    throw JournalError(journal_.path, line.children[frame.next].number,
                       "this line was not used: line " + std::to_string(line.number) + " opened no further dialog");
}

void Runner::RunDialogLine(platform::ui::Dialog& dialog, const Line& line) {
  const std::string& c = line.command;
  if (c == "expect message") return ExpectMessage(line);
  if (!IsDialogCommand(c))
    throw std::runtime_error("\"" + c + "\" cannot be used while dialog " + dialog.FileName() + " is open");
  if (c == "apply") return WithChildren(line, [&] { dialog.UserApply(); });
  if (c == "ok") return WithChildren(line, [&] { dialog.UserOk(); });
  if (c == "cancel") return WithChildren(line, [&] { dialog.UserCancel(); });

  // BLOCK or BLOCK.Property
  const std::string& target = line.args[0].text;
  const size_t dot = target.find('.');
  platform::ui::Block& block = dialog.Require(target.substr(0, dot));
  std::string property = dot == std::string::npos ? block.MainProperty() : target.substr(dot + 1);
  std::vector<Token> rest(line.args.begin() + 1, line.args.end());

  if (c == "press") return WithChildren(line, [&] { dialog.UserPress(block); });
  // node:A/B as the column-0 texts of the path (GBK).
  auto nodePath = [](const Token& token) {
    if (token.text.rfind("node:", 0) != 0) throw std::runtime_error("name a tree node as node:TEXT/TEXT...");
    std::vector<std::string> path;
    const std::string texts = token.text.substr(5);
    for (size_t start = 0;;) {
      const size_t slash = texts.find('/', start);
      path.push_back(platform::text::ToGbk(texts.substr(start, slash - start)));
      if (slash == std::string::npos) break;
      start = slash + 1;
    }
    return path;
  };
  if (c == "menu") {
    if (!block.chooseMenuItem) throw std::runtime_error("block \"" + block.id + "\" (" + block.kind + ") has no context menu");
    const std::vector<std::string> path = rest.size() == 2 ? nodePath(rest[1]) : std::vector<std::string>{};
    const std::string item = platform::text::ToGbk(rest[0].text);
    return WithChildren(line, [&] { block.chooseMenuItem(path, item); });
  }
  if (c == "select") {
    if (block.selectNode) {
      if (rest.size() != 1) throw std::runtime_error("select a tree node with node:TEXT/TEXT...");
      const std::vector<std::string> path = nodePath(rest[0]);
      return WithChildren(line, [&] { block.selectNode(path); });
    }
    const auto tags = std::get<std::vector<platform::Tag>>(ParseValue(block.Get("SelectedObjects"), rest));
    return WithChildren(line, [&] { dialog.UserSelect(block, tags); });
  }
  if (c == "print" && property.empty() && block.describe) {
    std::fprintf(out_, "%s =\n%s", target.c_str(), block.describe().c_str());
    std::fflush(out_);
    return;
  }
  if (property.empty())
    throw std::runtime_error("block \"" + block.id + "\" (" + block.kind + ") has no value; name a property as " +
                             block.id + ".NAME");
  platform::ui::Property& current = block.Get(property);
  if (c == "print") {
    std::fprintf(out_, "%s = %s\n", target.c_str(), FormatValue(current).c_str());
    std::fflush(out_);
    return;
  }
  const platform::ui::PropertyValue value = ParseValue(current, rest);
  if (c == "set") return WithChildren(line, [&] { dialog.UserSet(block, property, value); });
  // expect
  if (!SameValue(current, value)) {
    platform::ui::Property wanted = current;
    wanted.value = value;
    throw std::runtime_error("expected " + target + " = " + FormatValue(wanted) + ", found " + FormatValue(current));
  }
}

}  // namespace fabdoc::app::journal
