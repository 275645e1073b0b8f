#!/usr/bin/env python3
"""Plants plausible bugs in the code, one at a time, and says which the tests catch.

    scripts/try_mutants.py [--build-dir DIR] [--only TEXT] [--check] [MUTANT_FILE...]

Each mutant names a source file, a piece of its text that must occur exactly
once, the text that replaces it, and optionally the test programs to run. For
each mutant in turn the file is changed, the test programs (and whatever they
depend on) are rebuilt, their tests run, and the file is restored, whatever
happens: a failure, Ctrl-C or SIGTERM. A mutant is caught when a test fails
(or hangs past --timeout). A table of caught and missed mutants ends the run;
the exit status is 0 only when every mutant was caught.

Mutant files (tests/mutants/*.txt by default) are plain text:

    # A comment.
    file: cli/study_report.cc         <- defaults for the mutants below
    tests: cli_study_test

    mutant: the mean generation to the optimum is taken over every run
    find: ShortestText(generation_sum / successes)
    replace: ShortestText(generation_sum / runs)

    mutant: a run that succeeds at generation 0 is not counted
    file: cli/study_runner.cc
    find:
    | for (int g = 0; g <= last; ++g) {
    replace:
    | for (int g = 1; g <= last; ++g) {

`key: value` takes the rest of the line after ": " as it stands. A key with
nothing after it takes the lines below that start with "|": each without its
"| " (a lone "|" is an empty line), joined with line ends; a lone "|" as
the replacement deletes the text. Keys before the first `mutant:` are
defaults for every mutant of the file. `file` is relative
to the repository; `tests` lists CMake targets of test programs, separated by
blanks (without it, everything is built and the whole suite runs).
`equivalent: WHY` records a mutant that no input can tell apart from the
code; it is listed, not run. The text to find is matched exactly, never by
line number, so mutants keep working as the code around them moves; one whose
text is not found exactly once is refused.
"""

import argparse
import contextlib
import dataclasses
import json
import os
import re
import signal
import subprocess
import sys
import time
from pathlib import Path

REPOSITORY = Path(__file__).resolve().parent.parent
KEYS = ("mutant", "file", "tests", "find", "replace", "equivalent")
DEFAULT_KEYS = ("file", "tests")
# A copy of each file while it is changed, so that a run killed outright is
# undone by the next one.
BACKUP_FOLDER = "mutants-backup"


class MutantFileError(Exception):
    pass


@dataclasses.dataclass
class Mutant:
    name: str
    origin: str  # FILE:LINE of its `mutant:` line
    file: str = ""
    tests: list = dataclasses.field(default_factory=list)
    find: str = None
    replace: str = None
    equivalent: str = None
    result: str = ""
    detail: str = ""


def read_mutant_file(path):
    """The mutants of one file, in order."""
    lines = Path(path).read_text(encoding="utf-8").split("\n")
    defaults = {}
    mutants = []
    number = 0

    def fail(message):
        raise MutantFileError(f"{path}:{number}: {message}")

    def assign(key, value):
        if key == "tests":
            value = value.split()
        if key == "mutant":
            mutants.append(Mutant(name=value, origin=f"{path}:{number}", **defaults))
        elif mutants:
            setattr(mutants[-1], key, value)
        elif key in DEFAULT_KEYS:
            defaults[key] = value
        else:
            fail(f"'{key}' before the first 'mutant:'")

    index = 0
    while index < len(lines):
        line = lines[index]
        index += 1
        number = index
        if not line.strip() or line.startswith("#"):
            continue
        match = re.fullmatch(r"([a-z]+):( (.*))?", line)
        if not match or match.group(1) not in KEYS:
            fail(f"expected one of {', '.join(k + ':' for k in KEYS)} or a comment, not {line!r}")
        key, value = match.group(1), match.group(3)
        if value is None:
            block = []
            while index < len(lines) and lines[index].startswith("|"):
                text = lines[index][1:]
                if text and not text.startswith(" "):
                    number = index + 1
                    fail('a block line starts with "| " (or is a lone "|")')
                block.append(text[1:])
                index += 1
            if not block:
                fail(f"'{key}:' needs a value on its line or '|' lines below it")
            value = "\n".join(block)
        assign(key, value)

    for mutant in mutants:
        # An empty replacement (a lone "|") deletes the text.
        for key in ("file", "find", "replace"):
            if getattr(mutant, key) is None or (key != "replace" and not getattr(mutant, key)):
                raise MutantFileError(f"{mutant.origin}: mutant '{mutant.name}' has no '{key}:'")
        if mutant.find == mutant.replace:
            raise MutantFileError(f"{mutant.origin}: mutant '{mutant.name}' changes nothing")
    return mutants


def occurrences(text, piece):
    count, start = 0, text.find(piece)
    while start >= 0:
        count += 1
        start = text.find(piece, start + 1)
    return count


