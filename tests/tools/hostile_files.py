#!/usr/bin/env python3
"""Runs korvanel-sim over damaged teams folders, saved games and options files.

Every case must end with exit 0 (played) or 1 (refused with a message), within the time limit,
and with nothing from the sanitizers on stderr. Meant for the sanitizer build:

    cmake -S . -B build-asan -G Ninja -DKORVANEL_SANITIZE=ON -DKORVANEL_BENCH=OFF
    ninja -C build-asan korvanel-sim sampledb
    python3 tests/tools/hostile_files.py --build build-asan --cases 300

Slow (minutes): not part of CI. Prints the counts of each kind of case and every failure; exits 1
when any case failed. A failing case's files are kept under --work for a look.
"""

import argparse
import concurrent.futures
import os
import random
import shutil
import struct
import subprocess
import sys
import tempfile

INT_MAX = 0x7FFFFFFF
INT_MIN = -0x80000000
HUGE = [INT_MAX, INT_MIN, -1, 0x7FFFFF00, 1 << 30, 0x10000]

CLUB_SIZE = 1333
NATIONAL_SIZE = 1752
STATE_SIZE = 5616
# Record sizes of the saved game's blocks after the game state, in file order; a tuple is a fixed
# block (its count is written but the records are always this many).
SAVE_BLOCKS = [288, 752, 48, 128, (5, 16), 56, 24, (16, 48), (6, 48), (27, 152), 600, 8, 48, 24,
               660, 72, 24, 20, 28, 28, 20, 32, 12, 40, 24, 28, 32, 32, 32, 16, 16, 12, 32, 120, 8,
               100, 24, 104, 156]
SANITIZER_MARKS = ("AddressSanitizer", "LeakSanitizer", "runtime error:", "UndefinedBehavior")


def count_offsets(data):
    """Offsets of the count fields of a saved game's blocks."""
    at = 4 + STATE_SIZE
    found = []
    for block in SAVE_BLOCKS:
        if at + 4 > len(data):
            break
        found.append(at)
        n = struct.unpack_from("<i", data, at)[0]
        at += 4
        if isinstance(block, tuple):
            at += block[0] * block[1]
        else:
            at += max(n, 0) * block
    return found


def put_i32(data, at, value):
    if 0 <= at <= len(data) - 4:
        struct.pack_into("<i", data, at, value)


def flip(data, rng, count, lo=0, hi=None):
    hi = len(data) if hi is None else min(hi, len(data))
    for _ in range(count):
        if hi > lo:
            data[rng.randrange(lo, hi)] ^= 1 << rng.randrange(8)


def wrong_kind(path, rng):
    """Puts something that is not a regular file where `path` was."""
    if os.path.isdir(path) and not os.path.islink(path):
        shutil.rmtree(path)
    elif os.path.lexists(path):
        os.remove(path)
    kind = rng.choice(["fifo", "zero", "folder", "empty", "loop", "dangling"])
    if kind == "fifo":
        os.mkfifo(path)
    elif kind == "zero":
        os.symlink("/dev/zero", path)
    elif kind == "folder":
        os.mkdir(path)
    elif kind == "empty":
        open(path, "wb").close()
    elif kind == "loop":
        os.symlink(os.path.basename(path), path)
    else:
        os.symlink("nada-aqui", path)
    return kind


def damage_file(path, size, rng):
    """Truncates, flips bytes or writes huge numbers in one database file."""
    data = bytearray(open(path, "rb").read())
    how = rng.choice(["cut", "flip", "huge", "bytes"])
    if how == "cut":
        data = data[: rng.randrange(0, size)]
    elif how == "flip":
        flip(data, rng, rng.randint(1, 12))
    elif how == "huge":
        for _ in range(rng.randint(1, 4)):
            put_i32(data, rng.randrange(0, size - 3), rng.choice(HUGE))
    else:
        for _ in range(rng.randint(1, 20)):
            data[rng.randrange(0, len(data))] = rng.choice([0, 1, 5, 13, 14, 25, 26, 202, 255])
    open(path, "wb").write(bytes(data))
    return how


