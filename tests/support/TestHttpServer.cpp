#include "support/TestHttpServer.h"

#include <cctype>
#include <cstdio>

namespace {

const char* Reason(int status) {
  switch (status) {
    case 200:
      return "OK";
    case 404:
      return "Not Found";
    case 500:
      return "Internal Server Error";
    default:
      return "Status";
  }
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string PercentDecoded(const std::string& raw) {
  std::string out;
  for (size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] == '%' && i + 2 < raw.size() && HexValue(raw[i + 1]) >= 0 && HexValue(raw[i + 2]) >= 0) {
      out += static_cast<char>(HexValue(raw[i + 1]) * 16 + HexValue(raw[i + 2]));
      i += 2;
    } else {
      out += raw[i];
    }
  }
  return out;
}

bool StartsWithNoCase(const std::string& text, const std::string& prefix) {
  if (text.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(text[i])) !=
        std::tolower(static_cast<unsigned char>(prefix[i])))
      return false;
  return true;
}

// Errors are ignored: the client may have gone, which is its right.
void SendAll(SOCKET s, const std::string& data) {
  size_t sent = 0;
  while (sent < data.size()) {
    int n = ::send(s, data.data() + sent, static_cast<int>(data.size() - sent), 0);
    if (n <= 0) return;
    sent += static_cast<size_t>(n);
  }
}

}  // namespace

HttpReply HttpReply::Bytes(std::string body, int status) {
  HttpReply reply;
  reply.status = status;
  reply.body = std::move(body);
  return reply;
}

HttpReply HttpReply::WithContentLength(std::string headerText, std::string body) {
  HttpReply reply = Bytes(std::move(body));
  reply.contentLength = std::move(headerText);
  return reply;
}

HttpReply HttpReply::Chunked(std::string body) {
  HttpReply reply = Bytes(std::move(body));
  reply.kind = Kind::kChunked;
  return reply;
}

HttpReply HttpReply::CloseWithoutAnswer() {
  HttpReply reply;
  reply.kind = Kind::kCloseWithoutAnswer;
  return reply;
}

HttpReply HttpReply::ResetMidBody(std::string body, size_t cutAfter) {
  HttpReply reply = Bytes(std::move(body));
  reply.kind = Kind::kResetMidBody;
  reply.cutAfter = cutAfter;
  return reply;
}

HttpReply HttpReply::Held() const {
  HttpReply reply = *this;
  reply.held = true;
  return reply;
}

TestHttpServer::TestHttpServer() : m_heldEvent(::CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
  WSADATA data;
  ::WSAStartup(MAKEWORD(2, 2), &data);
  m_listener = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;  // any free port
  ::bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof address);
  ::listen(m_listener, SOMAXCONN);
  int length = sizeof address;
  ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length);
  m_port = ntohs(address.sin_port);
  m_acceptor = std::thread([this] { AcceptLoop(); });
}

TestHttpServer::~TestHttpServer() {
  {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_stopping = true;
    // A client that neither sends nor reads would otherwise keep its thread
    // waiting in send.
    for (SOCKET s : m_open) ::shutdown(s, SD_BOTH);
  }
  m_released.notify_all();
  m_acceptor.join();
  // No connection starts after the acceptor has ended.
  for (std::thread& t : m_connections) t.join();
  ::closesocket(m_listener);
  ::WSACleanup();
}

std::wstring TestHttpServer::Url(const std::string& path) const {
  const std::string url = "http://127.0.0.1:" + std::to_string(m_port) + path;
  return std::wstring(url.begin(), url.end());
}

void TestHttpServer::Serve(const std::string& path, HttpReply reply) {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_routes[path].standing = std::move(reply);
}

void TestHttpServer::ServeFirst(const std::string& path, int count, HttpReply reply) {
  std::lock_guard<std::mutex> lock(m_mutex);
  for (int i = 0; i < count; ++i) m_routes[path].first.push_back(reply);
}

void TestHttpServer::Release() {
  {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_bReleased = true;
  }
  m_released.notify_all();
}

std::vector<HttpRequest> TestHttpServer::Requests() const {
  std::lock_guard<std::mutex> lock(m_mutex);
  return m_requests;
}

// Blocking calls would not notice the server stopping, so every wait is a
// short select repeated until there is something to read.
bool TestHttpServer::WaitReadable(SOCKET s) const {
  while (!m_stopping) {
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(s, &readable);
    timeval interval{0, 50 * 1000};
    int n = ::select(0, &readable, nullptr, nullptr, &interval);
    if (n < 0) return false;
    if (n > 0) return true;
  }
  return false;
}

