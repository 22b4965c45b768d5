# Prints the accessibility tree of a running program as a screen reader
# receives it over AT-SPI: role, name, description, a few states.
#   /usr/bin/python3 a11y_tree.py APP_NAME
import pyatspi, sys
def walk(acc, depth, out):
    try:
        role = acc.getRoleName(); name = acc.name; desc = acc.description
    except Exception as e:
        return
    states = acc.getState().getStates()
    st = [pyatspi.stateToString(s) for s in states if s in (pyatspi.STATE_FOCUSED, pyatspi.STATE_CHECKED, pyatspi.STATE_ENABLED)]
    if role not in ('filler',) or name:
        out.append('  ' * depth + f'[{role}] "{name}"' + (f' — {desc}' if desc else '') + (' {' + ','.join(st) + '}' if st else ''))
    for i in range(acc.childCount):
        walk(acc.getChildAtIndex(i), depth + 1, out)
desk = pyatspi.Registry.getDesktop(0)
for i in range(desk.childCount):
    app = desk.getChildAtIndex(i)
    if app and app.name == sys.argv[1]:
        out = []
        walk(app, 0, out)
        print('\n'.join(out))
