#!/usr/bin/python3
"""Helpers of the tour (tools/e2e/tour/run.sh); only the Python standard library.

  tour.py plan STEPS SPEED MBSIM OUT
        turns the step table STEPS into one drive per step for mb-sim (OUT/NN-NAME.drive), the
        head-unit documents of each step with their times (OUT/NN-NAME.hu: MS, a tab, and the
        document in the form hu-sim reads from standard input) and the conductor's timetable
        OUT/steps.tsv. Each step lasts HOLD/SPEED ms but never less than its MIN; its times and
        repeats shrink with it. A step's drive starts by sending every frame as the steps before it
        left it (MBSIM -n -w works that out), so that it plays on its own and the tour can wait
        for each step's proof before the next one starts.
  tour.py differ A.png B.png X Y W H
        prints how many pixels of the rectangle differ between two screen grabs (as
        tools/e2e/xshot.py writes them)
"""
import json
import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from png import read_rgb  # noqa: E402  (tools/e2e/png.py)

MIN_PERIOD_MS = 20       # a repeat never sends faster than this, however short its step
CAN_BASE = 0x100         # mb-sim's default identifier of frame 0x00 in candump form


class TableError(Exception):
    pass


def parse_steps(path):
    """The steps of the table: dicts with name, title, hold, min, drive, hu, upgrade, expect, changes."""
    steps = []
    for number, raw in enumerate(open(path, encoding="utf-8"), 1):
        line = raw.strip()
        if not line or line.startswith("#"):
            continue
        words = line.split()
        where = f"{path}:{number}"
        if words[0] == "step":
            if len(words) < 5:
                raise TableError(f"{where}: step NAME HOLD MIN TITLE")
            steps.append({"name": words[1], "hold": int(words[2]), "min": int(words[3]),
                          "title": " ".join(words[4:]), "drive": [], "hu": [], "upgrade": [],
                          "expect": None, "changes": []})
            continue
        if not steps:
            raise TableError(f"{where}: a line before the first step")
        step = steps[-1]
        if words[0] == "expect":
            if len(words) < 3 or step["expect"] is not None:
                raise TableError(f"{where}: one expect LOG TEXT per step")
            step["expect"] = (words[1], line.split(None, 2)[2])
        elif words[0] == "changes":
            if len(words) != 5:
                raise TableError(f"{where}: changes X Y W H")
            step["changes"].append(tuple(int(v) for v in words[1:]))
        elif len(words) > 1 and words[1] == "hu":
            step["hu"].append((int(words[0]), hu_step(line.split(None, 2)[2], where)))
        elif len(words) > 1 and words[1] == "upgrade":
            step["upgrade"].append(int(words[0]))
        else:
            step["drive"].append(line)
        if step["upgrade"] and (step["hu"] or len(step["upgrade"]) > 1):
            raise TableError(f"{where}: a step with an upgrade has no other head-unit lines")
    return steps


def hu_step(text, where):
    """A head-unit document line 'SERVICE JSON [COVER]' as hu-sim reads it, its JSON compacted."""
    service, rest = (text.split(None, 1) + [""])[:2]
    try:
        doc, end = json.JSONDecoder().raw_decode(rest)
    except ValueError as e:
        raise TableError(f"{where}: {e}")
    cover = rest[end:].split("#")[0].strip()
    compact = json.dumps(doc, separators=(",", ":"), ensure_ascii=False)
    return " ".join(w for w in (service, compact, cover) if w)


def drive_line(line, start, factor):
    """A drive line of a step moved to start, its times and repeats shrunk by factor."""
    code, _, comment = line.partition("#")
    words = code.split()
    t = words[0]
    words[0] = f"+{round(int(t[1:]) * factor)}" if t.startswith("+") else str(start + round(int(t) * factor))
    if "every" in words:
        i = words.index("every")
        words[i + 1] = str(max(MIN_PERIOD_MS, round(int(words[i + 1]) * factor)))
        if words[i + 2] == "for":
            words[i + 3] = str(round(int(words[i + 3]) * factor))
    return " ".join(words) + (f"   #{comment}" if comment else "")


def frames_left(mbsim, drive, path):
    """Frame number -> its last bytes after the drive lines, as mb-sim builds them."""
    with open(path, "w", encoding="utf-8") as f:
        f.write("\n".join(drive) + "\n")
    run = subprocess.run([mbsim, "-n", "-w", "-", path], capture_output=True, text=True)
    if run.returncode != 0:
        raise TableError(run.stderr.strip())
    last = {}
    for entry in run.stdout.split():
        if "#" in entry:
            ident, data = entry.split("#")
            last[int(ident, 16) - CAN_BASE] = " ".join(data[i:i + 2] for i in range(0, 16, 2))
    return last


def plan(steps_path, speed, mbsim, out):
    """Writes the drives, the head-unit documents and the timetable of every step (see above)."""
    steps = parse_steps(steps_path)
    history, rows = [], []
    start = 0
    for i, s in enumerate(steps, 1):
        length = max(s["min"], round(s["hold"] / speed))
        factor = length / s["hold"]
        base = f"{out}/{i:02d}-{s['name']}"
        drive = [f"# {i}/{len(steps)} {s['title']}",
                 f"# {length} ms, generated from {steps_path} at speed {speed:g}"]
        if history:
            drive.append("# the frames as the steps before left them")
            left = frames_left(mbsim, history, f"{out}/before.drive")
            drive += [f"0 {frame:02X} {data}" for frame, data in sorted(left.items())]
        drive += [drive_line(line, 0, factor) for line in s["drive"]]
        with open(f"{base}.drive", "w", encoding="utf-8") as f:
            f.write("\n".join(drive) + "\n")
        history.append(f"# {s['name']}")
        history += [drive_line(line, start, factor) for line in s["drive"]]
        with open(f"{base}.hu", "w", encoding="utf-8") as f:
            f.writelines(f"{round(t * factor)}\t{doc}\n" for t, doc in sorted(s["hu"], key=lambda e: e[0]))
        upgrade = str(round(s["upgrade"][0] * factor)) if s["upgrade"] else "-"
        log, text = s["expect"] or ("-", "-")
        changes = ";".join(" ".join(str(v) for v in r) for r in s["changes"]) or "-"
        rows.append("\t".join([str(i), s["name"], s["title"], str(length), upgrade, log, text, changes]))
        start += length
    with open(f"{out}/steps.tsv", "w", encoding="utf-8") as f:
        f.write("\n".join(rows) + "\n")


def differ(a, b, x, y, w, h):
    """Pixels of the rectangle whose colour differs by more than a faint shimmer."""
    _, _, rows_a = read_rgb(a)
    _, _, rows_b = read_rgb(b)
    count = 0
    for r in range(y, y + h):
        ra, rb = rows_a[r][3 * x:3 * (x + w)], rows_b[r][3 * x:3 * (x + w)]
        if ra == rb:
            continue
        for i in range(0, len(ra), 3):
            if max(abs(ra[i] - rb[i]), abs(ra[i + 1] - rb[i + 1]), abs(ra[i + 2] - rb[i + 2])) > 24:
                count += 1
    return count


if __name__ == "__main__":
    try:
        if len(sys.argv) == 6 and sys.argv[1] == "plan":
            plan(sys.argv[2], float(sys.argv[3]), sys.argv[4], sys.argv[5])
        elif len(sys.argv) == 8 and sys.argv[1] == "differ":
            print(differ(sys.argv[2], sys.argv[3], *(int(v) for v in sys.argv[4:8])))
        else:
            sys.exit(__doc__)
    except (TableError, OSError, ValueError) as e:
        sys.exit(f"tour: {e}")
