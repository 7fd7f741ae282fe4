"""A pointer and keyboard for a headless Wayland session: a minimal VNC client of wayvnc, whose virtual pointer and
keyboard it drives.

Connects to HOST PORT without authentication, prints "connected W H", then reads one command a line from stdin and
answers "ok" after each: "move X Y", "press X Y", "release X Y" or "click X Y" (button 1), "type TEXT" (printable
ASCII) or "key NAME" (Return, Escape, Tab).
"""
import socket
import struct
import sys
import time


def main():
    connection = socket.create_connection((sys.argv[1], int(sys.argv[2])), timeout=10)

    def receive(count):
        data = b""
        while len(data) < count:
            chunk = connection.recv(count - len(data))
            if not chunk:
                raise SystemExit("the VNC server closed the connection")
            data += chunk
        return data

    receive(12)
    connection.sendall(b"RFB 003.008\n")
    offered = receive(receive(1)[0])
    if 1 not in offered:
        raise SystemExit("the VNC server wants authentication: %r" % offered)
    connection.sendall(bytes([1]))
    if struct.unpack(">I", receive(4))[0] != 0:
        raise SystemExit("the VNC server refused the connection")
    connection.sendall(bytes([1]))  # shared
    width, height = struct.unpack(">HH", receive(4))
    receive(16)
    receive(struct.unpack(">I", receive(4))[0])
    print("connected", width, height, flush=True)

    def pointer(buttons, x, y):
        connection.sendall(struct.pack(">BBHH", 5, buttons, x, y))

    def key(symbol):
        for down in (1, 0):
            connection.sendall(struct.pack(">BBxxI", 4, down, symbol))
            time.sleep(0.02)

    named_keys = {"Return": 0xFF0D, "Escape": 0xFF1B, "Tab": 0xFF09}
    for line in sys.stdin:
        if line.startswith("type "):
            for character in line[len("type "):].rstrip("\n"):
                key(ord(character))
            print("ok", flush=True)
            continue
        words = line.split()
        if len(words) == 2 and words[0] == "key" and words[1] in named_keys:
            key(named_keys[words[1]])
            print("ok", flush=True)
            continue
        if len(words) != 3:
            continue
        x, y = int(words[1]), int(words[2])
        if words[0] == "move":
            pointer(0, x, y)
        elif words[0] == "press":
            pointer(1, x, y)
        elif words[0] == "release":
            pointer(0, x, y)
        elif words[0] == "click":
            pointer(0, x, y)
            time.sleep(0.05)
            pointer(1, x, y)
            time.sleep(0.05)
            pointer(0, x, y)
        print("ok", flush=True)


main()
