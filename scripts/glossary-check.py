#!/usr/bin/env python3
"""Lists the parts of names under src/app that are neither English words nor
abbreviations of the glossary in docs/ARCHITECTURE.md; exits 1 when there is
one. A name is split at capitals, digits and underscores. English words are
those of /usr/share/dict/words and the list below (words of C++ and of this
program that the dictionary lacks)."""
import pathlib
import re
import sys

root = pathlib.Path(__file__).resolve().parent.parent

# Plain words the names use, lower case.
WORDS = set("""
a accept activation active add added alarm alignment all angle answered apply arc arg argc argv ask asked at atan
atomic attribs auto away axis b back backward base beam begin bind bit bits bool both bottom box boxed break button
buttons by byte bytes c cancel capacitive card case cast cell change changed changes char check checked choosers
chosen class clear cleared click clicked close code collision column commit config connect connections const
constexpr contains content continue copy corners count create creep critical current cursor custom cut cutback
cutting d data default define delay delete demo device dial dialog dir direct direction disable disabled disconnect
displayed do done double down draw drive earlier edit editor else emit empty enable enabled end endif enter enum err
error escape event exec existing exists explicit extern f failed false families fast faster field fields file find
finish fire first fit fixed flag flags flush focus folder folders follows font fonts for form forward frame frames
from full function general geometry get go graph graphic h handler handling height hide hint hold home icon icons if
ifndef ignition ignore ignored image in index information initializer input inputs insensitive insert install
instance int interval item jog jogging jump key keyboard keys knock knocked l label laser last later latin leave left
length libpictures library lift lifted limit line link links list load loaded local locate lock loop low lower lowest
m machine main make mark marking marks mask math max member members menu merge message messagebox meta method minimize
minus minutes mirror mirrors mkpath modal mode more motion move moveback movement moveout movex movey n name names
namespace need new next nextline nextpage no not notice null nullptr number object of off offset ok old on once only
open opened other out output override oxygen p pad page pages pair panel panels parameter parent parse parser part
parts path pending phase pierce pierces piercing pixmap place plasma plate plot point policy pos positioned powder
precise preheat preheating prepare present pressed preview previous prevline prevpage private process program property
protected public qint question quint r radio radios raise range rapid read reader ready real receiver record rect
refresh refused relabel release released reload remain remove reopened reparse repeat reporting request requested
required rerole reset restore result resume return right rotate rotation row rows run runner running s save saveas
scrap screen second seconds section segment segments select selected selection send sender sensor set setting
settings setup shared sheet shortcut shot show shown sig signal signals silent single size slot slots slow slower
source spacing speed splash stages standard start starting static status stays step stop stopped stored string strip
struct style substitution success sunken switch t table target targets temp template text there this thread tick
time timeout timer timers title to top torch total touch tr trace trail traverse true type typed unbind unconnected
unsigned unwire up update using v valid value values vector view views visible void voltage w warning widget width
window windows wire without working write writing x xml y yes zero zoom
answer is my passive pi qt reject rewire std substitutes
cloexec eacces edquot efbig eisdir enametoolong enoent enotdir erofs fcntl isreg qputenv strerror
""".split())


def dictionary():
    """The system's English word list (Debian's wamerican, which the setup
    script installs), so that only abbreviations and coined words need the
    glossary."""
    words = pathlib.Path("/usr/share/dict/words")
    if not words.is_file():
        return set()
    return {w.strip().lower() for w in words.read_text(encoding="utf-8", errors="replace").split()
            if "'" not in w}


def glossary():
    text = (root / "docs" / "ARCHITECTURE.md").read_text(encoding="utf-8")
    section = text.split("## Glossary", 1)[1]
    found = set()
    for line in section.splitlines():
        if line.startswith("| `"):
            first = line.split("|")[1]
            found.update(re.findall(r"`([^`]+)`", first))
    return found


def names():
    found = set()
    for path in sorted((root / "src" / "app").rglob("*")):
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
            if re.match(r"^(Q[A-Z]|q[A-Z]|Q_|QT_)", name) or re.fullmatch(r"[A-Z0-9_]+_H", name):
                continue
            found.add(name)
    return found


def parts(name):
    out = []
    for piece in re.split(r"[_\d]+", name):
        out.extend(re.findall(r"[A-Z]+(?![a-z])|[A-Z]?[a-z]+", piece))
    return out


def explained(token, known):
    """A known abbreviation or word, or two of them run together
    ("kclicked", "YHanswer" after its capital Y)."""
    def one(t):
        return t.lower() in known or t.lower() in WORDS

    if one(token):
        return True
    return any(one(token[:k]) and one(token[k:]) for k in range(1, len(token)))


def main():
    known = {entry.lower() for entry in glossary()} | dictionary()
    missing = {}
    for name in names():
        tokens = parts(name)
        for i, token in enumerate(tokens):
            # "dlzYHanswer" splits as Y, Hanswer: try the capital before it too.
            if explained(token, known) or (i and explained(tokens[i - 1] + token, known)):
                continue
            missing.setdefault(token, name)
    for token in sorted(missing, key=str.lower):
        print(f"not in the glossary: {token} (in {missing[token]})")
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main())
