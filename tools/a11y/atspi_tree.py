#!/usr/bin/python3
"""Lists the live AT-SPI tree of a running Vandrel Catalogue window: what a
screen reader is told about each control (role, name, states, actions).

    atspi_tree.py [--app NAME] [--all] [--wait SECONDS]

--app picks the application by its name or window title (default:
"vandrel-catalogue"; case, blanks and dashes do not count);
--all lists hidden controls too (the pages not shown); --wait retries until
the application appears on the accessibility bus.
"""
import argparse
import sys
import time

import pyatspi

INTERESTING_STATES = [
    (pyatspi.STATE_FOCUSED, "focused"),
    (pyatspi.STATE_CHECKED, "checked"),
    (pyatspi.STATE_PRESSED, "pressed"),
    (pyatspi.STATE_SELECTED, "selected"),
    (pyatspi.STATE_EDITABLE, "editable"),
]


def states_of(acc):
    st = acc.getState()
    words = [w for s, w in INTERESTING_STATES if st.contains(s)]
    if not st.contains(pyatspi.STATE_ENABLED):
        words.append("disabled")
    return words


def actions_of(acc):
    try:
        action = acc.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def table_of(acc):
    try:
        table = acc.queryTable()
    except NotImplementedError:
        return None
    heads = []
    for c in range(table.nColumns):
        head = table.getColumnHeader(c)
        heads.append(head.name if head else table.getColumnDescription(c))
    return "%d x %d, columns: %s" % (table.nRows, table.nColumns, " | ".join(heads))


def labels_of(acc):
    names = []
    for relation in acc.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            for i in range(relation.getNTargets()):
                names.append(relation.getTarget(i).name or "")
    return names


def describe(acc):
    line = '%s "%s"' % (acc.getRoleName(), acc.name or "")
    labels = labels_of(acc)
    if labels:
        line += " labelled by " + ", ".join('"%s"' % n for n in labels)
    if acc.description:
        line += " (%s)" % acc.description
    words = states_of(acc)
    if words:
        line += " [" + ", ".join(words) + "]"
    acts = actions_of(acc)
    if acts:
        line += " actions: " + ", ".join(acts)
    table = table_of(acc)
    if table:
        line += " table " + table
    return line


def walk(acc, depth, show_all, out):
    if acc is None:
        return
    if not show_all and depth > 1 and not acc.getState().contains(pyatspi.STATE_SHOWING):
        return
    out.append("  " * depth + describe(acc))
    # A table's cells are listed by its summary above.
    if acc.getRole() == pyatspi.ROLE_TABLE:
        return
    for i in range(acc.childCount):
        walk(acc.getChildAtIndex(i), depth + 1, show_all, out)


def simple(name):
    """"Vandrel Catalogue", "vandrel-catalogue" and "vandrel_catalogue" alike."""
    return "".join(c for c in (name or "").lower() if c.isalnum())


def applications():
    return [app for app in pyatspi.Registry.getDesktop(0) if app is not None]


def find_app(name):
    wanted = simple(name)
    for app in applications():
        if simple(app.name) == wanted:
            return app
        for i in range(app.childCount):
            window = app.getChildAtIndex(i)
            if window is not None and wanted in simple(window.name):
                return app
    return None


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--app", default="vandrel-catalogue")
    parser.add_argument("--all", action="store_true")
    parser.add_argument("--wait", type=float, default=0)
    args = parser.parse_args()

    deadline = time.monotonic() + args.wait
    app = find_app(args.app)
    while app is None and time.monotonic() < deadline:
        time.sleep(0.5)
        app = find_app(args.app)
    if app is None:
        names = ", ".join(repr(a.name) for a in applications()) or "none"
        print("atspi_tree: no application named %r on the accessibility bus (there: %s)"
              % (args.app, names), file=sys.stderr)
        return 1
    out = []
    walk(app, 0, args.all, out)
    print("\n".join(out))
    return 0


if __name__ == "__main__":
    sys.exit(main())
