#!/usr/bin/env python3
"""Mutation testing of the program's platform-free code.

    mutants.py [--sample N | --all] [--from MANIFEST] [--out DIR] [--list]

Each mutant is one small change to one source file: a relational boundary
moved, an arithmetic operator swapped, an integer constant moved by one, a
condition negated, a return value forced or an expression statement removed.
The tool builds each mutant, runs the native tests that link the changed
code and counts the mutant killed when a test fails or crashes, survived
when all pass, timed out when they exceed their limit, and not built when it
does not compile. The score is killed / (killed + survived + timed out):
mutants that are not built are no mutants and stay out of it, and timed-out
ones count against it (they may hang only under a fault, or be equivalent).

The mutants are taken from the .cpp files of SCOPE, skipping comments,
string and character literals and preprocessor lines, in a fixed order
(file, position, operator). A run of all of them takes hours, so by default
a stratified sample of SAMPLE mutants runs: within every file and operator,
max(1, round(n * SAMPLE / total)) mutants spread evenly over its n sites. The
same tree gives the same sample. `--from` replays a manifest written by an
earlier run; each mutant is found again by its source line's text, so
unrelated edits that shift lines do not lose it.

The work is done in DIR (build/mutants): src/ is a copy of the working tree
(git's tracked and unignored files), the only place a mutant is ever written
and restored on every way out; build/ is a Debug -O0 native build of that
copy, configured once and rebuilt incrementally. manifest.tsv holds the
mutants run, results.tsv their results, summary.txt the printed summary.
Its last line is `mutants: KILLED killed of TOTAL (SCORE %)`.
"""
import argparse
import glob
import json
import os
import re
import shutil
import signal
import subprocess
import sys
import time

SOURCE_DIR = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
# The folders whose .cpp files are mutated (sub-folders not included).
SCOPE = ("database", "units", "selection", "settings", "print", "ui/controls/rules",
         "ui/main/rules", "ui/dialogs/rules")
SAMPLE = 700  # mutants of a default run: within 30 minutes on 2 shared cores
# The native test executables: target name and the folder it runs in
# (relative to the build; None: its own folder).
TEST_EXECUTABLES = (("core_tests", "data"), ("refgen_tests", None))
OPERATORS = ("relational", "arithmetic", "constant", "negate", "return", "statement")
MANIFEST_COLUMNS = ("file", "line", "column", "operator", "original", "replacement",
                    "line_text")

# ---- Finding the mutants ---------------------------------------------------


def code_mask(text):
    """The text with comments, preprocessor lines and the insides of string and
    character literals blanked to spaces (line breaks kept, same length)."""
    out = list(text)
    n = len(text)

    def blank(start, end):
        for k in range(start, min(end, n)):
            if out[k] != "\n":
                out[k] = " "

    i = 0
    line_start = True
    while i < n:
        c = text[i]
        if c == "\n":
            line_start = True
            i += 1
        elif c in " \t\r":
            i += 1
        elif line_start and c == "#":
            end = i
            while end < n and (text[end] != "\n" or text[end - 1] == "\\"):
                end += 1
            blank(i, end)
            i = end
        elif text.startswith("//", i):
            end = text.find("\n", i)
            end = n if end < 0 else end
            blank(i, end)
            i = end
        elif text.startswith("/*", i):
            end = text.find("*/", i + 2)
            end = n if end < 0 else end + 2
            blank(i, end)
            i = end
            line_start = False
        elif c == '"' and i > 0 and text[i - 1] == "R":
            delimiter = text[i + 1:text.find("(", i)]
            end = text.find(")" + delimiter + '"', i)
            end = n if end < 0 else end + len(delimiter) + 1
            blank(i + 1, end)
            i = end + 1
            line_start = False
        elif c in "\"'":
            if c == "'" and i > 0 and text[i - 1].isalnum() and i + 1 < n and \
                    text[i + 1].isalnum() and re.match(r"\d", text[i - 1]):
                i += 1  # a digit separator
                continue
            end = i + 1
            while end < n and text[end] != c and text[end] != "\n":
                end += 2 if text[end] == "\\" else 1
            blank(i + 1, end)
            i = end + 1
            line_start = False
        else:
            line_start = False
            i += 1
    return "".join(out)


def matching(mask, open_at):
    """The index of the bracket that closes the one at open_at, or -1."""
    pairs = {"(": ")", "[": "]", "{": "}"}
    depth = 0
    for k in range(open_at, len(mask)):
        if mask[k] in pairs:
            depth += 1
        elif mask[k] in ")]}":
            depth -= 1
            if depth == 0:
                return k
    return -1


