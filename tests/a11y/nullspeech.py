# SPDX-License-Identifier: MIT
"""A speech server that says nothing: it answers the speech-dispatcher protocol (SSIP) on a
unix socket, so that a screen reader runs with speech on, and keeps every utterance it is
given, one a line, in order. Each utterance is over as soon as it is queued: a client that asked
to hear of it (a screen reader reading a whole text line by line waits for each line's end)
learns that it began and ended."""

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
        notified = set()  # the events of an utterance that the client asked to hear of

        sending = threading.Lock()

        def reply(code, *lines):
            *items, last = lines
            with sending:
                client.sendall("".join("%d-%s\r\n" % (code, item) for item in items).encode()
                               + ("%d %s\r\n" % (code, last)).encode())

        def events(utterance_id):
            for code, event in ((701, "begin"), (702, "end")):
                if event in notified or "all" in notified:
                    try:
                        reply(code, utterance_id, 1, event.upper())
                    except OSError:  # the client has gone
                        return

        def queued(utterance_id):
            reply(225, utterance_id, "OK MESSAGE QUEUED")
            # A moment later, once the client has taken note of the utterance's number.
            threading.Timer(0.05, events, (utterance_id,)).start()

        for raw in reader:
            line = raw.decode("utf-8", "replace").rstrip("\r\n")
            if data is not None:
                if line != ".":
                    data.append(line[1:] if line.startswith("..") else line)
                    continue
                text = html.unescape(MARKUP.sub("", " ".join(data))).strip()
                data = None
                queued(self._say(text))
                continue
            words = line.split(" ")
            command = words[0].upper()
            if command == "SPEAK":
                data = []
                reply(230, "OK RECEIVING DATA")
            elif command in ("CHAR", "KEY", "SOUND_ICON"):
                queued(self._say(" ".join(words[1:])))
            elif line.upper() == "HISTORY GET CLIENT_ID":
                reply(245, "1", "OK CLIENT ID SENT")
            elif line.upper() == "LIST OUTPUT_MODULES":
                reply(250, "silent", "OK MODULE LIST SENT")
            elif line.upper() == "LIST SYNTHESIS_VOICES":
                reply(249, "silent\ten\tnone", "OK VOICE LIST SENT")
            elif command == "GET":
                reply(251, "50" if words[1].upper() != "LANGUAGE" else "en", "OK GET RETURNED")
            elif command == "SET" and len(words) == 5 and words[2].upper() == "NOTIFICATION":
                (notified.add if words[4].lower() == "on" else notified.discard)(words[3].lower())
                reply(218, "OK NOTIFICATION SET")
            elif command == "QUIT":
                reply(231, "HAPPY HACKING")
                break
            else:
                reply(200, "OK")
        client.close()
