#!/usr/bin/env python3
"""The solver's decided share and deal times for every game kind, against the goals.

Without options it prints the measurements recorded in the game sources (data/games/*.game),
one Markdown row a kind. With --measure it first measures the chosen kinds again with
quilloro-cli odds (200 deals from 1001, 10 s of processor time a deal, each kind at the node
budget of its record unless --nodes says otherwise), recording with --write.

    bench/solver_odds_table.py
    bench/solver_odds_table.py --measure --game 0 --game 2 --cli build/quilloro/quilloro-cli --write
"""
import argparse
import pathlib
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
sys.path.insert(0, str(ROOT / "tools" / "help"))
from game_sources import read_games  # noqa: E402

# The share of deals each kind must decide; every kind not named here needs 95 %.
GOALS = {"Klondike": 99, "Klondike by Threes": 99, "FreeCell": 99, "Canfield": 99, "Golf": 99,
         "Black Hole": 99, "Spider": 90}
DEFAULT_GOAL = 95


def measure(game, args):
    record = game.measured
    nodes = args.nodes or int(record.get("nodes", 1_000_000))
    command = [args.cli, "odds", "--game", str(game.index), "--first", str(args.first), "--deals",
               str(args.deals), "--nodes", str(nodes), "--budget-ms", str(args.budget_ms), "--dat", args.dat,
               "--home", str(pathlib.Path(args.home) / f"odds-{game.index}")]
    if args.write:
        command += ["--write", str(game.path)]
    print(f"measuring {game.name} ({nodes} positions a deal)", file=sys.stderr, flush=True)
    subprocess.run(command, check=True, stdout=sys.stderr)


def row(game):
    m = game.measured
    if not m:
        return f"| {game.name} | not measured | | | | | | | | {GOALS.get(game.name, DEFAULT_GOAL)} | no |"
    first, _, last = m["deals"].partition("-")
    deals = int(last) - int(first) + 1
    won, lost, undecided = int(m["won"]), int(m["lost"]), int(m["undecided"])
    decided = 100.0 * (won + lost) / deals
    goal = GOALS.get(game.name, DEFAULT_GOAL)
    median = m.get("median_s", "-")
    slowest = m.get("max_s", "-")
    return (f"| {game.name} | {deals} | {decided:.1f} | {won} | {lost} | {undecided} | {int(m['nodes']):,} | "
            f"{median} | {slowest} | {goal} | {'yes' if decided >= goal else 'no'} |")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--measure", action="store_true", help="measure the chosen kinds before printing")
    parser.add_argument("--game", type=int, action="append", help="a kind's index (all kinds when absent)")
    parser.add_argument("--cli", default=str(ROOT / "build" / "quilloro" / "quilloro-cli"))
    parser.add_argument("--dat", default=str(ROOT / "build" / "quilloro" / "GAMES.DAT"))
    parser.add_argument("--home", default="/tmp/quilloro-odds")
    parser.add_argument("--first", type=int, default=1001)
    parser.add_argument("--deals", type=int, default=200)
    parser.add_argument("--nodes", type=int, help="positions a deal (default: the kind's recorded budget)")
    parser.add_argument("--budget-ms", type=int, default=10_000)
    parser.add_argument("--write", action="store_true", help="record the measurements in the game sources")
    args = parser.parse_args()

    games = read_games([ROOT / "data" / "games"])
    chosen = [games[i] for i in args.game] if args.game else list(games.values())
    if args.measure:
        for game in chosen:
            measure(game, args)
        if args.write:
            games = read_games([ROOT / "data" / "games"])
            chosen = [games[game.index] for game in chosen]
    print("| kind | deals | decided % | won | lost | undecided | nodes | median s | max s | goal % | meets |")
    print("|---|---|---|---|---|---|---|---|---|---|---|")
    for game in chosen:
        print(row(game))
    met = sum(1 for game in chosen if row(game).endswith("| yes |"))
    print(f"\n{met} of {len(chosen)} kinds meet their goal.")


if __name__ == "__main__":
    main()