def statement_end(mask, start):
    """The index of the `;` that ends the statement from start at bracket depth
    0, or -1 when a block or the end of one comes first. A brace after `=`, a
    name or `return` opens an initializer, which the statement goes over."""
    depth = 0
    k = start
    while k < len(mask):
        c = mask[k]
        if c in "([":
            depth += 1
        elif c in ")]":
            depth -= 1
        elif c == "{" and depth == 0:
            if previous_char(mask, k) in (")", "") or \
                    re.search(r"\b(?:else|do|try)\s*$", mask[max(0, k - 8):k]):
                return -1
            k = matching(mask, k)
            if k < 0:
                return -1
        elif c == "}" and depth == 0:
            return -1
        elif c == ";" and depth == 0:
            return k
        k += 1
    return -1


def previous_char(mask, index):
    k = index - 1
    while k >= 0 and mask[k].isspace():
        k -= 1
    return mask[k] if k >= 0 else ""


def next_char(mask, index):
    k = index
    while k < len(mask) and mask[k].isspace():
        k += 1
    return mask[k] if k < len(mask) else ""


RELATIONAL = re.compile(r"(?<=\s)(<=|>=|<|>)(?=\s)")
RELATIONAL_SWAP = {"<": "<=", "<=": "<", ">": ">=", ">=": ">"}
ARITHMETIC = re.compile(r"(?<=\s)(\+=|-=|\*=|/=|\+|-|\*|/)(?=\s)")
ARITHMETIC_SWAP = {"+": "-", "-": "+", "*": "/", "/": "*", "+=": "-=", "-=": "+=",
                   "*=": "/=", "/=": "*="}
INTEGER = re.compile(r"(?<![\w.'])(?<![eEpP][+-])\d+(?![\w.'])")
ARRAY_DECLARATION = re.compile(r"^\s*(?:(?:static|constexpr|const)\s+)*[\w:<>,]+\s+\w+\s*\[")
CONDITION = re.compile(r"\b(?:if|while)\s*\(")
DECLARING = re.compile(r"\s*[\w:<>]+[*&]?\s+[*&]?\w+\s*(?:=(?!=)|\{)|.*;")
RETURN = re.compile(r"\breturn\b")
NOT_A_VALUE = {"0", "0.0", "nullptr", "{}", '""', "std::nullopt", "std::string()", "false"}
CHAIN = r"\*?[A-Za-z_][\w:]*(?:(?:\.|->)[A-Za-z_]\w*|\[[^\]]*\])*"
CALL = re.compile(CHAIN + r"\(")
ASSIGNMENT = re.compile(CHAIN + r"\s*(?:[-+*/%|&^]|<<|>>)?=(?!=)")
STEP = re.compile(r"(?:\+\+|--)" + CHAIN + r"|" + CHAIN + r"(?:\+\+|--)")
KEYWORDS = {"return", "break", "continue", "if", "for", "while", "do", "switch", "case",
            "default", "else", "goto", "throw", "using", "typedef", "namespace", "delete",
            "static_assert", "const", "constexpr", "static", "auto", "struct", "class", "enum",
            "template", "new", "sizeof"}


def top_level(expression, pattern):
    """Whether pattern matches expression outside every bracket."""
    depth = 0
    flat = []
    for c in expression:
        depth += c in "([{"
        depth -= c in ")]}"
        flat.append(c if depth == 0 or c in ")]}" else " ")
    return re.search(pattern, "".join(flat)) is not None


