#!/usr/bin/env python3
"""Makes every build step that writes into the application folder on its own.

A step that writes into a folder some other step happens to create passes or fails by the order
make picks, which differs between machines and job counts. Here each such step runs alone, in a
freshly configured build folder, with only the tools it names already built: a step that relies
on another's side effect fails every time.

    check-build-steps.py BUILD_FOLDER [cmake configure arguments...]

The steps are found in the generated makefiles (every rule whose commands write below
BUILD_FOLDER/bin), not listed by hand.
"""
import os
import re
import shutil
import subprocess
import sys

RULE = re.compile(r'^([^\s:#][^:=]*?)\s*:(?!=)\s*(.*)$')


def parse_rules(path):
    """Rules of one generated makefile: target -> (prerequisites, commands)."""
    rules = {}
    current = None
    with open(path, encoding='utf-8', errors='replace') as f:
        for line in f:
            line = line.rstrip('\n')
            if line.startswith('\t'):
                if current is not None:
                    rules[current][1].append(line[1:])
                continue
            match = RULE.match(line)
            if not match or match.group(1).startswith('.'):
                current = None
                continue
            current = match.group(1).strip()
            entry = rules.setdefault(current, ([], []))
            entry[0].extend(p for p in match.group(2).split() if p)
    return rules


def run(args, cwd=None, quiet=False):
    out = subprocess.DEVNULL if quiet else None
    return subprocess.run(args, cwd=cwd, stdout=out, stderr=subprocess.STDOUT if quiet else None)


def main():
    if len(sys.argv) < 2:
        print(__doc__, file=sys.stderr)
        return 2
    build = os.path.abspath(sys.argv[1])
    source = os.path.abspath(os.path.join(os.path.dirname(__file__), '..'))
    app = os.path.join(build, 'bin')
    shutil.rmtree(build, ignore_errors=True)
    if run(['cmake', '-S', source, '-B', build, *sys.argv[2:]], quiet=True).returncode != 0:
        print('check-build-steps: configuring failed', file=sys.stderr)
        return 1

    # Every rule whose commands write below the application folder, with the makefile it is in.
    steps = []
    tools = set()
    for root, _, files in os.walk(build):
        if 'build.make' not in files:
            continue
        makefile = os.path.join(root, 'build.make')
        rules = parse_rules(makefile)
        for target, (prereqs, commands) in rules.items():
            if not any(app + '/' in c for c in commands):
                continue
            steps.append((makefile, target))
            # What the step runs that the build makes: prerequisites no rule here makes and no
            # source provides are built targets (the tools), named by their file's base name.
            for p in prereqs:
                if p in rules or os.path.isabs(p) and os.path.exists(p):
                    continue
                if not os.path.exists(os.path.join(build, p)):
                    tools.add(os.path.basename(p))
    if not steps:
        print('check-build-steps: no step writes into the application folder?', file=sys.stderr)
        return 1

    for tool in sorted(tools):
        if run(['cmake', '--build', build, '--target', tool], quiet=True).returncode != 0:
            print(f'check-build-steps: cannot build the tool {tool}', file=sys.stderr)
            return 1
    # What the tools put into the application folder is the state every step starts from.
    pristine = app + '.tools'
    if os.path.isdir(app):
        shutil.copytree(app, pristine, symlinks=True)

    failed = []
    for makefile, target in sorted(steps):
        shutil.rmtree(app, ignore_errors=True)
        if os.path.isdir(pristine):
            shutil.copytree(pristine, app, symlinks=True)
        output = os.path.join(build, target)
        if os.path.isfile(output):
            os.remove(output)  # a stamp left by an earlier step's prerequisites
        rel = os.path.relpath(makefile, build)
        result = subprocess.run(['make', '-C', build, '-f', rel, target],
                                stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        print(f"{'ok  ' if result.returncode == 0 else 'FAIL'} {rel} {target}")
        if result.returncode != 0:
            print(result.stdout[-3000:])
            failed.append(target)
    shutil.rmtree(pristine, ignore_errors=True)
    if failed:
        print(f'check-build-steps: {len(failed)} step(s) depend on what another step makes '
              f'without saying so: {", ".join(failed)}', file=sys.stderr)
        return 1
    print(f'check-build-steps: {len(steps)} steps make their application-folder output alone')
    return 0


if __name__ == '__main__':
    sys.exit(main())
