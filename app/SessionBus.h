#pragma once

// Keeps libdbus from starting a session bus of its own. With no bus address given and no
// bus at the desktop's usual place ($XDG_RUNTIME_DIR/bus), libdbus forks to run
// dbus-launch, which starts a bus daemon that outlives the program, or, where it is not
// installed, costs a fork for nothing. A desktop's bus, by address or at that place, is
// left to be used. Call before the application object exists.
void KeepSessionBusFromAutolaunching();
