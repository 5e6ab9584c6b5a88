#!/usr/bin/env python3
"""make bench: the table and the JSON of the figures the benchmarks measured.

    tools/bench_report.py FIGURES_FILE JSON_FILE

FIGURES_FILE holds one figure a line (bench/BenchSupport.h writes them): key, label, unit,
Vorlane's values, the baseline's name, its values, the target and, for a figure measured with an
alarm sound, the values of the same figure without a sound, separated by tabs, the values by
commas. Each figure is shown as the median of its values with their spread (lowest to highest),
the ratio of the medians measured in the same run to the baseline's and, with a sound, to the
figure without a sound, and its target. A missed target is reported, not an error: the exit
status is 0 whenever the figures could be read.
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


def verdict(target, vorlane, ratio, ratio_without_sound):
    """True or False when the target is met or missed; None without a target or figures."""
    if not target or vorlane is None:
        return None
    if target.startswith("ratio<="):
        return None if ratio is None else ratio <= float(target.split("=")[1])
    if target.startswith("nosound<="):
        if ratio_without_sound is None:
            return None
        return ratio_without_sound <= float(target.split("=")[1])
    if target.startswith("below="):
        return vorlane["median"] < float(target.split("=")[1])
    if target == "zero":
        return vorlane["max"] == 0
    raise ValueError(f"unknown target {target!r}")


def target_text(target, unit):
    if target.startswith("ratio<="):
        return "<= " + target.split("=")[1] + "x"
    if target.startswith("nosound<="):
        return "<= " + target.split("=")[1] + "x no sound"
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


def ratio_of(figure, base):
    if figure and base and base["median"] > 0:
        return figure["median"] / base["median"]
    return None


def ratio_text(ratio):
    return f"{ratio:.2f}x" if ratio is not None else "-"


def main():
    figures_file, json_file = sys.argv[1], sys.argv[2]
    figures = []
    with open(figures_file, encoding="utf-8") as lines:
        for line in lines:
            line = line.rstrip("\r\n")
            if not line:
                continue
            fields = line.split("\t")
            key, label, unit, vorlane, baseline, base, target = fields[:7]
            without_sound = fields[7] if len(fields) > 7 else ""
            vorlane_summary = summary(numbers(vorlane))
            base_summary = summary(numbers(base))
            without_sound_summary = summary(numbers(without_sound))
            ratio = ratio_of(vorlane_summary, base_summary)
            ratio_without_sound = ratio_of(vorlane_summary, without_sound_summary)
            figure = {
                "key": key, "label": label, "unit": unit, "vorlane": vorlane_summary,
                "baseline": {"name": baseline, **(base_summary or {})} if baseline else None,
                "ratio": ratio, "target": target or None,
                "met": verdict(target, vorlane_summary, ratio, ratio_without_sound),
            }
            if without_sound:
                figure["without_sound"] = without_sound_summary
                figure["ratio_without_sound"] = ratio_without_sound
            figures.append(figure)

    header = ("figure", "unit", "Vorlane median [spread]", "baseline", "median [spread]",
              "ratio", "vs no sound", "target", "met")
    rows = [header]
    for figure in figures:
        baseline = figure["baseline"]
        rows.append((
            figure["label"], figure["unit"], spread_text(figure["vorlane"]),
            baseline["name"] if baseline else "-",
            spread_text(baseline if baseline and "median" in baseline else None)
            if baseline else "-",
            ratio_text(figure["ratio"]),
            ratio_text(figure.get("ratio_without_sound")),
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
