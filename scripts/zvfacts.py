# SPDX-FileCopyrightText: 2026 the Zorvane project
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The engines' facts and the rules that turn them into matrix cells.

Reads facts/engines.json, facts/sources.json and facts/rules.json (Python's
standard library only, so every language file can be regenerated anywhere).
"""

import json
import pathlib

ROOT = pathlib.Path(__file__).resolve().parent.parent
FACTS_DIR = ROOT / "facts"
UNKNOWN = "?"


class RuleError(Exception):
    """A fact value that no case of a rule covers, or a fact of the wrong type."""


def load_json(name):
    with open(FACTS_DIR / name, encoding="utf-8") as f:
        return json.load(f)


def focus_match(focus, language):
    """How an engine's language focus (codes, or "global") meets a file's language."""
    if focus == UNKNOWN:
        return UNKNOWN
    if language in focus:
        return "global_and_this" if "global" in focus else "this"
    return "global" if "global" in focus else "other"


def engine_facts(engine, language):
    """The engine's attribute values as they hold for a language file's readers:
    its facts, with those its record states for that language in their place."""
    facts = {name: fact["value"] for name, fact in engine["facts"].items()}
    for name, fact in engine.get("by_language", {}).get(language, {}).items():
        facts[name] = fact["value"]
    facts["focus_match"] = focus_match(facts["focus"], language)
    return facts


def cell(rule, facts):
    """The cell a rule gives for these facts, and the attributes whose "?" left it
    at 0 (empty when a case decided it)."""
    unknown = []
    for case in rule["cases"]:
        holds = True
        for attribute, accepted in case["when"].items():
            value = facts[attribute]
            if value == UNKNOWN:
                if attribute not in unknown:
                    unknown.append(attribute)
                holds = False
            elif value not in accepted:
                holds = False
        if holds:
            return case["cell"], []
    if not unknown:
        values = {a: facts[a] for case in rule["cases"] for a in case["when"]}
        raise RuleError(f"rule {rule['id']}: no case for {values}")
    return 0, unknown


class Facts:
    """Everything the generator and its checks read, loaded once."""

    def __init__(self):
        self.engines = load_json("engines.json")
        self.sources = load_json("sources.json")["sources"]
        rules = load_json("rules.json")
        self.rules = rules["questions"]
        self.help = rules["help"]
        self.validate()

    def validate(self):
        numbers = {s["n"] for s in self.sources}
        attributes = self.engines["attributes"]
        for engine in self.engines["engines"]:
            records = list(engine["facts"].items())
            for facts in engine.get("by_language", {}).values():
                records += list(facts.items())
                for name, fact in facts.items():
                    if not fact["sources"]:
                        raise RuleError(
                            f"{engine['name']}: {name} differs by language without a source")
            if set(engine["facts"]) != set(attributes):
                wrong = set(engine["facts"]) ^ set(attributes)
                raise RuleError(f"{engine['name']}: attributes {wrong}")
            for name, fact in records:
                allowed = attributes[name].get("values")
                if allowed and fact["value"] not in allowed + [UNKNOWN]:
                    raise RuleError(f"{engine['name']}: {name} = {fact['value']!r}")
                missing = set(fact["sources"]) - numbers
                if missing:
                    raise RuleError(f"{engine['name']}: {name} cites unknown sources {missing}")

        derived = {"focus_match": ["this", "global_and_this", "global", "other"]}
        for rule in self.rules:
            for case in rule["cases"]:
                for name, accepted in case["when"].items():
                    known = derived.get(name) or attributes.get(name, {}).get("values", [])
                    if set(accepted) - set(known):
                        raise RuleError(f"rule {rule['id']}: {name} has no value "
                                        f"{sorted(set(accepted) - set(known))}")

    def engine(self, name):
        for engine in self.engines["engines"]:
            if engine["name"] == name:
                return engine
        raise RuleError(f"no facts for engine {name!r}")

    def row(self, name, language):
        """Engine's cells for every question, and the questions a "?" kept at 0
        as (question number, attributes)."""
        facts = engine_facts(self.engine(name), language)
        cells, unknown = [], []
        for q, rule in enumerate(self.rules):
            value, why = cell(rule, facts)
            cells.append(value)
            if why:
                unknown.append((q, why))
        return cells, unknown
