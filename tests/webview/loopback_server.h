#pragma once

#include <winsock2.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace webview_test {

// A tiny HTTP server on 127.0.0.1 and a free port, answering every request with a short page and
// recording its request line ("GET /path HTTP/1.1"). Serves on a thread of its own until destroyed.
class LoopbackServer {
  public:
    LoopbackServer();
    ~LoopbackServer();
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    // 0 when the server could not start.
    int Port() const { return port_; }
    // "http://127.0.0.1:<port><path>".
    std::wstring Address(const wchar_t* path) const;
    std::vector<std::string> RequestLines() const;
    // Whether a GET of exactly `path` has arrived.
    bool Received(const std::string& path) const;

  private:
    void Serve();
    void Answer(SOCKET client);

    SOCKET listener_ = INVALID_SOCKET;
    int port_ = 0;
    bool wsa_ = false;
    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    std::vector<std::string> requests_;
    std::thread thread_;
};

}  // namespace webview_test
