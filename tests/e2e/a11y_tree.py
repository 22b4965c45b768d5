# Prints the accessibility tree of a running program as a screen reader
# receives it over AT-SPI: role, name, description, a few states.
#   /usr/bin/python3 a11y_tree.py APP_NAME [TEXT]
# With TEXT, reads the tree again (up to 15 s) until it holds TEXT.
import pyatspi, sys
def walk(acc, depth, out):
    try:
        role = acc.getRoleName(); name = acc.name; desc = acc.description
    except Exception as e:
        return
    states = acc.getState().getStates()
    # What is not shown is not read: a hidden control is no fault.
    if depth > 0 and pyatspi.STATE_SHOWING not in states:
        return
    st = [pyatspi.stateToString(s) for s in states if s in (pyatspi.STATE_FOCUSED, pyatspi.STATE_CHECKED, pyatspi.STATE_ENABLED)]
    if role not in ('filler',) or name:
        out.append('  ' * depth + f'[{role}] "{name}"' + (f' — {desc}' if desc else '') + (' {' + ','.join(st) + '}' if st else ''))
    for i in range(acc.childCount):
        walk(acc.getChildAtIndex(i), depth + 1, out)
def tree():
    desk = pyatspi.Registry.getDesktop(0)
    for i in range(desk.childCount):
        app = desk.getChildAtIndex(i)
        if app and app.name == sys.argv[1]:
            out = []
            walk(app, 0, out)
            return '\n'.join(out)
    return ''

import time
end = time.monotonic() + 15
text = tree()
while len(sys.argv) > 2 and sys.argv[2] not in text and time.monotonic() < end:
    time.sleep(0.2)
    text = tree()
print(text)
