#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later

"""Lists the texts of en/ that another language does not translate yet.

English is the reference: every context and source text of en/*.ts must be
translated in every other language folder, in the area file of the same
name. For each language this lists the texts that are missing, empty or
still marked unfinished, and the texts that en/ no longer has (obsolete).

    app/language/missing_translations.py             list, all languages
    app/language/missing_translations.py de ri       list, some languages
    app/language/missing_translations.py --add [..]  also write the missing
        texts into each language's area file, with the English text as an
        unfinished translation, for a translator to replace (and then to
        remove type="unfinished"); the build's test fails until they have
    app/language/missing_translations.py --check     exit 1 if anything is
        missing or unfinished (for scripts)

--add rewrites a language's area files in en/'s order (contexts and
messages as en/ has them; texts en/ does not have stay at the end of their
context), with the layout the files already use. Nothing is removed.
"""

import argparse
import glob
import os
import sys
import xml.etree.ElementTree as ET

HERE = os.path.dirname(os.path.abspath(__file__))
REFERENCE = "en"


def read_area(path):
    """[(context, [(source, translation, unfinished), ...]), ...] in file order."""
    contexts = []
    for context in ET.parse(path).getroot().iter("context"):
        messages = []
        for message in context.iter("message"):
            translation = message.find("translation")
            text = translation.text if translation is not None and translation.text else ""
            unfinished = translation is None or translation.get("type") == "unfinished"
            messages.append((message.find("source").text or "", text, unfinished))
        contexts.append((context.find("name").text, messages))
    return contexts


def read_language(code):
    """{area file name: read_area(...)} of one language folder."""
    return {os.path.basename(path): read_area(path)
            for path in sorted(glob.glob(os.path.join(HERE, code, "*.ts")))}


def language_attribute(path):
    try:
        return ET.parse(path).getroot().get("language", "")
    except (OSError, ET.ParseError):
        return ""


def escape(text):
    # Element text only: quotes and apostrophes stay readable for translators.
    return text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


def write_area(path, language, contexts):
    lines = ['<?xml version="1.0" encoding="utf-8"?>', "<!DOCTYPE TS>",
             '<TS version="2.1" language="%s">' % language]
    for name, messages in contexts:
        lines += ["<context>", "    <name>%s</name>" % escape(name)]
        for source, text, unfinished in messages:
            kind = ' type="unfinished"' if unfinished else ""
            lines += ["    <message>", "        <source>%s</source>" % escape(source),
                      "        <translation%s>%s</translation>" % (kind, escape(text)),
                      "    </message>"]
        lines.append("</context>")
    lines.append("</TS>")
    with open(path, "w", encoding="utf-8") as f:
        f.write("\n".join(lines) + "\n")


def compare(code, reference, add):
    """Prints what `code` lacks; returns the number of texts to translate."""
    own = read_language(code)
    found = {}  # (context, source) -> (translation, unfinished)
    for contexts in own.values():
        for name, messages in contexts:
            for source, text, unfinished in messages:
                found[(name, source)] = (text, unfinished)
    todo = 0
    wanted = set()
    for area, contexts in reference.items():
        for name, messages in contexts:
            for source, english, _ in messages:
                wanted.add((name, source))
                text, unfinished = found.get((name, source), ("", True))
                if (name, source) not in found:
                    state = "missing"
                elif not text:
                    state = "empty"
                elif unfinished:
                    state = "unfinished"
                else:
                    continue
                todo += 1
                print("%s/%s\t%s\t%s\t%s\t(English: %s)"
                      % (code, area, name, state, source, english.replace("\n", "\\n")))
    for key in sorted(set(found) - wanted):
        print("%s\t%s\tobsolete\t%s\t(not in %s/)" % (code, key[0], key[1], REFERENCE))
    if add and todo:
        add_missing(code, reference, own, found)
    return todo


def add_missing(code, reference, own, found):
    placed = set()
    for area, contexts in reference.items():
        path = os.path.join(HERE, code, area)
        if all(found.get((name, source), ("", True))[0] and not found[(name, source)][1]
               for name, messages in contexts for source, _, _ in messages):
            continue  # nothing to add: the file stays as it is
        language = language_attribute(path) or language_attribute(
            next(iter(glob.glob(os.path.join(HERE, code, "*.ts"))), "")) or code
        written = []
        for name, messages in contexts:
            out = []
            for source, english, _ in messages:
                text, unfinished = found.get((name, source), ("", True))
                if not text:
                    text, unfinished = english, True
                out.append((source, text, unfinished))
                placed.add((name, source))
            written.append((name, out))
        # Texts of this area file that en/ does not know stay where they were.
        for name, messages in own.get(area, []):
            extra = [m for m in messages if (name, m[0]) not in placed]
            if not extra:
                continue
            for context in written:
                if context[0] == name:
                    context[1].extend(extra)
                    break
            else:
                written.append((name, extra))
            placed.update((name, m[0]) for m in extra)
        write_area(path, language, written)
        print("missing_translations: wrote %s" % os.path.relpath(path))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("languages", nargs="*", help="folder codes (default: all but en)")
    parser.add_argument("--add", action="store_true",
                        help="write missing texts as unfinished English into the area files")
    parser.add_argument("--check", action="store_true", help="exit 1 if anything is to do")
    args = parser.parse_args()
    reference = read_language(REFERENCE)
    codes = args.languages or sorted(
        d for d in os.listdir(HERE)
        if d != REFERENCE and glob.glob(os.path.join(HERE, d, "*.ts")))
    todo = 0
    for code in codes:
        if not os.path.isdir(os.path.join(HERE, code)):
            sys.exit("missing_translations: no folder %s" % code)
        todo += compare(code, reference, args.add)
    print("missing_translations: %d text(s) to translate in %d language(s)"
          % (todo, len(codes)), file=sys.stderr)
    if args.check and todo:
        sys.exit(1)


if __name__ == "__main__":
    main()
