#include "tests/webview/loopback_server.h"

#include <ws2tcpip.h>

#include <cstdio>

namespace webview_test {
namespace {

constexpr char kPage[] =
    "<!DOCTYPE html><html><body style=\"margin:0\"><p>loopback announcement</p></body></html>";

}  // namespace

LoopbackServer::LoopbackServer() {
    WSADATA data;
    wsa_ = WSAStartup(MAKEWORD(2, 2), &data) == 0;
    if (!wsa_) return;
    listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (listener_ == INVALID_SOCKET) return;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    int length = sizeof(address);
    if (bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
        listen(listener_, 8) != 0 ||
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        return;
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { Serve(); });
}

LoopbackServer::~LoopbackServer() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    if (listener_ != INVALID_SOCKET) closesocket(listener_);
    if (wsa_) WSACleanup();
}

std::wstring LoopbackServer::Address(const wchar_t* path) const {
    return L"http://127.0.0.1:" + std::to_wstring(port_) + path;
}

std::vector<std::string> LoopbackServer::RequestLines() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_;
}

bool LoopbackServer::Received(const std::string& path) const {
    const std::string prefix = "GET " + path + " ";
    std::lock_guard<std::mutex> lock(mutex_);
    for (const auto& line : requests_)
        if (line.compare(0, prefix.size(), prefix) == 0) return true;
    return false;
}

void LoopbackServer::Serve() {
    while (!stop_) {
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(listener_, &readable);
        timeval wait{0, 50 * 1000};
        if (select(0, &readable, nullptr, nullptr, &wait) <= 0) continue;
        SOCKET client = accept(listener_, nullptr, nullptr);
        if (client == INVALID_SOCKET) continue;
        Answer(client);
        closesocket(client);
    }
}

void LoopbackServer::Answer(SOCKET client) {
    std::string request;
    char buffer[2048];
    // Read the head of the request; a client that sends nothing is dropped after a second.
    DWORD timeout = 1000;
    setsockopt(client, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeout), sizeof(timeout));
    while (request.find("\r\n\r\n") == std::string::npos && request.size() < 16384) {
        const int got = recv(client, buffer, sizeof(buffer), 0);
        if (got <= 0) break;
        request.append(buffer, static_cast<size_t>(got));
    }
    const size_t lineEnd = request.find("\r\n");
    if (lineEnd == std::string::npos) return;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        requests_.push_back(request.substr(0, lineEnd));
    }
    char head[160];
    std::snprintf(
        head, sizeof(head),
        "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\nContent-Length: %u\r\nConnection: close\r\n\r\n",
        static_cast<unsigned>(sizeof(kPage) - 1));
    send(client, head, static_cast<int>(strlen(head)), 0);
    send(client, kPage, static_cast<int>(sizeof(kPage) - 1), 0);
}

}  // namespace webview_test
