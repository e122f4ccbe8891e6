#!/usr/bin/env python3
"""Static analysis of the program's own code: clang-tidy and cppcheck.

    analyse.py <windows build dir> <native build dir> [--only clang-tidy|cppcheck] [-j N]

Every source file of app/, database/, print/, selection/, settings/, ui/,
units/, win32/ and tools/ (test folders left out) that one of the two builds
compiles is analysed once: with the Windows build's compile commands when
that build compiles it (the Win32 code and the core as the program uses it),
else with the native build's (the host-only tools). clang-tidy reads its
checks from .clang-tidy and analyses the Windows files as MinGW-w64 code,
with the cross compiler's C++ and Windows headers. Its identifier-naming
check (PascalCase types, camelCase functions and members, a trailing
underscore on private and protected members, UPPER_CASE constants; the rules
are in .clang-tidy) lets the program's established names, listed in
tools/analysis/fixed-names.txt, stand as they are. cppcheck
runs its warning, performance and portability checks with the suppressions
in tools/analysis/cppcheck-suppressions.txt.
Exits 1 on any finding of either.
"""
import argparse
import concurrent.futures
import glob
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile

SOURCE_DIR = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
OWN_FOLDERS = ("app", "database", "print", "selection", "settings", "ui", "units", "win32",
               "tools")
FIXED_NAMES = os.path.join(SOURCE_DIR, "tools", "analysis", "fixed-names.txt")
SUPPRESSIONS = os.path.join(SOURCE_DIR, "tools", "analysis", "cppcheck-suppressions.txt")


def mingw_include_args():
    """The MinGW-w64 C++ and Windows header folders, as clang arguments."""
    roots = sorted(glob.glob("/usr/lib/gcc/x86_64-w64-mingw32/*-posix/include/c++"))
    if not roots:
        sys.exit("analyse: no MinGW-w64 (posix) C++ headers found")
    cxx = roots[-1]
    folders = [cxx, cxx + "/x86_64-w64-mingw32", cxx + "/backward",
               "/usr/x86_64-w64-mingw32/include"]
    args = ["--extra-arg=--target=x86_64-w64-mingw32"]
    args += ["--extra-arg=-isystem" + folder for folder in folders]
    return args


def own_entries(build_dir):
    """The compile commands of the build that compile the program's own files."""
    with open(os.path.join(build_dir, "compile_commands.json"), encoding="utf-8") as database:
        entries = json.load(database)
    prefixes = tuple(os.path.join(SOURCE_DIR, folder) + os.sep for folder in OWN_FOLDERS)
    chosen = {}
    for entry in entries:
        if entry["file"].startswith(prefixes) and "/tests/" not in entry["file"]:
            chosen.setdefault(entry["file"], entry)
    return chosen


def fixed_names():
    """The names of fixed-names.txt: one a line, '#' starts a comment."""
    names = []
    with open(FIXED_NAMES, encoding="utf-8") as listing:
        for line in listing:
            name = line.split("#", 1)[0].strip()
            if name:
                names.append(name)
    return names


def tidy_config(folder):
    """.clang-tidy with the fixed names let through by the naming check, as a
    file for --config-file. .clang-tidy ends with its CheckOptions list. The
    names are let through for every kind of name that has a rule there (an
    ignore pattern for a kind without one would take the kind's names away
    from the rules that do apply to them)."""
    with open(os.path.join(SOURCE_DIR, ".clang-tidy"), encoding="utf-8") as base:
        text = base.read().rstrip() + "\n"
    pattern = "^(" + "|".join(fixed_names()) + ")$"
    kinds = re.findall(r"key: readability-identifier-naming\.(\w+)Case\s*$", text, re.MULTILINE)
    for kind in kinds:
        text += (f"  - key: readability-identifier-naming.{kind}IgnoredRegexp\n"
                 f"    value: '{pattern}'\n")
    path = os.path.join(folder, "clang-tidy.yaml")
    with open(path, "w", encoding="utf-8") as out:
        out.write(text)
    return path


def tidy_one(job):
    build_dir, source, extra = job
    command = ["clang-tidy", "--quiet", "-p", build_dir] + extra + [source]
    result = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    # Counts of warnings in system headers are reported even with --quiet;
    # they are no findings.
    noise = ("warnings generated.", "warning generated.")
    lines = [line for line in result.stdout.splitlines()
             if not line.endswith(noise) and not line.startswith(("Suppressed ", "Use -header-filter"))]
    return source, result.returncode, "\n".join(lines).strip()


def run_clang_tidy(windows, native, native_build, windows_build, jobs):
    folder = tempfile.mkdtemp()
    config = ["--config-file=" + tidy_config(folder)]
    mingw = mingw_include_args()
    work = [(windows_build, f, config + mingw) for f in sorted(windows)]
    work += [(native_build, f, config) for f in sorted(native)]
    failed = 0
    with concurrent.futures.ThreadPoolExecutor(max_workers=jobs) as pool:
        for source, code, output in pool.map(tidy_one, work):
            if code != 0 or output:
                failed += 1
                print(f"== {os.path.relpath(source, SOURCE_DIR)}\n{output}")
    shutil.rmtree(folder, ignore_errors=True)
    print(f"clang-tidy: {len(work)} files ({len(windows)} as Windows code), {failed} with findings")
    return failed == 0


def run_cppcheck(entries, platform, jobs, label):
    if not entries:
        return True
    with tempfile.TemporaryDirectory() as folder:
        project = os.path.join(folder, "compile_commands.json")
        with open(project, "w", encoding="utf-8") as out:
            json.dump(list(entries.values()), out)
        command = ["cppcheck", "--project=" + project, "--platform=" + platform,
                   "--enable=warning,performance,portability", "--inline-suppr", "--quiet",
                   "--error-exitcode=1", "--suppressions-list=" + SUPPRESSIONS,
                   "-j", str(jobs)]
        if platform == "win64":
            command.append("--library=windows")
        result = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                                text=True)
    output = result.stdout.strip()
    if output:
        print(output)
    ok = result.returncode == 0 and not output
    print(f"cppcheck: {len(entries)} files as {label} code, {'clean' if ok else 'findings'}")
    return ok


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("windows_build")
    parser.add_argument("native_build")
    parser.add_argument("--only", choices=("clang-tidy", "cppcheck"))
    parser.add_argument("-j", type=int, default=2)
    args = parser.parse_args()

    windows = own_entries(args.windows_build)
    native = {f: e for f, e in own_entries(args.native_build).items() if f not in windows}
    ok = True
    if args.only in (None, "cppcheck"):
        ok &= run_cppcheck(windows, "win64", args.j, "Windows")
        ok &= run_cppcheck(native, "unix64", args.j, "native")
    if args.only in (None, "clang-tidy"):
        ok &= run_clang_tidy(windows, native, args.native_build, args.windows_build, args.j)
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