def find_sites(text):
    """Every mutant of one file's text: (start, end, operator, replacement),
    in a fixed order."""
    mask = code_mask(text)
    sites = []
    for match in RELATIONAL.finditer(mask):
        sites.append((match.start(), match.end(), "relational",
                      RELATIONAL_SWAP[match.group(1)]))
    for match in ARITHMETIC.finditer(mask):
        # A string literal next to a `+` is text put together, not a sum.
        if '"' in (previous_char(mask, match.start()), next_char(mask, match.end())):
            continue
        sites.append((match.start(), match.end(), "arithmetic",
                      ARITHMETIC_SWAP[match.group(1)]))
    for match in INTEGER.finditer(mask):
        line_start = mask.rfind("\n", 0, match.start()) + 1
        line = mask[line_start:mask.find("\n", match.start())]
        # Array sizes and template arguments: changing them breaks the build.
        if previous_char(mask, match.start()) == "<" or mask[match.end():match.end() + 1] == ">":
            continue
        if ARRAY_DECLARATION.match(line) and "[" in mask[line_start:match.start()] and \
                "]" not in mask[line_start:match.start()]:
            continue
        value = int(match.group(0))
        sites.append((match.start(), match.end(), "constant", str(value + 1)))
        if value > 0:
            sites.append((match.start(), match.end(), "constant", str(value - 1)))
    for match in CONDITION.finditer(mask):
        open_at = match.end() - 1
        close_at = matching(mask, open_at)
        # A condition that declares its variable cannot be negated.
        if close_at > 0 and not DECLARING.match(mask[open_at + 1:close_at]):
            inner = text[open_at + 1:close_at]
            sites.append((open_at, close_at + 1, "negate", "(!(" + inner + "))"))
    for match in RETURN.finditer(mask):
        start = match.end()
        while start < len(mask) and mask[start].isspace():
            start += 1
        end = statement_end(mask, start)
        if end <= start:
            continue
        value = text[start:end].strip()
        end = start + len(value)
        if value == "true":
            replacements = ["false"]
        elif value in NOT_A_VALUE:
            replacements = ["true"] if value == "false" else []
        elif not top_level(mask[start:end], r"\?") and (
                value.startswith("!") or
                top_level(mask[start:end], r"&&|\|\||==|!=|\s(<|>|<=|>=)\s")):
            replacements = ["true", "false"]
        else:
            replacements = ["{}"]
        for replacement in replacements:
            sites.append((start, end, "return", replacement))
    for line_match in re.finditer(r"^[ \t]*(\S)", mask, re.MULTILINE):
        start = line_match.start(1)
        if previous_char(mask, start) not in (";", "{", "}"):
            continue
        first_word = re.match(r"[A-Za-z_]\w*", mask[start:start + 20])
        if first_word and first_word.group(0) in KEYWORDS:
            continue
        end = statement_end(mask, start)
        if end < 0:
            continue
        statement = mask[start:end].strip()
        call = CALL.match(statement)
        if STEP.fullmatch(statement) or ASSIGNMENT.match(statement) or (
                call and matching(statement, call.end() - 1) == len(statement) - 1):
            sites.append((start, end + 1, "statement", ""))
    order = {name: index for index, name in enumerate(OPERATORS)}
    unique = sorted(set(sites), key=lambda s: (s[0], order[s[2]], s[1], s[3]))
    return unique


def scope_files(root):
    files = []
    for folder in SCOPE:
        files += glob.glob(os.path.join(root, folder, "*.cpp"))
    return sorted(os.path.relpath(path, root).replace(os.sep, "/") for path in files)


def describe(mutant):
    """The mutant as `file:line: change`."""
    original = " ".join(mutant["original"].split())
    replacement = " ".join(mutant["replacement"].split())
    if len(original) > 70:
        original = original[:67] + "..."
    if mutant["operator"] == "statement":
        change = f"removed `{original}`"
    else:
        if len(replacement) > 70:
            replacement = replacement[:67] + "..."
        change = f"`{original}` -> `{replacement}`"
    return (f"{mutant['file']}:{mutant['line']}: {mutant['operator']} {change} "
            f"(column {mutant['column']})")


def enumerate_mutants(root):
    mutants = []
    for path in scope_files(root):
        with open(os.path.join(root, path), encoding="utf-8", newline="") as source:
            text = source.read()
        for start, end, operator, replacement in find_sites(text):
            line_start = text.rfind("\n", 0, start) + 1
            line_end = text.find("\n", start)
            mutants.append({
                "file": path, "line": text.count("\n", 0, start) + 1,
                "column": start - line_start + 1, "operator": operator,
                "original": text[start:end], "replacement": replacement,
                "line_text": text[line_start:line_end if line_end >= 0 else len(text)]
            })
    return mutants


def stratified_sample(mutants, size):
    """max(1, round(n * size / total)) mutants of every file and operator,
    spread evenly over its n mutants; all of them when size covers them."""
    if size <= 0 or size >= len(mutants):
        return mutants
    strata = {}
    for index, mutant in enumerate(mutants):
        strata.setdefault((mutant["file"], mutant["operator"]), []).append(index)
    chosen = []
    for members in strata.values():
        n = len(members)
        take = max(1, round(n * size / len(mutants)))
        chosen += [members[int((j + 0.5) * n / take)] for j in range(take)]
    return [mutants[index] for index in sorted(chosen)]


