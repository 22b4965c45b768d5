# Listens on the accessibility bus as a screen reader does and writes, one
# line each, what a program says without the focus moving (a notification
# appearing) and where the focus goes:
#   notification<TAB>NAME      focus<TAB>ROLE<TAB>NAME
#   /usr/bin/python3 a11y_events.py APP_NAME OUTFILE
# Runs until killed; OUTFILE is flushed line by line.
import pyatspi, sys

app_name, out = sys.argv[1], open(sys.argv[2], 'a', buffering=1)


def from_app(acc):
    try:
        return acc.getApplication().name == app_name
    except Exception:
        return False


def on_event(e):
    if e.type.startswith('object:property-change') or not e.detail1 or not from_app(e.source):
        return
    try:
        role, name = e.source.getRole(), e.source.name
    except Exception:
        return
    if e.type.endswith('showing') and role == pyatspi.ROLE_NOTIFICATION:
        out.write(f'notification\t{name}\n')
    elif e.type.endswith('focused'):
        out.write(f'focus\t{e.source.getRoleName()}\t{name}\n')


# Name changes too, as a screen reader listens for them: the client
# library keeps names it has read, and only these events renew them.
pyatspi.Registry.registerEventListener(on_event, 'object:state-changed:showing',
                                       'object:state-changed:focused',
                                       'object:property-change:accessible-name')
print('listening', flush=True)
pyatspi.Registry.start()
