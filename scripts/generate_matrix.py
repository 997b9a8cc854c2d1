#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 the Zorvane project
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Writes the [MATRIX] rows of every shipped language file, the rules table of
the help pages and the sources page, from the facts in facts/ and the rules in
facts/rules.json.

Only the S<n>= lines of [MATRIX] change; every other line stays as it is. The
engines are matched by name ([ENGINES]), the questions by position: question n
is rule n, and each language folder's name is the language its question on
language asks about.

  generate_matrix.py            rewrite the files
  generate_matrix.py --check    change nothing; exit 1 if a file differs
  generate_matrix.py --report   also list the cells a "?" kept at 0 and the
                                cells that differ by language
"""

import argparse
import html
import pathlib
import re
import sys

import zvfacts

LANGUAGES = zvfacts.ROOT / "shipped" / "languages"
SOURCES_PAGE = zvfacts.ROOT / "shipped" / "sources.html"
SECTION = re.compile(r"^\s*\[([^\]]*)\]?")
KEY = re.compile(r"^\s*([A-Za-z]+)(\d*)\s*=(.*)$")


def sections(lines):
    """Yields (section, line number, key, number, value) for every key line."""
    section = None
    for i, line in enumerate(lines):
        header = SECTION.match(line)
        if header and line.lstrip().startswith("["):
            section = header.group(1).strip().upper()
            continue
        if line.lstrip().startswith(";"):
            continue
        key = KEY.match(line)
        if key and section:
            yield section, i, key.group(1).upper(), key.group(2), key.group(3).strip()


def generated(text, language, facts):
    """The file's text with its matrix rows as the facts and rules give them."""
    lines = text.split("\n")
    keys = list(sections(lines))
    names = {int(n): v for s, _, k, n, v in keys if s == "ENGINES" and k == "ENGINE" and n}
    count = next((v for s, _, k, n, v in keys if s == "QUESTIONS" and k == "COUNT"), None)
    if count is None or int(count) != len(facts.rules):
        raise zvfacts.RuleError(f"{language}: {count} questions, but {len(facts.rules)} rules")
    rows = [(i, int(n)) for s, i, k, n, _ in keys if s == "MATRIX" and k == "S" and n]
    if sorted(n for _, n in rows) != sorted(names):
        raise zvfacts.RuleError(
            f"{language}: matrix rows {sorted(n for _, n in rows)} for engines {sorted(names)}")
    for i, n in rows:
        cells, _ = facts.row(names[n], language)
        lines[i] = f"S{n}=" + ",".join(str(c) for c in cells)
    return "\n".join(lines)


def sources_page(facts):
    items = []
    for s in facts.sources:
        also = f" {html.escape(s['also'])}" if "also" in s else ""
        items.append(
            f'<li id="s{s["n"]}" value="{s["n"]}">{html.escape(s["title"])}, '
            f'<a href="{html.escape(s["url"])}">{html.escape(s["url"])}</a>, '
            f'{html.escape(s["date"])}{also}</li>')
    template = (zvfacts.FACTS_DIR / "sources.html.in").read_text(encoding="utf-8")
    return template.replace("@SOURCES@", "\n".join(items))


def rules_table(facts, language):
    """The rules in plain words as an HTML table, for the help page."""
    words = facts.help[language]
    heads = "".join(f"<th>{words[k]}</th>" for k in ("question", "cell", "says"))
    rows = [f"<tr>{heads}</tr>"]
    for q, rule in enumerate(facts.rules):
        cases = [(c["cell"], c["says"][language]) for c in rule["cases"]] + [(0, words["unknown"])]
        for i, (value, says) in enumerate(cases):
            head = (f'<td rowspan="{len(cases)}">Q{q}: {html.escape(rule["topic"][language])}</td>'
                    if i == 0 else "")
            number = str(value).replace("-", "&minus;")
            rows.append(f"<tr>{head}<td>{number}</td><td>{html.escape(says)}</td></tr>")
    return "<table>\n" + "\n".join(rows) + "\n</table>"


def help_page(text, language, facts):
    """The help page with the table between its RULES markers rewritten."""
    start, end = "<!-- RULES -->\n", "<!-- /RULES -->"
    if start not in text or language not in facts.help:
        return text
    head, rest = text.split(start, 1)
    return head + start + rules_table(facts, language) + "\n" + end + rest.split(end, 1)[1]


def report(facts, languages):
    rule_ids = [r["id"] for r in facts.rules]
    print("Cells a \"?\" kept at 0 (engine: question [attributes]):")
    for engine in facts.engines["engines"]:
        _, unknown = facts.row(engine["name"], "")
        for q, why in unknown:
            print(f"  {engine['name']}: Q{q} {rule_ids[q]} [{', '.join(why)}]")
    print("Cells that differ by language (the language question left out):")
    for language in languages:
        for engine in facts.engines["engines"]:
            own, _ = facts.row(engine["name"], language)
            plain, _ = facts.row(engine["name"], "")
            for q, (a, b) in enumerate(zip(own, plain)):
                if a != b and rule_ids[q] != "language":
                    print(f"  {language}: {engine['name']} Q{q} {rule_ids[q]}: {b} -> {a}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--check", action="store_true")
    parser.add_argument("--report", action="store_true")
    args = parser.parse_args()
    facts = zvfacts.Facts()
    outputs = {SOURCES_PAGE: sources_page(facts)}
    languages = sorted(p.parent.name for p in LANGUAGES.glob("*/zv.cfg"))
    for language in languages:
        path = LANGUAGES / language / "zv.cfg"
        outputs[path] = generated(path.read_text(encoding="utf-8"), language, facts)
    for language, path in [("en", zvfacts.ROOT / "shipped" / "zvs.html")] + [
            (p.parent.name, p) for p in sorted(LANGUAGES.glob("*/zvs.html"))]:
        outputs[path] = help_page(path.read_text(encoding="utf-8"), language, facts)
    differing = [p for p, text in outputs.items()
                 if not p.exists() or p.read_text(encoding="utf-8") != text]
    if args.report:
        report(facts, languages)
    if args.check:
        for path in differing:
            print(f"{path.relative_to(zvfacts.ROOT)} differs from the facts; "
                  "run scripts/generate_matrix.py", file=sys.stderr)
        return 1 if differing else 0
    for path in differing:
        path.write_text(outputs[path], encoding="utf-8")
        print(f"wrote {path.relative_to(zvfacts.ROOT)}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
