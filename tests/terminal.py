#!/usr/bin/env python3
"""Runs a command with its standard input a terminal, and types into it what
this script reads, all at once, as a person types ahead. A command still
reading 20 s after the last key fails."""
import os
import pty
import subprocess
import sys

master, slave = pty.openpty()
child = subprocess.Popen(sys.argv[1:], stdin=slave)
os.close(slave)
os.write(master, sys.stdin.buffer.read())
try:
    sys.exit(child.wait(timeout=20))
except subprocess.TimeoutExpired:
    child.kill()
    sys.exit("terminal: still reading 20 s after the last key")