# ---- Manifest ----------------------------------------------------------------


def escape(value):
    return str(value).replace("\\", "\\\\").replace("\t", "\\t").replace("\n", "\\n")


def unescape(value):
    return re.sub(r"\\(.)", lambda m: {"t": "\t", "n": "\n"}.get(m.group(1), m.group(1)),
                  value)


def write_table(path, mutants, extra=()):
    with open(path, "w", encoding="utf-8", newline="\n") as table:
        table.write("\t".join(MANIFEST_COLUMNS + tuple(extra)) + "\n")
        for mutant in mutants:
            table.write("\t".join(escape(mutant[c]) for c in MANIFEST_COLUMNS + tuple(extra)))
            table.write("\n")


def read_manifest(path):
    with open(path, encoding="utf-8") as table:
        rows = [line.rstrip("\n").split("\t") for line in table if line.strip()]
    header = rows[0]
    mutants = []
    for row in rows[1:]:
        mutant = {name: unescape(value) for name, value in zip(header, row)}
        mutant["line"] = int(mutant["line"])
        mutant["column"] = int(mutant["column"])
        mutants.append({c: mutant[c] for c in MANIFEST_COLUMNS})
    return mutants


def locate(mutant, text):
    """The offset of the mutant in text: on the line with its line text nearest
    its old line number, at its column shifted by any change of indentation;
    None when it is not there any more."""
    lines = text.split("\n")
    wanted = mutant["line_text"].strip()
    candidates = [k for k, line in enumerate(lines) if line.strip() == wanted]
    candidates.sort(key=lambda k: abs(k + 1 - mutant["line"]))
    old_indent = len(mutant["line_text"]) - len(mutant["line_text"].lstrip())
    for k in candidates:
        indent = len(lines[k]) - len(lines[k].lstrip())
        offset = sum(len(line) + 1 for line in lines[:k]) + mutant["column"] - 1 + indent - \
            old_indent
        if text[offset:offset + len(mutant["original"])] == mutant["original"]:
            return offset
    return None


# ---- Building and running ----------------------------------------------------


class Workspace:
    """The source copy and its build, in out_dir."""

    def __init__(self, out_dir):
        self.src = os.path.join(out_dir, "src")
        self.build = os.path.join(out_dir, "build")
        self.limits = {}

    def sync(self):
        """Makes src/ a copy of the working tree. Changed files get a new time
        stamp, so that a file restored here is always compiled again."""
        listed = subprocess.run(["git", "ls-files", "-co", "--exclude-standard", "-z"],
                                cwd=SOURCE_DIR, check=True, capture_output=True).stdout
        wanted = {name for name in listed.decode("utf-8").split("\0") if name}
        for name in sorted(wanted):
            source = os.path.join(SOURCE_DIR, name)
            target = os.path.join(self.src, name)
            if not os.path.isfile(source):
                continue
            with open(source, "rb") as original:
                content = original.read()
            if os.path.isfile(target):
                with open(target, "rb") as copy:
                    if copy.read() == content:
                        continue
            os.makedirs(os.path.dirname(target), exist_ok=True)
            with open(target, "wb") as copy:
                copy.write(content)
        # A run stopped hard may have left a mutant's object newer than its
        # restored source: every file a mutant goes into is compiled afresh.
        for name in scope_files(self.src):
            os.utime(os.path.join(self.src, name))
        for folder, _, names in os.walk(self.src):
            for name in names:
                path = os.path.relpath(os.path.join(folder, name), self.src)
                if path.replace(os.sep, "/") not in wanted:
                    os.remove(os.path.join(folder, name))

    def configure(self):
        if os.path.isfile(os.path.join(self.build, "CMakeCache.txt")):
            return
        command = ["cmake", "-S", self.src, "-B", self.build, "-G", "Unix Makefiles",
                   "-DCMAKE_BUILD_TYPE=Debug", "-DCMAKE_CXX_FLAGS_DEBUG=-O0 -g0"]
        if shutil.which("ld.lld"):
            command.append("-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld")
        subprocess.run(command, check=True, stdout=subprocess.DEVNULL)

    def build_all(self):
        targets = [name for name, _ in TEST_EXECUTABLES]
        subprocess.run(["cmake", "--build", self.build, "-j2", "--target"] + targets,
                       check=True, stdout=subprocess.DEVNULL)
        with open(os.path.join(self.build, "compile_commands.json"), encoding="utf-8") as db:
            entries = json.load(db)
        self.library_of = {}
        for entry in entries:
            found = re.search(r"CMakeFiles/([^/]+)\.dir/", entry["output"]
                              if "output" in entry else entry["command"])
            path = os.path.relpath(entry["file"], self.src).replace(os.sep, "/")
            if found:
                self.library_of[path] = found.group(1)
        self.libraries = sorted({self.library_of[path] for path in scope_files(self.src)
                                 if path in self.library_of})
        self.executables = []
        for name, run_dir in TEST_EXECUTABLES:
            links = glob.glob(os.path.join(self.build, "**", "CMakeFiles", name + ".dir",
                                           "link.txt"), recursive=True)
            if not links:
                continue
            folder = os.path.dirname(os.path.dirname(os.path.dirname(links[0])))
            with open(links[0], encoding="utf-8") as link:
                libraries = set(re.findall(r"lib([\w]+)\.a\b", link.read()))
            self.executables.append({
                "name": name, "path": os.path.join(folder, name), "libraries": libraries,
                "cwd": os.path.join(self.build, run_dir) if run_dir else folder})

    def measure(self):
        """Runs every test executable once on the unchanged code; each limit is
        three times its time plus 10 s. Fails when a test fails."""
        for executable in self.executables:
            began = time.monotonic()
            outcome, detail = run_test(executable, 600)
            seconds = time.monotonic() - began
            if outcome != "passed":
                sys.exit(f"mutants: {executable['name']} fails without a mutant: {detail}")
            executable["limit"] = 3 * seconds + 10
            executable["clean_seconds"] = seconds

    def covering(self, path):
        library = self.library_of.get(path)
        return library, [e for e in self.executables if library in e["libraries"]]


