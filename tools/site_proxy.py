#!/usr/bin/env python3
"""A proxy on 127.0.0.1 that stands in for the maker's web site, for the tests and for trying the
program by hand. It answers the two kinds of request a program sends through a proxy setting:

- "GET http://host/path": plain HTTP, answered at once;
- "CONNECT host:443": the tunnel of an https address; the proxy agrees, then speaks TLS itself
  with the certificate it was given and answers the request that comes through the tunnel.

Either answer comes from a folder (--site DIR, by the request's path) or from another loopback
server (--backend PORT), which gets the request as it came and whose answer goes back as it is.

With --control PORT the proxy tells the program that started it its own port, as one line on a
connection to that port, and ends when that connection closes. With --lifetime it ends by
itself after that many seconds in any case.
"""
import argparse
import os
import pathlib
import socket
import ssl
import sys
import threading
import urllib.parse

HEAD_LIMIT = 64 * 1024


def read_head(sock):
    """The request's head, up to and with its empty line; b"" when the connection ends first."""
    head = b""
    while b"\r\n\r\n" not in head:
        chunk = sock.recv(4096)
        if not chunk or len(head) > HEAD_LIMIT:
            return b""
        head += chunk
    return head


def site_answer(site, head):
    target = head.split(b" ", 2)[1].decode("latin-1")
    path = urllib.parse.unquote(urllib.parse.urlsplit(target).path)
    file = (site / path.lstrip("/")).resolve()
    if site in file.parents and file.is_file():
        status, body = "200 OK", file.read_bytes()
    else:
        status, body = "404 Not found", b"Not found"
    return (f"HTTP/1.1 {status}\r\nContent-Type: text/plain\r\nCache-Control: no-store\r\n"
            f"Content-Length: {len(body)}\r\nConnection: close\r\n\r\n").encode() + body


def answer(sock, head, options):
    """Sends the answer to one request; the backend's answer ends with its connection."""
    if options.site:
        sock.sendall(site_answer(options.site, head))
        return
    with socket.create_connection(("127.0.0.1", options.backend), timeout=30) as backend:
        backend.sendall(head)
        while chunk := backend.recv(65536):
            sock.sendall(chunk)


def serve(client, options, tls):
    with client:
        client.settimeout(30)
        head = read_head(client)
        if not head:
            return
        if head.split(b" ", 1)[0] != b"CONNECT":
            answer(client, head, options)
            return
        client.sendall(b"HTTP/1.1 200 Connection established\r\n\r\n")
        # A client that refuses the certificate ends the handshake or the connection here.
        with tls.wrap_socket(client, server_side=True) as secure:
            head = read_head(secure)
            if head:
                answer(secure, head, options)


def serve_safely(client, options, tls):
    try:
        serve(client, options, tls)
    except (OSError, ssl.SSLError):
        pass  # a refused certificate or a broken connection: only that request ends


def end_with(control):
    while control.recv(16):
        pass
    os._exit(0)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cert", required=True, help="PEM file: the certificate and its key")
    source = parser.add_mutually_exclusive_group(required=True)
    source.add_argument("--site", type=lambda p: pathlib.Path(p).resolve())
    source.add_argument("--backend", type=int)
    parser.add_argument("--port", type=int, default=0)
    parser.add_argument("--control", type=int)
    parser.add_argument("--lifetime", type=float)
    options = parser.parse_args()

    tls = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    tls.load_cert_chain(options.cert)
    listener = socket.create_server(("127.0.0.1", options.port))
    port = listener.getsockname()[1]
    if options.lifetime is not None:
        threading.Timer(options.lifetime, os._exit, (0,)).start()
    if options.control is not None:
        control = socket.create_connection(("127.0.0.1", options.control), timeout=10)
        control.settimeout(None)
        control.sendall(f"{port}\n".encode())
        threading.Thread(target=end_with, args=(control,), daemon=True).start()
    else:
        print(f"Proxy for the maker's site on 127.0.0.1:{port} (Ctrl+C ends)", flush=True)
    while True:
        client, _ = listener.accept()
        threading.Thread(target=serve_safely, args=(client, options, tls), daemon=True).start()


if __name__ == "__main__":
    try:
        main()
    except KeyboardInterrupt:
        sys.exit(0)
