// A loopback port on which nothing listens: bound (so no one else takes it)
// but never listening, so every connection to it is refused.
#pragma once

#include <winsock2.h>

#include <string>

class ClosedPort {
 public:
  ClosedPort();
  ~ClosedPort();
  ClosedPort(const ClosedPort&) = delete;
  ClosedPort& operator=(const ClosedPort&) = delete;

  std::wstring Url(const std::wstring& path) const;

 private:
  SOCKET m_socket;
  unsigned short m_port = 0;
};
