"""Drives the real installer only through the desktop's accessibility bus, as
a screen reader user would: every control is found by its role and name,
pressed through its action, and every text is read from the bus.

    atspi_drive.py <VeltranoInstaller executable> <work folder>

It installs the sample products into <work folder> (a successful run, read
back from the bus down to the summary message), then makes a run fail for
real (the staging root is a plain file) and reads the log window. Whenever
an overlay is up, it checks that nothing outside it can be reached, and it
never presses anything outside it. Exits non-zero with a message on the
first fault.
"""

import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import Atspi, GLib

APP = "VeltranoInstaller"
FRAME = "Veltrano Installer"
TIMEOUT = 20.0

checked_events = []


def fail(message):
    raise SystemExit("FAIL: " + message)


def pump(seconds=0.05):
    """Lets bus events arrive for a moment."""
    end = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.01)


def wait_for(what, probe):
    end = time.monotonic() + TIMEOUT
    while time.monotonic() < end:
        try:
            found = probe()
        except Exception:  # an object went away while it was looked at
            found = None
        if found:
            return found
        pump()
    fail("timed out waiting for " + what)


def children(node):
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield child


def walk(node):
    yield node
    for child in children(node):
        yield from walk(child)


def states(node):
    return node.getState()


def showing(node):
    s = states(node)
    return s.contains(pyatspi.STATE_SHOWING) and s.contains(pyatspi.STATE_VISIBLE)


def sensitive(node):
    return states(node).contains(pyatspi.STATE_SENSITIVE)


def find_frame():
    for app in children(pyatspi.Registry.getDesktop(0)):
        if app.name != APP:
            continue
        # States are read from the program at every look, never from a
        # cache that only events keep up to date.
        app.set_cache_mask(Atspi.Cache.NONE)
        for node in children(app):
            if node.getRole() == pyatspi.ROLE_FRAME and node.name == FRAME:
                return node
    return None


CONTROLS = (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_TEXT, pyatspi.ROLE_LABEL)


def overlay(frame):
    """The alert or dialog on screen, if any."""
    for node in walk(frame):
        if node.getRole() in (pyatspi.ROLE_ALERT, pyatspi.ROLE_DIALOG) and showing(node):
            return node
    return None


def inside(node, container):
    while node is not None:
        if node == container:
            return True
        node = node.parent
    return False


def check_nothing_reachable_beneath(frame, card):
    """Every control outside the overlay is insensitive and cannot take focus."""
    for node in walk(frame):
        if node.getRole() in (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX) and not inside(node, card):
            if sensitive(node) and showing(node):
                fail("'%s' can be reached under the overlay '%s'" % (node.name, card.name))


def reachable(frame, role, name):
    """The one showing, sensitive control of that role and name; inside the
    overlay when one is up."""
    card = overlay(frame)
    scope = card if card is not None else frame
    found = [n for n in walk(scope) if n.getRole() == role and n.name == name and showing(n) and sensitive(n)]
    if card is not None:
        check_nothing_reachable_beneath(frame, card)
    return found[0] if len(found) == 1 else None


def do(node, action_name):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if action_name not in names:
        fail("'%s' has no action %s (only %s)" % (node.name, action_name, names))
    action.doAction(names.index(action_name))


def press(frame, name):
    button = wait_for("a button '%s' to press" % name, lambda: reachable(frame, pyatspi.ROLE_PUSH_BUTTON, name))
    do(button, "Press")


def is_checked(node):
    return states(node).contains(pyatspi.STATE_CHECKED)


def page_is(frame, description):
    wait_for("the page '%s'" % description, lambda: frame.description == description)


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def wait_alert(frame, role, name):
    card = wait_for("the %s '%s'" % (role, name), lambda: overlay(frame))
    if card.getRole() != role or card.name != name:
        fail("expected the %s '%s', found the %s '%s'" % (role, name, card.getRoleName(), card.name))
    if not states(card).contains(pyatspi.STATE_MODAL):
        fail("the overlay '%s' is not modal" % name)
    check_nothing_reachable_beneath(frame, card)
    return card


def start(exe, env, log):
    with open(log, "w") as output:
        process = subprocess.Popen([exe], env=env, stdout=output, stderr=subprocess.STDOUT)
    frame = wait_for("the installer's frame on the bus", find_frame)
    return process, frame


def to_summary(frame):
    """Welcome, license alert, products, confirmation: through the bus only."""
    page_is(frame, "Welcome to the Veltrano Plugin Installer")
    press(frame, "Next")
    page_is(frame, "Software License Agreement")
    press(frame, "Next")
    wait_alert(frame, pyatspi.ROLE_ALERT,
               "To continue using the software you must agree to the terms of the software license agreement.")
    press(frame, "Agree")
    page_is(frame, "Select Products to install")


def confirm_install(frame):
    press(frame, "Next")
    page_is(frame, "The following Products will be installed")
    press(frame, "Next")
    wait_alert(frame, pyatspi.ROLE_ALERT, 'Click "Install" button to complete the installation.')
    press(frame, "Install")
    page_is(frame, "Summary")


