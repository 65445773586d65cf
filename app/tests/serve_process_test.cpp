// `fabdoc serve` as a process: the address it prints first, and how fast it stops on
// SIGTERM while clients misbehave (one never reads its pushes, one never reads its
// replies, one never finishes its request).
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <thread>

#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/write.hpp>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "app/tests/serve_test_support.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
using tcp = boost::asio::ip::tcp;

struct Served {
  pid_t pid = -1;
  std::string firstLine;
};

// Starts `fabdoc serve ARGS` in a fresh folder, its standard output going to a file there,
// and waits for the first line of it.
Served Serve(const std::string& folder, const std::vector<std::string>& args) {
  const char* fabdoc = std::getenv("FABDOC_BIN");
  if (!fabdoc) throw std::runtime_error("FABDOC_BIN is not set");
  const std::string output = folder + "/stdout.txt";
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
  std::vector<std::string> all = {fabdoc, "serve"};
  all.insert(all.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (auto& a : all) argv.push_back(a.data());
  argv.push_back(nullptr);
  Served served;
  const int spawned = posix_spawn(&served.pid, fabdoc, &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) throw std::runtime_error("cannot start fabdoc serve");
  const auto started = Clock::now();
  while (Clock::now() - started < std::chrono::seconds(30)) {
    std::ifstream in(output);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (const size_t end = text.find('\n'); end != std::string::npos) {
      served.firstLine = text.substr(0, end);
      break;
    }
    if (waitpid(served.pid, nullptr, WNOHANG) == served.pid) {
      served.pid = -1;  // ended without a line
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return served;
}

TEST(ServeProcess, PrintsTheAddressFirstAndStopsWithinTwoSecondsOfSigtermWhateverTheClientsDo) {
  const std::string token = "process-test-token-0123456789";
  const std::string folder = fabdoc_test::FreshDir("serve_process");
  // A file of 4 MB whose replies fill the socket's buffers of a client that does not read them.
  std::ofstream(folder + "/big.bin") << std::string(4 << 20, 'x');
  Served served = Serve(folder, {"--port", "0", "--host", "localhost", "--token", token});
  ASSERT_GT(served.pid, 0);
  std::smatch address;
  ASSERT_TRUE(std::regex_match(served.firstLine, address, std::regex("http://localhost:([0-9]+)/\\?token=(.+)")))
      << served.firstLine;
  EXPECT_EQ(address[2], token);
  const auto port = static_cast<unsigned short>(std::stoi(address[1]));
  fabdoc_test::HttpHeaders headers{"localhost:" + std::to_string(port), "", "application/json", "Bearer " + token, ""};

  // One WebSocket client that never reads.
  fabdoc_test::PushListener deaf;
  ASSERT_TRUE(deaf.Connect(port, headers));
  EXPECT_EQ(fabdoc_test::HttpCall(port, "GET", "/api/state", "", headers).status, 200);
  // One client that sends requests and never reads the replies, one that never ends its request.
  boost::asio::io_context io;
  tcp::socket greedy(io), halfway(io);
  greedy.connect({boost::asio::ip::make_address("127.0.0.1"), port});
  std::string requests;
  for (int i = 0; i < 20; ++i)
    requests += "GET /api/file?path=big.bin HTTP/1.1\r\nHost: " + headers.host + "\r\nAuthorization: " + headers.authorization + "\r\n\r\n";
  boost::asio::write(greedy, boost::asio::buffer(requests));
  halfway.connect({boost::asio::ip::make_address("127.0.0.1"), port});
  boost::asio::write(halfway, boost::asio::buffer(std::string("GET /api/state HTTP/1.1\r\nHost: ")));
  std::this_thread::sleep_for(std::chrono::milliseconds(300));

  const auto signalled = Clock::now();
  ASSERT_EQ(kill(served.pid, SIGTERM), 0);
  int status = 0;
  pid_t ended = 0;
  while ((ended = waitpid(served.pid, &status, WNOHANG)) == 0 && Clock::now() - signalled < std::chrono::seconds(10))
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - signalled);
  if (ended == 0) {
    kill(served.pid, SIGKILL);
    waitpid(served.pid, &status, 0);
  }
  ASSERT_EQ(ended, served.pid) << "fabdoc serve did not stop within 10 s of SIGTERM";
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
  EXPECT_LT(took.count(), 2000) << "SIGTERM took " << took.count() << " ms";
  std::printf("fabdoc serve stopped %lld ms after SIGTERM\n", static_cast<long long>(took.count()));
}

TEST(ServeProcess, RefusesATokenTooShortToProtectAnything) {
  Served served = Serve(fabdoc_test::FreshDir("serve_process"), {"--port", "0", "--token", "abc"});
  EXPECT_EQ(served.pid, -1) << "fabdoc serve started with a three-letter token";
  EXPECT_TRUE(served.firstLine.empty()) << served.firstLine;
}

}  // namespace
