#!/usr/bin/env python3
"""Parses each sample of samples.txt with nibstruct and its definition:
exit status 0, no error, and each spot check holds. Makes the samples first.
  check_formats.py NIBSTRUCT FORMATS_FOLDER SAMPLES_FOLDER"""
import json, os, re, subprocess, sys

import make_samples

STEP = re.compile(r'([^.\[]+)((?:\[\d+\])*)')


def node_at(root, path):
    node = root
    for name, indexes in STEP.findall(path):
        node = next(n for n in node['fields'] if n['name'] == name)
        for index in re.findall(r'\d+', indexes):
            node = node['items'][int(index)]
    return node


def failures(tree, checks):
    for check in checks:
        path, label = check.split('@') if '@' in check else (check.split('=')[0], None)
        try:
            node = node_at(tree['root'], path)
        except (StopIteration, KeyError, IndexError):
            yield f'{path}: no such node'
            continue
        if label is not None:
            shown, want = node.get('enum'), label
        else:
            value = node.get('value')
            shown = value if isinstance(value, str) else json.dumps(value)
            want = check.split('=', 1)[1].replace('\\s', ' ')
        if shown != want:
            yield f'{check}: found {shown}'


def main(nibstruct, formats, samples):
    make_samples.make(samples)
    manifest = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'samples.txt')
    problems, count = [], 0
    for line in open(manifest):
        if not line.strip() or line.startswith('#'):
            continue
        definition, sample, *checks = line.split()
        run = subprocess.run([nibstruct, os.path.join(formats, definition), os.path.join(samples, sample)],
                             capture_output=True, text=True)
        count += 1
        if run.returncode != 0:
            problems.append(f'{sample}: exit {run.returncode} {run.stderr.strip()} {run.stdout[:300]}')
            continue
        problems += [f'{sample}: {p}' for p in failures(json.loads(run.stdout), checks)]
    print('\n'.join(problems))
    print(f'own formats: {count - len({p.split(":")[0] for p in problems})} passed, '
          f'{len({p.split(":")[0] for p in problems})} failed')
    return 1 if problems else 0


if __name__ == '__main__':
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:]))
