#!/usr/bin/env python3
"""Writes a synthetic mbox for the listing benchmark: mixed sizes, a quarter of the emails with base64
attachments up to a few MB, LF line ends. Usage: make_corpus.py OUT [EMAILS] [MIN_MB]"""
import base64
import random
import sys

def body_text(rng, lines):
    words = ["mail", "archive", "report", "meeting", "budget", "quarter", "notes", "draft", "review", "plan"]
    return "\n".join(" ".join(rng.choice(words) for _ in range(12)) for _ in range(lines)) + "\n"

SIZES = [10_000, 50_000, 200_000, 2_500_000]
WEIGHTS = [60, 30, 9, 1]

def email(rng, i, attachments):
    head = (f"From sender{i % 97}@example.org Mon Jan  1 10:00:00 2024\n"
            f"From: Sender {i % 97} <sender{i % 97}@example.org>\n"
            f"To: =?UTF-8?B?{base64.b64encode(f'Empfänger {i}'.encode()).decode()}?= <to{i}@example.org>\n"
            f"Subject: Message {i} =?ISO-8859-1?Q?=FCber?= the plan\n"
            f"Date: Mon, 1 Jan 2024 10:{i % 60:02d}:00 +0000\n"
            f"Message-ID: <{i}@example.org>\nMIME-Version: 1.0\n")
    text = body_text(rng, rng.choice([3, 20, 80, 300]))
    if i % 4:
        return head + "Content-Type: text/plain; charset=utf-8\n\n" + text
    attachment = attachments[rng.choices(SIZES, WEIGHTS)[0]]
    return (head + "Content-Type: multipart/mixed; boundary=\"b\"\n\n--b\nContent-Type: text/plain\n\n" + text
            + f"--b\nContent-Type: application/octet-stream; name=\"file{i}.bin\"\n"
            + "Content-Transfer-Encoding: base64\n\n" + attachment + "--b--\n")

def main():
    out = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 20000
    min_bytes = int(sys.argv[3] if len(sys.argv) > 3 else 500) * 1024 * 1024
    rng = random.Random(17)
    blob = rng.randbytes(max(SIZES))
    attachments = {size: base64.encodebytes(blob[:size]).decode() for size in SIZES}
    written = 0
    i = 0
    with open(out, "w", encoding="utf-8", newline="\n") as f:
        while i < count or written < min_bytes:
            text = email(rng, i, attachments) + "\n"
            f.write(text)
            written += len(text)
            i += 1
    print(f"{out}: {i} emails, {written / 1048576:.0f} MB")

main()
