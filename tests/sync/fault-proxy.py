#!/usr/bin/env python3
"""A CalDAV proxy on 127.0.0.1 that passes requests to a real server and, as the file MODE_FILE says, fails them:

  pass            forward everything
  503             answer every request with 503 Service Unavailable
  empty           list no items in a Depth-1 PROPFIND of a collection
  partial N       list only the first N items
  engine-partial N  like "partial N", but only for the sync engine (its User-Agent): the app's own look sees all
  hang            answer nothing for 30 seconds, then drop the connection

Prints "PORT <n>" once it listens. Test helper only; never bind it to anything but the loopback address."""
import http.client
import http.server
import socketserver
import sys
import time
import urllib.parse
import xml.etree.ElementTree as ET

TARGET = urllib.parse.urlsplit(sys.argv[1])
MODE_FILE = sys.argv[2]
DAV = "{DAV:}"
# Accept-Encoding is dropped so that listings arrive as plain XML the proxy can shorten.
HOP = {"connection", "keep-alive", "transfer-encoding", "content-length", "host", "accept-encoding"}


def mode():
    try:
        with open(MODE_FILE, encoding="utf-8") as f:
            return f.read().split()
    except OSError:
        return ["pass"]


def trimmed(body, request_path, keep):
    """The multistatus with the collection's own response and only `keep` item responses."""
    root = ET.fromstring(body)
    kept = 0
    for response in list(root.findall(DAV + "response")):
        href = urllib.parse.unquote(response.findtext(DAV + "href", "")).rstrip("/")
        if href == urllib.parse.unquote(request_path).rstrip("/"):
            continue
        if kept < keep:
            kept += 1
            continue
        root.remove(response)
    return ET.tostring(root, encoding="utf-8", xml_declaration=True)


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        pass

    def handle_any(self):
        length = int(self.headers.get("Content-Length") or 0)
        body = self.rfile.read(length) if length else b""
        words = mode()
        if words[0] == "503":
            return self.answer(503, {"Content-Type": "text/plain"}, b"Service Unavailable")
        if words[0] == "hang":
            time.sleep(30)
            self.close_connection = True
            return None
        connection = http.client.HTTPConnection(TARGET.hostname, TARGET.port, timeout=60)
        headers = {k: v for k, v in self.headers.items() if k.lower() not in HOP}
        connection.request(self.command, self.path, body=body, headers=headers)
        reply = connection.getresponse()
        data = reply.read()
        reply_headers = {k: v for k, v in reply.getheaders() if k.lower() not in HOP}
        connection.close()
        listing = self.command == "PROPFIND" and self.headers.get("Depth") == "1" and reply.status == 207
        engine = "vdirsyncer" in self.headers.get("User-Agent", "")
        if listing and (words[0] in ("empty", "partial") or (words[0] == "engine-partial" and engine)):
            data = trimmed(data, urllib.parse.urlsplit(self.path).path, 0 if words[0] == "empty" else int(words[1]))
        return self.answer(reply.status, reply_headers, data)

    def answer(self, status, headers, data):
        self.send_response(status)
        for key, value in headers.items():
            self.send_header(key, value)
        self.send_header("Content-Length", str(len(data)))
        self.end_headers()
        self.wfile.write(data)

    do_GET = do_PUT = do_DELETE = do_PROPFIND = do_REPORT = do_MKCALENDAR = do_MKCOL = do_PROPPATCH = do_OPTIONS = \
        do_HEAD = do_POST = handle_any


class Server(socketserver.ThreadingMixIn, http.server.HTTPServer):
    daemon_threads = True


server = Server(("127.0.0.1", 0), Handler)
print("PORT", server.server_address[1], flush=True)
server.serve_forever()
