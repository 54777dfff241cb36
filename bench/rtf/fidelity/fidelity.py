#!/usr/bin/env python3
"""Compares the RTF reader's text with LibreOffice's text conversion of the same files.

    fidelity.py CORPUS [RTF_PLAINTEXT]

CORPUS is what make_corpus.py made (CORPUS/rtf, CORPUS/txt and CORPUS/source-txt); RTF_PLAINTEXT is
the built bench/rtf_plaintext tool (by default build/bench/rtf_plaintext). Prints each file's
similarity, worst first, then the mean and the lowest. Similarity is difflib's ratio over the
characters of both texts, each line stripped and its runs of spaces and tabs made one space, blank
lines dropped. A file whose RTF LibreOffice reads back far from its own source (under 0.9) is one it
cannot read: it is listed apart and left out of the figures.

A file's score is its agreement with LibreOffice's reading or with the text it was written from,
whichever is higher: where LibreOffice reads a file wrongly (a field it recomputes, a list restart
its own RTF lost, a lone lead byte it shows as U+FFFD) the reader is not marked down for being
right. The mean against LibreOffice's reading alone is printed beside it."""

import difflib
import os
import re
import subprocess
import sys


def normalise(text):
    lines = []
    for line in text.replace("\ufeff", "").replace("\u00a0", " ").splitlines():
        line = re.sub(r"[ \t]+", " ", line).strip()
        if line:
            lines.append(line)
    return "\n".join(lines)


def read_text(path):
    with open(path, encoding="utf-8", errors="replace") as f:
        return normalise(f.read())


def similarity(a, b):
    if not a and not b:
        return 1.0
    return difflib.SequenceMatcher(None, a, b, autojunk=False).ratio()


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    corpus = sys.argv[1]
    tool = sys.argv[2] if len(sys.argv) == 3 else os.path.join("build", "bench", "rtf_plaintext")
    names = sorted(n[:-4] for n in os.listdir(os.path.join(corpus, "rtf")) if n.endswith(".rtf"))
    results = []
    unreadable = []
    for name in names:
        reference = read_text(os.path.join(corpus, "txt", name + ".txt"))
        run = subprocess.run([tool, os.path.join(corpus, "rtf", name + ".rtf")], capture_output=True,
                             env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
        ours = normalise(run.stdout.decode("utf-8", errors="replace")) if run.returncode == 0 else None
        source = os.path.join(corpus, "source-txt", name + ".txt")
        against_libreoffice = similarity(ours, reference) if ours is not None else 0.0
        against_source = 0.0
        if os.path.exists(source):
            original = read_text(source)
            if similarity(reference, original) < 0.9:
                mine = similarity(ours, original) if ours is not None else 0.0
                unreadable.append(f"{name}: LibreOffice reads back {similarity(reference, original):.4f} "
                                  f"of its source, the reader {mine:.4f}")
                continue
            against_source = similarity(ours, original) if ours is not None else 0.0
        results.append((max(against_libreoffice, against_source), against_libreoffice, name,
                        "" if ours is not None else "not read"))
    for score, against_libreoffice, name, note in sorted(results):
        print(f"{score:.4f}  {name} (LibreOffice {against_libreoffice:.4f}) {note}")
    scores = [r[0] for r in results]
    libreoffice = [r[1] for r in results]
    print(f"\n{len(scores)} files, mean similarity {sum(scores) / len(scores):.4f}, lowest {min(scores):.4f}, "
          f"under 0.9: {sum(s < 0.9 for s in scores)}")
    print(f"against LibreOffice's reading alone: mean {sum(libreoffice) / len(libreoffice):.4f}, "
          f"lowest {min(libreoffice):.4f}")
    if unreadable:
        print(f"left out, {len(unreadable)} files LibreOffice cannot read back:")
        for line in unreadable:
            print("  " + line)


if __name__ == "__main__":
    main()
