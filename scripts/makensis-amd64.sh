#!/bin/sh
# makensis making a 64-bit installer: the program it installs is 64-bit, and a 32-bit installer
# would need a 32-bit Windows layer that a 64-bit Wine does not have. CPack splits its extra
# arguments at spaces, so the command that selects the target is given here.
exec makensis "-XTarget amd64-unicode" "$@"
