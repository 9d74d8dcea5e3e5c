#!/usr/bin/python3
"""What a screen reader gets from a running program, read from the
accessibility bus (AT-SPI) with pyatspi.

  atspi_tree.py dump              the tree: one line an object, indented by depth,
                                  "[role] name {states}"
  atspi_tree.py check             every object that shows, is enabled and takes
                                  the focus has a role and a name, so has every
                                  interactive control, and no two
                                  interactive siblings share one; prints each
                                  offender with its path, exits 1 if there is
                                  one (or if there is no control at all)
  atspi_tree.py wait NAME         waits until a control of that name shows
                                  (--role to narrow, --state and --no-state to
                                  wait for states present and absent),
                                  prints "[role] name {states}"; exits 1 on time-out
  atspi_tree.py focused           prints the object that has the keyboard focus
                                  (waits for one; --name/--role wait for that one)
  atspi_tree.py listen            listens as a screen reader does (focus, object
                                  and window events of every application) and
                                  prints each event, or with --quiet only how many
                                  came, when ended with SIGTERM or Ctrl+C
  atspi_tree.py press KEY --focus NAME
                                  presses KEY (xdotool key) until NAME has the
                                  focus, at most --times times (default 1),
                                  waiting after each press for the focus to move;
                                  exits 1, saying where the focus is, if it never
                                  gets there

The program is found by its application name (--app, default q3config); the
program must be started with the bus on (QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
for Qt). Every command waits up to --timeout seconds (default 20) for the
program to appear.
"""
import argparse
import signal
import subprocess
import sys
import time

import pyatspi

# Roles a user operates: a control of these roles needs a name.
INTERACTIVE_ROLES = {
    pyatspi.ROLE_PUSH_BUTTON,
    pyatspi.ROLE_TOGGLE_BUTTON,
    pyatspi.ROLE_CHECK_BOX,
    pyatspi.ROLE_RADIO_BUTTON,
    pyatspi.ROLE_SLIDER,
    pyatspi.ROLE_SPIN_BUTTON,
    pyatspi.ROLE_LIST_ITEM,
    pyatspi.ROLE_PAGE_TAB,
    pyatspi.ROLE_COMBO_BOX,
    pyatspi.ROLE_TEXT,
    pyatspi.ROLE_ENTRY,
    pyatspi.ROLE_PASSWORD_TEXT,
    pyatspi.ROLE_MENU_ITEM,
    pyatspi.ROLE_CHECK_MENU_ITEM,
    pyatspi.ROLE_RADIO_MENU_ITEM,
    pyatspi.ROLE_LINK,
}

POLL_SECONDS = 0.2


class Node:
    """One object of the tree as read once: role, name, states, children.
    With `showing_only`, the children of an object that does not show are
    left out (they cannot show either), which makes reading much faster."""

    def __init__(self, accessible, parent=None, showing_only=False):
        self.parent = parent
        self.role = accessible.getRole()
        self.role_name = accessible.getRoleName()
        self.name = accessible.name or ""
        self.states = set(accessible.getState().getStates())
        self.children = []
        if showing_only and not self.shows():
            return
        for i in range(accessible.childCount):
            child = accessible.getChildAtIndex(i)
            if child is not None:
                self.children.append(Node(child, self, showing_only))

    def state_names(self):
        return sorted(pyatspi.stateToString(s) for s in self.states)

    def line(self):
        return "[%s] %s {%s}" % (self.role_name, self.name, ",".join(self.state_names()))

    def path(self):
        parts = []
        node = self
        while node is not None:
            parts.append("[%s] %s" % (node.role_name, node.name))
            node = node.parent
        return " / ".join(reversed(parts))

    def walk(self, depth=0):
        yield self, depth
        for child in self.children:
            yield from child.walk(depth + 1)

    def shows(self):
        return pyatspi.STATE_SHOWING in self.states

    def enabled(self):
        return pyatspi.STATE_ENABLED in self.states and pyatspi.STATE_SENSITIVE in self.states

    def takes_focus(self):
        return pyatspi.STATE_FOCUSABLE in self.states and self.shows() and self.enabled()

    def interactive(self):
        return self.role in INTERACTIVE_ROLES and self.shows() and self.enabled()


def find_application(name, timeout):
    deadline = time.monotonic() + timeout
    while True:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == name:
                return app
        if time.monotonic() > deadline:
            sys.exit("atspi_tree: no application %r on the accessibility bus" % name)
        time.sleep(POLL_SECONDS)


def read_tree(app, showing_only=True):
    """The tree as read now; objects that go while it is read are retried."""
    for _ in range(5):
        try:
            return Node(app, None, showing_only)
        except Exception:  # an object went away mid-read (GLib.Error, LookupError)
            time.sleep(POLL_SECONDS)
    return Node(app, None, showing_only)


def offenders(root):
    """Lines for each object that takes the focus without a role, each
    interactive control or object that takes the focus without a name, and
    each group of interactive siblings sharing one."""
    problems = []
    for node, _ in root.walk():
        if node.takes_focus() and node.role == pyatspi.ROLE_UNKNOWN:
            problems.append("no role: " + node.path())
        if (node.interactive() or node.takes_focus()) and not node.name.strip():
            problems.append("no name: " + node.path())
        seen = {}
        for child in node.children:
            if child.interactive() and child.name.strip():
                seen.setdefault(child.name, []).append(child)
        for name, same in seen.items():
            if len(same) > 1:
                problems.append("%d siblings named %r: %s" % (len(same), name, node.path()))
    return problems


