#!/usr/bin/env python3
"""The soak driver, run as root, against a program user that plants links where root writes.
Usage: test_soak.py PATH/TO/soak.py"""
import importlib.util
import os
import pwd
import sys
import tempfile
import types
import unittest

SOAK = sys.argv.pop(1)
spec = importlib.util.spec_from_file_location("soak", SOAK)
soak = importlib.util.module_from_spec(spec)
spec.loader.exec_module(soak)


class SoakAsRoot(unittest.TestCase):
    def setUp(self):
        self.work = tempfile.TemporaryDirectory()
        program = os.path.join(self.work.name, "program")
        os.makedirs(program)
        for name in ("preload.so", "lsan.supp"):
            open(os.path.join(self.work.name, name), "w").close()
        self.box = soak.Sandbox(program, os.path.join(self.work.name, "preload.so"),
                                os.path.join(self.work.name, "lsan.supp"), self.work.name)
        self.owner = os.stat(self.box.path("run")).st_uid
        # A root file the program's user would like to read or change.
        self.secret = os.path.join(self.work.name, "secret")
        with open(self.secret, "w") as f:
            f.write("root only\n")
        os.chmod(self.secret, 0o600)

    def tearDown(self):
        self.work.cleanup()

    def plant(self, path):
        os.symlink(self.secret, path)
        os.lchown(path, self.owner, self.owner)

    def test_a_user_id_nobody_else_has(self):
        self.assertNotEqual(self.owner, 0)
        with self.assertRaises(KeyError, msg="the sandbox runs under an account other processes share"):
            pwd.getpwuid(self.owner)

    def test_plug_command_never_follows_a_planted_link(self):
        for name in ("control.new", "control"):
            self.plant(self.box.path("run", name))
        args = types.SimpleNamespace(random=1, seconds=1)
        driver = soak.Soak(args, self.box)
        driver.act({"a": "mouse", "c": "unplug", "p": 0})
        self.assertEqual(os.stat(self.secret).st_mode & 0o777, 0o600)
        with open(self.secret) as f:
            self.assertEqual(f.read(), "root only\n")
        control = os.lstat(self.box.path("run", "control"))
        self.assertEqual((control.st_uid, control.st_mode & 0o777), (self.owner, 0o600))

    def test_what_root_writes_lies_outside_the_users_folders(self):
        for path in (self.box.program_log, os.path.join(self.box.root, "events.jsonl")):
            self.assertEqual(os.stat(os.path.dirname(path)).st_uid, 0, path)


if __name__ == "__main__":
    if os.geteuid() != 0:
        print("needs root")
        sys.exit(77)
    sys.exit(0 if unittest.main(exit=False).result.wasSuccessful() else 1)
