"""Prints one application's accessibility tree as a screen reader reads it over AT-SPI,
as JSON: role, name, description, states, the text of text objects (with the caret)
and the children. Prints null while the application is not on the bus.

    atspi_tree.py <application name>

Runs in a process of its own, on the session bus that DBUS_SESSION_BUS_ADDRESS names.
"""

import json
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

MAX_DEPTH = 12


def node(acc, depth):
    states = acc.get_state_set()
    out = {
        "role": acc.get_role_name(),
        "name": acc.get_name() or "",
        "description": acc.get_description() or "",
        "states": sorted(Atspi.StateType(s).value_nick for s in states.get_states()),
        "children": [],
    }
    text = acc.get_text_iface()
    if text is not None:
        out["text"] = text.get_text(0, text.get_character_count())
        out["caret"] = text.get_caret_offset()
    if depth < MAX_DEPTH:
        for i in range(acc.get_child_count()):
            child = acc.get_child_at_index(i)
            if child is not None:
                out["children"].append(node(child, depth + 1))
    return out


def main():
    wanted = sys.argv[1]
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_name() == wanted:
            print(json.dumps(node(app, 0)))
            return
    print("null")


if __name__ == "__main__":
    main()
