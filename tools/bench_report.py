#!/usr/bin/env python3
"""make bench: the table and the JSON of the figures the benchmarks measured.

    tools/bench_report.py FIGURES_FILE JSON_FILE

FIGURES_FILE holds one figure a line (bench/BenchSupport.h writes them): key, label, unit,
Vorlane's values, the baseline's name, its values, the target, separated by tabs, the values by
commas. Each figure is shown as the median of its values with their spread (lowest to highest),
the ratio of the medians measured in the same run, and its target. A missed target is
reported, not an error: the exit status is 0 whenever the figures could be read.
"""
import json
import statistics
import sys


def numbers(text):
    return [float(value) for value in text.split(",") if value.strip()]


def summary(values):
    if not values:
        return None
    return {"median": statistics.median(values), "min": min(values), "max": max(values),
            "values": values}


def verdict(target, vorlane, base, ratio):
    """True or False when the target is met or missed; None without a target or figures."""
    if not target or vorlane is None:
        return None
    if target.startswith("ratio<="):
        return None if ratio is None else ratio <= float(target.split("=")[1])
    if target.startswith("below="):
        return vorlane["median"] < float(target.split("=")[1])
    if target == "zero":
        return vorlane["max"] == 0
    raise ValueError(f"unknown target {target!r}")


def target_text(target, unit):
    if target.startswith("ratio<="):
        return "<= " + target.split("=")[1] + "x"
    if target.startswith("below="):
        return "< " + target.split("=")[1] + " " + unit
    if target == "zero":
        return "0 growth"
    return ""


def spread_text(figure):
    if figure is None:
        return "n/a"
    def show(value):
        return f"{value:.3g}" if abs(value) < 100 else f"{value:.0f}"
    if figure["min"] == figure["max"]:
        return show(figure["median"])
    return f"{show(figure['median'])} [{show(figure['min'])}-{show(figure['max'])}]"


def main():
    figures_file, json_file = sys.argv[1], sys.argv[2]
    figures = []
    with open(figures_file, encoding="utf-8") as lines:
        for line in lines:
            line = line.rstrip("\r\n")
            if not line:
                continue
            key, label, unit, vorlane, baseline, base, target = line.split("\t")
            vorlane_summary = summary(numbers(vorlane))
            base_summary = summary(numbers(base))
            ratio = None
            if vorlane_summary and base_summary and base_summary["median"] > 0:
                ratio = vorlane_summary["median"] / base_summary["median"]
            figures.append({
                "key": key, "label": label, "unit": unit, "vorlane": vorlane_summary,
                "baseline": {"name": baseline, **(base_summary or {})} if baseline else None,
                "ratio": ratio, "target": target or None,
                "met": verdict(target, vorlane_summary, base_summary, ratio),
            })

    header = ("figure", "unit", "Vorlane median [spread]", "baseline", "median [spread]",
              "ratio", "target", "met")
    rows = [header]
    for figure in figures:
        baseline = figure["baseline"]
        rows.append((
            figure["label"], figure["unit"], spread_text(figure["vorlane"]),
            baseline["name"] if baseline else "-",
            spread_text(baseline if baseline and "median" in baseline else None)
            if baseline else "-",
            f"{figure['ratio']:.2f}x" if figure["ratio"] is not None else "-",
            target_text(figure["target"] or "", figure["unit"]),
            {True: "yes", False: "MISSED", None: "-"}[figure["met"]],
        ))
    widths = [max(len(row[column]) for row in rows) for column in range(len(header))]
    for index, row in enumerate(rows):
        print("  " + "  ".join(cell.ljust(width) for cell, width in zip(row, widths)).rstrip())
        if index == 0:
            print("  " + "  ".join("-" * width for width in widths))
    missed = [figure["label"] for figure in figures if figure["met"] is False]
    print()
    print(f"  targets missed: {len(missed)}" + (" (" + "; ".join(missed) + ")" if missed else ""))
    with open(json_file, "w", encoding="utf-8") as out:
        json.dump({"figures": figures}, out, indent=2)
        out.write("\n")
    print(f"  JSON: {json_file}")


if __name__ == "__main__":
    main()
