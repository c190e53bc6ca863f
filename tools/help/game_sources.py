"""Reads the game sources (.game files) the way the GAMES.DAT encoder does, for the rules pages."""
import pathlib
import re

PARAMETER_LINE = re.compile(r"^(\d+)(?:-(\d+))?\s+\w+:\s*(.*)$")
# The solver's recorded measurement: "# measured: deals 1001-1200 nodes N ms M won W lost L undecided U ..."
MEASURED_LINE = re.compile(r"^#\s*measured:\s*(.*)$")

# The encoder's defaults for the parameters the rules pages read; every other index defaults to 0
# (`gamesdat names` lists them all).
DEFAULTS = {11: -1, 13: 1, 16: 1, 17: 1, 255: 52, 319: 1, 320: 1}


class GameSource:
    def __init__(self, path, meta, values, measured=None):
        self.path = path
        self.measured = measured or {}  # "won", "lost", "undecided", "ms", ... of the recorded measurement
        self.index = int(meta["index"])
        self.name = meta["name"]
        self.category = int(meta.get("category", "0"))
        self.help = int(meta["help"])
        self.values = values

    def value(self, index, default=None):
        return self.values.get(index, DEFAULTS.get(index, 0) if default is None else default)


def read_game_source(path):
    meta, values, measured = {}, {}, {}
    for raw in pathlib.Path(path).read_text(encoding="ascii").splitlines():
        record = MEASURED_LINE.match(raw.strip())
        if record:
            words = record.group(1).split()
            measured = dict(zip(words[0::2], words[1::2]))
            continue
        line = raw.split("#", 1)[0].strip()
        if not line:
            continue
        match = PARAMETER_LINE.match(line)
        if match:
            first = int(match.group(1))
            last = int(match.group(2) or first)
            given = [int(v) for v in match.group(3).split()]
            for i in range(first, last + 1):
                values[i] = given[0] if len(given) == 1 else given[i - first]
        else:
            key, _, value = line.partition(":")
            meta[key.strip()] = value.strip()
    return GameSource(path, meta, values, measured)


def read_games(folders):
    """All games of the given folders, by game index; a later folder wins for the same index."""
    games = {}
    for folder in folders:
        for path in sorted(pathlib.Path(folder).glob("*.game")):
            game = read_game_source(path)
            games[game.index] = game
    return dict(sorted(games.items()))
