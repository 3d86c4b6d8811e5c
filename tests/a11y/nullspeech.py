# SPDX-License-Identifier: MIT
"""A speech server that says nothing: it answers the speech-dispatcher protocol (SSIP) on a
unix socket, so that a screen reader runs with speech on, and keeps every utterance it is
given, one a line, in order."""

import html
import os
import re
import socket
import threading

MARKUP = re.compile(r"<[^>]*>")


class NullSpeech:
    def __init__(self, path, log_path):
        self.path = path
        self.log_path = log_path
        self.said = []
        self._lock = threading.Lock()
        self._next_id = 0
        self._server = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self._server.bind(path)
        self._server.listen()
        threading.Thread(target=self._accept, daemon=True).start()

    def address(self):
        return "unix_socket:" + self.path

    def close(self):
        self._server.close()
        os.unlink(self.path)

    def _accept(self):
        while True:
            try:
                client, _ = self._server.accept()
            except OSError:
                return
            threading.Thread(target=self._serve, args=(client,), daemon=True).start()

    def _say(self, utterance):
        with self._lock:
            self.said.append(utterance)
            self._next_id += 1
            with open(self.log_path, "a", encoding="utf-8") as log:
                log.write(utterance + "\n")
            return self._next_id

    def _serve(self, client):
        reader = client.makefile("rb")
        data = None  # the lines of a message being received, after SPEAK

        def reply(code, *lines):
            *items, last = lines
            client.sendall("".join("%d-%s\r\n" % (code, item) for item in items).encode()
                           + ("%d %s\r\n" % (code, last)).encode())

        for raw in reader:
            line = raw.decode("utf-8", "replace").rstrip("\r\n")
            if data is not None:
                if line != ".":
                    data.append(line[1:] if line.startswith("..") else line)
                    continue
                text = html.unescape(MARKUP.sub("", " ".join(data))).strip()
                data = None
                reply(225, self._say(text), "OK MESSAGE QUEUED")
                continue
            words = line.split(" ")
            command = words[0].upper()
            if command == "SPEAK":
                data = []
                reply(230, "OK RECEIVING DATA")
            elif command in ("CHAR", "KEY", "SOUND_ICON"):
                reply(225, self._say(" ".join(words[1:])), "OK MESSAGE QUEUED")
            elif line.upper() == "HISTORY GET CLIENT_ID":
                reply(245, "1", "OK CLIENT ID SENT")
            elif line.upper() == "LIST OUTPUT_MODULES":
                reply(250, "silent", "OK MODULE LIST SENT")
            elif line.upper() == "LIST SYNTHESIS_VOICES":
                reply(249, "silent\ten\tnone", "OK VOICE LIST SENT")
            elif command == "GET":
                reply(251, "50" if words[1].upper() != "LANGUAGE" else "en", "OK GET RETURNED")
            elif command == "QUIT":
                reply(231, "HAPPY HACKING")
                break
            else:
                reply(200, "OK")
        client.close()
