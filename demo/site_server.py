#!/usr/bin/env python3
"""The demo company site: serves a folder on 127.0.0.1 and prints its port.

Some clients send the blanks of a file name as they are, which the standard
request-line parser rejects; they are taken back into the path here.
"""
import http.server
import sys
import urllib.parse


class Handler(http.server.SimpleHTTPRequestHandler):
    def parse_request(self):
        words = self.raw_requestline.decode("iso-8859-1").rstrip("\r\n").split(" ")
        if len(words) > 3 and words[-1].startswith("HTTP/"):
            path = urllib.parse.quote(" ".join(words[1:-1]), safe="/%?=&:")
            self.raw_requestline = f"{words[0]} {path} {words[-1]}\r\n".encode("iso-8859-1")
        return super().parse_request()

    def log_message(self, fmt, *args):
        sys.stderr.write("site: " + (fmt % args) + "\n")


def main():
    root = sys.argv[1]
    server = http.server.ThreadingHTTPServer(
        ("127.0.0.1", 0), lambda *a: Handler(*a, directory=root))
    print(server.server_address[1], flush=True)
    server.serve_forever()


if __name__ == "__main__":
    main()