def summary_message(frame, expected_icon):
    icon = wait_for("the summary icon",
                    lambda: next((n for n in walk(frame) if n.getRole() == pyatspi.ROLE_IMAGE and n.name in
                                  ("Success", "Failed") and showing(n)), None))
    if icon.name != expected_icon:
        fail("the summary icon is named '%s', not '%s'" % (icon.name, expected_icon))
    texts = [n for n in walk(frame) if showing(n) and n.getRole() in (pyatspi.ROLE_TEXT, pyatspi.ROLE_LABEL)
             and "Text" in pyatspi.listInterfaces(n)]
    for node in texts:
        if states(node).contains(pyatspi.STATE_FOCUSABLE):
            return text_of(node)
    fail("no focusable text on the summary page")


def on_checked(event):
    checked_events.append((event.source.name, event.detail1))


def successful_run(exe, env, root, data, log):
    process, frame = start(exe, env, log)
    to_summary(frame)

    boxes = {}
    for name in ("Softhaze 3", "Softhaze 4"):
        boxes[name] = wait_for("the check box '%s'" % name, lambda name=name: reachable(frame, pyatspi.ROLE_CHECK_BOX,
                                                                                        name))
        if not is_checked(boxes[name]):
            fail("'%s' does not start checked" % name)
    # Clear both, then select both again, by their check boxes.
    for name, box in boxes.items():
        do(box, "Toggle")
        wait_for("'%s' to read unchecked" % name, lambda box=box: not is_checked(box))
    next_button = [n for n in walk(frame) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON and n.name == "Next"][0]
    wait_for("Next to be disabled with nothing selected", lambda: not sensitive(next_button))
    for name, box in boxes.items():
        do(box, "Toggle")
        wait_for("'%s' to read checked" % name, lambda box=box: is_checked(box))
    pump(0.5)
    for name in boxes:
        if (name, 0) not in checked_events or (name, 1) not in checked_events:
            fail("the checked state of '%s' was not announced on the bus: %s" % (name, checked_events))

    confirm_install(frame)
    message = summary_message(frame, "Success")
    if message != "You have been successfully installed selected products.":
        fail("the summary reads '%s'" % message)
    for n in (3, 4):
        installed = os.path.join(root, "opt/Veltrano/Softhaze %d Plug-in/softhaze%d.filter" % (n, n))
        if not os.path.isfile(installed):
            fail("missing " + installed)
    if not os.path.islink(os.path.join(data, "Adobe/Lightroom/Modules/softhaze3.lrdevplugin")):
        fail("the Lightroom plug-in was not linked")
    press(frame, "Close")
    if process.wait(timeout=TIMEOUT) != 0:
        fail("the program did not end cleanly after Close")


def failed_run(exe, env, log):
    process, frame = start(exe, env, log)
    to_summary(frame)
    confirm_install(frame)
    message = summary_message(frame, "Failed")
    if message != "The installation was not completed successfully.":
        fail("the failure summary reads '%s'" % message)
    press(frame, "Details")
    card = wait_alert(frame, pyatspi.ROLE_DIALOG, "The installation was not completed successfully.")
    log = wait_for("the log text", lambda: next((n for n in walk(card) if "Text" in pyatspi.listInterfaces(n)
                                                 and states(n).contains(pyatspi.STATE_FOCUSABLE)), None))
    if "Not a directory" not in text_of(log):
        fail("the log reads '%s'" % text_of(log))
    # Two buttons are named Close now; only the log window's can be reached.
    press(frame, "Close")
    wait_for("the log window to close", lambda: overlay(frame) is None)
    if process.poll() is not None:
        fail("closing the log window ended the program")
    press(frame, "Close")
    process.wait(timeout=TIMEOUT)


def main():
    exe, work = sys.argv[1], sys.argv[2]
    pyatspi.Registry.registerEventListener(on_checked, "object:state-changed:checked")
    env = dict(os.environ)
    # The real X server, and English names and texts: no language is set.
    for name in ("QT_QPA_PLATFORM", "LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"):
        env.pop(name, None)
    env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"

    root, data = os.path.join(work, "root"), os.path.join(work, "data")
    os.makedirs(root)
    os.makedirs(data)
    successful_run(exe, dict(env, VELTRANO_INSTALL_ROOT=root, XDG_DATA_HOME=data), root, data,
                   os.path.join(work, "success.txt"))

    # The maker's folder would have to be made inside a plain file.
    blocked = os.path.join(work, "blocked")
    with open(blocked, "w") as f:
        f.write("not a folder\n")
    failed_run(exe, dict(env, VELTRANO_INSTALL_ROOT=blocked, XDG_DATA_HOME=data), os.path.join(work, "failure.txt"))
    print("PASS: installed and read a failure through the accessibility bus alone")


if __name__ == "__main__":
    main()
