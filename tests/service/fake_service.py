#!/usr/bin/env python3
"""A stand-in for the data service, for the tests only.

Serves ROOT/files over plain HTTP and HTTPS on 127.0.0.1 with ephemeral ports. Certificates come
from a test CA generated into ROOT/tls with the openssl command at start. ROOT/config.json (read
on every request) names the users and their role, and how many times a path fails before it is
served. Every request is logged as one JSON line in ROOT/requests.log.

Routes: /login... needs Basic auth: member -> the frame page, guest -> 403, others -> 401;
/member/... and /guest/... need Basic auth of any known user; /redirect?to=URL -> 302;
/cookie/start -> 302 with a cookie to /cookie/check, which wants it back; /slow stalls;
/drop closes the connection without an answer; a path beginning /status/N answers status N;
anything else is a file of ROOT/files or 404.
When ready the ports are written to the file named by --ready as {"http": N, "https": N}.
"""

import argparse
import base64
import json
import os
import ssl
import subprocess
import threading
import time
import urllib.parse
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

MEMBER_PAGE = ("<html><body>このページにはフレームが使用されていますが、"
               "お使いのブラウザではサポートされていません。</body></html>\r\n").encode("cp932")

failures_served = {}
lock = threading.Lock()


def openssl(*args, cwd):
    subprocess.run(["openssl", *args], cwd=cwd, check=True, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL)


def make_ca(folder, name, subject):
    openssl("req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes",
            "-keyout", name + ".key", "-out", name + ".pem", "-days", "2", "-subj", subject,
            "-addext", "basicConstraints=critical,CA:TRUE",
            "-addext", "keyUsage=critical,keyCertSign,cRLSign", cwd=folder)


def make_certificates(folder):
    os.makedirs(folder, exist_ok=True)
    make_ca(folder, "ca", "/CN=Zelvora Test CA")
    make_ca(folder, "other-ca", "/CN=Unrelated Test CA")
    with open(os.path.join(folder, "server.ext"), "w") as f:
        f.write("subjectAltName=IP:127.0.0.1,DNS:localhost\nbasicConstraints=CA:FALSE\n"
                "extendedKeyUsage=serverAuth\n")
    openssl("req", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes",
            "-keyout", "server.key", "-out", "server.csr", "-subj", "/CN=127.0.0.1", cwd=folder)
    openssl("x509", "-req", "-in", "server.csr", "-CA", "ca.pem", "-CAkey", "ca.key",
            "-CAcreateserial", "-out", "server.pem", "-days", "2", "-extfile", "server.ext",
            cwd=folder)


class Handler(BaseHTTPRequestHandler):
    def log_message(self, *args):
        pass

    def config(self):
        with open(os.path.join(self.server.root, "config.json"), encoding="utf-8") as f:
            return json.load(f)

    def basic_user(self):
        header = self.headers.get("Authorization", "")
        if not header.startswith("Basic "):
            return None, None
        user, _, password = base64.b64decode(header[6:]).decode("utf-8", "replace").partition(":")
        return user, password

    def log_request_line(self, user):
        entry = {"scheme": self.server.scheme, "path": self.path, "user": user,
                 "authorization": "Authorization" in self.headers,
                 "cookie": self.headers.get("Cookie"),
                 "user_agent": self.headers.get("User-Agent"), "accept": self.headers.get("Accept")}
        with lock, open(os.path.join(self.server.root, "requests.log"), "a") as f:
            f.write(json.dumps(entry) + "\n")

    def reply(self, status, body=b"", content_type="text/plain", headers=()):
        self.send_response(status)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(body)))
        for name, value in headers:
            self.send_header(name, value)
        self.end_headers()
        self.wfile.write(body)

    def role(self, config):
        user, password = self.basic_user()
        known = config.get("users", {}).get(user)
        if known and known["password"] == password:
            return known["role"]
        return None

    def do_GET(self):
        config = self.config()
        user, _ = self.basic_user()
        self.log_request_line(user)
        url = urllib.parse.urlsplit(self.path)
        path = url.path
        with lock:
            planned = config.get("fail", {}).get(path, 0)
            served = failures_served.get(path, 0)
            if served < planned:
                failures_served[path] = served + 1
        if served < planned:
            return self.reply(503, b"busy")
        if path.startswith("/status/"):
            return self.reply(int(path.split("/")[2]), b"status page")
        if path == "/drop":
            self.close_connection = True
            return
        if path == "/slow":
            self.send_response(200)
            self.send_header("Content-Length", "1000")
            self.end_headers()
            self.wfile.flush()
            time.sleep(60)
            return
        if path == "/redirect":
            target = urllib.parse.parse_qs(url.query)["to"][0]
            return self.reply(302, headers=[("Location", target)])
        if path == "/cookie/start":
            return self.reply(302, headers=[("Location", "/cookie/check"),
                                            ("Set-Cookie", "session=abc; Path=/")])
        if path == "/cookie/check":
            if "session=abc" in (self.headers.get("Cookie") or ""):
                return self.reply(200, b"cookie kept")
            return self.reply(400, b"no cookie")
        needs_auth = path.startswith(("/login", "/member/", "/guest/"))
        if needs_auth:
            role = self.role(config)
            if role is None:
                return self.reply(401, b"who are you",
                                  headers=[("WWW-Authenticate", 'Basic realm="service"')])
            if path.startswith("/login"):
                if role == "member":
                    return self.reply(200, MEMBER_PAGE, "text/html; charset=Shift_JIS")
                return self.reply(403, b"<html>Forbidden</html>", "text/html")
        local = os.path.normpath(os.path.join(self.server.root, "files", path.lstrip("/")))
        if not local.startswith(os.path.join(self.server.root, "files")) or not os.path.isfile(local):
            return self.reply(404, b"<html>Not Found</html>", "text/html")
        with open(local, "rb") as f:
            body = f.read()
        if os.path.isfile(local + ".stall"):
            # Half of the file, then nothing more: a transfer that hangs until the client gives up.
            self.send_response(200)
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            self.wfile.write(body[:len(body) // 2])
            self.wfile.flush()
            time.sleep(60)
            return
        content_type = "text/html" if body.lstrip().startswith(b"<") else "application/octet-stream"
        return self.reply(200, body, content_type)


def serve(root, scheme, context=None):
    server = ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    server.daemon_threads = True
    server.handle_error = lambda request, address: None  # refused handshakes, dropped clients
    server.root = root
    server.scheme = scheme
    if context:
        server.socket = context.wrap_socket(server.socket, server_side=True)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server.server_address[1]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--ready", required=True)
    args = parser.parse_args()
    root = os.path.abspath(args.root)
    tls = os.path.join(root, "tls")
    make_certificates(tls)
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(os.path.join(tls, "server.pem"), os.path.join(tls, "server.key"))
    ports = {"http": serve(root, "http"), "https": serve(root, "https", context)}
    temp = args.ready + ".tmp"
    with open(temp, "w") as f:
        json.dump(ports, f)
    os.rename(temp, args.ready)
    threading.Event().wait()


if __name__ == "__main__":
    main()
