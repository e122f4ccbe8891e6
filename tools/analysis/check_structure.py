#!/usr/bin/env python3
"""Checks the shape of the code that neither compiler nor tests see.

    check_structure.py includes|libraries [source folder]

includes: the program's folders include each other in one direction only.
Every #include "..." of the program's own code must name a header of a layer
the including folder may use, and the platform-free folders must include no
Windows header. The layers, lowest first:

  core          database/ units/ selection/ settings/
  platform-free print/ (the report), ui/*/rules/ (decisions of the windows),
                ui/look/ (the colours)
  win32/        Win32 support: handle owners, GDI guards, text, small helpers
  ui/framework/ dialog and control bases
  ui/controls/  the program's own controls (no main window, dialog or engine)
  ui/dialogs/, print/windows/, ui/main/
  app/          start-up
  bench/        measuring code (bench/core/ platform-free)

libraries: every library of the project is declared the one way,
olvane_library() of cmake/ProjectOptions.cmake; add_library appears nowhere
else in the project's CMake files.

Exits 1 and names each place that breaks its rule.
"""
import os
import re
import sys

CORE = ("database/", "units/", "selection/", "settings/")
RESOURCES = ("resources/",)
LOOK = ("ui/look/",)  # the program's colours: a header of constants

# (folder, the folders its files may include), the most specific folder first.
LAYERS = [
    ("ui/controls/rules/", CORE + ("ui/controls/rules/",)),
    ("ui/dialogs/rules/", CORE + ("ui/dialogs/rules/",)),
    ("ui/main/rules/", CORE + RESOURCES + LOOK + ("ui/main/rules/",)),
    ("ui/look/", ()),
    ("database/", ("database/",)),
    ("units/", ("units/",)),
    ("selection/", ("selection/", "database/", "units/")),
    ("settings/", ("settings/", "selection/", "units/")),
    ("print/windows/", CORE + ("print/", "win32/")),
    ("print/", CORE + ("print/",)),
    ("win32/", ("win32/",)),
    ("ui/framework/", ("win32/", "ui/framework/")),
    ("ui/controls/", ("win32/", "ui/framework/", "ui/controls/", "units/") + RESOURCES + LOOK),
    ("ui/dialogs/", CORE + RESOURCES + LOOK + ("win32/", "ui/framework/", "ui/controls/",
                                               "ui/dialogs/")),
    ("ui/main/", CORE + RESOURCES + LOOK + ("win32/", "ui/framework/", "ui/controls/",
                                            "ui/dialogs/", "ui/main/", "print/")),
    ("app/", CORE + RESOURCES + ("win32/", "ui/", "app/")),
    ("tools/", CORE + ("tools/",)),
    # Measuring code: the core benchmarks stay platform-free; the paint and
    # start-up timings sit on top of the program and the GUI tests' harness.
    ("bench/core/", CORE + ("tools/", "bench/core/")),
    ("bench/", CORE + RESOURCES + ("win32/", "ui/", "app/", "tests/", "bench/")),
]

# Folders whose code builds without Windows: no Windows header at all.
PLATFORM_FREE = CORE + ("print/ReportContent", "print/ReportPrinter", "print/ReportDevice",
                        "ui/controls/rules/", "ui/dialogs/rules/", "ui/main/rules/", "ui/look/",
                        "tools/", "bench/core/")
WINDOWS_HEADERS = re.compile(r"#\s*include\s*<(windows|windowsx|commctrl|commdlg|shellapi|"
                             r"winuser|wingdi|winreg)\.h>", re.IGNORECASE)
OWN_INCLUDE = re.compile(r'#\s*include\s*"([^"]+)"')


def layer_of(path):
    for folder, allowed in LAYERS:
        if path.startswith(folder):
            return folder, allowed
    return None, None


def check(source_dir):
    problems = []
    for folder, _ in LAYERS:
        top = os.path.join(source_dir, folder)
        for root, _, files in os.walk(top):
            for name in sorted(files):
                if not name.endswith((".h", ".cpp")):
                    continue
                full = os.path.join(root, name)
                path = os.path.relpath(full, source_dir).replace(os.sep, "/")
                if "/tests/" in "/" + path:
                    continue
                layer, allowed = layer_of(path)
                if layer != folder:
                    continue  # belongs to a more specific layer, checked there
                with open(full, encoding="utf-8", errors="replace") as source:
                    for number, line in enumerate(source, 1):
                        match = OWN_INCLUDE.match(line.strip())
                        if match:
                            target = match.group(1)
                            if "/" in target and not target.startswith(allowed):
                                problems.append(f"{path}:{number}: {layer} may not include "
                                                f"{target}")
                        elif path.startswith(PLATFORM_FREE) and WINDOWS_HEADERS.match(
                                line.strip()):
                            problems.append(f"{path}:{number}: platform-free code includes a "
                                            f"Windows header: {line.strip()}")
    return problems


LIBRARY_FUNCTION = "cmake/ProjectOptions.cmake"
ADD_LIBRARY = re.compile(r"^\s*add_library\s*\(", re.IGNORECASE)


def check_libraries(source_dir):
    problems = []
    for root, dirs, files in os.walk(source_dir):
        dirs[:] = sorted(d for d in dirs if d not in (".git", "build"))
        for name in sorted(files):
            if name != "CMakeLists.txt" and not name.endswith(".cmake"):
                continue
            full = os.path.join(root, name)
            path = os.path.relpath(full, source_dir).replace(os.sep, "/")
            if path == LIBRARY_FUNCTION:
                continue
            with open(full, encoding="utf-8", errors="replace") as source:
                for number, line in enumerate(source, 1):
                    if ADD_LIBRARY.match(line.split("#", 1)[0]):
                        problems.append(f"{path}:{number}: a library declared with add_library; "
                                        "use olvane_library")
    return problems


def main():
    if len(sys.argv) < 2 or sys.argv[1] not in ("includes", "libraries"):
        sys.exit(__doc__)
    source_dir = sys.argv[2] if len(sys.argv) > 2 else os.path.dirname(
        os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    if sys.argv[1] == "includes":
        problems = check(source_dir)
        summary = (f"include directions: {len(problems)} wrong way" if problems
                   else "include directions: every include points down")
    else:
        problems = check_libraries(source_dir)
        summary = (f"library declarations: {len(problems)} outside olvane_library" if problems
                   else "library declarations: every library through olvane_library")
    for problem in problems:
        print(problem)
    print(summary)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
