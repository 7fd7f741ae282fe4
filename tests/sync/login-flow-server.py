#!/usr/bin/env python3
"""A stand-in for a Nextcloud's sign-in in the browser and its CalDAV answers, on 127.0.0.1 only.

  GET  /status.php            the page that says what server this is (in the mode "plain" this and the sign-in
                              below answer 404, as another server would)
  POST /index.php/login/v2    starts a sign-in: the page to open and the token to poll with (in the mode "file"
                              the page is a file address, which the app must never open)
  GET  /login/v2/flow/page    the page the user opens; opening it counts as signing in
  POST /login/v2/poll         404 until the page was opened, then once the app password, then 404 again
  PROPFIND under /remote.php/dav/   401 without the app password; with it the principal, the calendar home and
                              the recorded listing LISTING

Usage: login-flow-server.py LISTING [MODE [CERT KEY]]; with CERT and KEY it speaks HTTPS. Prints "PORT <n>" once it
listens. Test helper only."""
import base64
import http.server
import json
import socketserver
import ssl
import sys

LISTING = open(sys.argv[1], "rb").read()
MODE = sys.argv[2] if len(sys.argv) > 2 else "nextcloud"
TOKEN = "poll-token-7f3a"
APP_PASSWORD = "app-pass-Xy9-kq2"
USER = "alice"
state = {"signed_in": False, "handed_out": False}

PRINCIPAL = b"""<?xml version="1.0"?>
<d:multistatus xmlns:d="DAV:" xmlns:cal="urn:ietf:params:xml:ns:caldav">
 <d:response><d:href>%s</d:href><d:propstat><d:prop>
  <d:current-user-principal><d:href>/remote.php/dav/principals/users/alice/</d:href></d:current-user-principal>
  <cal:calendar-home-set><d:href>/remote.php/dav/calendars/alice/</d:href></cal:calendar-home-set>
 </d:prop><d:status>HTTP/1.1 200 OK</d:status></d:propstat></d:response>
</d:multistatus>
"""


class Handler(http.server.BaseHTTPRequestHandler):
    def log_message(self, *args):
        pass

    def answer(self, status, body=b"", content_type="application/json", headers=()):
        self.send_response(status)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(body)))
        for name, value in headers:
            self.send_header(name, value)
        self.end_headers()
        self.wfile.write(body)

    def base(self):
        scheme = "https" if len(sys.argv) > 4 else "http"
        return "%s://127.0.0.1:%d" % (scheme, self.server.server_address[1])

    def body(self):
        return self.rfile.read(int(self.headers.get("Content-Length") or 0))

    def do_GET(self):
        if self.path == "/status.php" and MODE != "plain":
            status = {"installed": True, "maintenance": False, "version": "28.0.1.1", "productname": "Nextcloud"}
            self.answer(200, json.dumps(status).encode())
        elif self.path == "/login/v2/flow/page":
            state["signed_in"] = True
            self.answer(200, b"<html>Signed in</html>", "text/html")
        else:
            self.answer(404)

    def do_POST(self):
        form = self.body().decode()
        if self.path == "/index.php/login/v2" and MODE != "plain":
            page = "file:///etc/passwd" if MODE == "file" else self.base() + "/login/v2/flow/page"
            start = {"poll": {"token": TOKEN, "endpoint": self.base() + "/login/v2/poll"}, "login": page}
            self.answer(200, json.dumps(start).encode())
        elif self.path == "/login/v2/poll" and form == "token=" + TOKEN and state["signed_in"] \
                and not state["handed_out"]:
            state["handed_out"] = True
            done = {"server": self.base(), "loginName": USER, "appPassword": APP_PASSWORD}
            self.answer(200, json.dumps(done).encode())
        else:
            self.answer(404)

    def do_PROPFIND(self):
        self.body()
        if self.path == "/.well-known/caldav":
            self.answer(301, headers=[("Location", "/remote.php/dav/")])
            return
        if not self.path.startswith("/remote.php/dav/"):
            self.answer(404)
            return
        expected = "Basic " + base64.b64encode(("%s:%s" % (USER, APP_PASSWORD)).encode()).decode()
        if self.headers.get("Authorization") != expected:
            self.answer(401, headers=[("WWW-Authenticate", 'Basic realm="Nextcloud"')])
        elif self.path == "/remote.php/dav/calendars/alice/" and self.headers.get("Depth") == "1":
            self.answer(207, LISTING, "application/xml; charset=utf-8")
        else:
            self.answer(207, PRINCIPAL % self.path.encode(), "application/xml; charset=utf-8")


class Server(socketserver.ThreadingMixIn, http.server.HTTPServer):
    daemon_threads = True


server = Server(("127.0.0.1", 0), Handler)
if len(sys.argv) > 4:
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(sys.argv[3], sys.argv[4])
    server.socket = context.wrap_socket(server.socket, server_side=True)
print("PORT %d" % server.server_address[1], flush=True)
server.serve_forever()
