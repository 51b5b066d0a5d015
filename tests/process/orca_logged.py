#!/usr/bin/python3
# Orca as a blind student runs it, with its debug log written line by line to the file named
# first, so that a test reads what Orca speaks as it speaks it. Further arguments go to Orca.
import builtins
import runpy
import sys

log = sys.argv[1]
real_open = builtins.open


def open_line_buffered(file, mode="r", *args, **kwargs):
    if file == log:
        return real_open(file, mode, buffering=1)
    return real_open(file, mode, *args, **kwargs)


builtins.open = open_line_buffered
sys.argv = ["orca", "--debug-file", log] + sys.argv[2:]
runpy.run_path("/usr/bin/orca", run_name="__main__")
