"""Starts Orca (/usr/bin/orca, arguments passed on) on the display and
buses of the environment, even while another Orca of the same user runs on
another desktop: Orca's own start refuses then, and its --replace would kill
the other one.

Usage: /usr/bin/python3 orca_launch.py [ORCA-ARGUMENT...]
"""
import runpy
import sys

ORCA = "/usr/bin/orca"

sys.argv = [ORCA] + sys.argv[1:]
launcher = runpy.run_path(ORCA, run_name="orca_launch")
main = launcher["main"]
# main() looks the other copies up among its own globals.
main.__globals__["otherOrcas"] = lambda: []
sys.exit(main())