def refusal(mutant):
    """Why `mutant` cannot be applied to the code as it stands, or None."""
    source = REPOSITORY / mutant.file
    if not source.is_file():
        return f"{mutant.file} does not exist"
    count = occurrences(source.read_text(encoding="utf-8"), mutant.find)
    if count != 1:
        return f"its text occurs {count} times in {mutant.file}, not once"
    return None


class Stop(Exception):
    """SIGTERM or SIGHUP: stop as Ctrl-C does, restoring the file first."""


def stop(signum, frame):
    raise Stop(signal.Signals(signum).name)


@contextlib.contextmanager
def mutation(mutant, backup_folder):
    """Applies `mutant` for the body of a with statement, and restores the file
    after it, always."""
    source = REPOSITORY / mutant.file
    backup = backup_folder / mutant.file
    original = source.read_bytes()
    backup.parent.mkdir(parents=True, exist_ok=True)
    backup.write_bytes(original)
    try:
        source.write_bytes(original.decode("utf-8").replace(mutant.find, mutant.replace, 1).encode())
        yield
    finally:
        # A second Ctrl-C must not stop the restoring half done. The file is
        # written afresh (a newer time stamp), so the next build recompiles it.
        stopping = {signal.SIGINT, signal.SIGTERM, signal.SIGHUP}
        signal.pthread_sigmask(signal.SIG_BLOCK, stopping)
        try:
            source.write_bytes(original)
            backup.unlink()
        finally:
            signal.pthread_sigmask(signal.SIG_UNBLOCK, stopping)


def restore_leftovers(backup_folder):
    """Undoes the mutants of a run that was killed before it could."""
    if not backup_folder.is_dir():
        return
    for backup in sorted(p for p in backup_folder.rglob("*") if p.is_file()):
        relative = backup.relative_to(backup_folder)
        source = REPOSITORY / relative
        if not source.exists() or source.read_bytes() != backup.read_bytes():
            source.write_bytes(backup.read_bytes())
            print(f"restored {relative}, left changed by an earlier run that was stopped")
        backup.unlink()


def run(command, timeout=None):
    """(exit status or None on time-out, output) of `command`."""
    process = subprocess.Popen(command, cwd=REPOSITORY, stdout=subprocess.PIPE,
                               stderr=subprocess.STDOUT, text=True, start_new_session=True)
    try:
        output, _ = process.communicate(timeout=timeout)
        return process.returncode, output
    except subprocess.TimeoutExpired:
        os.killpg(process.pid, signal.SIGKILL)
        output, _ = process.communicate()
        return None, output
    finally:
        # Ctrl-C reaches this process only (the child has its own session).
        if process.poll() is None:
            os.killpg(process.pid, signal.SIGKILL)
            process.wait()


class Suite:
    """Builds test programs in the build folder and runs their tests."""

    def __init__(self, build_dir, jobs, timeout):
        self.build_dir = build_dir
        self.jobs = jobs
        self.timeout = timeout
        self.tests_of = None  # executable name -> its ctest names

    def build(self, targets):
        command = ["cmake", "--build", str(self.build_dir)]
        if targets:
            command += ["--target", *targets]
        status, output = run(command)
        return status == 0, output

    def learn_tests(self):
        status, output = run(["ctest", "--test-dir", str(self.build_dir), "--show-only=json-v1"])
        if status != 0:
            raise SystemExit(f"try_mutants: ctest cannot list the tests:\n{output}")
        self.tests_of = {}
        for test in json.loads(output)["tests"]:
            program = Path(test.get("command", [""])[0]).name
            self.tests_of.setdefault(program, []).append(test["name"])

    def selection(self, targets):
        """ctest's -R for the tests of `targets`; every test for none."""
        if not targets:
            return []
        names = []
        for target in targets:
            if target not in self.tests_of:
                raise SystemExit(f"try_mutants: no test runs the program {target}")
            names += self.tests_of[target]
        # CMake's regular expressions know fewer escapes than Python's.
        literal = [re.sub(r"([.^$*+?()\[\]{}|\\])", r"\\\1", n) for n in names]
        return ["-R", "^(" + "|".join(literal) + ")$"]

    def test(self, targets):
        """'passed', 'failed' or 'timed out', and ctest's output."""
        command = ["ctest", "--test-dir", str(self.build_dir), "-j", str(self.jobs),
                   "--stop-on-failure", "--timeout", str(self.timeout), "--output-on-failure",
                   *self.selection(targets)]
        status, output = run(command, timeout=self.timeout * 4)
        if status is None or "***Timeout" in output:
            return "timed out", output
        return ("passed" if status == 0 else "failed"), output


def failed_tests(output):
    failed = output.partition("The following tests FAILED:")[2]
    names = re.findall(r"^\s*\d+ - (\S+) \(", failed, re.MULTILINE)
    if not names:
        return ""
    shown = ", ".join(names[:3]) + (f" and {len(names) - 3} more" if len(names) > 3 else "")
    return "failed: " + shown


