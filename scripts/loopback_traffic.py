#!/usr/bin/env python3
"""Sends a few kilobytes a second over 127.0.0.1 to itself, for the traffic monitor's
screenshot: bounded in time (at most 30 s) and in rate (under 10 KB a second), never leaving
the machine."""
import socket
import sys
import threading
import time

seconds = min(int(sys.argv[1]) if len(sys.argv) > 1 else 10, 30)
# Kilobytes per second; loopback counts every byte as received and as sent.
pattern = [3, 6, 9, 5, 8, 4, 9, 7, 2, 6, 9, 5]

server = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
server.bind(("127.0.0.1", 0))
server.listen(1)


def drain():
    connection, _ = server.accept()
    with connection:
        while connection.recv(65536):
            pass


reader = threading.Thread(target=drain, daemon=True)
reader.start()
client = socket.create_connection(server.getsockname())
start = time.monotonic()
for second in range(seconds):
    client.sendall(b"q" * (pattern[second % len(pattern)] * 1000))
    time.sleep(max(0.0, start + second + 1 - time.monotonic()))
client.close()
reader.join(timeout=2)
server.close()
