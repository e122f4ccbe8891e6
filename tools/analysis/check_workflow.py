"""Checks the Windows workflow of GitHub Actions, which cannot run here: it
must parse as YAML, name its jobs' steps, and run only commands that the
README gives (the git line-end setting before the checkout aside), so that
the README and the workflow do not drift apart.

    python3 check_workflow.py .github/workflows/windows.yml README.md
"""
import sys

import yaml


def main(workflow_path, readme_path):
    with open(workflow_path, encoding="utf-8") as f:
        workflow = yaml.safe_load(f)
    with open(readme_path, encoding="utf-8") as f:
        readme = f.read()
    problems = []
    commands = 0
    for name, job in (workflow.get("jobs") or {}).items():
        for step in job.get("steps") or []:
            if "run" not in step and "uses" not in step:
                problems.append(f"job {name}: a step with neither run nor uses: {step}")
            command = (step.get("run") or "").strip()
            if not command or command.startswith("git config"):
                continue
            commands += 1
            if command not in readme:
                problems.append(f"job {name}: not in the README: {command}")
    if commands == 0:
        problems.append("no commands at all")
    for problem in problems:
        print(problem)
    print(f"{workflow_path}: {commands} commands, {len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
