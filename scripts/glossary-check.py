#!/usr/bin/env python3
"""Lists the parts of names under src/app that are neither English words nor
abbreviations of the glossary in docs/ARCHITECTURE.md; exits 1 when there is
one. A name is split at capitals and underscores, each part with the
digits that follow it. A part is known when it stands in the glossary with
its own case (`DY` does not explain `dy`), or when it is an English word:
one of /usr/share/dict/words of four letters or more, or one of the lists
below (words of C++ and of this program that the dictionary lacks, and the
English words of one to three letters that names use). The dictionary holds
every letter and many short abbreviations ("msg", "val"), so a short part
counts only when the glossary or those lists explain it. A part may also be
two known parts run together ("kclicked"), as long as one of them is a word
of three letters or more and neither is a glossary entry of one letter: a
one-letter entry would explain any word with a letter added ("Coner").

  glossary-check.py [--doc FILE] [--src DIR]

--doc reads the glossary from FILE instead of docs/ARCHITECTURE.md, --src
checks the names under DIR instead of src/app.
"""
import pathlib
import re
import sys

root = pathlib.Path(__file__).resolve().parent.parent

# Words of C++, of the system's calls and of this program that the
# dictionary lacks, lower case.
WORDS = set("""
arg argc argv atan attribs autorep bool capacitive chooser choosers cloexec codec completers config const constexpr dir dont eacces
endif enoent enotdir enum errno extern fcntl fdatasync fstat getfl ifndef initializer int isreg latin libpictures messagebox mkpath
modality moveback moveout msleep namespace nextline nextpage nonblock nullptr pixmap popup pos prevline prevpage qint qputenv
quint rdonly rect reparse rerole resize edquot efbig eio eisdir eloop emlink enametoolong enospc eperm erofs saveas
setfl sig strerror struct timeout uchar ucs unbuffered unicode unwire ushort utf xml
eagain ebadf ebusy eexist efault eintr einval emfile enfile enodev enomedium enomem enotempty enxio eopnotsupp eoverflow
epipe estale etxtbsy ewouldblock exdev
""".split())

# The English words of one to three letters that names use as words.
SHORT_WORDS = set("""
as at by do go if in is it my no of on or to up
add all and arc ask bit box cut dot due end fit for get got has jog key low map max mid min new not now off old out own
its non pad put row run set tab tip too top use way why yes
""".split())


def dictionary():
    """The system's English word list (Debian's wamerican, which the setup
    script installs), so that only abbreviations and coined words need the
    glossary."""
    words = pathlib.Path("/usr/share/dict/words")
    if not words.is_file():
        return set()
    # Names of places and people ("Platte", "Val") are no words of a name.
    return {w for w in words.read_text(encoding="utf-8", errors="replace").split() if "'" not in w and w.islower()}


def glossary(doc):
    text = doc.read_text(encoding="utf-8")
    section = text.split("## Glossary", 1)[1]
    found = set()
    for line in section.splitlines():
        if line.startswith("| `"):
            first = line.split("|")[1]
            found.update(re.findall(r"`([^`]+)`", first))
    return found


def names(src):
    found = set()
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        text = path.read_text(encoding="utf-8")
        text = re.sub(r"//.*", "", text)
        text = re.sub(r"/\*.*?\*/", "", text, flags=re.S)
        text = re.sub(r'"(\\.|[^"\\\n])*"', '""', text)
        text = re.sub(r"'(\\.|[^'\\])'", "''", text)
        text = re.sub(r"#include.*", "", text)
        for name in re.findall(r"\b[A-Za-z_][A-Za-z0-9_]*\b", text):
            # Qt's own names and macros, and include guards.
            if re.match(r"^(Q[A-Z]|q[A-Z]|Q_|QT_|qobject_cast$)", name) or re.fullmatch(r"[A-Z0-9_]+_H", name):
                continue
            found.add(name)
    return found


def parts(name):
    """The parts of a name, each with the digits that follow it ("V0", "ck3")."""
    out = []
    for piece in name.split("_"):
        out.extend(re.findall(r"[A-Z]+\d*(?![a-z])|[A-Z]?[a-z]+\d*", piece))
    return out


def explained(token, glossary_words, english):
    """A known part, or two known parts run together ("kclicked", "YHanswer"
    after its capital Y), one of them a word of three letters or more."""
    def word(t):
        t = t.lower()
        return t in SHORT_WORDS or t in WORDS or (len(t) >= 4 and t in english)

    def piece(t):
        return (len(t) >= 2 and t in glossary_words) or word(t)

    # A part with digits stands in the glossary with them ("V0") or is
    # explained by its letters ("dx1", "X11").
    if token in glossary_words:
        return True
    token = token.rstrip("0123456789")
    if token in glossary_words or word(token):
        return True
    return any(piece(token[:k]) and piece(token[k:]) and (len(token[:k]) >= 3 and word(token[:k])
                                                          or len(token[k:]) >= 3 and word(token[k:]))
               for k in range(1, len(token)))


def missing_parts(found, known, english):
    """{part: a name holding it} for every part no word or entry explains."""
    missing = {}
    for name in found:
        tokens = parts(name)
        for i, token in enumerate(tokens):
            # "dlzYHanswer" splits as Y, Hanswer and "setPFmove" as P, Fmove:
            # try the part before it and the part after it too.
            if (explained(token, known, english) or (i and explained(tokens[i - 1] + token, known, english))
                    or (i + 1 < len(tokens) and explained(token + tokens[i + 1], known, english))):
                continue
            missing.setdefault(token, name)
    return missing


def main(argv):
    doc = root / "docs" / "ARCHITECTURE.md"
    src = root / "src" / "app"
    it = iter(argv[1:])
    for a in it:
        if a == "--doc":
            doc = pathlib.Path(next(it))
        elif a == "--src":
            src = pathlib.Path(next(it))
        else:
            print("usage: glossary-check.py [--doc FILE] [--src DIR]", file=sys.stderr)
            return 2
    missing = missing_parts(names(src), glossary(doc), dictionary() | WORDS)
    for token in sorted(missing, key=str.lower):
        print(f"not in the glossary: {token} (in {missing[token]})")
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
