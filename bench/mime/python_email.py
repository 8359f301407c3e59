#!/usr/bin/env python3
"""Parses the corpus written by bench_mime with Python's email package, the same work as a full Load."""
import email
import sys
import time


def main(path):
    data = open(path, "rb").read()
    offsets = [int(line) for line in open(path + ".idx")]
    best = None
    for _ in range(2):
        start = time.perf_counter()
        for i in range(len(offsets) - 1):
            msg = email.message_from_bytes(data[offsets[i]:offsets[i + 1]])
            for part in msg.walk():
                part.get_payload(decode=True)
        elapsed = time.perf_counter() - start
        best = elapsed if best is None else min(best, elapsed)
    print("python email parse       %9.1f MB/s" % (len(data) / 1e6 / best))


main(sys.argv[1])
