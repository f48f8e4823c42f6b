# SPDX-FileCopyrightText: 2026 The Galvix developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reading the program as a screen reader does, through the accessibility bus (pyatspi).

Roles are compared as their values (pyatspi.ROLE_PUSH_BUTTON, ...), never by the names the bus
gives them: those differ between releases of at-spi2-core ("push button" became "button").
"""

from gi.repository import GLib

# libatspi connects to the bus when it is first used, not on import: by then the session has set
# the bus's address in this process's environment.
import pyatspi


def role_name(role):
    """The name of a role's value, as pyatspi spells it: "ROLE_PUSH_BUTTON"."""
    try:
        return str(pyatspi.Role(int(role)))
    except KeyError:
        return f"role {int(role)}"


def wanted_role(role):
    """A role a finder was asked for, or None; a role's name in place of its value is a mistake."""
    if role is not None and not isinstance(role, int):
        raise TypeError(f"roles are given as values such as pyatspi.ROLE_PUSH_BUTTON, not as {role!r}")
    return role


class Accessible:
    """Reading and pressing one object of the accessibility tree."""

    @staticmethod
    def walk(root):
        stack = [root]
        while stack:
            node = stack.pop()
            if node is None:
                continue
            yield node
            try:
                count = node.childCount
            except GLib.GError:  # an object that has just left the bus has no children to read
                continue
            stack.extend(node.getChildAtIndex(index) for index in reversed(range(count)))

    @staticmethod
    def role(node):
        return node.getRole()

    @staticmethod
    def text(node):
        """The text a screen reader reads: a text box's text, otherwise the name."""
        try:
            text = node.queryText()
        except NotImplementedError:
            return node.name
        return text.getText(0, -1)

    @staticmethod
    def extents(node, atspi_module=pyatspi):
        box = node.queryComponent().getExtents(atspi_module.DESKTOP_COORDS)
        return (box.x, box.y, box.width, box.height)

    @staticmethod
    def has_state(node, state):
        return node.getState().contains(state)

    @staticmethod
    def press(node):
        action = node.queryAction()
        names = [action.getName(index).lower() for index in range(action.nActions)]
        action.doAction(names.index("press") if "press" in names else 0)


def application(pid):
    """The application of a process on the accessibility bus, or None while it is not there."""
    desktop = pyatspi.Registry.getDesktop(0)
    for index in range(desktop.childCount):
        try:
            found = desktop.getChildAtIndex(index)
            if found is not None and found.get_process_id() == pid:
                # Names and texts change under the test; read them afresh every time.
                found.set_cache_mask(pyatspi.Atspi.Cache.NONE)
                return found
        except GLib.GError:  # an application that has just left the bus
            continue
    return None


def describe_tree(root):
    """One line per object under root: role, name, description, extents, text and states."""
    lines = []

    # Written when a test has failed: whatever an object will not say is written down in its place.
    def visit(node, depth):
        if node is None:
            return
        try:
            states = [pyatspi.stateToString(state) for state in node.getState().getStates()]
            states = [state for state in states if state in ("focused", "focusable", "showing", "active")]
            try:
                extents = Accessible.extents(node)
            except (NotImplementedError, GLib.GError):
                extents = None
            try:
                text = node.queryText().getText(0, -1)
            except (NotImplementedError, GLib.GError):
                text = None
            line = (f"{'  ' * depth}{role_name(node.getRole())} name={node.name!r} "
                    f"description={node.description!r} extents={extents}")
            if text is not None:
                line += f" text={text!r}"
            lines.append(line + f" states={','.join(states)}")
            for index in range(node.childCount):
                visit(node.getChildAtIndex(index), depth + 1)
        except Exception as error:  # noqa: BLE001 - the rest of the tree is still worth writing
            lines.append(f"{'  ' * depth}({error!r})")

    visit(root, 0)
    return lines
