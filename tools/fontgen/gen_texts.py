#!/usr/bin/python3
"""Turns a readable text file (Res_TxtBasic.txt, Res_TxtHintAlarm.txt) into the C++ source of its
character table and glyph-index strings.

    gen_texts.py TEXTS HEADER OUTPUT [--font FONT]...

TEXTS holds the table line, the texts and the extra characters (see the file itself). HEADER is
the committed header that declares the table size and, in its X(name, count) list, every text
with its glyph count. Each FONT is a TrueType file the table is drawn with: every character of
the table must have a glyph there, since a missing one would show as an empty gap on screen. The
generator refuses (exit status 1, one line per problem) a text that is missing, unknown or of the
wrong length, a table that does not come out at exactly the declared size, a repeated extra
character and a character that a font lacks. The output is the same bytes for the same input.
"""
import json
import re
import sys


def fail(problems):
    for p in problems:
        sys.stderr.write("gen_texts: %s\n" % p)
    sys.exit(1)


def parse_texts(path):
    table = None
    texts = []          # (name, text) in file order
    extra = ""
    problems = []
    with open(path, encoding="utf-8") as f:
        for num, raw in enumerate(f, 1):
            line = raw.strip()
            if not line or line.startswith("#"):
                continue
            m = re.fullmatch(r"table\s+(\w+)\s+(\d+)(\s+ascii)?", line)
            if m:
                table = (m.group(1), int(m.group(2)), bool(m.group(3)))
                continue
            m = re.fullmatch(r"(str_\w+_idx)\s*=\s*(\".*\")", line)
            if m:
                texts.append((m.group(1), json.loads(m.group(2))))
                continue
            m = re.fullmatch(r"extra\s+(\".*\")", line)
            if m:
                extra += json.loads(m.group(1))
                continue
            problems.append("%s:%d: cannot read: %s" % (path, num, line))
    if table is None:
        problems.append("%s: no table line" % path)
    if problems:
        fail(problems)
    return table, texts, extra


def parse_header(path):
    with open(path, encoding="utf-8") as f:
        src = f.read()
    counts = {}
    order = []
    for name, count in re.findall(r"X\((str_\w+_idx),\s*(\d+)\)", src):
        counts[name] = int(count)
        order.append(name)
    sizes = dict(re.findall(r"#define\s+(\w+_NUM)\s+(\d+)", src))
    tables = re.findall(r"extern const UInt32 (\w+)\[(\w+)\];", src)
    return counts, order, {t: int(sizes.get(s, s)) for t, s in tables}


def build_table(size, ascii_run, texts, extra):
    codes = [0]
    if ascii_run:
        codes += list(range(0x20, 0x7F))
    seen = set(codes)
    for _, text in texts:
        for ch in text:
            if ord(ch) not in seen:
                seen.add(ord(ch))
                codes.append(ord(ch))
    problems = []
    for ch in extra:
        if ord(ch) in seen:
            problems.append("extra character %r (U+%04X) is already in the table" % (ch, ord(ch)))
        seen.add(ord(ch))
        codes.append(ord(ch))
    if len(codes) != size:
        problems.append("the table has %d entries, %d are declared (%s %d extra characters)"
                        % (len(codes), size, "remove" if len(codes) > size else "add",
                           abs(len(codes) - size)))
    return codes, problems


def missing_glyphs(codes, texts, font_path):
    """One problem per table character without a glyph in the font, naming a text that uses it."""
    from fontTools.ttLib import TTFont
    cmap = TTFont(font_path, lazy=True).getBestCmap() or {}
    user = {}
    for name, text in texts:
        for ch in text:
            user.setdefault(ord(ch), name)
    font_name = font_path.replace("\\", "/").split("/")[-1]
    return ["%r (U+%04X, %s) has no glyph in %s"
            % (chr(c), c, user.get(c, "extra"), font_name)
            for c in codes if c > 0x20 and c not in cmap]


def comment(text):
    return text.replace("*/", "* /")


def shown(code):
    return chr(code) if code >= 0x20 else "\\0"


def main():
    args, fonts = sys.argv[1:], []
    while "--font" in args:
        at = args.index("--font")
        if at + 1 >= len(args):
            fail(["usage: gen_texts.py TEXTS HEADER OUTPUT [--font FONT]..."])
        fonts.append(args[at + 1])
        del args[at:at + 2]
    if len(args) != 3:
        fail(["usage: gen_texts.py TEXTS HEADER OUTPUT [--font FONT]..."])
    texts_path, header_path, out_path = args
    (table, size, ascii_run), texts, extra = parse_texts(texts_path)
    counts, order, tables = parse_header(header_path)

    problems = []
    if tables.get(table) != size:
        problems.append("%s has %d entries here, the header declares %s"
                        % (table, size, tables.get(table)))
    have = {}
    for name, text in texts:
        if name in have:
            problems.append("%s is given twice" % name)
        have[name] = text
        if name not in counts:
            problems.append("%s is not declared in the header" % name)
        elif len(text) != counts[name]:
            problems.append("%s has %d glyphs, %d are declared: %r"
                            % (name, len(text), counts[name], text))
        if "\0" in text:
            problems.append("%s contains a NUL character" % name)
    for name in order:
        if name not in have:
            problems.append("%s has no text" % name)
    codes, table_problems = build_table(size, ascii_run, texts, extra)
    problems += table_problems
    if not table_problems:
        for font in fonts:
            problems += missing_glyphs(codes, texts, font)
    if problems:
        fail(problems)

    index = {code: i for i, code in enumerate(codes)}
    header_name = header_path.replace("\\", "/").split("/")[-1]
    texts_name = texts_path.replace("\\", "/").split("/")[-1]
    out = []
    out.append("// Generated by tools/fontgen/gen_texts.py from %s. Do not edit: edit %s."
               % (texts_name, texts_name))
    out.append('#include "OrvRender/%s"' % header_name)
    out.append("")
    out.append("const UInt32 %s[%d] = {" % (table, size))
    for start in range(0, len(codes), 8):
        row = codes[start:start + 8]
        body = " ".join("0x%04X," % c for c in row)
        out.append("    %-64s /* %3d: %s */" % (body, start, comment(" ".join(shown(c) for c in row))))
    out.append("};")
    out.append("")
    for name in order:
        text = have[name]
        idx = ", ".join(str(index[ord(ch)]) for ch in text)
        out.append("/* %s */" % comment(json.dumps(text, ensure_ascii=False)))
        out.append("const unsigned int %s[] = {%s, 0};" % (name, idx))
    data = "\n".join(out) + "\n"
    with open(out_path, "w", encoding="utf-8", newline="\n") as f:
        f.write(data)


if __name__ == "__main__":
    main()
