#!/usr/bin/env python3
"""Checks Velmora's catalogs against the sources.

  check-catalogs.py LUPDATE SOURCES_LIST COMPLETE_LANGUAGES TS_FILE... -- LUPDATE_OPTION...

Fails when lupdate, run on a temporary copy of the catalogs, changes any of them (a source text
that no catalog holds yet, or an entry whose text left the sources); when a catalog holds an
obsolete or vanished entry; when a catalog of a language in COMPLETE_LANGUAGES (comma-separated)
has an entry left unfinished or empty; and when a translation drops or adds a placeholder of its
source (%1 to %9, %n).
"""
import difflib
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET


def language_of(path):
    name = os.path.basename(path)
    return name[len("velmora_"):-len(".ts")]


def placeholders(text):
    return sorted(set(re.findall(r"%[1-9n]", text or "")))


def check_entries(path, complete, problems):
    root = ET.parse(path).getroot()
    language = language_of(path)
    for context in root.iter("context"):
        cname = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            where = f"{os.path.basename(path)}: [{cname}] {source!r}"
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else "missing"
            if kind in ("obsolete", "vanished"):
                problems.append(f"{where}: {kind} entry")
                continue
            if message.get("numerus") == "yes":
                forms = [f.text or "" for f in translation.iter("numerusform")]
            else:
                forms = [translation.text or ""]
            filled = [f for f in forms if f]
            if language in complete and (kind == "unfinished" or len(filled) != len(forms)):
                problems.append(f"{where}: not translated")
            for form in filled:
                if placeholders(form) != placeholders(source):
                    problems.append(f"{where}: placeholders {placeholders(form)} in {form!r}, "
                                    f"the source has {placeholders(source)}")


def main(argv):
    split = argv.index("--")
    lupdate, sources, complete_list, *ts_files = argv[1:split]
    options = argv[split + 1:]
    complete = set(filter(None, complete_list.split(",")))
    problems = []
    with tempfile.TemporaryDirectory() as work:
        copies = []
        for ts in ts_files:
            copy = os.path.join(work, os.path.basename(ts))
            shutil.copyfile(ts, copy)
            copies.append(copy)
        run = subprocess.run([lupdate, *options, "@" + sources, "-ts", *copies],
                             capture_output=True, text=True)
        if run.returncode != 0:
            print(run.stdout, run.stderr, sep="\n")
            return 1
        for ts, copy in zip(ts_files, copies):
            with open(ts, encoding="utf-8") as a, open(copy, encoding="utf-8") as b:
                before, after = a.read().splitlines(), b.read().splitlines()
            if before != after:
                diff = list(difflib.unified_diff(before, after, ts, "after lupdate", lineterm=""))
                problems.append(f"{os.path.basename(ts)} is not up to date with the sources "
                                "(cmake --build build --target update_translations):\n" +
                                "\n".join(diff[:60]))
    for ts in ts_files:
        check_entries(ts, complete, problems)
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
