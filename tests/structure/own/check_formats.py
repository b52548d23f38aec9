#!/usr/bin/env python3
"""Parses each sample of samples.txt with nibstruct and its definition:
exit status 0, no error, and each spot check holds. Makes the samples first.
  check_formats.py NIBSTRUCT FORMATS_FOLDER SAMPLES_FOLDER [MANIFEST]
With MANIFEST, the pairs are also written there for the conformance run."""
import json, os, re, subprocess, sys

import make_samples


def node_at(node, path):
    for name, indexes in re.findall(r'([^.\[]+)((?:\[\d+\])*)', path):
        node = next(n for n in node['fields'] if n['name'] == name)
        for index in re.findall(r'\d+', indexes):
            node = node['items'][int(index)]
    return node


def failures(tree, checks):
    for check in checks:
        path, want = re.split('[@=]', check, maxsplit=1)
        try:
            node = node_at(tree['root'], path)
        except (StopIteration, KeyError, IndexError):
            yield f'{path}: no such node'
            continue
        value = node.get('enum') if '@' in check else node.get('value')
        shown = value if isinstance(value, str) else json.dumps(value)
        if shown != want.replace('\\s', ' '):
            yield f'{check}: found {shown}'


def main(nibstruct, formats, samples, manifest=None):
    make_samples.make(samples)
    failed, count, pairs = [], 0, []
    for line in open(os.path.join(os.path.dirname(os.path.abspath(__file__)), 'samples.txt')):
        if not line.strip() or line.startswith('#'):
            continue
        definition, sample, *checks = line.split()
        pairs.append(f'{os.path.join(formats, definition)} {os.path.join(samples, sample)}\n')
        run = subprocess.run([nibstruct, os.path.join(formats, definition), os.path.join(samples, sample)],
                             capture_output=True, text=True)
        count += 1
        problems = ([f'exit {run.returncode} {run.stderr.strip()} {run.stdout[:300]}'] if run.returncode
                    else list(failures(json.loads(run.stdout), checks)))
        failed += [sample] if problems else []
        print('\n'.join(f'{sample}: {p}' for p in problems) or f'{sample}: ok')
    # Started through PATH, nibstruct still finds the definitions beside it for `/` imports.
    with open(os.path.join(samples, 'wrapped.ksy'), 'w') as f:
        f.write('meta: {id: wrapped, imports: [/wav]}\nseq: [{id: wave, type: wav}]\n')
    path = os.path.dirname(os.path.abspath(nibstruct)) + os.pathsep + os.environ['PATH']
    run = subprocess.run([os.path.basename(nibstruct), 'wrapped.ksy', 'pcm.wav'], cwd=samples, capture_output=True,
                         text=True, env=dict(os.environ, PATH=path))
    count, failed = count + 1, failed + (['wrapped.ksy'] if run.returncode else [])
    print(f'wrapped.ksy through PATH: exit {run.returncode} {run.stderr.strip()}')
    print(f'own formats: {count - len(failed)} passed, {len(failed)} failed')
    if manifest:
        # The same pairs for the conformance run against the reference implementation.
        os.makedirs(os.path.dirname(manifest), exist_ok=True)
        with open(manifest, 'w') as f:
            f.writelines(pairs)
    return 1 if failed else 0


if __name__ == '__main__':
    if len(sys.argv) not in (4, 5):
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:]))