def run_group(command, limit, cwd=None, output=None):
    """Runs command in a process group of its own, which is ended whole on a
    time-out and on every other way out (Ctrl-C): no compiler may go on
    writing an object after the mutant's source is restored. Returns the exit
    status, or None on a time-out; output, a list, receives what it printed."""
    process = subprocess.Popen(command, cwd=cwd, stdin=subprocess.DEVNULL,
                               stdout=subprocess.PIPE if output is not None else
                               subprocess.DEVNULL, stderr=subprocess.STDOUT,
                               start_new_session=True)
    try:
        printed, _ = process.communicate(timeout=limit)
        if output is not None:
            output.append(printed)
        return process.returncode
    except subprocess.TimeoutExpired:
        return None
    finally:
        if process.poll() is None:
            os.killpg(process.pid, signal.SIGKILL)
            process.wait()


def run_test(executable, limit):
    command = [executable["path"], "--gtest_fail_fast", "--gtest_brief=1"]
    printed = []
    status = run_group(command, limit, executable["cwd"], printed)
    if status is None:
        return "timed out", f"{executable['name']} over {limit:.0f} s"
    if status == 0:
        return "passed", ""
    output = printed[0]
    failed = re.search(rb"^\[  FAILED  \] (\S+)", output, re.MULTILINE)
    if failed:
        return "killed", failed.group(1).decode("utf-8", "replace")
    if status < 0:
        return "killed", f"{executable['name']} crashed (signal {-status})"
    return "killed", f"{executable['name']} exit {status}"


def try_mutant(workspace, mutant, offset, text):
    """Builds and tests one mutant; the source copy is restored on every way
    out, Ctrl-C included."""
    path = os.path.join(workspace.src, mutant["file"])
    _, executables = workspace.covering(mutant["file"])
    mutated = text[:offset] + mutant["replacement"] + text[offset + len(mutant["original"]):]
    try:
        with open(path, "w", encoding="utf-8", newline="") as source:
            source.write(mutated)
        # Every library of the scope: the one a mutant was restored in last
        # must drop that mutant before any test links it again.
        targets = [name + "/fast" for name in workspace.libraries] + \
            [e["name"] + "/fast" for e in executables]
        if run_group(["make", "-C", workspace.build] + targets, None) != 0:
            return "not built", ""
        for executable in executables:
            outcome, detail = run_test(executable, executable["limit"])
            if outcome != "passed":
                return outcome, detail
        return "survived", ""
    finally:
        with open(path, "w", encoding="utf-8", newline="") as source:
            source.write(text)


