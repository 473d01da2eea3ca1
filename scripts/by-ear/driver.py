#!/usr/bin/python3
"""Plays a game of pairs by ear: run by speak-log (see scripts/play-by-ear).

driver.py SIDE [GAP]: presses one key every GAP seconds (3 by default; the result box and the
high-score box are heard out before their keys) and knows the board only
from what the screen reader said: the tile the focus starts on, each turned tile's picture
("Tile 3: cat face"), each turn's end ("Match: cat face", "No match: dog face") and the result
box. Where the focus goes after a tile is turned over (the next face-down tile in tile order) is
the game's documented behaviour; a turned tile's number in the speech confirms it. It fails
when a picture or a result is missing, comes after other speech, or is cut off by the next key.
Prints the turns taken and the speech of the first turn that had both of its tiles' pictures
heard by Space.
"""
import os
import re
import sys
import time

import speaklog as sl

ECHOES = {"space", "return", "enter"} | set("0123456789")
FIRST = re.compile(r"^notification Tile (\d+): (.+)\.$")
SECOND = re.compile(r"^notification (No match|Match): (.+)\.$")
FOCUS = re.compile(r"^Tile (\d+) push button\.$")


class Failed(Exception):
    pass


class Player:
    def __init__(self, side, gap):
        self.tiles = side * side
        self.gap = gap
        self.down = set(range(1, self.tiles + 1))  # face down, as far as heard
        self.known = {}  # tile -> picture heard
        self.focus = None
        self.turns = 0
        self.presses = []  # (key, time, tile or None)
        self.checked = []  # (time, text) that must not be cut off
        self.delays = []  # key to picture, seconds
        self.shown_turn = None
        self.saved = None  # key to "High score saved."

    # ------------------------------------------------------------ keys and speech
    def press(self, key, tile=None):
        if self.presses:
            time.sleep(max(0.0, self.presses[-1][1] + self.gap - time.time()))
        sl.mark("key %s" % key)
        at = time.time()
        sl.keys(key, gap=0)
        self.presses.append((key, at, tile))
        time.sleep(max(0.0, at + self.gap - 0.05 - time.time()))
        return at

    def heard(self, since):
        """What was said since `since`, key echoes left out."""
        return [(t, text) for t, text in sl.utterances(since=since)
                if text.lower() not in ECHOES and not text.startswith("left ")]

    def expect_first(self, since, pattern, what):
        said = self.heard(since)
        if not said:
            raise Failed("nothing said after the key for %s" % what)
        t, text = said[0]
        m = pattern.match(text)
        if not m:
            raise Failed("%s: the first thing said was %r, not the picture (all: %r)"
                         % (what, text, [x for _, x in said]))
        self.checked.append((t, text))
        self.delays.append((self.presses[-1][0], t - since))
        return m, said

    # ------------------------------------------------------------ the model
    def next_down(self, tile, face_down):
        for k in range(1, self.tiles + 1):
            t = (tile - 1 + k) % self.tiles + 1
            if t in face_down and t != tile:
                return t
        return None

    def turn_over(self, tile, face_down_after):
        """Turns the tile: Space when the focus is on it, else its number and Enter."""
        if self.focus == tile:
            since = self.press("space", tile)
        else:
            for digit in str(tile):
                self.press(digit)
            since = self.press("Return", tile)
        self.focus = self.next_down(tile, face_down_after)
        return since

    def check_focus(self, said):
        for _, text in said:
            m = FOCUS.match(text)
            if m and int(m.group(1)) != self.focus:
                raise Failed("the focus went to tile %s, not to tile %s" % (m.group(1), self.focus))

    def unknown(self, besides=()):
        free = [t for t in sorted(self.down) if t not in self.known and t not in besides]
        if self.focus in free:
            return self.focus
        return free[0] if free else None

    def partner(self, tile):
        for t in sorted(self.down):
            if t != tile and self.known.get(t) == self.known.get(tile):
                return t
        return None

    def known_pair(self):
        for t in sorted(self.down):
            if t in self.known and self.partner(t) is not None:
                return t
        return None

    # ------------------------------------------------------------ play
    def play_turn(self):
        self.verify_uncut()  # the last turn's speech, now that keys have followed it
        first = self.known_pair() or self.unknown()
        up = self.down - {first}
        since = self.turn_over(first, up)
        keys_from = len(self.presses) - 1
        m, said = self.expect_first(since, FIRST, "tile %d" % first)
        if int(m.group(1)) != first:
            raise Failed("turned tile %d, heard %r" % (first, m.group(0)))
        self.known[first] = m.group(2)
        self.check_focus(said)

        second = self.partner(first) or self.unknown(besides=(first,))
        last = len(self.down) == 2
        since = self.turn_over(second, up - {second})
        self.turns += 1
        if last:
            return self.finish(since, first, second)
        m, said = self.expect_first(since, SECOND, "tile %d" % second)
        self.known[second] = m.group(2)
        matched = m.group(1) == "Match"
        if matched != (self.known[first] == self.known[second]):
            raise Failed("heard %r after %r" % (m.group(0), self.known[first]))
        self.check_focus(said)
        if matched:
            self.down -= {first, second}
        if self.shown_turn is None and all(k == "space" for k, _, _ in self.presses[keys_from:]):
            self.shown_turn = (self.presses[keys_from][1], time.time())
        return True

    def listen(self):
        """Waits until a box has been read out whole, as a player would."""
        sl.settle(1.0, timeout=20)
        time.sleep(1.0)

    def finish(self, since, first, second):
        self.listen()
        said = [text for _, text in self.heard(since)]
        if not any("You Finished." in text for text in said):
            raise Failed("no result box after the last pair: %r" % said)
        if any(text.startswith("notification") for text in said):
            raise Failed("the end of the game was spoken twice: %r" % said)
        self.down -= {first, second}
        print("result: %s" % next(text for text in said if "You Finished." in text))
        since = self.press("Return")  # closes the result box
        self.listen()
        said = [text for _, text in self.heard(since)]
        if any("New High Score" in text for text in said):
            since = self.press("Return")  # no name typed: "No Name"
            self.expect_first(since, re.compile(r"^notification High score saved\.$"),
                              "the high score")
            self.saved = self.delays.pop()[1]
        return False

    def verify_uncut(self):
        """Fails on a checked utterance that was cut off; one that may still be
        speaking (started less than its length at 15 characters a second, and a
        little more, ago) waits for a later check."""
        raw = os.environ["SPEAKLOG_RAW"]
        cut = {(round(t, 3), text) for t, text, c in sl.read_say_full(raw, timed=True) if c}
        for t, text in self.checked:
            if (round(t, 3), text) in cut and t + len(text) / 15.0 + 0.3 < time.time():
                raise Failed("cut off by the next key: %r" % text)


