# SPDX-FileCopyrightText: 2026 the Zorvane project
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The rules that turn facts into matrix cells, the generator that writes them,
and the engine paragraphs, checked against the facts."""

import json
import pathlib
import re
import sys
import unittest

ROOT = pathlib.Path(__file__).resolve().parent.parent
sys.path.insert(0, str(ROOT / "scripts"))

import generate_matrix  # noqa: E402
import zvfacts  # noqa: E402

FACTS = zvfacts.Facts()
RULES = {rule["id"]: rule for rule in FACTS.rules}


class Rules(unittest.TestCase):
    # (rule, attribute values, cell, attributes whose "?" kept it at 0)
    TABLE = [
        ("google_results", {"results_google": "all"}, 2, []),
        ("google_results", {"results_google": "choice"}, 1, []),
        ("google_results", {"results_google": "none"}, -2, []),
        ("google_results", {"results_google": "?"}, 0, ["results_google"]),
        ("bing_results", {"results_bing": "half"}, 1, []),
        ("independent_index", {"results_independent": "answers"}, -1, []),
        ("several_engines", {"combined": "own_plus_others"}, 1, []),
        ("whole_web", {"coverage": "whole_web"}, 2, []),
        ("whole_web", {"coverage": "small_web"}, -2, []),
        ("privacy", {"profiling": "opt_out", "stored": "?"}, -2, []),
        # A profile only with consent suits both answers: the user decides.
        ("privacy", {"profiling": "consent", "stored": "briefly"}, 0, []),
        ("privacy", {"profiling": "no", "stored": "anonymous"}, 2, []),
        ("privacy", {"profiling": "no", "stored": "?"}, 0, ["stored"]),
        ("privacy", {"profiling": "?", "stored": "no"}, 0, ["profiling"]),
        ("no_ads", {"ads": "none", "ad_free_option": "not_needed"}, 2, []),
        ("no_ads", {"ads": "query", "ad_free_option": "setting"}, 1, []),
        # An unknown ad-free option does not keep the ads' own fact from counting.
        ("no_ads", {"ads": "query", "ad_free_option": "?"}, -1, []),
        ("no_ads", {"ads": "personalised", "ad_free_option": "?"}, -2, []),
        ("pay", {"price": "paid_extras"}, -1, []),
        ("pay", {"price": "free"}, -2, []),
        ("ai_answers", {"ai": "on"}, 2, []),
        ("ai_answers", {"ai": "on_request"}, 1, []),
        ("ai_answers", {"ai": "none"}, -2, []),
        ("family_filter", {"family_filter": "by_design"}, 2, []),
        ("family_filter", {"family_filter": "in_settings"}, 0, []),
        ("family_filter", {"family_filter": "off_by_default"}, -1, []),
        ("eu_based", {"based": "europe_outside_eu"}, -1, []),
        ("eu_based", {"based": "outside_europe"}, -1, []),
        ("not_a_company", {"operator": "steward_company"}, -1, []),
        ("not_a_company", {"operator": "individual"}, 2, []),
        ("open_source", {"open_source": "no"}, -2, []),
        ("cause", {"cause": "profits_to_cause"}, 2, []),
        ("cause", {"cause": "none"}, -2, []),
        ("cause", {"cause": "?"}, 0, ["cause"]),
        ("language", {"focus_match": "this"}, 2, []),
        ("language", {"focus_match": "global_and_this"}, 1, []),
        ("language", {"focus_match": "global"}, 0, []),
        ("language", {"focus_match": "other"}, -2, []),
    ]

    def test_cells(self):
        for rule, facts, cell, unknown in self.TABLE:
            with self.subTest(rule=rule, facts=facts):
                self.assertEqual(zvfacts.cell(RULES[rule], facts), (cell, unknown))

    def test_a_value_no_case_covers_is_an_error(self):
        with self.assertRaises(zvfacts.RuleError):
            zvfacts.cell(RULES["pay"], {"price": "donations"})

    def test_a_rule_naming_a_value_the_facts_lack_is_refused(self):
        broken = zvfacts.Facts()
        broken.rules = [{"id": "pay", "cases": [{"when": {"price": ["fre"]}, "cell": 2}]}]
        with self.assertRaises(zvfacts.RuleError):
            broken.validate()

    def test_language_focus(self):
        for focus, language, match in [(["de"], "de", "this"), (["fr", "de"], "de", "this"),
                                       (["global", "en"], "en", "global_and_this"),
                                       (["global", "en"], "de", "global"),
                                       (["en"], "fr", "other"), ("?", "en", "?")]:
            self.assertEqual(zvfacts.focus_match(focus, language), match)

    def test_facts_of_a_language_replace_the_general_ones(self):
        google = FACTS.engine("Google")
        self.assertEqual(zvfacts.engine_facts(google, "fr")["ai"], "optional")
        self.assertEqual(zvfacts.engine_facts(google, "de")["ai"], "on")

    def test_every_question_lifts_one_engine_and_lowers_another(self):
        for language in ("en", "de", "fr"):
            rows = [FACTS.row(e["name"], language)[0] for e in FACTS.engines["engines"]]
            for q, rule in enumerate(FACTS.rules):
                with self.subTest(language=language, question=rule["id"]):
                    self.assertTrue(any(r[q] > 0 for r in rows) and any(r[q] < 0 for r in rows))


class Generator(unittest.TestCase):
    FILE = ("[ENGINES]\nENGINE0=Startpage\nENGINE1=Kagi\n[QUESTIONS]\nCOUNT={count}\n"
            "[MATRIX]\n; Kagi\nS1=9\n; Startpage\nS0 = 1,2\n[OTHER]\nS0=keep\n")

    def test_only_matrix_rows_change(self):
        text = self.FILE.format(count=len(FACTS.rules))
        out = generate_matrix.generated(text, "en", FACTS).split("\n")
        before = text.split("\n")
        changed = [i for i, (a, b) in enumerate(zip(before, out)) if a != b]
        self.assertEqual(changed, [7, 9])
        self.assertEqual(out[9], "S0=" + ",".join(map(str, FACTS.row("Startpage", "en")[0])))

    def test_a_file_with_other_questions_is_refused(self):
        with self.assertRaises(zvfacts.RuleError):
            generate_matrix.generated(self.FILE.format(count=3), "en", FACTS)

    def test_an_engine_without_facts_is_refused(self):
        text = self.FILE.format(count=len(FACTS.rules)).replace("Kagi\n[", "Nobody\n[")
        with self.assertRaises(zvfacts.RuleError):
            generate_matrix.generated(text, "en", FACTS)


def claims_against_facts(paragraph, facts_values, claims):
    """The phrases of `paragraph` that state a value its engine does not hold.
    Longer phrases are matched first, so "not personalised ads" is not also read
    as "personalised ads"."""
    phrases = sorted(((p, a, v) for a, rows in claims.items() for p, v in rows),
                     key=lambda row: -len(row[0]))
    wrong = []
    text = paragraph
    for phrase, attribute, values in phrases:
        pattern = re.compile(re.escape(phrase), re.IGNORECASE)
        if pattern.search(text):
            if not set(values) & facts_values[attribute]:
                wrong.append((phrase, attribute, sorted(facts_values[attribute])))
            text = pattern.sub("\0", text)
    return wrong


class EngineParagraphs(unittest.TestCase):
    def test_claims_match_the_facts(self):
        claims = json.loads((zvfacts.FACTS_DIR / "claims.json").read_text(encoding="utf-8"))
        for path in sorted((ROOT / "shipped" / "languages").glob("*/zv.cfg")):
            language = path.parent.name
            if language not in claims:
                continue  # a language without its phrases yet is not checked
            lines = path.read_text(encoding="utf-8").split("\n")
            names = dict(re.findall(r"^ENGINE(\d+)=(.*)$", "\n".join(lines), re.M))
            for n, paragraph in re.findall(r"^INFO(\d+)=(.*)$", "\n".join(lines), re.M):
                engine = FACTS.engine(names[n])
                held = {a: {f["value"] if isinstance(f["value"], str) else "list"}
                        for a, f in engine["facts"].items()}
                for facts in engine.get("by_language", {}).values():
                    for a, f in facts.items():
                        held[a].add(f["value"])
                with self.subTest(language=language, engine=names[n]):
                    self.assertEqual(claims_against_facts(paragraph, held, claims[language]), [])

    def test_a_wrong_claim_is_found(self):
        claims = {"ads": [["personalised ads", ["personalised"]],
                          ["not personalised ads", ["query"]]]}
        query = {"ads": {"query"}}
        self.assertEqual(claims_against_facts("Shows not personalised ads.", query, claims), [])
        self.assertEqual(claims_against_facts("Shows personalised ads.", query, claims),
                         [("personalised ads", "ads", ["query"])])


if __name__ == "__main__":
    unittest.main()
