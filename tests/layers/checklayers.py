#!/usr/bin/env python3
"""The layers of the build hold, judged from CMake's own graph of the build folder
(cmake --graphviz): a core test (label "core") links neither QtWidgets nor QtWebEngine, and no
two of our libraries link each other, directly or through a cycle.

    checklayers.py --cmake CMAKE --build BUILD_DIR --core-tests tst_a,tst_b,...
    checklayers.py --graph lumaro.dot --core-tests ...      (a graph written before)
"""
import argparse
import os
import re
import subprocess
import sys
import tempfile

NODE = re.compile(r'^\s*"(node\d+)"\s*\[\s*label\s*=\s*"([^"]*)"\s*,\s*shape\s*=\s*(\w+)')
EDGE = re.compile(r'^\s*"(node\d+)"\s*->\s*"(node\d+)"')
LIBRARY_SHAPES = {"octagon", "doubleoctagon", "tripleoctagon", "pentagon", "hexagon"}
# What a core test must not reach: QtWidgets and every QtWebEngine module, as CMake targets
# (Qt6::Widgets, its alias Qt::Widgets) or as library files.
DRAWING = re.compile(r'^Qt6?::(Widgets|WebEngine\w*)$|/libQt6(Widgets|WebEngine\w*)\.so')


def write_graph(cmake, build, folder):
    """Asks CMake for the link graph of the configured build folder (it configures again, with
    the folder's own cache, and writes the graph into `folder`)."""
    dot = os.path.join(folder, "lumaro.dot")
    run = subprocess.run([cmake, "--graphviz=" + dot, build], stdout=subprocess.PIPE,
                         stderr=subprocess.STDOUT, text=True)
    if run.returncode != 0 or not os.path.exists(dot):
        sys.exit("cmake --graphviz failed:\n" + run.stdout)
    return dot


def read_graph(path):
    names, shapes, edges = {}, {}, {}
    with open(path, encoding="utf-8") as dot:
        for line in dot:
            node = NODE.match(line)
            if node:
                names[node.group(1)] = node.group(2)
                shapes[node.group(2)] = node.group(3)
                continue
            edge = EDGE.match(line)
            if edge:
                edges.setdefault(names[edge.group(1)], set()).add(names[edge.group(2)])
    return shapes, edges


def path_to(edges, start, wanted):
    """The first chain of links from `start` to a target `wanted` accepts, or None."""
    parent = {start: None}
    queue = [start]
    while queue:
        current = queue.pop(0)
        if current != start and wanted(current):
            chain = [current]
            while parent[chain[-1]] is not None:
                chain.append(parent[chain[-1]])
            return list(reversed(chain))
        for following in sorted(edges.get(current, ())):
            if following not in parent:
                parent[following] = current
                queue.append(following)
    return None


def cycles(nodes, edges):
    """Strongly connected groups of more than one node, or a node linking itself (Tarjan)."""
    index, low, stack, on_stack, found = {}, {}, [], set(), []

    def visit(node):
        index[node] = low[node] = len(index)
        stack.append(node)
        on_stack.add(node)
        for following in sorted(edges.get(node, ())):
            if following not in nodes:
                continue
            if following not in index:
                visit(following)
                low[node] = min(low[node], low[following])
            elif following in on_stack:
                low[node] = min(low[node], index[following])
        if low[node] == index[node]:
            group = []
            while True:
                member = stack.pop()
                on_stack.discard(member)
                group.append(member)
                if member == node:
                    break
            if len(group) > 1 or node in edges.get(node, ()):
                found.append(sorted(group))

    for node in sorted(nodes):
        if node not in index:
            visit(node)
    return found


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cmake", default="cmake")
    parser.add_argument("--build")
    parser.add_argument("--graph")
    parser.add_argument("--core-tests", required=True)
    args = parser.parse_args()
    core_tests = [name for name in args.core_tests.split(",") if name]

    with tempfile.TemporaryDirectory() as folder:
        graph = args.graph or write_graph(args.cmake, args.build, folder)
        shapes, edges = read_graph(graph)

    problems = []
    # The graph must show what the check relies on, or every test below would pass unseen.
    if not path_to(edges, "lumaro_app", lambda name: DRAWING.search(name)):
        problems.append("the graph does not show lumaro_app linking QtWidgets: cannot judge")
    if not core_tests:
        problems.append("no test is labelled core")

    for test in core_tests:
        if test not in shapes:
            problems.append(f"core test {test} is not in the build graph")
            continue
        chain = path_to(edges, test, lambda name: DRAWING.search(name))
        if chain:
            problems.append(f"core test {test} links {chain[-1]}: " + " -> ".join(chain))

    # Our libraries: targets of this build, not imported ones (Qt6::..., PkgConfig::...) and not
    # library files.
    ours = {name for name, shape in shapes.items()
            if shape in LIBRARY_SHAPES and "::" not in name and not name.startswith(("/", "-"))}
    for group in cycles(ours, edges):
        problems.append("libraries that link each other: " + ", ".join(group))

    for problem in problems:
        print("FAIL: " + problem)
    if problems:
        return 1
    print(f"{len(core_tests)} core tests link neither QtWidgets nor QtWebEngine; "
          f"{len(ours)} libraries of ours link one way")
    return 0


if __name__ == "__main__":
    sys.exit(main())