void TestHttpServer::AcceptLoop() {
  while (WaitReadable(m_listener)) {
    SOCKET client = ::accept(m_listener, nullptr, nullptr);
    if (client == INVALID_SOCKET) continue;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_open.insert(client);
    m_connections.emplace_back([this, client] { Handle(client); });
  }
}

bool TestHttpServer::ReadRequest(SOCKET client, HttpRequest& request) const {
  std::string head;
  size_t end;
  while ((end = head.find("\r\n\r\n")) == std::string::npos) {
    char buffer[4096];
    if (!WaitReadable(client)) return false;
    int n = ::recv(client, buffer, sizeof buffer, 0);
    if (n <= 0) return false;
    head.append(buffer, static_cast<size_t>(n));
  }
  head.resize(end + 2);
  size_t lineEnd = head.find("\r\n");
  const std::string requestLine = head.substr(0, lineEnd);
  const size_t firstBlank = requestLine.find(' ');
  const size_t lastBlank = requestLine.rfind(' ');
  if (firstBlank == std::string::npos || lastBlank <= firstBlank) return false;
  request.method = requestLine.substr(0, firstBlank);
  // Between the method and the version, so that a path sent with raw blanks
  // is kept whole.
  request.rawPath = requestLine.substr(firstBlank + 1, lastBlank - firstBlank - 1);
  request.path = PercentDecoded(request.rawPath);
  for (size_t start = lineEnd + 2; start < head.size(); start = lineEnd + 2) {
    lineEnd = head.find("\r\n", start);
    const std::string line = head.substr(start, lineEnd - start);
    request.headerLines.push_back(line);
    if (StartsWithNoCase(line, "User-Agent:")) {
      const size_t value = line.find_first_not_of(' ', 11);
      request.userAgent = value == std::string::npos ? std::string() : line.substr(value);
    }
  }
  return true;
}

HttpReply TestHttpServer::NextReply(const std::string& path) {
  auto route = m_routes.find(path);
  if (route == m_routes.end()) return HttpReply::Bytes("no such file", 404);
  if (!route->second.first.empty()) {
    HttpReply reply = std::move(route->second.first.front());
    route->second.first.pop_front();
    return reply;
  }
  if (route->second.standing) return *route->second.standing;
  return HttpReply::Bytes("no such file", 404);
}

void TestHttpServer::Send(SOCKET client, const HttpReply& reply) const {
  std::string head = "HTTP/1.1 " + std::to_string(reply.status) + " " + Reason(reply.status) + "\r\n";
  head += "Content-Type: application/octet-stream\r\n";
  if (reply.kind == HttpReply::Kind::kChunked)
    head += "Transfer-Encoding: chunked\r\n";
  else
    head += "Content-Length: " + reply.contentLength.value_or(std::to_string(reply.body.size())) + "\r\n";
  head += reply.extraHeaders + "Connection: close\r\n\r\n";
  SendAll(client, head);
  switch (reply.kind) {
    case HttpReply::Kind::kChunked: {
      char size[32];
      std::snprintf(size, sizeof size, "%zx\r\n", reply.body.size());
      SendAll(client, size + reply.body + "\r\n0\r\n\r\n");
      break;
    }
    case HttpReply::Kind::kResetMidBody:
      SendAll(client, reply.body.substr(0, reply.cutAfter));
      break;
    default:
      SendAll(client, reply.body);
      break;
  }
}

void TestHttpServer::Handle(SOCKET client) {
  // Nothing may unwind out of a thread.
  try {
    HttpRequest request;
    const bool haveRequest = ReadRequest(client, request);
    HttpReply reply;
    if (haveRequest) {
      std::unique_lock<std::mutex> lock(m_mutex);
      m_requests.push_back(request);
      reply = NextReply(request.path);
      if (reply.held) {
        ::SetEvent(m_heldEvent.get());
        m_released.wait(lock, [this] { return m_bReleased || m_stopping; });
      }
    }
    const bool answer = haveRequest && !m_stopping && reply.kind != HttpReply::Kind::kCloseWithoutAnswer;
    if (answer) Send(client, reply);
    if (answer && reply.kind == HttpReply::Kind::kResetMidBody) {
      // A zero linger time makes closesocket send a reset instead of an
      // orderly end, as a dropped connection would.
      linger abort{1, 0};
      ::setsockopt(client, SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&abort), sizeof abort);
    } else if (answer) {
      // An orderly end: closing with the client's bytes unread could reset
      // the connection before the client has read the whole answer.
      ::shutdown(client, SD_SEND);
      char sink[1024];
      while (WaitReadable(client) && ::recv(client, sink, sizeof sink, 0) > 0) {
      }
    }
  } catch (...) {
  }
  std::lock_guard<std::mutex> lock(m_mutex);
  m_open.erase(client);
  ::closesocket(client);
}
