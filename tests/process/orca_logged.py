#!/usr/bin/python3
# Orca as a blind student runs it, with its debug log written line by line to the file named
# first, so that a test reads what Orca speaks as it speaks it. Further arguments go to Orca.
# An Orca of another test may run at the same time, on a session bus of its own: this one
# neither refuses to start beside it nor takes its process name, by which Orca finds others.
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
orca = runpy.run_path("/usr/bin/orca", run_name="orca_launcher")
namespace = orca["main"].__globals__
namespace["otherOrcas"] = lambda: []
namespace["setProcessName"] = lambda name: None
sys.exit(orca["main"]())
