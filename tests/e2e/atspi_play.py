#!/usr/bin/python3
"""Plays kov as a screen reader user does, through AT-SPI alone: presses a plain card of Player
One's that matches the discard, then the draw pile twice, reads the new names back, and opens and
closes the About box. With "modal", on a table that gives Player One a wild draw four and six blue
skips, shows that presses under the open colour chooser and "Play Again" box do nothing. Every
wait polls for up to WAIT seconds. Start kov once READY_FILE exists: this client is listening.
Usage: atspi_play.py WAIT READY_FILE [modal]"""

import os
import re
import sys
import time

import pyatspi
from gi.repository import GLib

WAIT = float(sys.argv[1])
READY_FILE = sys.argv[2]
SLOT = re.compile(r"^Player One, card ([1-7]): (.*)$")
DISCARD = re.compile(r"^Discard: (.*), colour in force (.*)$")

failures = []
renamed = []  # names announced by name-change events, in order


def fail(what):
    print("FAIL [AT-SPI]: " + what, file=sys.stderr)
    failures.append(what)


def on_name_changed(event):
    renamed.append(event.source.name if event.source is not None else "")


def pump():
    context = GLib.MainContext.default()
    while context.iteration(False):
        pass


def eventually(test):
    """test() once it holds, or None after WAIT seconds."""
    until = time.monotonic() + WAIT
    while True:
        pump()
        try:
            found = test()
        except Exception:  # objects come and go while the program starts
            found = None
        if found or time.monotonic() >= until:
            return found
        time.sleep(0.1)


def showing(accessible):
    return accessible.getState().contains(pyatspi.STATE_SHOWING)


def window_named(caption):
    windows = (window for app in pyatspi.Registry.getDesktop(0)
               if app is not None and app.name == "KOV" for window in app)
    return next((window for window in windows
                 if window is not None and window.name == caption and showing(window)), None)


def controls_of(caption):
    """The controls of kov's open window with that caption, by name."""
    window = window_named(caption)
    return {child.name: child for child in window if child is not None} if window else None


def board():
    return controls_of(os.environ["KOV_WINDOW_TITLE"])


def ok_button(caption):
    """The OK button of the open window with this caption."""
    window = window_named(caption)
    return pyatspi.findDescendant(window, lambda a: a.name == "OK") if window else None


def shown_turn():
    controls = board() or {}
    return [name for name, control in controls.items()
            if name.endswith(" to move") and showing(control)]


def press(control):
    actions = control.queryAction()
    names = [actions.getName(i).lower() for i in range(actions.nActions)]
    if "press" not in names:
        fail(f"'{control.name}' offers no press action, only {names}")
        return
    actions.doAction(names.index("press"))


def plain_match(card, discard, colour):
    """A number card of the colour in force or of the discard's value: it passes the turn."""
    parts = card.split(" ")
    return (len(parts) == 2 and parts[1].isdigit()
            and (parts[0] == colour or parts[1] == discard.split(" ")[-1]))


