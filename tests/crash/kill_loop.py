#!/usr/bin/env python3
"""Kills commands with SIGKILL at random moments and checks that the registry file store holds
either the whole state before the command or the whole state after it, never a mix, and that
the next command still works.

Each round: the state before is read; the same command runs to its end on a copy of the folder
to learn the state after; then it runs on the folder itself and is killed after a random delay
within its usual duration. A kill "landed" when the command had taken the store ("begin") but
had not ended ("done"). After the kill the store must hold one of the two states, and the same
command run again must end well with the state after.

  kill_loop.py --driver <quorvex_command_driver> [--seconds N | --landed N] [--seed S]
"""
import argparse
import os
import random
import shutil
import signal
import subprocess
import sys
import tempfile
import time

COMMANDS = ("auto", "advanced", "undo", "restore")
# Catalogue entries whose values differ from each other: defaults, two kinds of DSL, dial-up.
KINDS = ("0", "3", "10", "16")


def run(driver, folder, *args, check=True):
    done = subprocess.run([driver, folder, *args], stdout=subprocess.PIPE,
                          stderr=subprocess.PIPE, text=True, timeout=60)
    if check and done.returncode != 0:
        raise RuntimeError(f"{' '.join(args)} failed in {folder}: {done.stderr.strip()}")
    return done


def dump(driver, folder):
    out = run(driver, folder, "dump", check=False)
    return out.stdout


class Loop:
    def __init__(self, driver, root, rng):
        self.driver, self.root, self.rng = driver, root, rng
        self.folder = os.path.join(root, "store")
        self.copy = os.path.join(root, "copy")
        self.counts = {c: {"rounds": 0, "landed": 0, "mixed": 0, "failed_after": 0}
                       for c in COMMANDS}
        self.duration = {c: 0.05 for c in COMMANDS}

    def args(self, command):
        if command in ("auto", "advanced"):
            return (command, self.rng.choice(KINDS))
        return (command,)

    def prepare(self, command):
        # Undo and restore need a change to put back.
        if command in ("undo", "restore"):
            run(self.driver, self.folder, "auto", self.rng.choice(KINDS))

    def round(self, command):
        counts = self.counts[command]
        self.prepare(command)
        args = self.args(command)
        before = dump(self.driver, self.folder)
        shutil.rmtree(self.copy, ignore_errors=True)
        shutil.copytree(self.folder, self.copy, symlinks=True)
        started = time.monotonic()
        run(self.driver, self.copy, *args)
        self.duration[command] = 0.8 * self.duration[command] + 0.2 * (time.monotonic() - started)
        after = dump(self.driver, self.copy)

        child = subprocess.Popen([self.driver, self.folder, *args], stdout=subprocess.PIPE,
                                 stderr=subprocess.DEVNULL, text=True)
        time.sleep(self.rng.uniform(0, 1.2 * self.duration[command]))
        child.send_signal(signal.SIGKILL)
        said = child.communicate()[0].split()
        counts["rounds"] += 1
        if "begin" in said and "done" not in said:
            counts["landed"] += 1
        now = dump(self.driver, self.folder)
        if now not in (before, after):
            counts["mixed"] += 1
            print(f"MIXED after a kill of {' '.join(args)}:\n--- before\n{before}\n--- after\n"
                  f"{after}\n--- found\n{now}", file=sys.stderr)
        again = run(self.driver, self.folder, *args, check=False)
        if again.returncode != 0 or dump(self.driver, self.folder) != after:
            counts["failed_after"] += 1
            print(f"the command after a kill of {' '.join(args)} did not end well: "
                  f"{again.stderr.strip()}", file=sys.stderr)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--driver", required=True)
    parser.add_argument("--seconds", type=float, default=0,
                        help="stop after this long (shared among the commands)")
    parser.add_argument("--landed", type=int, default=0,
                        help="stop once every command had this many landed kills")
    parser.add_argument("--seed", type=int, default=None)
    options = parser.parse_args()
    seed = options.seed if options.seed is not None else random.randrange(1 << 30)
    rng = random.Random(seed)
    with tempfile.TemporaryDirectory(prefix="quorvex-kill-loop-") as root:
        loop = Loop(options.driver, root, rng)
        os.makedirs(loop.folder)
        run(options.driver, loop.folder, "auto", KINDS[0])
        deadline = time.monotonic() + options.seconds if options.seconds else None
        while True:
            for command in COMMANDS:
                loop.round(command)
            if deadline and time.monotonic() >= deadline:
                break
            if options.landed and all(c["landed"] >= options.landed
                                      for c in loop.counts.values()):
                break
            if not deadline and not options.landed:
                break
    bad = 0
    print(f"seed {seed}")
    for command, c in loop.counts.items():
        print(f"{command:9} rounds {c['rounds']:5}  landed {c['landed']:5}  mixed {c['mixed']}  "
              f"failed after {c['failed_after']}")
        bad += c["mixed"] + c["failed_after"]
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main())
