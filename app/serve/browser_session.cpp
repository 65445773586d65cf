// The host thread: lines from the page run through the journal runner exactly as a
// journal's lines do; only where the next line comes from differs. A line's reply is sent
// when the host next waits for input: the line has then finished, or shown a dialog.
#include "app/serve/browser_session.h"

#include <deque>
#include <filesystem>
#include <fstream>
#include <optional>
#include <vector>

#include "app/journal/runner.h"
#include "app/serve/action_labels.h"
#include "app/serve/dialog_json.h"
#include "app/serve/written_files.h"
#include "platform/objects/session.h"
#include "platform/text/gbk.h"
#include "platform/text/host_path.h"
#include "platform/text/write_fence.h"
#include "platform/ui/dialog.h"
#include "platform/ui/driver.h"
#include "platform/ui/menu_bar.h"
#include "platform/ui/messages.h"

namespace fabdoc::app::serve {

namespace fs = std::filesystem;
using nlohmann::json;

// The journal the runner reads paths against: the part's folder, named for messages.
struct BrowserJournal {
  journal::Journal journal;
};

class HostRunner : private BrowserJournal, public journal::Runner {
public:
  HostRunner(RequestQueue& queue, const BrowserSessionOptions& options)
      : BrowserJournal{{"browser", options.folder, {}}}, Runner(BrowserJournal::journal), queue_(queue),
        options_(options) {
    if (!options.recordPath.empty()) {
      record_.open(options.recordPath, std::ios::binary | std::ios::trunc);
      if (!record_) throw std::runtime_error("cannot write the journal " + options.recordPath);
      record_ << "# What was done in the browser (fabdoc serve); fabdoc run replays it.\n" << std::flush;
    }
  }

  // Answers queries until a line arrives, after replying to the line before; null once
  // the session closes.
  const journal::Line* WaitForLine() {
    FinishPending();
    for (;;) {
      std::optional<HostRequest> request = queue_.Take();
      if (!request) return nullptr;
      if (request->query) {
        try {
          request->reply.set_value(request->query());
        } catch (const std::exception& e) {
          request->reply.set_value(ErrorReply(e.what()));
        }
        continue;
      }
      journal::Line line;
      try {
        line = request->makeLine();
      } catch (const std::exception& e) {
        request->reply.set_value(WithState(ErrorReply(e.what())));
        continue;
      }
      line.number = ++lineCount_;
      const int depth = static_cast<int>(dialogs_.size() + picks_.size());
      pending_.emplace(Pending{std::move(request->reply), platform::ui::History().size(), std::nullopt, false,
                               journal::FormatLine(line, depth), FileSnapshot::Take(options_.folder)});
      lines_.push_back(std::move(line));
      return &lines_.back();
    }
  }

  // `refused`: the runner turned the line down before it ran, so nothing changed.
  void FailPending(const std::string& message, bool refused) {
    if (pending_ && !pending_->error) {
      pending_->error = message;
      pending_->refused = refused;
    }
  }

  void FinishPending() {
    if (!pending_) return;
    Pending done = std::move(*pending_);
    pending_.reset();
    if (!done.error && record_.is_open()) record_ << done.text << "\n" << std::flush;
    if (!done.refused) ++revision_;
    json reply = {{"ok", !done.error}};
    if (done.error) reply["error"] = *done.error;
    json messages = json::array();
    const auto& history = platform::ui::History();
    for (size_t i = done.messageMark; i < history.size(); ++i) {
      messages.push_back({{"kind", history[i].kind}, {"text", history[i].text}});
      if (history[i].kind != "status" && history[i].kind != "syslog") Log(messages.back());
    }
    json files = json::array();
    for (const std::string& file : FileSnapshot::Take(options_.folder).WrittenSince(done.files)) {
      files.push_back(file);
      Log({{"kind", "file"}, {"text", file}});
    }
    if (done.error) Log({{"kind", "refused"}, {"text", *done.error}});
    reply["messages"] = messages;
    reply["files"] = files;
    done.reply.set_value(WithState(std::move(reply)));
    if (options_.changed && !done.refused) options_.changed(revision_);
  }

  json State() {
    json state = {{"revision", revision_}};
    platform::Session& session = platform::Session::Get();
    state["part"] = session.Displayed() ? json(platform::ToLocalPath(session.Displayed()->path)) : json();
    json dialogs = json::array();
    for (platform::ui::Dialog* dialog : dialogs_) dialogs.push_back(DialogJson(*dialog));
    state["dialogs"] = dialogs;
    state["pick"] = picks_.empty() ? json() : json{{"title", picks_.back()}};
    state["actions"] = platform::ui::ActionNames();
    json labels = json::object();
    for (const std::string& name : platform::ui::ActionNames()) labels[name] = ActionLabel(name);
    state["labels"] = labels;
    return state;
  }

  // What the page lists for the user, oldest first: messages, files written, refusals.
  json Messages() const { return json(std::vector<json>(log_.begin(), log_.end())); }

  // The dialog the user works now: the innermost one, unless a selection is asked for.
  platform::ui::Dialog& ActiveDialog() {
    if (dialogs_.empty() || !picks_.empty())
      throw std::runtime_error(picks_.empty() ? "no dialog is open" : "a selection is asked for: pick bodies or cancel");
    return *dialogs_.back();
  }

