"""Decodes main-board frames with canmatrix from a DBC file and compares with the values the
cluster's decoder stores. Input: the DBC file and a case file, one case a line:
    IDENTIFIER HEXDATA VALUE SIGNAL DBCNAME...
(the DBC names are the signal's parts; their physical values add up to the value).
Prints one line per disagreement and exits 1 if there is any; exit 3 when canmatrix is missing."""
import sys

try:
    import canmatrix
    import canmatrix.formats
except ImportError:
    print("python3-canmatrix is not installed")
    sys.exit(3)


def main(dbc_path, cases_path):
    db = canmatrix.formats.loadp_flat(dbc_path, import_type="dbc")
    if db is None:
        print("canmatrix could not read %s" % dbc_path)
        return 1
    wrong = 0
    for line in open(cases_path):
        words = line.split()
        if not words:
            continue
        ident, data, value, name, parts = int(words[0]), bytes.fromhex(words[1]), float(words[2]), words[3], words[4:]
        frame = db.frame_by_id(canmatrix.ArbitrationId(ident))
        if frame is None:
            print("%s: no frame %#x in the DBC file" % (name, ident))
            wrong += 1
            continue
        decoded = frame.decode(data)
        missing = [p for p in parts if p not in decoded]
        if missing:
            print("%s: %s not decoded from %s" % (name, ",".join(missing), words[1]))
            wrong += 1
            continue
        got = sum(float(decoded[p].phys_value) for p in parts)
        if abs(got - value) > 1e-6:
            print("%s: canmatrix reads %s from %s, the cluster %s" % (name, got, words[1], value))
            wrong += 1
    return 1 if wrong else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
