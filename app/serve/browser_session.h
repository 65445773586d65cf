// The host session a browser drives. One host thread owns the session: it runs the
// journal lines the page sends, one at a time, through the journal runner, and answers
// queries while it waits for the next line (also while a dialog is open). A second tab
// talks to the same session. The session writes files only inside its folder, and
// relative paths start in the displayed part's folder.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include <nlohmann/json.hpp>

#include "app/journal/journal.h"
#include "app/serve/request_queue.h"
#include "platform/ui/dialog.h"

namespace fabdoc::app::serve {

class HostRunner;

struct BrowserSessionOptions {
  std::string folder;                        // the part's folder: relative paths start here
  std::string recordPath;                    // where the journal of what the user did goes; "" none
  std::function<void()> startHost;           // run first on the host thread (loads the add-ons)
  std::function<void(std::uint64_t)> changed;  // after every line, with the new revision
};

class BrowserSession {
public:
  explicit BrowserSession(BrowserSessionOptions options);
  // Cancels what is open and stops the host thread.
  ~BrowserSession();

  // Runs a line made on the host thread. The reply: "ok", "error" (when refused or failed;
  // a refused line changed nothing), "messages" shown meanwhile, and "state".
  nlohmann::json Do(std::function<journal::Line()> makeLine);
  // Runs `query` on the host thread between lines; an exception becomes {"ok":false,"error"}.
  nlohmann::json Query(std::function<nlohmann::json()> query);
  const std::string& Folder() const { return options_.folder; }

  // Only on the host thread (in makeLine or a query): the dialog the user works now, or
  // std::runtime_error saying why there is none; and what the page shows of the session.
  platform::ui::Dialog& ActiveDialog();
  nlohmann::json State();
  // The session's message log, oldest first: [{"kind", "text"}] ("file": a file written).
  nlohmann::json Messages();

private:
  void HostLoop();

  BrowserSessionOptions options_;
  std::string startFolder_;  // the working folder, given back at the end
  RequestQueue queue_;
  std::unique_ptr<HostRunner> runner_;
  std::thread host_;
};

// A line from its command and arguments; arguments that are not numbers or keywords go
// in quotes so that any text survives the journal.
journal::Line MakeLine(const std::string& command, std::vector<journal::Token> args = {});
journal::Token Quoted(const std::string& utf8);
journal::Token Bare(const std::string& text);

}  // namespace fabdoc::app::serve