# ---- Report ------------------------------------------------------------------


def summarise(mutants, seconds, heading):
    counts = {}
    for mutant in mutants:
        row = counts.setdefault(mutant["file"], {})
        row[mutant["result"]] = row.get(mutant["result"], 0) + 1
    columns = ("killed", "survived", "timed out", "not built")
    lines = [heading, f"Run time: {int(seconds) // 60} min {int(seconds) % 60} s", "",
             f"{'file':40} " + " ".join(f"{c:>9}" for c in columns)]
    total = {c: 0 for c in columns}
    for path in sorted(counts):
        lines.append(f"{path:40} " + " ".join(f"{counts[path].get(c, 0):>9}" for c in columns))
        for c in columns:
            total[c] += counts[path].get(c, 0)
    lines.append(f"{'all':40} " + " ".join(f"{total[c]:>9}" for c in columns))
    lost = [m for m in mutants if m["result"] == "not found"]
    if lost:
        lines += ["", f"Not found in the source any more ({len(lost)}, left out):"]
        lines += [describe(m) for m in lost]
    lines += ["", "Surviving mutants:"]
    lines += [describe(m) for m in mutants if m["result"] == "survived"] or ["(none)"]
    timed_out = [m for m in mutants if m["result"] == "timed out"]
    if timed_out:
        lines += ["", "Timed out (counted in the total, not as killed):"]
        lines += [describe(m) for m in timed_out]
    scored = total["killed"] + total["survived"] + total["timed out"]
    score = 100.0 * total["killed"] / scored if scored else 0.0
    lines += ["", f"Not built: {total['not built']} (left out of the total).",
              f"mutants: {total['killed']} killed of {scored} ({score:.1f} %)"]
    return "\n".join(lines) + "\n"


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--sample", type=int, default=SAMPLE,
                        help=f"mutants in the stratified sample (default {SAMPLE})")
    parser.add_argument("--all", action="store_true", help="run every mutant")
    parser.add_argument("--from", dest="manifest", help="replay the mutants of a manifest")
    parser.add_argument("--out", default=os.path.join(SOURCE_DIR, "build", "mutants"))
    parser.add_argument("--list", action="store_true",
                        help="only write the manifest of the chosen mutants")
    args = parser.parse_args()
    for name in (signal.SIGTERM, signal.SIGHUP):
        signal.signal(name, signal.default_int_handler)
    began = time.monotonic()
    args.out = os.path.abspath(args.out)
    os.makedirs(args.out, exist_ok=True)
    workspace = Workspace(args.out)
    workspace.sync()
    if args.manifest:
        mutants = read_manifest(args.manifest)
        heading = f"Mutation run: the {len(mutants)} mutants of {args.manifest}"
    else:
        every = enumerate_mutants(workspace.src)
        mutants = stratified_sample(every, 0 if args.all else args.sample)
        heading = (f"Mutation run: {len(mutants)} of {len(every)} mutants"
                   + ("" if len(mutants) == len(every) else
                      " (stratified by file and operator)"))
    write_table(os.path.join(args.out, "manifest.tsv"), mutants)
    if args.list:
        print(heading)
        return 0
    workspace.configure()
    workspace.build_all()
    workspace.measure()
    texts = {}
    for number, mutant in enumerate(mutants, 1):
        if mutant["file"] not in texts:
            with open(os.path.join(workspace.src, mutant["file"]), encoding="utf-8",
                      newline="") as source:
                texts[mutant["file"]] = source.read()
        offset = locate(mutant, texts[mutant["file"]])
        if offset is None or workspace.covering(mutant["file"])[0] is None:
            mutant["result"], mutant["detail"] = "not found", ""
        else:
            mutant["result"], mutant["detail"] = try_mutant(workspace, mutant, offset,
                                                             texts[mutant["file"]])
        print(f"[{number}/{len(mutants)}] {mutant['result']}: {describe(mutant)}",
              file=sys.stderr, flush=True)
    # The restored code must pass again: no mutant may be left in the build.
    workspace.build_all()
    workspace.measure()
    write_table(os.path.join(args.out, "results.tsv"), mutants, ("result", "detail"))
    summary = summarise(mutants, time.monotonic() - began, heading)
    with open(os.path.join(args.out, "summary.txt"), "w", encoding="utf-8") as out:
        out.write(summary)
    sys.stdout.write(summary)
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except KeyboardInterrupt:
        sys.exit("mutants: stopped; the source copy is restored")