def make_teams_case(base, case_dir, rng):
    """A damaged copy of the teams folder; returns what was done to it."""
    teams = os.path.join(case_dir, "teams")
    shutil.copytree(base, teams, symlinks=True)
    clubs = sorted(f for f in os.listdir(teams) if f.endswith(".b14"))
    national_dir = os.path.join(teams, "selecoes")
    nationals = sorted(f for f in os.listdir(national_dir) if f.endswith(".s11"))
    whole = rng.random()
    if whole < 0.03:
        shutil.rmtree(teams)
        return "pasta ausente"
    if whole < 0.06:
        for f in clubs:
            os.remove(os.path.join(teams, f))
        return "pasta sem clubes"
    if whole < 0.09:
        for f in clubs:
            os.truncate(os.path.join(teams, f), rng.choice([0, 4, 208, 1000]))
        return "todos os clubes cortados"
    if whole < 0.12:
        wrong_kind(national_dir, rng)
        return "selecoes não é pasta"
    done = []
    # Damage falls mostly on the home country's clubs (the league the runner plays) by picking
    # among all files: the sample has many of them.
    for f in rng.sample(clubs, rng.randint(1, 60)):
        path = os.path.join(teams, f)
        if rng.random() < 0.1:
            done.append("clube:" + wrong_kind(path, rng))
        else:
            done.append("clube:" + damage_file(path, CLUB_SIZE, rng))
    for f in rng.sample(nationals, rng.randint(0, min(30, len(nationals)))):
        path = os.path.join(national_dir, f)
        if rng.random() < 0.1:
            done.append("seleção:" + wrong_kind(path, rng))
        else:
            done.append("seleção:" + damage_file(path, NATIONAL_SIZE, rng))
    kinds = sorted(set(d.split(":")[0] + ":" + d.split(":")[1] for d in done))
    return ", ".join(kinds)


