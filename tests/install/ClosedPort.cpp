#include "ClosedPort.h"

ClosedPort::ClosedPort() {
  WSADATA data;
  ::WSAStartup(MAKEWORD(2, 2), &data);
  m_socket = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ::bind(m_socket, reinterpret_cast<sockaddr*>(&address), sizeof address);
  int length = sizeof address;
  ::getsockname(m_socket, reinterpret_cast<sockaddr*>(&address), &length);
  m_port = ntohs(address.sin_port);
}

ClosedPort::~ClosedPort() {
  ::closesocket(m_socket);
  ::WSACleanup();
}

std::wstring ClosedPort::Url(const std::wstring& path) const {
  return L"http://127.0.0.1:" + std::to_wstring(m_port) + path;
}