def main():
    side = int(sys.argv[1]) if len(sys.argv) > 1 else 4
    gap = float(sys.argv[2]) if len(sys.argv) > 2 else 3.0
    player = Player(side, gap)
    sl.focus_window(r"^Tilewise$")
    for text in reversed(sl.spoken()):
        m = FOCUS.match(text)
        if m:
            player.focus = int(m.group(1))
            break
    try:
        while player.down and player.turns < 4 * side * side:
            if not player.play_turn():
                break
        sl.settle(1.0)
        player.verify_uncut()
    except Failed as e:
        print("FAIL after %d turns: %s" % (player.turns, e))
        return 1
    if player.down:
        print("FAIL: %d tiles still face down after %d turns" % (len(player.down), player.turns))
        return 1
    print("won by ear in %d turns, %d keys at least %.1f s apart"
          % (player.turns, len(player.presses), gap))
    for key in sorted({k for k, _ in player.delays}):
        delays = [d for k, d in player.delays if k == key]
        print("  %s to speech of the picture: %.2f to %.2f s (%d times)"
              % (key, min(delays), max(delays), len(delays)))
    if player.saved is not None:
        print("  Return to \"High score saved.\": %.2f s" % player.saved)
    if player.shown_turn:
        start, end = player.shown_turn
        print("one whole turn, as spoken:")
        for t, text in sl.utterances(since=start - 0.01):
            if t > end:
                break
            print("  +%.2f s\t%s" % (t - start, text))
    return 0


if __name__ == "__main__":
    sys.exit(main())
