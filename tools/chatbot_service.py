#!/usr/bin/env python3
"""A small chatbot service that speaks the protocol Quorvell's chat page uses.

    POST /api.php?question=...&api_key=...&api_secret=...

The answer is a UTF-8 text that starts with a byte-order mark. A request whose key or secret
is wrong is refused with status 403 (the refusal is a text of the same form). Only the Python
standard library is used.

    python3 tools/chatbot_service.py [--host 127.0.0.1] [--port 18080]
                                     [--api-key KEY] [--api-secret SECRET]

With --port 0 the system picks a free port. The first line written to standard output says
where the service listens: "listening on http://HOST:PORT".
"""

import argparse
import datetime
import hmac
import re
import sys
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer
from urllib.parse import parse_qs, urlsplit

# The values Quorvell is built with unless its build is told otherwise.
DEFAULT_API_KEY = "de7622cdfe5c1fa9f8d7328227be4318"
DEFAULT_API_SECRET = "13bucphbl1qn"

BYTE_ORDER_MARK = "\ufeff"


def answer(question, client_address):
    """The robot's reply to one question."""
    text = question.strip()
    if not text:
        return "你好，我是小小。想聊点什么？"
    if text == "ip":
        return f"你的IP地址是 {client_address}"
    if text == "天气":
        return f"{client_address} 所在地的天气：本地参考服务没有天气数据。"
    if text.endswith("天气"):
        return f"{text[:-2]}的天气：本地参考服务没有天气数据。"
    if text.startswith("@"):
        command = re.match(r"@([a-z]+)", text)
        name = command.group(1) if command else text
        return f"本地参考服务不提供“@{name}”查询。"
    if text in ("你好", "您好", "hi", "hello"):
        return "你好！"
    if "几点" in text or "时间" in text:
        return datetime.datetime.now().strftime("现在是%H点%M分%S秒。")
    return f"你说的是：{text}"


class ChatbotHandler(BaseHTTPRequestHandler):
    server_version = "QuorvellChatbot/1.0"
    protocol_version = "HTTP/1.1"

    def _reply(self, status, text):
        body = (BYTE_ORDER_MARK + text).encode("utf-8")
        self.send_response(status)
        self.send_header("Content-Type", "text/plain; charset=utf-8")
        self.send_header("Content-Length", str(len(body)))
        self.send_header("Connection", "close")
        self.end_headers()
        self.wfile.write(body)
        self.close_connection = True

    def _drain_body(self):
        length = int(self.headers.get("Content-Length") or 0)
        if length > 0:
            self.rfile.read(min(length, 1 << 20))

    def do_POST(self):
        self._drain_body()
        url = urlsplit(self.path)
        if url.path != "/api.php":
            self._reply(404, "没有这个接口。")
            return
        query = parse_qs(url.query, keep_blank_values=True, encoding="utf-8", errors="replace")
        key = query.get("api_key", [""])[0]
        secret = query.get("api_secret", [""])[0]
        if not (hmac.compare_digest(key, self.server.api_key)
                and hmac.compare_digest(secret, self.server.api_secret)):
            self._reply(403, "api_key或api_secret错误，请求被拒绝。")
            return
        self._reply(200, answer(query.get("question", [""])[0], self.client_address[0]))

    def do_GET(self):
        self._reply(405, "请用POST方式请求。")

    def log_message(self, format, *args):
        sys.stderr.write("chatbot: %s - %s\n" % (self.address_string(), format % args))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--host", default="127.0.0.1")
    parser.add_argument("--port", type=int, default=18080)
    parser.add_argument("--api-key", default=DEFAULT_API_KEY)
    parser.add_argument("--api-secret", default=DEFAULT_API_SECRET)
    options = parser.parse_args()

    server = ThreadingHTTPServer((options.host, options.port), ChatbotHandler)
    server.daemon_threads = True
    server.api_key = options.api_key
    server.api_secret = options.api_secret
    host, port = server.server_address[:2]
    print(f"listening on http://{host}:{port}", flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
    finally:
        server.server_close()


if __name__ == "__main__":
    main()
