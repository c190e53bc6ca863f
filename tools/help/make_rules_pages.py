#!/usr/bin/env python3
"""Writes the rules pages of every game, the help pages of the windows and the contents page, in English and
Italian, into data/help.

The facts table of each page is taken from the game's own parameters; the rules themselves come
from the per-game texts in rules_texts_english.py and rules_texts_italian.py, the windows' pages from
dialog_texts.py.
Run from anywhere: python3 tools/help/make_rules_pages.py [--check | --reviewed]
With --check nothing is written; the command fails when a page on disk differs from what it would write,
or when a game's rules parameters have changed since its texts were last read against them.
With --reviewed the pages are written and the parameters of every game are recorded as read.
"""
import argparse
import hashlib
import html
import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))

import dialog_texts  # noqa: E402
from game_sources import read_games  # noqa: E402
import page_words  # noqa: E402
import rules_texts_english  # noqa: E402
import rules_texts_italian  # noqa: E402

ROOT = pathlib.Path(__file__).resolve().parents[2]
GAME_FOLDERS = [ROOT / "data/games-draft", ROOT / "data/games"]
HELP_FOLDER = ROOT / "data/help"
REVIEWED = pathlib.Path(__file__).resolve().parent / "reviewed_parameters.txt"
# Catalogue figures (length, difficulty, odds) change when the odds are measured; they do not touch the rules.
NOT_RULES = set(range(319, 326))
LANGUAGES = {"english": rules_texts_english.TEXTS, "italian": rules_texts_italian.TEXTS}
CATEGORY_ORDER = [5, 4, 2, 3, 8, 11, 6, 7, 9, 10]


def escape(text):
    return html.escape(text, quote=False)


