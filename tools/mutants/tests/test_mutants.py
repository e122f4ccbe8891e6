#!/usr/bin/env python3
"""The mutation tool's operators, its replay of a manifest and its sample."""
import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
import mutants  # noqa: E402

SAMPLE = r'''#include <vector>
// if (a < b) return x + 1;
int f(int a, int b) {
    std::vector<int> kept;
    char name[8];
    std::array<int, 3> three{};
    const char* text = "a < b + 1";
    if (a < b && b >= 2) {
        total = a * 3;
        ++a;
        report(a, '+');
    }
    int c = a - b;
    return c;
}
bool g(int a) {
    return a == 1;
}
std::string h(const std::string& s) {
    return "-" + s;
}
'''


def changes(text):
    return [(operator, text[start:end], replacement)
            for start, end, operator, replacement in mutants.find_sites(text)]


class Operators(unittest.TestCase):
    def test_code_only(self):
        mask = mutants.code_mask(SAMPLE)
        self.assertEqual(len(mask), len(SAMPLE))
        self.assertNotIn("include", mask)
        self.assertNotIn("return x", mask)
        self.assertIn('"         "', mask)
        self.assertIn("' '", mask)

    def test_each_operator_at_its_sites(self):
        found = changes(SAMPLE)
        # None in the comment, the include, the text, `<int>`, `[8]` or `<int, 3>`.
        expected = [
            ("negate", "(a < b && b >= 2)", "(!(a < b && b >= 2))"),
            ("relational", "<", "<="), ("relational", ">=", ">"),
            ("constant", "2", "3"), ("constant", "2", "1"),
            ("statement", "total = a * 3;", ""), ("arithmetic", "*", "/"),
            ("constant", "3", "4"), ("constant", "3", "2"),
            ("statement", "++a;", ""), ("statement", "report(a, '+');", ""),
            ("arithmetic", "-", "+"),  # `int c = ...` is a declaration, not removed
            ("return", "c", "{}"),
            ("return", "a == 1", "true"), ("return", "a == 1", "false"),
            ("constant", "1", "2"), ("constant", "1", "0"),
            ("return", '"-" + s', "{}"),  # and no `-` for the `+` of a text
        ]
        self.assertEqual(sorted(found), sorted(expected))

    def test_declaring_condition_and_true_return(self):
        text = "void f() {\n    if (auto* p = find()) {\n        return true;\n    }\n}\n"
        self.assertEqual(changes(text), [("return", "true", "false")])


class Replay(unittest.TestCase):
    def test_manifest_round_trip_and_search_after_shifts(self):
        every = mutants.enumerate_mutants(mutants.SOURCE_DIR)
        chosen = [m for m in every if m["operator"] == "negate"][:3] + \
            [m for m in every if m["operator"] == "return"][:3]
        with tempfile.TemporaryDirectory() as folder:
            path = os.path.join(folder, "manifest.tsv")
            mutants.write_table(path, chosen)
            self.assertEqual(mutants.read_manifest(path), chosen)
        mutant = dict(chosen[0], line=3, column=11, line_text="    x = a < b;",
                      original="<", replacement="<=")
        moved = "// new\n// lines\n// here\n{\n        x = a < b;\n}\n"
        self.assertEqual(moved[mutants.locate(mutant, moved):][:5], "< b;\n")
        self.assertIsNone(mutants.locate(mutant, "x = a <= b;\n"))

    def test_sample_keeps_every_stratum_and_is_stable(self):
        every = mutants.enumerate_mutants(mutants.SOURCE_DIR)
        sample = mutants.stratified_sample(every, len(every) // 4)
        self.assertEqual(sample, mutants.stratified_sample(every, len(every) // 4))
        strata = {(m["file"], m["operator"]) for m in every}
        self.assertEqual({(m["file"], m["operator"]) for m in sample}, strata)
        self.assertLess(abs(len(sample) - len(every) // 4), len(strata))


if __name__ == "__main__":
    unittest.main()
