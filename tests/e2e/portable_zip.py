#!/usr/bin/env python3
"""The portable zip as a teacher hands it out: unpacked anywhere, one folder that
holds the program and its help, which starts from there and leaves the folder
as it found it. Extra arguments: --packages DIR --scratch DIR.
"""

import os
import shutil
import zipfile

import e2e
import packages as pk


def main(args):
    archive = pk.package_path(args, "portable.zip")
    scratch = args.extra[args.extra.index("--scratch") + 1]
    shutil.rmtree(scratch, ignore_errors=True)
    os.makedirs(scratch)
    with zipfile.ZipFile(archive) as zipped:
        zipped.extractall(scratch)
    folders = os.listdir(scratch)
    e2e.check(folders == ["Sixpointe-1.0-portable"], f"the zip unpacks to {folders}")
    folder = os.path.join(scratch, folders[0])
    e2e.check(pk.folder_listing(folder) == pk.PROGRAM_FILES,
              f"the folder holds {sorted(os.listdir(folder))}")

    pk.check_program_starts(os.path.join(folder, pk.PROGRAM), args.winprobe)
    e2e.check(pk.folder_listing(folder) == pk.PROGRAM_FILES,
              f"the program left {sorted(set(os.listdir(folder)) - pk.PROGRAM_FILES)}")
    shutil.rmtree(scratch)


if __name__ == "__main__":
    e2e.run(main)
