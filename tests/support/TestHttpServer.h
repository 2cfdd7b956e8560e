// A small HTTP server on 127.0.0.1 inside the test process, standing in for
// the company server: steered per path, and recording every request.
#pragma once

#include <winsock2.h>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "fx/UniqueHandle.h"

// One answer to one request.
struct HttpReply {
  enum class Kind {
    kComplete,            // status, headers and the whole body
    kChunked,             // the body as one chunk, no Content-Length
    kCloseWithoutAnswer,  // the connection closed before any byte is sent
    kResetMidBody,        // the first cutAfter body bytes, then a reset
  };
  Kind kind = Kind::kComplete;
  int status = 200;
  std::string body;
  // The Content-Length header's text; unset: the body's length.
  std::optional<std::string> contentLength;
  // Further header lines, each ended by "\r\n".
  std::string extraHeaders;
  size_t cutAfter = 0;
  // Kept back, once the request is read, until Release() or the server stops.
  bool held = false;

  static HttpReply Bytes(std::string body, int status = 200);
  static HttpReply WithContentLength(std::string headerText, std::string body);
  static HttpReply Chunked(std::string body);
  static HttpReply CloseWithoutAnswer();
  static HttpReply ResetMidBody(std::string body, size_t cutAfter);
  HttpReply Held() const;
};

struct HttpRequest {
  std::string method;
  std::string rawPath;  // as sent
  std::string path;     // percent-decoded
  std::string userAgent;
  std::vector<std::string> headerLines;
};

class TestHttpServer {
 public:
  // Listening on a free port as soon as it is constructed.
  TestHttpServer();
  // Lets held replies go, cuts open connections and joins every thread.
  ~TestHttpServer();

  TestHttpServer(const TestHttpServer&) = delete;
  TestHttpServer& operator=(const TestHttpServer&) = delete;

  unsigned short Port() const { return m_port; }
  // "http://127.0.0.1:<port>" followed by path, as it stands (blanks too).
  std::wstring Url(const std::string& path) const;

  // Paths are matched after percent-decoding, so "/a b" answers both "/a b"
  // and "/a%20b". Unknown paths get a 404 with a short body.
  // From now on every request for path gets reply (a file changed on the
  // server is simply served again).
  void Serve(const std::string& path, HttpReply reply);
  // The next count requests for path get reply, before the standing one.
  void ServeFirst(const std::string& path, int count, HttpReply reply);

  // Signalled (and stays so) once a held reply is waiting.
  HANDLE HeldEvent() const { return m_heldEvent.get(); }
  void Release();

  std::vector<HttpRequest> Requests() const;

 private:
  struct Route {
    std::deque<HttpReply> first;
    std::optional<HttpReply> standing;
  };

  void AcceptLoop();
  void Handle(SOCKET client);
  bool WaitReadable(SOCKET s) const;
  bool ReadRequest(SOCKET client, HttpRequest& request) const;
  HttpReply NextReply(const std::string& path);
  void Send(SOCKET client, const HttpReply& reply) const;

  std::atomic<bool> m_stopping{false};
  SOCKET m_listener = INVALID_SOCKET;
  unsigned short m_port = 0;
  fx::UniqueHandleKernel m_heldEvent;

  mutable std::mutex m_mutex;
  std::condition_variable m_released;
  bool m_bReleased = false;
  std::map<std::string, Route> m_routes;
  std::vector<HttpRequest> m_requests;
  std::set<SOCKET> m_open;
  std::vector<std::thread> m_connections;
  std::thread m_acceptor;
};