def make_save_case(bases, case_dir, rng):
    base = rng.choice(bases)
    data = bytearray(open(base, "rb").read())
    path = os.path.join(case_dir, "jogo.s14")
    how = rng.choice(["cut", "flip", "flip-state", "huge-state", "huge-any", "count", "kind"])
    if how == "cut":
        data = data[: rng.randrange(0, len(data))]
    elif how == "flip":
        flip(data, rng, rng.randint(1, 40))
    elif how == "flip-state":
        flip(data, rng, rng.randint(1, 10), 4, 4 + STATE_SIZE)
    elif how == "huge-state":
        for _ in range(rng.randint(1, 3)):
            put_i32(data, 4 + 4 * rng.randrange(STATE_SIZE // 4), rng.choice(HUGE))
    elif how == "huge-any":
        for _ in range(rng.randint(1, 6)):
            put_i32(data, 4 * rng.randrange(len(data) // 4), rng.choice(HUGE))
    elif how == "count":
        offsets = count_offsets(data)
        at = rng.choice(offsets)
        n = struct.unpack_from("<i", data, at)[0]
        put_i32(data, at, rng.choice(HUGE + [n + 1, n - 1, -n]))
    open(path, "wb").write(bytes(data))
    if how == "kind":
        how = "kind:" + wrong_kind(path, rng)
    return path, how


def run(cmd, cwd, timeout):
    try:
        p = subprocess.run(cmd, cwd=cwd, capture_output=True, text=True, errors="replace",
                           timeout=timeout)
    except subprocess.TimeoutExpired:
        return "tempo esgotado", ""
    marks = [m for m in SANITIZER_MARKS if m in p.stderr]
    if marks:
        return "sanitizer", p.stderr
    if p.returncode == 1 and "korvanel-sim:" in p.stderr:
        return "recusado", p.stderr
    if p.returncode == 0:
        return "jogado", p.stderr
    return "saída %d" % p.returncode, p.stderr


def options_case(case_dir, rng):
    """An options file that is no options file, in the folder the runner is started from."""
    ini = os.path.join(case_dir, "korvanel.ini")
    choice = rng.random()
    if choice < 0.5:
        return None
    if choice < 0.8:
        return "ini:" + wrong_kind(ini, rng)
    open(ini, "wb").write(b"[opcoes]\nopsom=0\n" + b";" * (70 * 1024))
    return "ini:grande"


def ini_kept(case_dir, what):
    """The options file that was no options file is still what it was."""
    ini = os.path.join(case_dir, "korvanel.ini")
    kind = what.split(":")[1]
    if kind == "grande":
        return os.path.getsize(ini) > 64 * 1024
    if kind == "fifo":
        return not os.path.islink(ini) and not os.path.isfile(ini) and os.path.exists(ini)
    if kind in ("zero", "loop", "dangling"):
        return os.path.islink(ini) or kind == "dangling"
    if kind == "folder":
        return os.path.isdir(ini)
    return True


def one_case(args, kind, index, base_teams, bases):
    rng = random.Random(args.seed * 1000003 + index)
    case_dir = os.path.join(args.work, "%s-%04d" % (kind, index))
    os.makedirs(case_dir)
    ini = options_case(case_dir, rng)
    rounds = str(rng.choice([1, 2, 3, 40]) if rng.random() < 0.25 else rng.choice([1, 2]))
    if kind == "times":
        what = make_teams_case(base_teams, case_dir, rng)
        cmd = [args.sim, "--teams", os.path.join(case_dir, "teams"), "--seed", str(index),
               "--rounds", rounds, "--save", os.path.join(case_dir, "fim.s14")]
        if rng.random() < 0.3:
            cmd.append("--state-championships")
        if rng.random() < 0.3:
            cmd += ["--division-size", "20"]
    else:
        path, what = make_save_case(bases, case_dir, rng)
        cmd = [args.sim, "--load", path, "--rounds", rounds, "--save",
               os.path.join(case_dir, "fim.s14")]
    if ini:
        what += ", " + ini
    outcome, err = run(cmd, case_dir, args.timeout)
    again = None
    if outcome == "jogado" and kind == "jogos":
        # A file accepted and played on saves a game that loads again.
        again, err2 = run([args.sim, "--load", os.path.join(case_dir, "fim.s14"), "--rounds", "1"],
                          case_dir, args.timeout)
        if again != "jogado":
            outcome, err = "salvo não recarrega (%s)" % again, err2
    if ini and outcome in ("jogado", "recusado") and not ini_kept(case_dir, ini):
        outcome = "korvanel.ini substituído"
    ok = outcome in ("jogado", "recusado")
    if ok and not args.keep:
        shutil.rmtree(case_dir, ignore_errors=True)
    return kind, index, what, outcome, err if not ok else ""


def main():
    root = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--build", default=os.path.join(root, "build-asan"))
    ap.add_argument("--cases", type=int, default=300, help="casos de cada tipo")
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("--jobs", type=int, default=3)
    ap.add_argument("--timeout", type=int, default=180)
    ap.add_argument("--work", default=None)
    ap.add_argument("--keep", action="store_true")
    args = ap.parse_args()
    args.sim = os.path.join(args.build, "tools", "sim", "korvanel-sim")
    sample = os.path.join(args.build, "app", "teams")
    if not os.path.exists(args.sim) or not os.path.isdir(sample):
        sys.exit("falta %s ou %s (ninja -C %s korvanel-sim sampledb)" % (args.sim, sample, args.build))
    args.work = args.work or tempfile.mkdtemp(prefix="kv_hostile_")

    # The database files alone: the runner needs no pictures.
    base_teams = os.path.join(args.work, "base-teams")
    os.makedirs(os.path.join(base_teams, "selecoes"))
    for f in os.listdir(sample):
        if f.lower().endswith(".b14"):
            shutil.copy(os.path.join(sample, f), base_teams)
    for f in os.listdir(os.path.join(sample, "selecoes")):
        if f.lower().endswith(".s11"):
            shutil.copy(os.path.join(sample, "selecoes", f), os.path.join(base_teams, "selecoes"))

    bases = []
    for name, extra in (("inicio", ["--rounds", "2"]),
                        ("estaduais", ["--rounds", "12", "--state-championships", "--humans", "2"]),
                        ("temporada", ["--seasons", "1", "--division-size", "20"])):
        path = os.path.join(args.work, name + ".s14")
        outcome, err = run([args.sim, "--teams", base_teams, "--save", path] + extra, args.work,
                           args.timeout * 10)
        if outcome != "jogado":
            sys.exit("o jogo de base %s falhou: %s\n%s" % (name, outcome, err))
        bases.append(path)

    jobs = [("times", i) for i in range(args.cases)] + [("jogos", i) for i in range(args.cases)]
    counts = {}
    damages = {}
    failures = []
    with concurrent.futures.ThreadPoolExecutor(max_workers=args.jobs) as pool:
        futures = [pool.submit(one_case, args, k, i, base_teams, bases) for k, i in jobs]
        for f in concurrent.futures.as_completed(futures):
            kind, index, what, outcome, err = f.result()
            counts[(kind, outcome)] = counts.get((kind, outcome), 0) + 1
            parts = what.split(", ")
            damage = parts[0] if kind == "jogos" or ":" not in parts[0] else "arquivos danificados"
            damages[(kind, damage)] = damages.get((kind, damage), 0) + 1
            for part in parts:
                if part.startswith("ini:"):
                    damages[("opções", part)] = damages.get(("opções", part), 0) + 1
            if outcome not in ("jogado", "recusado"):
                failures.append((kind, index, what, outcome, err))
                print("FALHA %s-%04d [%s]: %s\n%s" % (kind, index, what, outcome, err[-3000:]),
                      flush=True)

    for (kind, damage), n in sorted(damages.items()):
        print("%-6s %-28s %5d" % (kind, damage, n))
    print()
    for (kind, outcome), n in sorted(counts.items()):
        print("%-6s %-28s %5d" % (kind, outcome, n))
    print("%d casos, %d falhas; pasta: %s" % (len(jobs), len(failures), args.work))
    if not failures and not args.keep:
        shutil.rmtree(args.work, ignore_errors=True)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
