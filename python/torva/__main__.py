"""Command line: python3 -m torva run | plot | batch (python3 -m torva --help)."""

import argparse
import sys
from pathlib import Path

from . import engine, plot
from .batch import progress_bar, run_local, run_many
from .plotfile import read_plot


def _run(args):
    out = Path(args.out)
    try:
        result = engine.run(args.input, workdir=out, lib=args.lib, isolate=args.isolate)
    except engine.TorvaError as e:
        print(f"The analysis ended with {e}", file=sys.stderr)
        for key in ("report", "messages"):
            if key in e.files:
                print(f"  {key + ':':10} {e.files[key]}", file=sys.stderr)
        return 1
    print("The analysis ended normally" + (f" with {len(result.warnings)} kind(s) of warning"
                                           if result.warnings else "") + ".")
    print(f"  report:    {result.report}\n  plot file: {result.plot}\n"
          f"  messages:  {result.messages}")
    if args.plot:
        for name, fig in plot.all_figures(result).items():
            path = out / f"{Path(result.plot).name[:-len('-plot.txt')]}-{name}.{args.plot}"
            fig.savefig(path)
            print(f"  graph:     {path}")
    if len(result.summary):
        print(result.summary.to_string(index=False))
    return 0


def _plot(args):
    result = read_plot(args.plot_file)
    figures = plot.all_figures(result)
    if args.graph not in figures:
        have = ", ".join(figures) or "none"
        print(f"{args.plot_file} has no data for the {args.graph} graph (it has: {have})",
              file=sys.stderr)
        return 1
    figures[args.graph].savefig(args.output)
    print(args.output)
    return 0


def _batch(args):
    bar = None if args.quiet else progress_bar()
    if args.serial:
        rows = run_local(args.inputs, lib=args.lib, progress=bar)
    else:
        rows = run_many(args.inputs, client=args.scheduler, lib=args.lib, progress=bar,
                        workers=args.workers, files_per_task=args.files_per_task)
    rows.to_csv(args.out, index=False)
    failed = rows.loc[rows["error"] != 0, "input"].nunique()
    print(f"{len(rows)} rows of {rows['input'].nunique()} input files written to {args.out}"
          + (f"; {failed} files ended with an error" if failed else ""), file=sys.stderr)
    return 0


def main(argv=None):
    parser = argparse.ArgumentParser(prog="python3 -m torva",
                                     description="Lateral pile analyses with the Torva engine.")
    parser.add_argument("--lib", help="the engine library (default: $TORVA_LIB, beside the "
                        "package, or the build folders)")
    sub = parser.add_subparsers(dest="command", required=True)

    p = sub.add_parser("run", help="run one input data file")
    p.add_argument("input")
    p.add_argument("--out", default=".", help="folder of the run's files (default: here)")
    p.add_argument("--plot", choices=("svg", "png", "pdf"),
                   help="also draw every graph the run has data for")
    p.add_argument("--isolate", action="store_true",
                   help="run the engine in a child process")
    p.set_defaults(func=_run)

    p = sub.add_parser("plot", help="draw a graph of a plot-output file")
    p.add_argument("plot_file")
    p.add_argument("-o", "--output", required=True,
                   help="graph file; its extension (.svg, .png, .pdf) gives the format")
    p.add_argument("--graph", default="profiles",
                   choices=("profiles", "py-curves", "moment-curvature", "stiffness",
                            "pushover", "length-sweep", "buckling"))
    p.set_defaults(func=_plot)

    p = sub.add_parser("batch", help="run many input files on a dask cluster")
    p.add_argument("inputs", nargs="+")
    p.add_argument("--out", required=True, help="CSV file of the summary rows")
    p.add_argument("--scheduler", help="address of a running scheduler, tcp://host:8786 "
                   "(default: a local cluster)")
    p.add_argument("--workers", type=int, help="workers of the local cluster (default: one "
                   "per core)")
    p.add_argument("--files-per-task", type=int,
                   help="files each task runs in turn (default: about a quarter of a second "
                   "of work, judged from the tasks already back)")
    p.add_argument("--serial", action="store_true",
                   help="run the files one after the other in this process")
    p.add_argument("--quiet", action="store_true", help="no progress bar")
    p.set_defaults(func=_batch)

    args = parser.parse_args(argv)
    try:
        return args.func(args)
    except (OSError, ValueError) as e:
        print(f"torva: {e}", file=sys.stderr)
        return 1


if __name__ == "__main__":
    sys.exit(main())