def try_mutant(mutant, suite, backup_folder, verbose):
    with mutation(mutant, backup_folder):
        built, output = suite.build(mutant.tests)
        if not built:
            mutant.result, mutant.detail = "no build", "the mutant does not compile"
            if verbose:
                print(output)
            return
        outcome, output = suite.test(mutant.tests)
    if outcome == "passed":
        mutant.result, mutant.detail = "MISSED", "every test passed"
    else:
        mutant.result = "caught"
        mutant.detail = "timed out" if outcome == "timed out" else failed_tests(output)
    if verbose:
        print(output)


def print_table(mutants):
    rows = [("#", "result", "file", "mutant")]
    for number, m in enumerate(mutants, 1):
        text = m.name + (f" ({m.detail})" if m.detail else "")
        rows.append((str(number), m.result, m.file, text))
    widths = [max(len(row[c]) for row in rows) for c in range(3)]
    for row in rows:
        print("  ".join(cell.ljust(widths[c]) for c, cell in enumerate(row[:3])) + "  " + row[3])


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("files", nargs="*", help="mutant files (default: tests/mutants/*.txt)")
    parser.add_argument("--build-dir", default=os.environ.get("BUILD_DIR", "build"),
                        help="a configured build folder (default: build)")
    parser.add_argument("--only", help="try only the mutants whose description holds this text")
    parser.add_argument("--check", action="store_true",
                        help="only check that every mutant applies; build and run nothing")
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 1,
                        help="tests run at once (default: one per processor)")
    parser.add_argument("--timeout", type=int, default=300,
                        help="seconds a test may take before the mutant counts as caught")
    parser.add_argument("--verbose", action="store_true", help="show build and test output")
    arguments = parser.parse_args()

    files = arguments.files or sorted(str(p) for p in (REPOSITORY / "tests/mutants").glob("*.txt"))
    try:
        mutants = [m for f in files for m in read_mutant_file(f)]
    except (MutantFileError, OSError) as error:
        raise SystemExit(f"try_mutants: {error}")
    if arguments.only:
        mutants = [m for m in mutants if arguments.only in m.name]
    if not mutants:
        raise SystemExit("try_mutants: no mutants to try")

    build_dir = Path(arguments.build_dir)
    if not build_dir.is_absolute():
        build_dir = REPOSITORY / build_dir
    backup_folder = build_dir / BACKUP_FOLDER
    restore_leftovers(backup_folder)

    refused = 0
    for mutant in mutants:
        why = refusal(mutant)
        if why:
            refused += 1
            mutant.result, mutant.detail = "refused", why
        elif mutant.equivalent:
            mutant.result, mutant.detail = "equivalent", mutant.equivalent
        elif arguments.check:
            mutant.result = "applies"
    if refused or arguments.check:
        print_table(mutants)
        print(f"{len(mutants)} mutants, {refused} refused")
        return 1 if refused else 0

    if not (build_dir / "CMakeCache.txt").is_file():
        raise SystemExit(f"try_mutants: {build_dir} is not a configured build folder "
                         "(run make build first)")
    signal.signal(signal.SIGTERM, stop)
    signal.signal(signal.SIGHUP, stop)
    suite = Suite(build_dir, arguments.jobs, arguments.timeout)
    to_try = [m for m in mutants if not m.equivalent]
    targets = sorted({t for m in to_try for t in m.tests})
    everything = any(not m.tests for m in to_try)

    print("Building and running the tests without mutants first...", flush=True)
    built, output = suite.build(None if everything else targets)
    if not built:
        raise SystemExit(f"try_mutants: the code does not build without mutants:\n{output}")
    suite.learn_tests()
    outcome, output = suite.test(None if everything else targets)
    if outcome != "passed":
        raise SystemExit(f"try_mutants: the tests fail without mutants:\n{output}")

    started = time.monotonic()
    try:
        for number, mutant in enumerate(to_try, 1):
            print(f"[{number}/{len(to_try)}] {mutant.file}: {mutant.name} ... ", end="", flush=True)
            try_mutant(mutant, suite, backup_folder, arguments.verbose)
            print(mutant.result, flush=True)
    except (KeyboardInterrupt, Stop) as interruption:
        print(f"\nstopped ({interruption or 'Ctrl-C'}); every file is as it was")
        return 130
    # Leave the programs built as the code stands, not as the last mutant had
    # them.
    suite.build(None if everything else targets)

    print()
    print_table(mutants)
    caught = sum(m.result == "caught" for m in to_try)
    missed = sum(m.result == "MISSED" for m in to_try)
    broken = sum(m.result == "no build" for m in to_try)
    equivalent = len(mutants) - len(to_try)
    print(f"\ntried {len(to_try)}, caught {caught}, missed {missed}"
          + (f", {broken} did not compile" if broken else "")
          + (f"; {equivalent} equivalent, not run" if equivalent else "")
          + f" ({time.monotonic() - started:.0f} s)")
    return 0 if caught == len(to_try) else 1


if __name__ == "__main__":
    sys.exit(main())