def matches(node, name, role, states, absent=()):
    if name is not None and node.name != name:
        return False
    if role is not None and node.role_name != role:
        return False
    has = set(node.state_names())
    return set(states) <= has and not set(absent) & has


def innermost_focused(node):
    """Whether `node` has the focus and none of its descendants has: the
    window and the view that hold the focused control are focused too."""
    return pyatspi.STATE_FOCUSED in node.states and not any(
        pyatspi.STATE_FOCUSED in n.states for child in node.children for n, _ in child.walk())


def wait_for(app, timeout, accept):
    """The first node `accept` takes, polling the tree until the time-out."""
    deadline = time.monotonic() + timeout
    while True:
        for node, _ in read_tree(app).walk():
            if accept(node):
                return node
        if time.monotonic() > deadline:
            return None
        time.sleep(POLL_SECONDS)


def focused_node(app):
    for node, _ in read_tree(app).walk():
        if innermost_focused(node):
            return node
    return None


def press_until(app, key, times, name, role, timeout):
    """Presses `key` until `name` has the focus; the node, or None."""
    node = focused_node(app)
    for _ in range(times):
        before = node.path() if node else None
        subprocess.run(["xdotool", "key", key], check=True)
        deadline = time.monotonic() + timeout
        while True:
            node = focused_node(app)
            if node is not None and matches(node, name, role, []):
                return node
            if (node.path() if node else None) != before or time.monotonic() > deadline:
                break
            time.sleep(POLL_SECONDS)
    return None


def listen(quiet):
    """Receives every focus, object and window event until SIGTERM or SIGINT;
    prints them (or their count)."""
    count = 0

    def on_event(event):
        nonlocal count
        count += 1
        if not quiet:
            source = event.source
            print("%s %s %r" % (event.type, source.getRoleName() if source else "-",
                                source.name if source else ""), flush=True)

    def stop(*_):
        pyatspi.Registry.stop()

    signal.signal(signal.SIGTERM, stop)
    signal.signal(signal.SIGINT, stop)
    pyatspi.Registry.registerEventListener(on_event, "focus:", "object:", "window:")
    pyatspi.Registry.start()
    print("%d events" % count, flush=True)
    return 0


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--app", default="q3config")
    parser.add_argument("--timeout", type=float, default=20)
    commands = parser.add_subparsers(dest="command", required=True)
    commands.add_parser("dump")
    check = commands.add_parser("check")
    check.add_argument("--quiet", action="store_true", help="no list of the controls checked")
    wait = commands.add_parser("wait")
    wait.add_argument("name")
    wait.add_argument("--role", help='AT-SPI role name, e.g. "push button"')
    wait.add_argument("--state", action="append", default=[], help='e.g. "checked"; repeatable')
    wait.add_argument("--no-state", action="append", default=[], help="a state it must not have")
    focused = commands.add_parser("focused")
    focused.add_argument("--name")
    focused.add_argument("--role")
    listener = commands.add_parser("listen")
    listener.add_argument("--quiet", action="store_true", help="only the number of events")
    press = commands.add_parser("press")
    press.add_argument("key", help="an xdotool key name, e.g. Tab, shift+Tab, F3")
    press.add_argument("--focus", required=True, help="the name that is to get the focus")
    press.add_argument("--role")
    press.add_argument("--times", type=int, default=1)
    options = parser.parse_args()

    if options.command == "listen":
        return listen(options.quiet)
    app = find_application(options.app, options.timeout)
    if options.command == "dump":
        for node, depth in read_tree(app, showing_only=False).walk():
            print("  " * depth + node.line())
        return 0
    if options.command == "check":
        tree = read_tree(app)
        checked = [node for node, _ in tree.walk() if node.interactive()]
        if not options.quiet:
            for node in checked:
                print("checked: " + node.line())
        problems = offenders(tree)
        for problem in problems:
            print(problem)
        print("%d interactive controls, %d problems" % (len(checked), len(problems)))
        return 1 if problems or not checked else 0
    if options.command == "wait":
        node = wait_for(app, options.timeout, lambda n: n.shows() and matches(
            n, options.name, options.role, options.state, options.no_state))
        if node is None:
            print("atspi_tree: no %s %r with states %s and without %s showing" %
                  (options.role or "control", options.name, options.state, options.no_state),
                  file=sys.stderr)
            return 1
        print(node.line())
        return 0
    if options.command == "focused":
        node = wait_for(app, options.timeout, lambda n: innermost_focused(n) and
                        matches(n, options.name, options.role, []))
        if node is None:
            print("atspi_tree: nothing focused%s" % (
                "" if options.name is None else " named %r" % options.name), file=sys.stderr)
            return 1
        print(node.line())
        return 0
    if options.command == "press":
        node = press_until(app, options.key, options.times, options.focus, options.role,
                           min(options.timeout, 5))
        if node is None:
            at = focused_node(app)
            print("atspi_tree: %s x %d: the focus is on %s, not on %r" % (
                options.key, options.times, at.line() if at else "nothing", options.focus),
                file=sys.stderr)
            return 1
        print(node.line())
        return 0
    return 2


if __name__ == "__main__":
    sys.exit(main())