def facts(game, words):
    """Rows of the facts table, each read from the game's parameters."""
    v = game.value
    rows = [(words["packs"], words["one_pack"] if v(255) == 52 else words["two_packs"])]
    has_stock = v(7) == 1
    if has_stock and v(256) > 0:
        rows.append((words["stock"], words["stock_cards"].format(v(256))))
        if v(26) == 8:
            rows.append((words["turned"], words["closes_gaps"]))
        elif v(26) in (1, 7, 14, 16):
            rows.append((words["turned"], words["refills"]))
        elif v(8) == 1 and v(14) != 1:
            rows.append((words["per_click"], str(v(17))))
            passes = v(13)
            rows.append((words["passes"], words["unlimited"] if passes == -1 else str(max(passes, 1))))
        elif v(248) != 0 and v(8) != 1:
            rows.append((words["turned"], words["to_discard"]))
        elif any(v(195 + i) in (1, 2) for i in range(v(252))) or any(v(228 + i) == 1 for i in range(v(253))):
            rows.append((words["turned"], words["row_deal"]))
    elif v(14) == 1:
        rows.append((words["redeals"], str(max(v(13) - 1, 0))))
    else:
        rows.append((words["stock"], words["no_stock"]))
    rows.append((words["autoplay"], words["yes"] if v(16) != 0 else words["no"]))
    if v(26) == 9:
        rows.append((words["score"], words["poker_score"]))
    else:
        rows.append((words["score"], words["card_score"].format(v(255))))
    rows.append((words["length"], words["lengths"][v(319)]))
    rows.append((words["difficulty"], words["difficulties"][v(320)]))
    chance = words["chances"][v(321)] if 0 <= v(321) <= 4 else ""
    if v(323) > 0:
        chance = words["odds"].format(chance, v(322), v(323))
        undecided = int(game.measured.get("undecided", "0"))
        if undecided > 0 and game.measured.get("ms", "").isdigit():
            wording = words["undecided_one"] if undecided == 1 else words["undecided"]
            chance += wording.format(undecided, int(game.measured["ms"]) // 1000)
    elif chance and game.measured.get("ms", "").isdigit():
        # Too few deals decided for the measurement to set the chance: it stays an estimate.
        decided = int(game.measured["won"]) + int(game.measured["lost"])
        deals = decided + int(game.measured["undecided"])
        wording = words["estimate"] if decided > 0 else words["estimate_none"]
        chance = wording.format(chance, decided, deals, int(game.measured["ms"]) // 1000)
    if chance:
        rows.append((words["chance"], chance))
    return rows


def section(title, body):
    if not body:
        return ""
    if isinstance(body, (list, tuple)):
        items = "".join(f"<li>{escape(item)}</li>\n" for item in body)
        return f"<h2>{escape(title)}</h2>\n<ul>\n{items}</ul>\n"
    return f"<h2>{escape(title)}</h2>\n<p>{escape(body)}</p>\n"


def rules_page(game, text, words):
    name = escape(game.name)
    parts = [
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\">\n<html>\n<head>\n",
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\n",
        f"<title>{name}</title>\n</head>\n<body>\n<h1>{name}</h1>\n",
        f"<p><i>{escape(words['categories'][game.category])}</i></p>\n",
        section(words["object"], text["o"]),
        section(words["layout"], text["l"]),
        section(words["play"], text["p"]),
        section(words["stock_title"], text.get("s")),
        section(words["scoring"], text.get("score")),
        section(words["variant"], text["v"]),
        f"<h2>{escape(words['facts'])}</h2>\n<table border=\"1\" cellpadding=\"3\" cellspacing=\"0\">\n",
        "".join(f"<tr><td>{escape(k)}</td><td>{escape(val)}</td></tr>\n" for k, val in facts(game, words)),
        "</table>\n",
        section(words["tips"], text["t"]),
        f"<p><a href=\"index.html\">{escape(words['back'])}</a></p>\n</body>\n</html>\n",
    ]
    return "".join(parts)


def dialog_page(title, intro, sections, words):
    parts = [
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\">\n<html>\n<head>\n",
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\n",
        f"<title>{escape(title)}</title>\n</head>\n<body>\n<h1>{escape(title)}</h1>\n",
        f"<p>{escape(intro)}</p>\n",
    ]
    parts.extend(section(heading, items) for heading, items in sections)
    parts.append(f"<p><a href=\"index.html\">{escape(words['back'])}</a></p>\n</body>\n</html>\n")
    return "".join(parts)


def contents_page(games, words, language):
    parts = [
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\">\n<html>\n<head>\n",
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\n",
        f"<title>{escape(words['contents_title'])}</title>\n</head>\n<body>\n",
        f"<h1>{escape(words['contents_title'])}</h1>\n<p>{escape(words['contents_intro'])}</p>\n",
        f"<h2>{escape(words['games_title'])}</h2>\n",
    ]
    for category in CATEGORY_ORDER:
        members = [g for g in games.values() if g.category == category]
        if not members:
            continue
        parts.append(f"<h3>{escape(words['categories'][category])}</h3>\n<ul>\n")
        parts.extend(f"<li><a href=\"{g.help}.html\">{escape(g.name)}</a></li>\n"
                     for g in sorted(members, key=lambda g: g.name))
        parts.append("</ul>\n")
    for title, items in words["howto"]:
        parts.append(section(title, items))
    parts.append(f"<h2>{escape(words['windows_title'])}</h2>\n<ul>\n")
    parts.extend(f"<li><a href=\"{number}.html\">{escape(page[language][0])}</a></li>\n"
                 for number, page in sorted(dialog_texts.PAGES.items()))
    parts.append("</ul>\n")
    parts.append("</body>\n</html>\n")
    return "".join(parts)


def pages():
    games = read_games(GAME_FOLDERS)
    result = {}
    for language, texts in LANGUAGES.items():
        words = page_words.WORDS[language]
        missing = [g.name for g in games.values() if g.index not in texts]
        if missing:
            raise SystemExit(f"{language}: no rules text for {', '.join(missing)}")
        for game in games.values():
            result[pathlib.Path(language) / f"{game.help}.html"] = rules_page(game, texts[game.index], words)
        for number, page in dialog_texts.PAGES.items():
            result[pathlib.Path(language) / f"{number}.html"] = dialog_page(*page[language], words)
        result[pathlib.Path(language) / "index.html"] = contents_page(games, words, language)
    return result


def rules_fingerprint(game):
    """A digest of the name and every parameter the rules texts depend on."""
    given = ",".join(f"{i}={game.value(i)}" for i in range(326) if i not in NOT_RULES)
    return hashlib.sha256(f"{game.name}|{given}".encode()).hexdigest()[:16]


def fingerprints():
    return {game.index: f"{game.index} {rules_fingerprint(game)} {game.name}"
            for game in read_games(GAME_FOLDERS).values()}


def unreviewed_games():
    recorded = set(REVIEWED.read_text(encoding="utf-8").splitlines()) if REVIEWED.is_file() else set()
    return [line.split(" ", 2)[2] for line in fingerprints().values() if line not in recorded]


def main():
    parser = argparse.ArgumentParser(description="Writes the rules pages, the windows' help pages and the "
                                                 "contents page into data/help.")
    mode = parser.add_mutually_exclusive_group()
    mode.add_argument("--check", action="store_true",
                      help="write nothing; fail when a page differs or a game's rules changed unread")
    mode.add_argument("--reviewed", action="store_true",
                      help="write the pages and record every game's rules parameters as read")
    arguments = parser.parse_args()
    check = arguments.check
    if arguments.reviewed:
        REVIEWED.write_text("".join(line + "\n" for line in fingerprints().values()), encoding="utf-8")
    differing = []
    for relative, text in pages().items():
        path = HELP_FOLDER / relative
        if check:
            if not path.is_file() or path.read_text(encoding="utf-8") != text:
                differing.append(str(relative))
            continue
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_text(text, encoding="utf-8")
    failed = False
    if differing:
        print("pages out of date: " + ", ".join(differing), file=sys.stderr)
        failed = True
    unreviewed = unreviewed_games() if check else []
    if unreviewed:
        print("rules parameters changed since the texts were read against them (check the texts, then run "
              "with --reviewed): " + ", ".join(unreviewed), file=sys.stderr)
        failed = True
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
