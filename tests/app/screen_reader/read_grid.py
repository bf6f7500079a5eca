# Reads Orvane's main window through the AT-SPI bus, as a screen reader does: the cells of the
# number grid and the counters, then presses a cell through the bus and reads the change.
import sys
import time

import pyatspi


def find(node, wanted, depth=0):
    if node is None or depth > 12:
        return None
    if wanted(node):
        return node
    for i in range(node.childCount):
        found = find(node.getChildAtIndex(i), wanted, depth + 1)
        if found is not None:
            return found
    return None


def wait_for(read, what, seconds=20):
    deadline = time.time() + seconds
    while time.time() < deadline:
        value = read()
        if value:
            return value
        time.sleep(0.2)
    sys.exit(f"FAILED: {what}")


def orvane():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "Orvane":
            return app
    return None


app = wait_for(orvane, "Orvane never appeared on the accessibility bus")
cell = wait_for(lambda: find(app, lambda n: n.name == "Main number 7"),
                "no cell is read as \"Main number 7\"")
counter = wait_for(lambda: find(app, lambda n: (n.name or "").startswith("Main numbers selected")),
                   "no counter is read as \"Main numbers selected\"")
checks = [
    (cell.getRoleName(), "check box"),
    (cell.description, "not marked"),
    (counter.name, "Main numbers selected: 0"),
]
thunderball = find(app, lambda n: n.name == "Thunderball 14")
checks.append((thunderball.description if thunderball else None, "not marked"))

# Pressing the cell through the bus marks it as a left click does.
cell.queryAction().doAction(0)
wait_for(lambda: counter.name == "Main numbers selected: 1",
         "pressing \"Main number 7\" through the bus did not mark it")
checks.append((cell.description, "selected"))
checks.append((cell.getState().contains(pyatspi.STATE_CHECKED), True))

failed = [f"read {got!r}, expected {want!r}" for got, want in checks if got != want]
for line in failed:
    print("FAILED:", line)
print(f"{len(checks) - len(failed)} passed, {len(failed)} failed")
sys.exit(1 if failed else 0)
