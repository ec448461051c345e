#!/usr/bin/python3
"""Reads a running program's accessible tree over AT-SPI, as a screen reader does, and checks
that the named nodes are there.

    accessible_tree.py APP 'role|name pattern[|value]' ...

Each expectation is a role name as AT-SPI gives it, a regular expression that the node's name
(or, for text nodes, its text) must match whole, and optionally the node's current value.
The tree is printed; the exit status is the number of expectations not met."""
import re
import sys
import time

import pyatspi


def describe(node):
    """(role, name, text, value) of one node; None for a node that went away meanwhile."""
    try:
        role, name = node.getRoleName(), node.name or ""
    except Exception:
        return None
    text = value = None
    try:
        reader = node.queryText()
        text = reader.getText(0, reader.characterCount)
    except NotImplementedError:
        pass
    try:
        value = node.queryValue().currentValue
    except NotImplementedError:
        pass
    return role, name, text, value


def walk(node, depth, found):
    described = describe(node)
    if described is None:
        return
    found.append(described)
    role, name, text, value = described
    extra = "" if value is None else f" value={value:g}"
    extra += "" if text is None else f" text={text[:50]!r}"
    print("  " * depth + f"{role}: {name!r}{extra}")
    for index in range(node.childCount):
        walk(node.getChildAtIndex(index), depth + 1, found)


def application(name):
    desktop = pyatspi.Registry.getDesktop(0)
    for _ in range(100):
        for index in range(desktop.childCount):
            app = desktop.getChildAtIndex(index)
            if app is not None and app.name == name:
                return app
        time.sleep(0.1)
    sys.exit(f"no application {name!r} on the accessibility bus")


def met(expectation, found):
    role, pattern, *value = expectation.split("|")
    for node_role, name, text, node_value in found:
        if node_role != role:
            continue
        if not (re.fullmatch(pattern, name, re.S) or (text and re.fullmatch(pattern, text, re.S))):
            continue
        if value and (node_value is None or abs(node_value - float(value[0])) > 1e-9):
            continue
        return True
    return False


def main():
    found = []
    walk(application(sys.argv[1]), 0, found)
    missing = [e for e in sys.argv[2:] if not met(e, found)]
    for expectation in missing:
        print(f"missing: {expectation}", file=sys.stderr)
    return len(missing)


if __name__ == "__main__":
    sys.exit(main())