def main():
    controls = board()
    discard_name = next(name for name in controls if DISCARD.match(name))
    discard, colour = DISCARD.match(discard_name).groups()
    hand = {int(m.group(1)): m.group(2) for m in map(SLOT.match, controls) if m}
    if sorted(hand) != list(range(1, 8)):
        fail(f"Player One's slots are not all named: {sorted(controls)}")
        return
    playable = [slot for slot, card in sorted(hand.items()) if plain_match(card, discard, colour)]
    if not playable:
        fail(f"no plain card matches '{discard_name}' in {hand}")
        return
    slot = playable[0]
    card = hand[slot]
    print(f"[AT-SPI] on '{discard_name}', Player One presses card {slot}: {card}")
    renamed.clear()
    press(controls[f"Player One, card {slot}: {card}"])

    played = f"Discard: {card}, colour in force {card.split(' ')[0]}"
    if not eventually(lambda: played in board() and shown_turn() == ["Player Two to move"]):
        fail(f"after the press: turn {shown_turn()}, names {sorted(board())}")
    # Player One's row closed up: the last slot is empty now.
    if "Player One, card 7: empty" not in board():
        fail(f"Player One's row after the play: {sorted(n for n in board() if SLOT.match(n))}")
    if not eventually(lambda: played in renamed and "Player Two to move" in renamed):
        fail(f"no name-change events for the discard and the turn; heard {renamed}")

    # Player Two's hand is full: the pile gives him nothing and the turn comes back.
    press(board()["Draw pile"])
    if not eventually(lambda: shown_turn() == ["Player One to move"]):
        fail(f"after Player Two pressed the pile: turn {shown_turn()}")
    # Player One draws into his free last slot.
    press(board()["Draw pile"])
    drawn = eventually(lambda: [n for n in board() if n.startswith("Player One, card 7: ")
                                and not n.endswith(": empty")])
    if drawn:
        print(f"[AT-SPI] Player One drew: {drawn[0]}")
    else:
        fail(f"Player One's pile press drew nothing: {sorted(board())}")

    press(board()["About"])
    about = eventually(lambda: controls_of("About"))
    if not about or "OK" not in about:
        fail(f"no About box with an OK button: {about}")
        return
    press(about["OK"])
    if not eventually(lambda: controls_of("About") is None):
        fail("the About box stayed open after OK")


def pressed_under(caption, presses):
    """Presses each named control of the main window while the window captioned caption is
    open, then shows that the board has not changed and that window is still open."""
    before = sorted(board())
    for name in presses:
        press(board()[name])
    # Qt presses a button a moment after it is asked to; give every press time to arrive.
    for _ in range(15):
        pump()
        time.sleep(0.1)
    if sorted(board()) != before:
        fail(f"pressing {presses} under '{caption}' changed the board: "
             f"{sorted(set(board()) ^ set(before))}")
    if not window_named(caption):
        fail(f"'{caption}' closed while {presses} were pressed under it")


def modal():
    """Player One holds a wild draw four and six blue skips; Player Two's hand is full."""
    press(board()["Player One, card 1: Wild Draw Four"])
    if not eventually(lambda: window_named("Select A Colour")):
        fail("the colour chooser did not open")
        return
    pressed_under("Select A Colour", ["Player One, card 2: Blue Skip", "Draw pile", "New Game"])
    press(ok_button("Select A Colour"))
    played = "Discard: Wild Draw Four, colour in force Blue"
    if not eventually(lambda: played in board() and "Player One, card 7: empty" in board()
                      and "Player One, card 6: Blue Skip" in board()):
        fail(f"after the chooser's OK: {sorted(board())}")
        return
    # The skips keep the turn; the last one wins the hand.
    for left in range(5, -1, -1):
        press(board()["Player One, card 1: Blue Skip"])
        if not eventually(lambda: f"Player One, card {left + 1}: empty" in board()):
            fail(f"a skip was not played: {sorted(board())}")
            return
    if not eventually(lambda: window_named("Play Again")):
        fail("no \"Play Again\" box after Player One's last card")
        return
    pressed_under("Play Again", ["Player Two, card 1: Green 1", "Draw pile", "New Game"])
    press(ok_button("Play Again"))
    if not eventually(lambda: "Player One, card 7: empty" not in board()):
        fail(f"no new deal after the \"Play Again\" box: {sorted(board())}")


if __name__ == "__main__":
    pyatspi.Registry.registerEventListener(on_name_changed,
                                           "object:property-change:accessible-name")
    with open(READY_FILE, "w", encoding="utf-8"):
        pass
    if not eventually(lambda: shown_turn() == ["Player One to move"]):
        fail(f"no board with Player One to move within {WAIT} s; saw {board()}")
    elif sys.argv[3:] == ["modal"]:
        modal()
    else:
        main()
    sys.exit(1 if failures else 0)
