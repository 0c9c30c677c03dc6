#!/usr/bin/env python3
"""Runs one benchmark of two builds in turn (old, new, old, new, ...) and prints
the median of each counter for both and their ratio new/old, so that a change is
measured against the code before it on the same machine in the same minutes.

    tools/benchpair.py OLD_BUILD NEW_BUILD PROGRAM FILTER [--runs N] [--counter NAME ...] [-- ARGS]

PROGRAM is a benchmark under bench/ (e.g. bench_wavedev), FILTER its
--benchmark_filter. Without --counter every counter and the real time are shown.
Benchmarks that need a sound server need tools/soundserver.sh start first."""
import argparse, json, os, statistics, subprocess, sys, tempfile

def run(build, program, filt, extra):
    exe = os.path.join(build, 'bench', program)
    with tempfile.NamedTemporaryFile(suffix='.json') as report:
        out = subprocess.run([exe, '--benchmark_filter=' + filt, '--benchmark_out=' + report.name,
                              '--benchmark_out_format=json'] + extra,
                             capture_output=True, text=True, env=dict(os.environ, QT_QPA_PLATFORM='offscreen'))
        if out.returncode != 0:
            sys.exit(f'{exe} failed:\n{out.stderr[-2000:]}')
        results = json.load(open(report.name))
    values = {}
    for b in results['benchmarks']:
        if b.get('error_occurred'):
            sys.exit(f"{b['name']}: {b.get('error_message')}")
        for key, v in b.items():
            if isinstance(v, (int, float)) and key not in ('iterations', 'repetitions', 'repetition_index',
                                                             'threads', 'family_index', 'per_family_instance_index', 'cpu_time'):
                values[f"{b['name']} {key}"] = float(v)
    return values

def main():
    argv = sys.argv[1:]
    extra = []
    if '--' in argv:
        extra = argv[argv.index('--') + 1:]
        argv = argv[:argv.index('--')]
    p = argparse.ArgumentParser()
    p.add_argument('old'); p.add_argument('new'); p.add_argument('program'); p.add_argument('filter')
    p.add_argument('--runs', type=int, default=5)
    p.add_argument('--counter', action='append', default=[])
    a = p.parse_args(argv)
    seen = {'old': {}, 'new': {}}
    for _ in range(a.runs):
        for side in ('old', 'new'):
            for k, v in run(getattr(a, side), a.program, a.filter, extra).items():
                seen[side].setdefault(k, []).append(v)
    print(f'{a.program} {a.filter}: median of {a.runs} paired runs')
    for k in sorted(seen['new']):
        if a.counter and not any(k.endswith(' ' + c) for c in a.counter):
            continue
        old = statistics.median(seen['old'].get(k, [float('nan')]))
        new = statistics.median(seen['new'][k])
        ratio = new / old if old else float('nan')
        print(f'  {k:60s} old {old:10.3f}  new {new:10.3f}  new/old {ratio:6.3f}')

main()