  void RunDialog(platform::ui::Dialog& dialog) override {
    dialogs_.push_back(&dialog);
    try {
      Runner::RunDialog(dialog);
    } catch (...) {
      dialogs_.pop_back();
      throw;
    }
    dialogs_.pop_back();
  }

  std::optional<std::vector<platform::Tag>> PickObjects(const std::string& gbkTitle) override {
    picks_.push_back(platform::text::ToUtf8Lossy(gbkTitle));
    try {
      auto picked = Runner::PickObjects(gbkTitle);
      picks_.pop_back();
      return picked;
    } catch (...) {
      picks_.pop_back();
      throw;
    }
  }

protected:
  const journal::Line* NextLine() override { return WaitForLine(); }
  bool ContinueAfter(const journal::Line&, const std::string& message) override {
    FailPending(message, true);
    return true;
  }
  // Into the page's messages: the server's standard output carries only its address.
  void Report(const std::string& line) override { Log({{"kind", "listing"}, {"text", line}}); }

private:
  struct Pending {
    std::promise<json> reply;
    size_t messageMark;
    std::optional<std::string> error;
    bool refused = false;
    std::string text;  // the line as the journal records it
    FileSnapshot files;  // the deliverables before the line
  };

  void Log(json entry) {
    log_.push_back(std::move(entry));
    if (log_.size() > kLogEntries) log_.pop_front();
  }

  json WithState(json reply) {
    reply["state"] = State();
    return reply;
  }

  RequestQueue& queue_;
  const BrowserSessionOptions& options_;
  std::ofstream record_;
  std::deque<journal::Line> lines_;  // a line stays alive while dialogs it opened run
  std::optional<Pending> pending_;
  std::vector<platform::ui::Dialog*> dialogs_;
  std::vector<std::string> picks_;  // titles of the selections asked for (UTF-8)
  static constexpr size_t kLogEntries = 500;
  std::deque<json> log_;
  std::uint64_t revision_ = 0;
  int lineCount_ = 0;
};

BrowserSession::BrowserSession(BrowserSessionOptions options)
    : options_(std::move(options)), startFolder_(fs::current_path().string()) {
  runner_ = std::make_unique<HostRunner>(queue_, options_);
  std::promise<void> started;
  auto startedFuture = started.get_future();
  host_ = std::thread([this, &started] {
    try {
      if (options_.startHost) options_.startHost();
    } catch (...) {
      started.set_exception(std::current_exception());
      return;
    }
    started.set_value();
    HostLoop();
  });
  try {
    startedFuture.get();
  } catch (...) {
    host_.join();
    throw;
  }
}

BrowserSession::~BrowserSession() {
  queue_.Close();
  if (host_.joinable()) host_.join();
  std::error_code ec;
  fs::current_path(startFolder_, ec);
}

// Relative host paths (a dialog's ".\\") start in the displayed part's folder, as they
// would in a host started there.
void EnterPartFolder(const std::string& sessionFolder) {
  const platform::Part* part = platform::Session::Get().Displayed();
  const fs::path folder = part ? fs::path(platform::ToLocalPath(part->path)).parent_path() : fs::path(sessionFolder);
  std::error_code ec;
  fs::current_path(folder, ec);
}

void ShowRefusedWrite(const std::string& message) {
  try {
    platform::ui::ShowErrorBox("fabdoc serve", platform::text::ToGbk(message));
  } catch (const std::exception&) {
    platform::ui::ShowErrorBox("fabdoc serve", "a file outside the product folder was not written");
  }
}

void BrowserSession::HostLoop() {
  platform::ui::SetDriver(runner_.get());
  platform::SetWriteFence({options_.folder}, ShowRefusedWrite);
  while (const journal::Line* line = runner_->WaitForLine()) {
    EnterPartFolder(options_.folder);
    try {
      runner_->RunLine(*line);
    } catch (const std::exception& e) {
      runner_->FailPending(e.what(), false);
    }
  }
  runner_->FinishPending();
  platform::SetWriteFence({});
  platform::ui::SetDriver(nullptr);
}

platform::ui::Dialog& BrowserSession::ActiveDialog() { return runner_->ActiveDialog(); }
json BrowserSession::State() { return runner_->State(); }
json BrowserSession::Messages() { return runner_->Messages(); }

json BrowserSession::Do(std::function<journal::Line()> makeLine) {
  HostRequest request;
  request.makeLine = std::move(makeLine);
  auto reply = request.reply.get_future();
  queue_.Push(std::move(request));
  return reply.get();
}

json BrowserSession::Query(std::function<json()> query) {
  HostRequest request;
  request.query = std::move(query);
  auto reply = request.reply.get_future();
  queue_.Push(std::move(request));
  return reply.get();
}

journal::Line MakeLine(const std::string& command, std::vector<journal::Token> args) {
  journal::Line line;
  line.command = command;
  line.args = std::move(args);
  return line;
}

journal::Token Quoted(const std::string& utf8) { return {utf8, true}; }
journal::Token Bare(const std::string& text) { return {text, false}; }

}  // namespace fabdoc::app::serve
